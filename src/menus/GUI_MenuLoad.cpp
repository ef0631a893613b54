#include "menus/GUI_MenuLoad.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "menus/GUI_SaveList.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SaveFormat.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Game.h"
#include "shell/Input.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kNameSize = 20;
constexpr int kLineSize = 18;

std::string Line(const char* key, const std::string& value)
{
    return std::string(GTranslation::GetString(key)) + " " + value;
}

} // namespace

GUI_MenuLoad* GUI_GetMenuLoad()
{
    static GUI_MenuLoad* menu = new GUI_MenuLoad;
    return menu;
}

// ---- strips ----

GUI_LoadGameSlot::GUI_LoadGameSlot(const std::string& fileName, const SIM_LoadConfig* summary)
    : fileName_(fileName), name_(GUI_SaveNameOf(fileName))
{
    const float side = GUI_MenuLoad::STRIPHEIGHT - 20.0f;
    thumbnail_.width = thumbnail_.height = side;
    if (fileName_.empty()) {
        thumbnail_.SetTexture("arrow.dds");
        return;
    }
    if (!summary)
        return; // the name alone; the reader has logged why
    // An edited or older save may name no picture, or one that is no plain file name.
    const bool usable = !summary->avatarTexture.empty() && SaveFormat::IsSafeTextureName(summary->avatarTexture);
    thumbnail_.SetTexture(usable ? summary->avatarTexture : std::string("notset.dds"));
    date_ = summary->date;
    band_ = Line("LOADCONFIG_BAND", summary->bandName);
    fame_ = Line("LOADCONFIG_FAME", std::to_string(std::isfinite(summary->fame) ? std::lround(summary->fame) : 0));
    cash_ = std::string(GTranslation::GetString("LOADCONFIG_CASH")) + " $" + FormatMoney(summary->cash);
}

void GUI_LoadGameSlot::SetPosition(float l, float t, float r, float b)
{
    GUI_ButtonBase::SetPosition(l, t, r, b);
    thumbnail_.PlaceLocal(l + GUI_MenuLoad::STRIPHEIGHT / 2.0f, (t + b) / 2.0f);
}

void GUI_LoadGameSlot::Draw()
{
    const bool highlighted = !IsEmpty() && PtInside(GetInput()->MouseX(), GetInput()->MouseY());
    GUI_WindowBackground::DrawTiled(rect, highlighted ? 0 : 1, 20.0f, IsEmpty() ? 0.5f : 1.0f);
    if (IsEmpty()) {
        thumbnail_.Draw();
        return;
    }
    const float left = float(rect.left), top = float(rect.top);
    const float textWidth = float(width) - GUI_MenuLoad::STRIPHEIGHT;
    GDIText::AddChunk(left + GUI_MenuLoad::STRIPHEIGHT, top + 5.0f,
                      GUI_FitText(name_, kBoldFontName, kNameSize, textWidth - 10.0f), kBoldFontName, kNameSize,
                      textWidth, 1, 255, 255, 255);
    if (!thumbnail_.GetTextureName().empty())
        thumbnail_.Draw();
    GetD3DEngine()->FrameRect(thumbnail_, 0xFF808080u);
    const float x = thumbnail_.Right() + 10.0f;
    const float right = float(rect.right) - 8.0f;
    auto line = [&](const std::string& text, float lx, float y, float w) {
        GDIText::AddChunk(lx, top + y, GUI_FitText(text, kBoldFontName, kLineSize, w), kBoldFontName, kLineSize, w,
                          0, 255, 255, 255);
    };
    line(date_, x, 27.0f, right - x);
    line(band_, x, 45.0f, right - x);
    line(fame_, x, 63.0f, 195.0f);
    line(cash_, x + 210.0f, 63.0f, right - x - 210.0f);
}

void GUI_LoadGameSlot::Click()
{
    if (!IsEmpty())
        GUI_GetMenuLoad()->RequestLoad(fileName_);
}

GUI_DeleteGameButton::GUI_DeleteGameButton(const std::string& fileName)
    : GUI_IconButton("button_close.dds", nullptr, 0), fileName_(fileName)
{
    SetHighlightTexture("button_close_h.dds");
    SetTooltip("DELETESAVEGAME_TOOLTIP", 0);
}

void GUI_DeleteGameButton::Click() { GUI_GetMenuLoad()->AskDelete(fileName_); }

// ---- the menu ----

GUI_MenuLoad::GUI_MenuLoad()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    mainMenu_ = new GUI_ButtonText("MENU_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("TOOLTIP_MENU_MAINMENU", 0);
    mainMenu_->SetPosition(w - 200.0f, h - 65.0f, w - 20.0f, h - 40.0f);
    AddButton(mainMenu_);
    const float x = w / 2.0f + 260.0f, y = h / 2.0f - 180.0f;
    up_ = new GUI_IconButton("up.dds", ScrollUp, 0);
    up_->SetHighlightTexture("up_h.dds");
    up_->SetPosition(x, y, x + 30.0f, y + 30.0f);
    AddButton(up_);
    const float bottom = y + kRows * (STRIPHEIGHT + 4.0f);
    down_ = new GUI_IconButton("down.dds", ScrollDown, 0);
    down_->SetHighlightTexture("down_h.dds");
    down_->SetPosition(x, bottom - 30.0f, x + 30.0f, bottom);
    AddButton(down_);
}

void GUI_MenuLoad::Activate()
{
    summaries_.clear();
    first_ = 0;
    ReadList();
}

