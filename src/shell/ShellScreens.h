#pragma once
// The shell's side of the simulation's screen interface: reports, the loading bar,
// sounds, the application's state, the story screens and the in-game screens and windows
// go to the real shell; the screens not built yet keep the headless behaviour.
#include "sim/SIM_Screens.h"

#include <string>

class ShellScreens : public SIM_HeadlessScreens {
public:
    void ReportAssert(const char* file, int line) override;
    void ReportWarning(const char* text, const char* file, int line) override;
    void ReportError(const char* text, const char* file, int line) override;

    std::string GetVersionString() override;
    void SwitchMode(int mode) override;
    void SetGameInProgress(bool inProgress) override;
    bool GetGameInProgress() override;
    void SetMouseSpeed(float speed) override;
    std::string GetAvatarTexture() override;
    void SetAvatarTexture(const std::string& texture) override;
    std::string GetCurrentSkin() override;
    void SetCurrentSkin(const std::string& skin) override;

    void PlaySound(const std::string& path) override;
    void PlaySoundId(int id) override;
    void StopMusic() override;
    bool LaunchHint(const std::string& key) override;
    void CheckTimedHints() override;
    void ShowTextureMessage(const std::string& texture, const std::string& text,
                            const std::string& title) override;

    void StartNewGame() override;
    void DrawLoadingScreen(float fraction) override;
    bool IsEndGameActive() override;
    void ActivateEndGame() override;
    void ActivateYearlyReview() override;
    void ShowCaption(const std::string& text) override;
    void ShowCareerStage() override;

    // Activities, the gig and the gig business.
    void OpenPractice() override;
    void OpenRelaxChooser() override;
    void OpenGig(SIM_Performance* performance) override;
    void OpenOtherGig(SIM_OtherGig* gig) override;
    void OpenCancelledGig(SIM_Performance* performance) override;
    // The main screen: the day's page, the date, the calendar strip, the panel, songs.
    void RebuildDailyOptions() override;
    void RefreshDate() override;
    void RefreshCalendar() override;
    void UpdateBookGigButton() override;
    void DailyOptionsCleared() override;
    void RefreshSongList() override;
    // Album icons, the assets panel, asset details, the music asset window and the shop.
    void OpenShop() override;
    void RefreshAssets() override;
    void AddAlbumIcon(SIM_Album* album) override;
    void OpenAssetDetails(SIM_Asset* asset) override;
    void OpenAssetMusic(SIM_AssetMusic* asset) override;
    void OpenAlbumListen(SIM_AssetMusic* asset) override;
    // Publicity results, sponsors' offers and resignations.
    void ShowPublicity(SIM_PublicityEvent* event) override;
    void OpenEndorsement(SIM_Endorsement* endorsement) override;
    void OpenResignation(SIM_Musician* musician, float fameLoss) override;
    // The band on the main screen: icons, musician windows, attribute pop-ups and lines.
    void OpenAttributeWindow(SIM_Attribute* attribute) override;
    void AddBandIcon(SIM_Musician* musician) override;
    void RemoveBandIcon(SIM_Musician* musician) override;
    void PositionBandIcons() override;
    SIM_RelationshipView* CreateRelationshipLine(SIM_Relationship* relationship) override;
    void MusicianDeleted(SIM_Musician* musician) override;
};

// The shell's screens (installed by Game::InitApp).
ShellScreens* GetShellScreens();

// The mailbox that assertion reports are sent to.
extern const char* const kSupportMailAddress;
// The last assertion report ("" before the first failed check).
const std::string& GAssertLastReport();
// Opens a new mail holding the last assertion report.
void GAssertEmail();
