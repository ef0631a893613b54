#include "mainscreen/GUI_ControlPanel.h"

#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "mainscreen/GUI_Auditions.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "mainscreen/GUI_Rehearsal.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "show/GUI_JigSaw.h"
#include "show/GUI_Practice.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Riza.h"
#include "windows/GUI_BookGig.h"
#include "windows/GUI_NewAlbum.h"
#include "windows/GUI_Shopping.h"

namespace {

enum Activity : intptr_t {
    BOOKGIG = 0,
    REHEARSAL = 2,
    WRITESONG = 3,
    STUDIO = 4,
    SHOPPING = 5,
    PRACTICE = 6,
    TODAY = 7
};

} // namespace

GUI_ControlPanel* GUI_GetControlPanel()
{
    static GUI_ControlPanel* panel = new GUI_ControlPanel;
    return panel;
}

void GUI_CPButton::Process()
{
    CInput* input = GetInput();
    GUI_ControlPanel* panel = GUI_GetControlPanel();
    if (GetEnabled() && PtInside(input->MouseX(), input->MouseY()) && panel->GetHovered() != this) {
        panel->SetHovered(this);
        GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
    }
    GUI_IconButton::Process();
}

GUI_ControlPanel::GUI_ControlPanel()
{
    SetCloseOnRestart(false);
    const float w = D3DEngine::W, h = D3DEngine::H;
    const float x = w - 9.0f * BUTTONSIZE - 139.0f;
    studio = AddPanelButton("button_studio.dds", "button_studio_h.dds", "TOOLTIP_STUDIO", SelectButton, STUDIO, x, x + 60.0f);
    bookGig = AddPanelButton("button_bookgig.dds", "button_bookgig_h.dds", "TOOLTIP_BOOKGIG", SelectButton, BOOKGIG,
                             x + 60.0f, x + 120.0f);
    writeSong = AddPanelButton("button_writesong.dds", "button_writesong_h.dds", "TOOLTIP_WRITESONG", SelectButton,
                               WRITESONG, x + 120.0f, x + 180.0f);
    rehearsal = AddPanelButton("button_rehearsal.dds", "button_rehearsal_h.dds", "TOOLTIP_REHEARSAL", SelectButton,
                               REHEARSAL, x + 180.0f, x + 240.0f);
    auditions = AddPanelButton("button_auditions.dds", "button_auditions_h.dds", "TOOLTIP_AUDITIONS", Audition, 0,
                               x + 240.0f, x + 300.0f);
    auditions->SetName("audition_button");
    shopping = AddPanelButton("button_shopping.dds", "button_shopping_h.dds", "TOOLTIP_SHOPPING", SelectButton, SHOPPING,
                              x + 300.0f, x + 360.0f);
    practice = AddPanelButton("button_practice.dds", "button_practice_h.dds", "TOOLTIP_PRACTICE", SelectButton, PRACTICE,
                              x + 360.0f, x + 420.0f);
    today = AddPanelButton("button_today.dds", "button_today_h.dds", "TOOLTIP_TODAY", SelectButton, TODAY, x + 420.0f,
                           x + 480.0f);
    quit = AddPanelButton("button_quit.dds", "button_quit_h.dds", "TOOLTIP_QUITGAMEBUTTON", AttemptQuitGame, 0, w - 90.0f,
                          w - 30.0f);
    SetPosition(x, h - 65.0f, w, h - 10.0f);
    AddToGUI();
    SIM_GetFunctionTable()->AddHook("HideNonAuditionButtons", HideNonAuditionButtons);
    SIM_GetFunctionTable()->AddHook("UnhideNonAuditionButtons", UnhideNonAuditionButtons);
}

GUI_CPButton* GUI_ControlPanel::AddPanelButton(const char* texture, const char* highlight, const char* tooltip,
                                               GUI_Callback callback, intptr_t argument, float left, float right)
{
    const float h = D3DEngine::H;
    auto* button = new GUI_CPButton(texture, callback, argument);
    button->SetHighlightTexture(highlight);
    button->SetPosition(left, h - BUTTONSIZE - 5.0f, right, h - 10.0f);
    button->SetTooltip(tooltip, 0);
    AddButton(button);
    return button;
}