void GUI_MenuLoad::ReadList()
{
    files_ = GUI_ListSaveGames();
    // No page past the end: after a deletion the last page still shows saves.
    first_ = std::clamp(first_, 0, std::max(0, int(files_.size()) - kRows));
    AssignSlots();
}

const SIM_LoadConfig* GUI_MenuLoad::Summary(const std::string& fileName)
{
    auto found = summaries_.find(fileName);
    if (found == summaries_.end())
        found = summaries_.emplace(fileName, SIM_GetLoadGame()->GetLoadConfig(GUI_SaveNameOf(fileName))).first;
    return found->second.get();
}

void GUI_MenuLoad::KillSlots() { slots_.clear(); }

void GUI_MenuLoad::KillDeleteButtons()
{
    for (GUI_DeleteGameButton* b : deleteButtons_) {
        RemoveButton(b);
        delete b;
    }
    deleteButtons_.clear();
}

void GUI_MenuLoad::AssignSlots()
{
    KillSlots();
    KillDeleteButtons();
    const float x = D3DEngine::W / 2.0f - 240.0f;
    float y = D3DEngine::H / 2.0f - 180.0f;
    for (int row = 0; row < kRows; ++row, y += STRIPHEIGHT + 4.0f) {
        const size_t index = size_t(first_ + row);
        const std::string name = index < files_.size() ? files_[index] : std::string();
        auto slot = std::make_unique<GUI_LoadGameSlot>(name, name.empty() ? nullptr : Summary(name));
        slot->SetPosition(x, y, x + 480.0f, y + STRIPHEIGHT);
        slots_.push_back(std::move(slot));
        if (name.empty())
            continue;
        auto* button = new GUI_DeleteGameButton(name);
        button->SetPosition(x - 30.0f, y + 5.0f, x - 5.0f, y + 30.0f);
        AddButton(button);
        deleteButtons_.push_back(button);
    }
}

void GUI_MenuLoad::Draw()
{
    up_->SetEnabled(first_ >= 1);
    down_->SetEnabled(int(files_.size()) - first_ > kRows);
    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen("leather.jpg");
    DrawButtons();
    for (const auto& slot : slots_)
        slot->Draw();
    GDIText::AddChunk(80.0f, GetGame()->AdjustForScreenRes(64.0f), GTranslation::GetString("LOADGAME_TITLE"),
                      kBoldFontName, 24, w - 160.0f, 1, 255, 255, 255);
    GDIText::AddChunk(80.0f, GetGame()->AdjustForScreenRes(164.0f), GTranslation::GetString("LOADGAME_HELP"),
                      kBoldFontName, 18, w - 160.0f, 1, 255, 255, 255);
    GDIText::RenderChunks(-1);
    if (GUI_ConfirmDialog::PTheWindow)
        GUI_ConfirmDialog::PTheWindow->Draw();
    GUI_Tooltip::DrawAll();
    if (refreshPending_) {
        refreshPending_ = false;
        ReadList();
    }
}

void GUI_MenuLoad::HandleKey(unsigned int key)
{
    if (key != kKeyEscape)
        return;
    if (GUI_ConfirmDialog::PTheWindow)
        GUI_ConfirmDialog::Close(0); // Escape answers the question with no
    else
        MainMenu(0);
}

void GUI_MenuLoad::ProcessInput()
{
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow)
        dialog->ProcessInput();
    else
        GUI_MenuBase::ProcessInput();
}

void GUI_MenuLoad::CheckClick()
{
    const float x = GetInput()->MouseX(), y = GetInput()->MouseY();
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow) {
        dialog->CheckClick(x, y);
        return;
    }
    bool taken = false;
    for (const auto& slot : slots_)
        if (slot->CheckClick(x, y)) {
            taken = true;
            break;
        }
    if (!taken)
        GUI_MenuBase::CheckClick();
    if (pendingLoad_.empty())
        return;
    // Loaded outside the walk over the strips: a load rebuilds the game and leaves the menu.
    // A damaged save is refused with one report and the menu stays as it was.
    const std::string name = GUI_SaveNameOf(pendingLoad_);
    pendingLoad_.clear();
    SIM_GetLoadGame()->LoadGame(name);
}

void GUI_MenuLoad::AskDelete(const std::string& fileName)
{
    pendingDelete_ = fileName;
    GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_DELETESAVE_TEXT"),
                              GTranslation::GetString("CONFIRM_DELETESAVE_TITLE"), DeleteConfirmed);
}

void GUI_MenuLoad::DeleteConfirmed(intptr_t)
{
    GUI_MenuLoad* menu = GUI_GetMenuLoad();
    const std::string fileName = menu->pendingDelete_;
    menu->pendingDelete_.clear();
    if (fileName.empty())
        return;
    // A removal that fails is not reported: the refreshed list simply still shows the save.
    GUI_RemoveSaveGame(fileName);
    menu->summaries_.erase(fileName);
    menu->Refresh();
}

void GUI_MenuLoad::MainMenu(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }

void GUI_MenuLoad::ScrollUp(intptr_t)
{
    GUI_MenuLoad* menu = GUI_GetMenuLoad();
    if (menu->first_ >= 1) {
        --menu->first_;
        menu->Refresh();
    }
}

void GUI_MenuLoad::ScrollDown(intptr_t)
{
    GUI_MenuLoad* menu = GUI_GetMenuLoad();
    if (int(menu->files_.size()) - menu->first_ > kRows) {
        ++menu->first_;
        menu->Refresh();
    }
}
