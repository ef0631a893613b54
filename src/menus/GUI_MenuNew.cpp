#include "menus/GUI_MenuNew.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "menus/GUI_GameMode.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Screens.h"

namespace {

bool ShiftHeld() { return GetInput()->KeyDown(kKeyShift) || GetInput()->KeyDown(kKeyRightShift); }

} // namespace

GUI_MenuNew* GUI_GetMenuNewGame()
{
    static GUI_MenuNew* menu = new GUI_MenuNew;
    return menu;
}

GUI_NameField::Rules GUI_MenuNew::NameRules()
{
    GUI_NameField::Rules rules;
    rules.capacity = kNameCapacity;
    rules.extra = "'- ";
    rules.caseRule = GUI_NameField::CASE_FIRST_OR_SHIFT;
    return rules;
}

GUI_MenuNew::GUI_MenuNew()
    : playerName_(NameRules()), bandName_(NameRules()), chooser_(std::make_unique<GUI_AvatarChooser>())
{
    background_.SetTexture("leather.jpg");
    caption_ = GTranslation::GetString("USER_INTERFACE");
    const float w = D3DEngine::W, h = D3DEngine::H;
    start_ = new GUI_ButtonText("MENU_START", Start, 0);
    start_->SetTooltip("TOOLTIP_MENU_START", 0);
    start_->SetPosition(w - 200.0f, h - 45.0f, w - 20.0f, h - 20.0f);
    AddButton(start_);
    mainMenu_ = new GUI_ButtonText("MENU_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("TOOLTIP_MENU_MAINMENU", 0);
    mainMenu_->SetPosition(20.0f, h - 45.0f, 220.0f, h - 20.0f);
    AddButton(mainMenu_);
    nextSkin_ = new GUI_IconButton("right.dds", NextSkin, 0);
    nextSkin_->SetHighlightTexture("right_h.dds");
    nextSkin_->SetPosition(w / 2.0f + 110.0f, h - 80.0f, w / 2.0f + 140.0f, h - 50.0f);
    AddButton(nextSkin_);
    prevSkin_ = new GUI_IconButton("left.dds", PrevSkin, 0);
    prevSkin_->SetHighlightTexture("left_h.dds");
    prevSkin_->SetPosition(w / 2.0f - 140.0f, h - 80.0f, w / 2.0f - 110.0f, h - 50.0f);
    AddButton(prevSkin_);
    randomName_ = new GUI_ButtonText("NAME_RANDOMISE", RandomName, 0);
    randomName_->SetTooltip("NAME_RANDOMISE_MAINMENU", 0);
    AddButton(randomName_);
    randomBand_ = new GUI_ButtonText("MENU_BANDNAME_RANDOM", RandomBandName, 0);
    randomBand_->SetTooltip("MENU_BANDNAME_RANDOM_TOOLTIP", 0);
    AddButton(randomBand_);
    preview_.width = 180.0f;
    preview_.height = 135.0f;
    FillRandomName();
    playerName_.RestartCaret();
    FillRandomBandName();
    PlaceFields();
}

GUI_MenuNew::~GUI_MenuNew() = default;

std::string GUI_MenuNew::CurrentLook() const { return GUI_AvatarChooser::GetCurrentVariant(); }

void GUI_MenuNew::FillRandomName()
{
    const std::string look = CurrentLook();
    const int gender = !look.empty() && look[0] == 'm' ? 0 : 1;
    playerName_.SetText(SIM_Names::GetForename(gender, false));
}

void GUI_MenuNew::FillRandomBandName() { bandName_.SetText(SIM_NamesList::BandNames.GetRandom()); }

void GUI_MenuNew::Activate()
{
    GUI_MenuBase::Activate();
    GUI_HintHelp::Launch("new game screen");
    GUI_GetBackdrop()->Initialise();
    ShowSkin();
}

void GUI_MenuNew::ShowSkin()
{
    const std::string& skin = GUI_GetBackdrop()->GetCurrentTexture(SKIN_BACKDROP);
    if (!skin.empty())
        preview_.SetTexture(skin);
}

bool GUI_MenuNew::CanStart() const { return !playerName_.IsBlank() && !bandName_.IsBlank(); }

void GUI_MenuNew::PlaceFields()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    const int a = int(w / 2.0f - 128.0f), b = int(w / 2.0f + 128.0f), c = int(h / 2.0f + 18.0f);
    SetRect(&playerField_, a - 50, c + 28, b + 50, c + 55);
    SetRect(&bandField_, a - 50, c + 108, b + 50, c + 135);
    randomName_->SetPosition(float(playerField_.left), float(playerField_.bottom + 10),
                             float(playerField_.right), float(playerField_.bottom + 35));
    randomBand_->SetPosition(float(bandField_.left), float(bandField_.bottom + 10), float(bandField_.right),
                             float(bandField_.bottom + 35));
    preview_.PlaceLocal(w / 2.0f, float(bandField_.bottom) + 120.0f);
}

GUI_NameField* GUI_MenuNew::ActiveField()
{
    switch (active_) {
    case FIELD_PLAYER:
        return &playerName_;
    case FIELD_BAND:
        return &bandName_;
    default:
        return nullptr;
    }
}

