#include "shell/ShellScreens.h"

#include "engine/GDebugEngine.h"
#include "engine/Utilities.h"
#include "mainscreen/GUI_Attribute.h"
#include "mainscreen/GUI_BandIcon.h"
#include "mainscreen/GUI_Calendar.h"
#include "mainscreen/GUI_ControlPanel.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "mainscreen/GUI_Date.h"
#include "mainscreen/GUI_Musician.h"
#include "mainscreen/GUI_Relax.h"
#include "menus/GUI_EndGame.h"
#include "menus/GUI_FMVScreen.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_StoryScreens.h"
#include "menus/GUI_YearlyReview.h"
#include "port/Report.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Message.h"
#include "shell/GUI_Sounds.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "show/GUI_Gig.h"
#include "show/GUI_Practice.h"
#include "sim/SIM_Musician.h"
#include "windows/GUI_AlbumIcon.h"
#include "windows/GUI_AlbumListen.h"
#include "windows/GUI_AssetDetails.h"
#include "windows/GUI_AssetMusic.h"
#include "windows/GUI_Assets.h"
#include "windows/GUI_CancelledGig.h"
#include "windows/GUI_Endorsements.h"
#include "windows/GUI_OtherGig.h"
#include "windows/GUI_Publicity.h"
#include "windows/GUI_Resignation.h"
#include "windows/GUI_Shopping.h"
#include "windows/GUI_SongList.h"

const char* const kSupportMailAddress = "support@zelvaamplivance.example";

namespace {

std::string& LastReport()
{
    static std::string report;
    return report;
}

std::string Format(const char* text, const char* file, int line)
{
    return std::string(text ? text : "") + ":" + (file ? file : "") + " " + std::to_string(line);
}

} // namespace

ShellScreens* GetShellScreens()
{
    static ShellScreens* screens = new ShellScreens;
    return screens;
}

const std::string& GAssertLastReport() { return LastReport(); }

void GAssertEmail()
{
    LaunchEmail("bugreport", LastReport(), kSupportMailAddress);
}

void ShellScreens::ReportAssert(const char* file, int line)
{
    LastReport() = SIM_AssertReportText(file, line, GetVersionString());
    if (ShowAlert(SIM_AssertAlert()) == 1)
        GAssertEmail();
    GetDebug()->DebugOut(LastReport());
}

void ShellScreens::ReportWarning(const char* text, const char* file, int line)
{
    GetDebug()->DebugOut(Format(text, file, line));
}

void ShellScreens::ReportError(const char* text, const char* file, int line)
{
    std::string message = Format(text, file, line);
    if (message.size() > 255)
        message.resize(255);
    AlertRequest alert;
    alert.title = "Error";
    alert.message = message;
    ShowAlert(alert);
}

std::string ShellScreens::GetVersionString() { return GetGame()->GetVersionString(); }

void ShellScreens::SwitchMode(int mode) { Game::SwitchMode(mode); }

void ShellScreens::SetGameInProgress(bool inProgress) { GetGame()->SetGameInProgress(inProgress); }

bool ShellScreens::GetGameInProgress() { return GetGame()->GetGameInProgress(); }

void ShellScreens::SetMouseSpeed(float speed) { GetInput()->SetMouseSpeed(speed); }

std::string ShellScreens::GetAvatarTexture() { return GUI_GetAvatar()->GetTexture(); }

void ShellScreens::SetAvatarTexture(const std::string& texture) { GUI_GetAvatar()->SetInstalledTexture(texture); }

std::string ShellScreens::GetCurrentSkin() { return GUI_GetBackdrop()->GetCurrentSkin(); }

void ShellScreens::SetCurrentSkin(const std::string& skin) { GUI_GetBackdrop()->SetCurrentSkin(skin); }

void ShellScreens::PlaySound(const std::string& path) { GUI_GetSounds()->PlaySound(path.c_str(), false); }

void ShellScreens::PlaySoundId(int id) { GUI_GetSounds()->PlaySound(GUI_Sounds::SOUNDID(id)); }

void ShellScreens::StopMusic() { GUI_GetSounds()->StopMusic(); }

bool ShellScreens::LaunchHint(const std::string& key) { return GUI_HintHelp::Launch(key); }

void ShellScreens::CheckTimedHints() { GUI_HintHelp::CheckTimedHints(); }

void ShellScreens::ShowTextureMessage(const std::string& texture, const std::string& text,
                                      const std::string& title)
{
    GUI_TextureMessage::Create(texture, text, title);
}

void ShellScreens::DrawLoadingScreen(float fraction) { GetGame()->DrawLoadingScreen(fraction); }

