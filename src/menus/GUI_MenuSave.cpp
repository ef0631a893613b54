#include "menus/GUI_MenuSave.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "menus/GUI_SaveList.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_SaveGame.h"
#include "savegame/SaveFormat.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Game.h"
#include "shell/Input.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr const char* kAutosaveName = "autosave";

bool SameNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool SaveExists(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(SaveFormat::SavePath(name), ec));
}

} // namespace

GUI_MenuSave* GUI_GetMenuSave()
{
    static GUI_MenuSave* menu = new GUI_MenuSave;
    return menu;
}

// ---- rows ----

GUI_SaveGameSlot::GUI_SaveGameSlot(const std::string& fileName, const std::string& emptyText) : fileName_(fileName)
{
    shown_ = fileName.empty() ? emptyText : GUI_SaveNameOf(fileName);
    if (shown_.size() > GUI_MenuSave::kShownChars)
        shown_ = shown_.substr(0, GUI_MenuSave::kShownChars) + "...";
}

void GUI_SaveGameSlot::Draw()
{
    D3DEngine* d3d = GetD3DEngine();
    if (PtInside(GetInput()->MouseX(), GetInput()->MouseY()))
        d3d->FillRect(rect, 0x40FFFFFFu);
    d3d->FrameRect(rect, 0xB6FFFFFFu);
    GDIText::AddChunk(float(rect.left), float(rect.top) + 3.0f, shown_, kBoldFontName, 20, float(width), 1, 255, 255,
                      255);
}

void GUI_SaveGameSlot::Click()
{
    // The row stands for its whole file name, however it is shortened; an empty row
    // copies nothing.
    if (!IsEmpty())
        GUI_GetMenuSave()->SetFileName(GUI_SaveNameOf(fileName_));
}

// ---- the menu ----

GUI_NameField::Rules GUI_MenuSave::NameRules()
{
    GUI_NameField::Rules rules;
    // Every name the field holds fits the saved-games service.
    rules.capacity = SaveFormat::MaxNameChars - 1;
    rules.extra = "'-,. ";
    rules.caseRule = GUI_NameField::CASE_AS_TYPED;
    return rules;
}

GUI_MenuSave::GUI_MenuSave() : name_(NameRules())
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    save_ = new GUI_ButtonText("MENU_SAVE", Save, 0);
    save_->SetTooltip("TOOLTIP_MENU_SAVE", 0);
    save_->SetPosition(w / 2.0f - 100.0f, h / 2.0f + 200.0f, w / 2.0f + 100.0f, h / 2.0f + 226.0f);
    AddButton(save_);
    mainMenu_ = new GUI_ButtonText("MENU_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("TOOLTIP_MENU_MAINMENU", 0);
    mainMenu_->SetPosition(w - 200.0f, h - 65.0f, w - 20.0f, h - 40.0f);
    AddButton(mainMenu_);
    name_.SetText("default");
    up_ = new GUI_IconButton("up.dds", ScrollUp, 0);
    up_->SetHighlightTexture("up_h.dds");
    up_->SetPosition(w / 2.0f + 110.0f, h / 2.0f - 150.0f, w / 2.0f + 130.0f, h / 2.0f - 130.0f);
    AddButton(up_);
    down_ = new GUI_IconButton("down.dds", ScrollDown, 0);
    down_->SetHighlightTexture("down_h.dds");
    down_->SetPosition(w / 2.0f + 110.0f, h / 2.0f + 130.0f, w / 2.0f + 130.0f, h / 2.0f + 150.0f);
    AddButton(down_);
}

void GUI_MenuSave::Activate()
{
    saveFailed_ = false;
    ReadList();
    name_.RestartCaret();
}

void GUI_MenuSave::ReadList()
{
    files_ = GUI_ListSaveGames();
    // Scrolling stops at the last page that still shows a save.
    first_ = std::clamp(first_, 0, std::max(0, int(files_.size()) - kRows));
    AssignSlots();
}

void GUI_MenuSave::KillSlots() { slots_.clear(); }

void GUI_MenuSave::AssignSlots()
{
    KillSlots();
    const std::string empty = GTranslation::GetString("SAVEGAME_EMPTY");
    const float x = D3DEngine::W / 2.0f - 100.0f;
    float y = D3DEngine::H / 2.0f - 150.0f;
    for (int row = 0; row < kRows; ++row, y += 30.0f) {
        const size_t index = size_t(first_ + row);
        auto slot = std::make_unique<GUI_SaveGameSlot>(index < files_.size() ? files_[index] : std::string(), empty);
        slot->SetPosition(x, y, x + 200.0f, y + 25.0f);
        slots_.push_back(std::move(slot));
    }
}

void GUI_MenuSave::SetFileName(const std::string& name)
{
    name_.SetText(name);
    saveFailed_ = false;
}

