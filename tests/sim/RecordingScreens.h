#pragma once
// Screens for tests: behave as the headless ones (the end-of-game screen stays active once
// activated...) and record every call, in order, as a short text such as
// "DrawLoadingScreen 0.35" or "ActivateEndGame". Reports are recorded too (as "GAssert
// file:line", "GWarning text", "GError text") instead of being logged or shown.
// Install with RecordingScreens::Scope, which restores the previous screens.
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

class RecordingScreens : public SIM_HeadlessScreens {
public:
    std::vector<std::string> calls;
    std::vector<std::string> reports;
    bool keepDrawCalls = true; // false drops the loading-screen calls from the record

    // Installs the recorder for the scope's lifetime.
    class Scope {
    public:
        explicit Scope(RecordingScreens& screens) : previous_(SIM_GetScreens())
        {
            SIM_SetScreens(&screens);
        }
        ~Scope() { SIM_SetScreens(previous_ == SIM_GetHeadlessScreens() ? nullptr : previous_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        SIM_Screens* previous_;
    };

    void Clear()
    {
        calls.clear();
        reports.clear();
    }
    int Count(const std::string& call) const
    {
        return int(std::count(calls.begin(), calls.end(), call));
    }
    bool Has(const std::string& call) const { return Count(call) > 0; }
    // The recorded calls without those named in `ignore`.
    std::vector<std::string> Without(const std::vector<std::string>& ignore) const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (std::find(ignore.begin(), ignore.end(), c) == ignore.end())
                out.push_back(c);
        return out;
    }

    void ReportAssert(const char* file, int line) override
    {
        reports.push_back("GAssert " + std::string(file) + ":" + std::to_string(line));
    }
    void ReportWarning(const char* text, const char* file, int line) override
    {
        (void)file;
        (void)line;
        reports.push_back("GWarning " + std::string(text));
    }
    void ReportError(const char* text, const char* file, int line) override
    {
        (void)file;
        (void)line;
        reports.push_back("GError " + std::string(text));
    }
    // Reports other than warnings (which only reach the debug log).
    std::vector<std::string> Alerts() const
    {
        std::vector<std::string> out;
        for (const auto& r : reports)
            if (r.rfind("GWarning", 0) != 0)
                out.push_back(r);
        return out;
    }

    void SwitchMode(int mode) override { Record("SwitchMode " + std::to_string(mode)); }
    void SetGameInProgress(bool on) override
    {
        Record(std::string("SetGameInProgress ") + (on ? "1" : "0"));
        SIM_HeadlessScreens::SetGameInProgress(on);
    }
    void StartNewGame() override
    {
        Record("StartNewGame");
        SIM_HeadlessScreens::StartNewGame();
    }
    void SetAvatarTexture(const std::string& t) override
    {
        Record("SetAvatarTexture " + t);
        SIM_HeadlessScreens::SetAvatarTexture(t);
    }
    void SetCurrentSkin(const std::string& s) override
    {
        Record("SetCurrentSkin " + s);
        SIM_HeadlessScreens::SetCurrentSkin(s);
    }
    void SetMouseSpeed(float s) override { Record("SetMouseSpeed " + Num(s)); }

    void PlaySound(const std::string& path) override { Record("PlaySound " + path); }
    void PlaySoundId(int id) override { Record("PlaySoundId " + std::to_string(id)); }
    void StopMusic() override { Record("StopMusic"); }
    bool LaunchHint(const std::string& key) override
    {
        Record("LaunchHint " + key);
        return false;
    }
    void CheckTimedHints() override { Record("CheckTimedHints"); }
    void ShowTextureMessage(const std::string& texture, const std::string&, const std::string&) override
    {
        Record("ShowTextureMessage " + texture);
    }

    void DrawLoadingScreen(float f) override
    {
        if (keepDrawCalls)
            Record("DrawLoadingScreen " + Num(f));
    }
    void ActivateEndGame() override
    {
        Record("ActivateEndGame");
        SIM_HeadlessScreens::ActivateEndGame();
    }
    void ActivateYearlyReview() override
    {
        Record("ActivateYearlyReview");
        SIM_HeadlessScreens::ActivateYearlyReview();
    }
    void ShowCaption(const std::string& text) override { Record("ShowCaption " + text); }
    void ShowCareerStage() override { Record("ShowCareerStage"); }

    void RebuildDailyOptions() override { Record("RebuildDailyOptions"); }
    void RefreshDate() override { Record("RefreshDate"); }
    void RefreshCalendar() override { Record("RefreshCalendar"); }
    void UpdateBookGigButton() override { Record("UpdateBookGigButton"); }
    void OpenRelaxChooser() override { Record("OpenRelaxChooser"); }
    void OpenAttributeWindow(SIM_Attribute*) override { Record("OpenAttributeWindow"); }
    void AddBandIcon(SIM_Musician*) override { Record("AddBandIcon"); }
    void RemoveBandIcon(SIM_Musician*) override { Record("RemoveBandIcon"); }
    void PositionBandIcons() override { Record("PositionBandIcons"); }
    SIM_RelationshipView* CreateRelationshipLine(SIM_Relationship*) override
    {
        Record("CreateRelationshipLine");
        return nullptr;
    }

    void OpenOtherGig(SIM_OtherGig*) override { Record("OpenOtherGig"); }
    void OpenCancelledGig(SIM_Performance*) override { Record("OpenCancelledGig"); }
    void ShowPublicity(SIM_PublicityEvent*) override { Record("ShowPublicity"); }
    void OpenPractice() override { Record("OpenPractice"); }
    void OpenShop() override { Record("OpenShop"); }
    void OpenResignation(SIM_Musician*, float fameLoss) override
    {
        Record("OpenResignation " + Num(fameLoss));
    }
    void OpenEndorsement(SIM_Endorsement*) override { Record("OpenEndorsement"); }
    void RefreshAssets() override { Record("RefreshAssets"); }
    void AddAlbumIcon(SIM_Album*) override { Record("AddAlbumIcon"); }
    void OpenAssetDetails(SIM_Asset*) override { Record("OpenAssetDetails"); }
    void OpenAssetMusic(SIM_AssetMusic*) override { Record("OpenAssetMusic"); }
    void OpenAlbumListen(SIM_AssetMusic*) override { Record("OpenAlbumListen"); }
    void RefreshSongList() override { Record("RefreshSongList"); }

    void OpenGig(SIM_Performance*) override { Record("OpenGig"); }

    void DailyOptionsCleared() override { Record("DailyOptionsCleared"); }
    void MusicianDeleted(SIM_Musician*) override { Record("MusicianDeleted"); }

private:
    void Record(const std::string& call) { calls.push_back(call); }
    static std::string Num(float f)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", f);
        return buffer;
    }
};
