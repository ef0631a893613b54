#include "shell/GUI_Dialog.h"

#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_WindowBackground.h"

GUI_Dialog::GUI_Dialog(bool withCloseButton) : sprite_(std::make_unique<BaseSprite>())
{
    if (withCloseButton) {
        closeButton_ = new GUI_CloseButton;
        AddButton(closeButton_);
    }
    AddToGUI();
}

GUI_Dialog::~GUI_Dialog() = default;

void GUI_Dialog::UpdateClientArea()
{
    const tagRECT& r = GetRect();
    clientArea_.left = int(float(r.left) + marginH_);
    clientArea_.right = int(float(r.right) - marginH_);
    clientArea_.top = int(float(r.top) + marginTop_);
    clientArea_.bottom = int(float(r.bottom) - marginBottom_);
}

void GUI_Dialog::Draw()
{
    const tagRECT& r = GetRect();
    if (closeButton_ && HasButton(closeButton_))
        closeButton_->SetPosition(float(r.right - 34), float(r.top + 10), float(r.right - 10),
                                  float(r.top + 34));
    UpdateClientArea();
    GUI_WindowBackground::DrawDropShadow(r, 30.0f, 6);
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW, 30.0f, 1.0f);
    GUI_WindowBackground::DrawTiled(clientArea_, TEX_WINDOW_CLIENT, 20.0f, 1.0f);
    DrawButtons();
    if (!title_.empty())
        GDIText::AddChunk(float(r.left), float(r.top + 10), title_, kBoldFontName, 24,
                          float(GetWidth()), 1, 255, 255, 255);
}