void GUI_MenuNew::Draw()
{
    const float w = D3DEngine::W;
    D3DEngine* d3d = GetD3DEngine();
    start_->SetEnabled(CanStart());
    d3d->FillScreen(background_);
    chooser_->Draw();
    PlaceFields();
    d3d->FillRect(playerField_, 0xFF000000u);
    d3d->FillRect(bandField_, 0xFF000000u);
    if (!preview_.GetTextureName().empty())
        preview_.Draw();
    d3d->FrameRect(preview_, 0xFFFFFFFFu);
    prevSkin_->SetEnabled(!GUI_GetBackdrop()->IsFirstSkin());
    nextSkin_->SetEnabled(!GUI_GetBackdrop()->IsLastSkin());
    DrawButtons();
    const float a = w / 2.0f - 128.0f;
    GDIText::AddChunk(a - 200.0f, 30.0f, GTranslation::GetString("MENU_CHOOSE_AVATAR"), kBoldFontName, 24, 656.0f,
                      1, 255, 255, 255);
    GDIText::AddChunk(a, float(playerField_.top + 3), playerName_.GetText(), kBoldFontName, 24, 256.0f, 1, 255, 255,
                      255);
    GDIText::AddChunk(0.0f, float(bandField_.top + 3), bandName_.GetText(), kBoldFontName, 24, w, 1, 255, 255, 255);
    GDIText::AddChunk(preview_.Left(), preview_.Bottom() + 2.0f, caption_, kBoldFontName, 16, preview_.width, 1, 255,
                      255, 255);
    GDIText::RenderChunks(-1);
    if (GUI_NameField* field = ActiveField()) {
        GDIText::SetFont(kBoldFontName, 24, false);
        const float x = w / 2.0f + GDIText::GetStringWidth(field->GetText()) / 2.0f;
        const tagRECT& r = active_ == FIELD_PLAYER ? playerField_ : bandField_;
        field->DrawCaret(x, float(r.top + 8), 18.0f);
    }
    d3d->FrameRect(playerField_, 0x80FFFFFFu);
    d3d->FrameRect(bandField_, 0x80FFFFFFu);
    GUI_HintHelp::DrawAll();
    GDIText::RenderChunks(-1);
    GUI_Tooltip::DrawAll();
}

void GUI_MenuNew::CheckClick()
{
    if (GUI_HintHelp::CheckClickAll())
        return;
    if (GUI_HintHelp::IsActive()) {
        GUI_GetSounds()->PlaySound("data/sounds/error.ogg", false);
        return;
    }
    const float x = GetInput()->MouseX(), y = GetInput()->MouseY();
    if (chooser_->CheckClick(x, y))
        return;
    auto inside = [x, y](const tagRECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
    if (inside(playerField_)) {
        active_ = FIELD_PLAYER;
        playerName_.RestartCaret();
    } else if (inside(bandField_)) {
        active_ = FIELD_BAND;
        bandName_.RestartCaret();
    }
    GUI_MenuBase::CheckClick();
}

void GUI_MenuNew::HandleKey(unsigned int key)
{
    if (GUI_HintHelp::IsActive()) {
        GUI_HintHelp::HandleKeyAll(key);
        return;
    }
    if (key == kKeyEscape) {
        MainMenu(0);
        return;
    }
    GUI_NameField* field = ActiveField();
    if (!field) {
        // Typing before picking a field goes to the band's name; editing keys pick it.
        field = &bandName_;
        if (key == kKeyBackspace || key == kKeyForwardDelete)
            active_ = FIELD_BAND;
    }
    field->HandleKey(key, ShiftHeld());
}

void GUI_MenuNew::MouseWheelUp() { GUI_AvatarChooser::PrevVariant(0); }

void GUI_MenuNew::MouseWheelDown() { GUI_AvatarChooser::NextVariant(0); }

void GUI_MenuNew::Start(intptr_t)
{
    GUI_MenuNew* menu = GUI_GetMenuNewGame();
    // Blank names start nothing, whatever route the click took.
    if (!menu->CanStart())
        return;
    const std::string look = menu->CurrentLook();
    SIM_GameConfig* config = SIM_GetGameConfig();
    config->SetAvatarTexture(look);
    config->SetAvatarName(menu->playerName_.GetName());
    config->SetBandName(menu->bandName_.GetName());
    GUI_GetAvatar()->SetTexture(look);
    GetGame()->StartNewGame();
    Game::SwitchMode(Game::MODE_GUI);
    GUI_GetGameMode()->Initialise();
}

void GUI_MenuNew::MainMenu(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }

void GUI_MenuNew::RandomName(intptr_t) { GUI_GetMenuNewGame()->FillRandomName(); }

void GUI_MenuNew::RandomBandName(intptr_t) { GUI_GetMenuNewGame()->FillRandomBandName(); }

void GUI_MenuNew::NextSkin(intptr_t)
{
    GUI_GetBackdrop()->NextSkin();
    GUI_GetMenuNewGame()->ShowSkin();
}

void GUI_MenuNew::PrevSkin(intptr_t)
{
    GUI_GetBackdrop()->PreviousSkin();
    GUI_GetMenuNewGame()->ShowSkin();
}