void ShellScreens::StartNewGame()
{
    SIM_HeadlessScreens::StartNewGame();
    // A load rebuilds the game under the open screens: they close as on a new game.
    GUI_GetGUI()->CloseGameScreens();
    // Nothing of the last game's main screen carries over (a loaded game comes this way).
    GUI_GetDailyOptions()->Clear();
    GUI_GetControlPanel()->Initialise();
    GUI_GetCash()->Initialise();
    GUI_GetFame()->Initialise();
    // A load: nothing of the last game's band stays up, and the panel shows the new band.
    GUI_Attribute::Close();
    GUI_Musician::CloseAll();
    GUI_BandIcon::KillIcons();
    GUI_GetBandState()->Initialise();
}

bool ShellScreens::IsEndGameActive() { return GUI_GetEndGame()->IsActive(); }

void ShellScreens::ActivateEndGame() { GUI_GetEndGame()->Activate(); }

void ShellScreens::ActivateYearlyReview()
{
    SIM_HeadlessScreens::ActivateYearlyReview();
    GUI_GetYearlyReview()->Activate();
}

void ShellScreens::ShowCaption(const std::string& text) { GUI_GetFMV()->Initialise(text); }

void ShellScreens::ShowCareerStage() { GUI_GetGameMode()->Initialise(); }

// ---- Activities, the gig and the gig business ----

void ShellScreens::OpenPractice() { GUI_Practice::Create(); }

void ShellScreens::OpenRelaxChooser() { GUI_RelaxChooser::Create(); }

void ShellScreens::OpenGig(SIM_Performance* performance) { GUI_Gig::Create(performance); }

void ShellScreens::OpenOtherGig(SIM_OtherGig* gig) { GUI_OtherGig::Create(gig); }

void ShellScreens::OpenCancelledGig(SIM_Performance* performance) { GUI_CancelledGig::Create(performance); }

// ---- The main screen: the day's page, the date, the calendar strip, the panel, songs ----

void ShellScreens::RebuildDailyOptions() { GUI_GetDailyOptions()->Initialise(); }

void ShellScreens::RefreshDate() { GUI_GetDate()->Refresh(); }

void ShellScreens::RefreshCalendar() { GUI_GetCalendar()->Refresh(); }

void ShellScreens::UpdateBookGigButton() { GUI_GetControlPanel()->UpdateBookGigButton(); }

void ShellScreens::DailyOptionsCleared() { GUI_GetDailyOptions()->ForgetRows(); }

void ShellScreens::RefreshSongList() { GUI_GetSongList()->Refresh(); }

// ---- Album icons, the assets panel, asset details, the music asset window, the shop ----

void ShellScreens::OpenShop() { GUI_Shopping::Create(); }

void ShellScreens::RefreshAssets() { GUI_GetAssets()->Refresh(); }

void ShellScreens::AddAlbumIcon(SIM_Album* album) { GUI_AlbumIcon::AddNew(album); }

void ShellScreens::OpenAssetDetails(SIM_Asset* asset) { GUI_AssetDetails::Create(asset); }

void ShellScreens::OpenAssetMusic(SIM_AssetMusic* asset) { GUI_AssetMusic::Create(asset); }

void ShellScreens::OpenAlbumListen(SIM_AssetMusic* asset) { GUI_AlbumListen::Create(asset); }

// ---- Publicity results, sponsors' offers and resignations ----

void ShellScreens::ShowPublicity(SIM_PublicityEvent* event) { GUI_GetPublicity()->Initialise(event); }

void ShellScreens::OpenEndorsement(SIM_Endorsement* endorsement) { GUI_Endorsements::Create(endorsement); }

void ShellScreens::OpenResignation(SIM_Musician* musician, float fameLoss)
{
    GUI_Resignation::Create(musician, fameLoss);
}

// ---- The band on the main screen ----

void ShellScreens::OpenAttributeWindow(SIM_Attribute* attribute) { GUI_Attribute::Create(attribute); }

void ShellScreens::AddBandIcon(SIM_Musician* musician) { GUI_BandIcon::AddMusician(musician); }

void ShellScreens::RemoveBandIcon(SIM_Musician* musician)
{
    // The musician left the band (a resignation): its icon and its window go with it.
    GUI_BandIcon::RemoveMusician(musician);
    GUI_Musician::Close(musician);
    if (GUI_Musician::PPendingDeletion == musician)
        GUI_Musician::PPendingDeletion = nullptr;
}

void ShellScreens::PositionBandIcons() { GUI_BandIcon::PositionBandIcons(); }

SIM_RelationshipView* ShellScreens::CreateRelationshipLine(SIM_Relationship* relationship)
{
    return relationship ? new GUI_Relationship(relationship) : nullptr;
}

void ShellScreens::MusicianDeleted(SIM_Musician* musician)
{
    if (!musician)
        return;
    GUI_BandIcon::RemoveMusician(musician);
    GUI_Musician::Close(musician);
    GUI_MusicianDebug::CloseFor(musician);
    if (GUI_Musician::PPendingDeletion == musician)
        GUI_Musician::PPendingDeletion = nullptr;
    GUI_Attribute::CloseFor({musician->GetMotivationAttribute(), musician->GetStress(),
                             musician->GetThirdAttribute(), musician->GetLiveExperience()});
}