bool GUI_MenuSave::CanSave() const { return SaveFormat::IsValidSaveName(name_.GetText()); }

std::string GUI_MenuSave::StatusLine() const
{
    if (saveFailed_)
        return GTranslation::GetString("SAVEGAME_FAILED");
    if (SameNoCase(name_.GetName(), kAutosaveName))
        return GTranslation::GetString("SAVEGAME_AUTOSAVE_WARNING");
    return {};
}

void GUI_MenuSave::Draw()
{
    if (refreshPending_) {
        refreshPending_ = false;
        ReadList();
    }
    const float w = D3DEngine::W, h = D3DEngine::H;
    up_->SetEnabled(first_ >= 1);
    down_->SetEnabled(int(files_.size()) - first_ > kRows);
    save_->SetEnabled(CanSave());
    GetD3DEngine()->FillScreen("leather.jpg");
    for (const auto& slot : slots_)
        slot->Draw();
    DrawButtons();
    GDIText::AddChunk(0.0f, h / 2.0f + 170.0f, name_.GetText(), kBoldFontName, 24, w, 1, 255, 255, 255);
    GDIText::AddChunk(80.0f, GetGame()->AdjustForScreenRes(64.0f), GTranslation::GetString("SAVEGAME_TITLE"),
                      kBoldFontName, 24, w - 160.0f, 1, 255, 255, 255);
    GDIText::AddChunk(80.0f, GetGame()->AdjustForScreenRes(164.0f), GTranslation::GetString("SAVEGAME_HELP"),
                      kBoldFontName, 18, w - 160.0f, 1, 255, 255, 255);
    const std::string status = StatusLine();
    if (!status.empty())
        GDIText::AddChunk(80.0f, h / 2.0f + 235.0f, status, kBoldFontName, 16, w - 160.0f, 1, 255, 196, 96);
    GDIText::RenderChunks(-1);
    GDIText::SetFont(kBoldFontName, 24, false);
    const float caretX = w / 2.0f + GDIText::GetStringWidth(name_.GetText()) / 2.0f;
    name_.DrawCaret(caretX, h / 2.0f + 175.0f, 15.0f);
    if (GUI_ConfirmDialog::PTheWindow)
        GUI_ConfirmDialog::PTheWindow->Draw();
    GUI_Tooltip::DrawAll();
}

void GUI_MenuSave::HandleKey(unsigned int key)
{
    if (GUI_ConfirmDialog::PTheWindow) {
        if (key == kKeyEscape)
            GUI_ConfirmDialog::Close(0); // Escape answers the question with no
        return;
    }
    if (key == kKeyEscape) {
        MainMenu(0);
        return;
    }
    // Letters come as typed, lower case: a save name is never upper-cased by the menu.
    if (name_.HandleKey(key, false))
        saveFailed_ = false;
}

void GUI_MenuSave::ProcessInput()
{
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow)
        dialog->ProcessInput();
    else
        GUI_MenuBase::ProcessInput();
}

void GUI_MenuSave::CheckClick()
{
    const float x = GetInput()->MouseX(), y = GetInput()->MouseY();
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow) {
        dialog->CheckClick(x, y);
        return;
    }
    for (const auto& slot : slots_)
        if (slot->CheckClick(x, y))
            return;
    GUI_MenuBase::CheckClick();
}

void GUI_MenuSave::Save(intptr_t)
{
    GUI_MenuSave* menu = GUI_GetMenuSave();
    if (!menu->CanSave() || !GetGame()->GetGameInProgress())
        return;
    if (SaveExists(menu->name_.GetText())) {
        GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_OVERWRITESAVE_TEXT"),
                                  GTranslation::GetString("CONFIRM_OVERWRITESAVE_TITLE"), SaveConfirmed);
        return;
    }
    menu->DoSave();
}

void GUI_MenuSave::SaveConfirmed(intptr_t) { GUI_GetMenuSave()->DoSave(); }

void GUI_MenuSave::DoSave()
{
    // The service reports why a save failed; the menu says so too and stays, so the
    // player can try another name.
    if (!SIM_GetSaveGame()->SaveGame(name_.GetText())) {
        saveFailed_ = true;
        refreshPending_ = true;
        return;
    }
    MainMenu(0);
}

void GUI_MenuSave::MainMenu(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }

void GUI_MenuSave::ScrollUp(intptr_t)
{
    GUI_MenuSave* menu = GUI_GetMenuSave();
    if (menu->first_ >= 1) {
        --menu->first_;
        menu->refreshPending_ = true;
    }
}

void GUI_MenuSave::ScrollDown(intptr_t)
{
    GUI_MenuSave* menu = GUI_GetMenuSave();
    if (int(menu->files_.size()) - menu->first_ > kRows) {
        ++menu->first_;
        menu->refreshPending_ = true;
    }
}