void GUI_ControlPanel::Initialise()
{
    // Nothing of the last game's tutorial or pointer carries over.
    SetNonAuditionVisible(true);
    hovered_ = nullptr;
    rehearsalEnabled_ = true;
    studioEnabled_ = true;
    rehearsal->SetTooltip("TOOLTIP_REHEARSAL", 0);
    studio->SetTooltip("TOOLTIP_STUDIO", 0);
    AddToGUI();
    UpdateBookGigButton();
}

void GUI_ControlPanel::Draw()
{
    GUI_GetDailyOptions()->RunDueRebuild();
    // A hidden button stays out of reach: only shown buttons follow the simulation.
    if (rehearsal->IsVisible()) {
        const bool valid = SIM_GetBand()->Valid();
        rehearsal->SetEnabled(valid);
        if (valid != rehearsalEnabled_)
            rehearsal->SetTooltip(valid ? "TOOLTIP_REHEARSAL" : "TOOLTIP_REHEARSAL_INVALIDBAND", 0);
        rehearsalEnabled_ = valid;
    }
    if (studio->IsVisible()) {
        const bool songs = SIM_Song::BSongsForStudio;
        studio->SetEnabled(songs);
        if (songs != studioEnabled_)
            studio->SetTooltip(songs ? "TOOLTIP_STUDIO" : "TOOLTIP_STUDIO_NOTENOUGHSONGS", 0);
        studioEnabled_ = songs;
    }
    if (today->IsVisible())
        today->SetEnabled(!SIM_DailyOption::All.empty() || !SIM_Message::All.empty());
    DrawButtons();
}

void GUI_ControlPanel::UpdateBookGigButton()
{
    const bool valid = SIM_GetBand()->Valid();
    const bool enabled = valid && SIM_Song::EnoughSongsToGig();
    if (bookGig->IsVisible())
        bookGig->SetEnabled(enabled);
    if (enabled)
        bookGig->SetTooltip("TOOLTIP_BOOKGIG", 0);
    else
        bookGig->SetTooltip(valid ? "BOOKGIG_TOOLTIP_NOTENOUGHSONGS" : "BOOKGIG_TOOLTIP_BANDINVALID", 0);
}

void GUI_ControlPanel::SelectButton(intptr_t activity)
{
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, ActivateButton, activity);
}

void GUI_ControlPanel::ActivateButton(intptr_t activity)
{
    switch (activity) {
    case BOOKGIG:
        GUI_BookGig::Create();
        break;
    case REHEARSAL:
        GUI_Rehearsal::Create();
        break;
    case WRITESONG: {
        SIM_Song* song = SIM_Song::CreateNew(SIM_GetRiza()->GetValue("inspiration"));
        if (!song)
            break;
        song->SetName(SIM_NamesList::SongNames.GetRandom());
        GUI_JigSaw::Create(song, true);
        break;
    }
    case STUDIO:
        GUI_NewAlbum::Create();
        break;
    case SHOPPING:
        GUI_Shopping::Create();
        break;
    case PRACTICE:
        GUI_Practice::Create();
        break;
    case TODAY:
        if (!SIM_DailyOption::All.empty())
            GUI_GetDailyOptions()->Show();
        break;
    default:
        break;
    }
}

void GUI_ControlPanel::Audition(intptr_t) { GUI_Auditions::Create(); }

void GUI_ControlPanel::AttemptQuitGame(intptr_t)
{
    GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TEXT"),
                              GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TITLE"), QuitGame);
}

void GUI_ControlPanel::QuitGame(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }

void GUI_ControlPanel::SetNonAuditionVisible(bool visible)
{
    for (GUI_CPButton* b : {shopping, practice, studio, rehearsal, writeSong, bookGig, today})
        b->SetVisible(visible);
    // Showing a button enables it: the book-gig state comes from the band again.
    if (visible)
        UpdateBookGigButton();
}

void GUI_ControlPanel::HideNonAuditionButtons() { GUI_GetControlPanel()->SetNonAuditionVisible(false); }

void GUI_ControlPanel::UnhideNonAuditionButtons() { GUI_GetControlPanel()->SetNonAuditionVisible(true); }
