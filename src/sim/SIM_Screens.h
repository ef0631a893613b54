#pragma once
// The simulation's one door to the screens. The simulation never includes a GUI, SDL or GL
// header: every screen it opens or refreshes, every sound it plays and every report it
// raises goes through the SIM_Screens installed here. The shell installs its own at
// start-up; until then (and in headless runs) a SIM_HeadlessScreens answers.
#include "port/Report.h"

#include <string>

class SIM_Album;
class SIM_Asset;
class SIM_AssetMusic;
class SIM_Attribute;
class SIM_Endorsement;
class SIM_Musician;
class SIM_OtherGig;
class SIM_Performance;
class SIM_PublicityEvent;
class SIM_Relationship;

// The on-screen bar that shows one attribute. The attribute holds it without owning it;
// binding is two-way so that whichever of the two dies first unhooks the other.
class SIM_IndicatorView {
public:
    SIM_IndicatorView() = default;
    SIM_IndicatorView(const SIM_IndicatorView&) = delete;
    SIM_IndicatorView& operator=(const SIM_IndicatorView&) = delete;
    virtual ~SIM_IndicatorView();
    // Left edge and vertical centre of the bar, in screen pixels.
    virtual float GetX() const = 0;
    virtual float GetCenterY() const = 0;
    // Starts the bar's floating change notice: change shown as 100 x change, placed in the
    // box from x - 45 to x and y - 12 to y + 12, good or bad by highIsGood.
    virtual void ShowChange(float change, float x, float y, bool highIsGood) = 0;

    SIM_Attribute* GetAttribute() const { return attribute_; }

private:
    friend class SIM_Attribute;
    SIM_Attribute* attribute_ = nullptr;
};

// A musician's icon on the band panel. The musician holds it without owning it; the
// screens take it away (and clear the musician's pointer) when the musician leaves.
class SIM_BandIconView {
public:
    virtual ~SIM_BandIconView() = default;
    // Asks the musician for its portrait again (its mood changed).
    virtual void UpdateTexture() = 0;
};

// The main-screen line that shows one relationship; owned by the relationship, which
// deletes it through this destructor.
class SIM_RelationshipView {
public:
    virtual ~SIM_RelationshipView() = default;
};

// Everything the simulation asks of the screens, sounds and reports.
class SIM_Screens {
public:
    virtual ~SIM_Screens() = default;

    // Reports. None of them stops the game; the caller goes on.
    virtual void ReportAssert(const char* file, int line) = 0;
    virtual void ReportWarning(const char* text, const char* file, int line) = 0;
    virtual void ReportError(const char* text, const char* file, int line) = 0;

    // The application.
    virtual std::string GetVersionString() = 0;
    virtual void SwitchMode(int mode) = 0;          // 8: the in-game screen
    virtual void SetGameInProgress(bool inProgress) = 0;
    virtual bool GetGameInProgress() = 0;
    virtual void StartNewGame() = 0;                // prepares the in-game screen
    virtual std::string GetAvatarTexture() = 0;
    virtual void SetAvatarTexture(const std::string& texture) = 0;
    virtual std::string GetCurrentSkin() = 0;
    virtual void SetCurrentSkin(const std::string& skin) = 0;
    virtual void SetMouseSpeed(float speed) = 0;

    // Sounds and hints.
    virtual void PlaySound(const std::string& path) = 0;
    virtual void PlaySoundId(int id) = 0;
    virtual void StopMusic() = 0;
    virtual bool LaunchHint(const std::string& key) = 0;
    virtual void CheckTimedHints() = 0;
    virtual void ShowTextureMessage(const std::string& texture, const std::string& text,
                                    const std::string& title) = 0;

    // Story screens.
    virtual void DrawLoadingScreen(float fraction) = 0;
    virtual bool IsEndGameActive() = 0;
    virtual void ActivateEndGame() = 0;
    virtual void ActivateYearlyReview() = 0;
    virtual void ShowCaption(const std::string& text) = 0;
    virtual void ShowCareerStage() = 0;

    // Main screen and band windows.
    virtual void RebuildDailyOptions() = 0;
    virtual void RefreshDate() = 0;
    virtual void RefreshCalendar() = 0;
    virtual void UpdateBookGigButton() = 0;
    virtual void OpenRelaxChooser() = 0;
    virtual void OpenAttributeWindow(SIM_Attribute* attribute) = 0;
    virtual void AddBandIcon(SIM_Musician* musician) = 0;
    virtual void RemoveBandIcon(SIM_Musician* musician) = 0;
    virtual void PositionBandIcons() = 0;
    // A new line for the relationship, owned by it; null when no screen shows lines.
    virtual SIM_RelationshipView* CreateRelationshipLine(SIM_Relationship* relationship) = 0;

