#include "shell/GUI_ConfirmDialog.h"

#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAssert.h"

GUI_ConfirmDialog* GUI_ConfirmDialog::PTheWindow = nullptr;

void GUI_ConfirmDialog::Create(const std::string& text, const std::string& title, GUI_Callback callback)
{
    Close(0);
    new GUI_ConfirmDialog(text, title, callback);
}

GUI_ConfirmDialog::GUI_ConfirmDialog(const std::string& text, const std::string& title,
                                     GUI_Callback callback)
    : GUI_Dialog(true), text_(text), callback_(callback)
{
    PTheWindow = this;
    SetTitle(title);
    SetSize(360, 140);
    PlaceCentral();
    UpdateClientArea();
    FitHeightToText();
    GUI_GetWindowManager()->AddModal(this);
    GAssert(callback != nullptr, __FILE__, __LINE__);

    const tagRECT& c = GetClientArea();
    ok_ = new GUI_ButtonText("CONFIRM_OK", Confirm, 0);
    ok_->SetPosition(float(c.right - 160), float(c.bottom - kButtonsFromBottom), float(c.right - 15),
                     float(c.bottom - 9));
    AddButton(ok_);
    cancel_ = new GUI_ButtonText("CONFIRM_CANCEL", Close, 0);
    cancel_->SetPosition(float(c.left + 15), float(c.bottom - kButtonsFromBottom), float(c.left + 160),
                         float(c.bottom - 9));
    AddButton(cancel_);
}

GUI_ConfirmDialog::~GUI_ConfirmDialog()
{
    GUI_GetWindowManager()->RemoveModal(this);
    if (PTheWindow == this)
        PTheWindow = nullptr;
}

void GUI_ConfirmDialog::FitHeightToText()
{
    const tagRECT& c = GetClientArea();
    GDIText::SetFont(kBoldFontName, kTextSize, false);
    const int textHeight = GDIText::GetTextHeight(text_.c_str(), float(c.right - c.left - 2 * kTextInset));
    // The text, a gap, then the row of buttons at the bottom.
    const int needed = kTextTop + textHeight + kTextToButtons + kButtonsFromBottom;
    const int shortBy = needed - (c.bottom - c.top);
    if (shortBy <= 0)
        return;
    SetSize(float(GetWidth()), float(GetHeight() + shortBy));
    PlaceCentral();
    UpdateClientArea();
}

void GUI_ConfirmDialog::Confirm(intptr_t)
{
    GUI_ConfirmDialog* dialog = PTheWindow;
    if (dialog && dialog->callback_)
        dialog->callback_(0);
    Close(0);
}

void GUI_ConfirmDialog::Close(intptr_t)
{
    delete PTheWindow; // the destructor clears PTheWindow
    PTheWindow = nullptr;
}

void GUI_ConfirmDialog::Draw()
{
    GUI_Dialog::Draw();
    const tagRECT& c = GetClientArea();
    GDIText::AddChunk(float(c.left + kTextInset), float(c.top + kTextTop), text_, kBoldFontName, kTextSize,
                      float(c.right - c.left - 2 * kTextInset), 0, 255, 255, 255);
    GDIText::RenderChunks(-1);
}