    // Music, business and publicity windows.
    virtual void OpenOtherGig(SIM_OtherGig* gig) = 0;
    virtual void OpenCancelledGig(SIM_Performance* performance) = 0;
    virtual void ShowPublicity(SIM_PublicityEvent* event) = 0;
    virtual void OpenPractice() = 0;
    virtual void OpenShop() = 0;
    virtual void OpenResignation(SIM_Musician* musician, float fameLoss) = 0;
    virtual void OpenEndorsement(SIM_Endorsement* endorsement) = 0;
    virtual void RefreshAssets() = 0;
    virtual void AddAlbumIcon(SIM_Album* album) = 0;
    virtual void OpenAssetDetails(SIM_Asset* asset) = 0;
    virtual void OpenAssetMusic(SIM_AssetMusic* asset) = 0;
    virtual void OpenAlbumListen(SIM_AssetMusic* asset) = 0;
    virtual void RefreshSongList() = 0;

    // Gig show.
    virtual void OpenGig(SIM_Performance* performance) = 0;

    // Notifications: screens must drop what they hold of these objects at once.
    virtual void DailyOptionsCleared() = 0;                  // every SIM_DailyOption is gone
    virtual void MusicianDeleted(SIM_Musician* musician) = 0; // called from its destructor
};

// The screens of a run without a display: nothing is drawn, but the state the simulation
// branches on is kept (the end-of-game screen stays active once activated, the avatar and
// skin names and the game-in-progress flag are remembered), and reports go to the debug
// log and the report sink as the real ones do.
class SIM_HeadlessScreens : public SIM_Screens {
public:
    void ReportAssert(const char* file, int line) override;
    void ReportWarning(const char* text, const char* file, int line) override;
    void ReportError(const char* text, const char* file, int line) override;

    std::string GetVersionString() override { return "Final 1.13"; }
    void SwitchMode(int) override {}
    void SetGameInProgress(bool inProgress) override { gameInProgress_ = inProgress; }
    bool GetGameInProgress() override { return gameInProgress_; }
    // A fresh game's screens: the story screens are put away.
    void StartNewGame() override;
    std::string GetAvatarTexture() override { return avatarTexture_; }
    void SetAvatarTexture(const std::string& texture) override { avatarTexture_ = texture; }
    std::string GetCurrentSkin() override { return skin_; }
    void SetCurrentSkin(const std::string& skin) override { skin_ = skin; }
    void SetMouseSpeed(float) override {}

    void PlaySound(const std::string&) override {}
    void PlaySoundId(int) override {}
    void StopMusic() override {}
    bool LaunchHint(const std::string&) override { return false; }
    void CheckTimedHints() override {}
    void ShowTextureMessage(const std::string&, const std::string&, const std::string&) override {}

    void DrawLoadingScreen(float) override {}
    bool IsEndGameActive() override { return endGameActive_; }
    void ActivateEndGame() override { endGameActive_ = true; }
    // The end-of-game screen's "continue": play on after the verdict.
    void DeactivateEndGame() { endGameActive_ = false; }
    void ActivateYearlyReview() override { ++yearlyReviews_; }
    int GetYearlyReviewCount() const { return yearlyReviews_; }
    void ShowCaption(const std::string&) override {}
    void ShowCareerStage() override {}

    void RebuildDailyOptions() override {}
    void RefreshDate() override {}
    void RefreshCalendar() override {}
    void UpdateBookGigButton() override {}
    void OpenRelaxChooser() override {}
    void OpenAttributeWindow(SIM_Attribute*) override {}
    void AddBandIcon(SIM_Musician*) override {}
    void RemoveBandIcon(SIM_Musician*) override {}
    void PositionBandIcons() override {}
    SIM_RelationshipView* CreateRelationshipLine(SIM_Relationship*) override { return nullptr; }

    void OpenOtherGig(SIM_OtherGig*) override {}
    void OpenCancelledGig(SIM_Performance*) override {}
    void ShowPublicity(SIM_PublicityEvent*) override {}
    void OpenPractice() override {}
    void OpenShop() override {}
    void OpenResignation(SIM_Musician*, float) override {}
    void OpenEndorsement(SIM_Endorsement*) override {}
    void RefreshAssets() override {}
    void AddAlbumIcon(SIM_Album*) override {}
    void OpenAssetDetails(SIM_Asset*) override {}
    void OpenAssetMusic(SIM_AssetMusic*) override {}
    void OpenAlbumListen(SIM_AssetMusic*) override {}
    void RefreshSongList() override {}

    void OpenGig(SIM_Performance*) override {}

    void DailyOptionsCleared() override {}
    void MusicianDeleted(SIM_Musician*) override {}

private:
    bool gameInProgress_ = false;
    bool endGameActive_ = false;
    int yearlyReviews_ = 0;
    std::string avatarTexture_;
    std::string skin_;
};

// The installed screens; a SIM_HeadlessScreens until something else is installed.
SIM_Screens* SIM_GetScreens();
// Installs screens (the caller keeps ownership); nullptr restores the headless ones.
void SIM_SetScreens(SIM_Screens* screens);
// The built-in headless screens (for resetting their state between games in tests).
SIM_HeadlessScreens* SIM_GetHeadlessScreens();

// The assertion report's debug-log line and its stop alert, shared by every implementation
// of the screens so the texts live in one place.
std::string SIM_AssertReportText(const char* file, int line, const std::string& version);
AlertRequest SIM_AssertAlert();
