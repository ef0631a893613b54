// The album listening page inside the real in-game screen, reached as the player reaches
// it: the record's icon, its window's listen button, one track a day. Finishing the page
// is the only way out and ends the day exactly once; a new game or a load closes it
// without ending a day of either game.
#include "career/SIM_AssetMusic.h"
#include "career/SIM_SongElement.h"
#include "harness/GameHarness.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "windows/GUI_AlbumListen.h"
#include "windows/GUI_AssetMusic.h"
#include "windows/GUI_Assets.h"

#include <functional>

// A row as a failure prints it: italic rows between slashes.
inline std::ostream& operator<<(std::ostream& out, const GUI_AlbumListen::TrackLine& l)
{
    return l.italic ? out << "/" << l.text << "/" : out << l.text;
}

namespace {

using Line = GUI_AlbumListen::TrackLine;

class AlbumListenTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        // The tips of the days that pass would cover the icon; the page's own tip stays.
        for (GUI_HintHelp::HintData* hint : GUI_HintHelp::All)
            hint->shown = hint->key != "album listen";
    }
    static SIM_AssetMusic* OwnRecord(const std::string& name)
    {
        auto* record = dynamic_cast<SIM_AssetMusic*>(SIM_Asset::GetByName(name));
        EXPECT_NE(record, nullptr) << name;
        if (!record)
            return nullptr;
        record->Purchase(false);
        SIM_GetScreens()->RefreshAssets();
        return record;
    }
    static GUI_AssetIcon* IconOf(const SIM_Asset* asset)
    {
        for (GUI_AssetIcon* icon : GUI_AssetIcon::All)
            if (icon->GetAsset() == asset)
                return icon;
        return nullptr;
    }
    static int Turns() { return SIM_GetSim()->GetTurnCount(); }

    // The morning's page put away, the record's icon clicked, its next track asked for:
    // the listening page comes up, its hint (the first time) read and closed.
    GUI_AlbumListen* ListenThroughTheIcon(SIM_AssetMusic* record)
    {
        PutAwayDaysPage();
        CloseHints();
        GUI_AssetIcon* icon = IconOf(record);
        EXPECT_NE(icon, nullptr);
        if (!icon)
            return nullptr;
        ClickCentre(icon);
        Step();
        GUI_AssetMusic* window = GUI_AssetMusic::PTheWindow;
        EXPECT_NE(window, nullptr);
        if (!window)
            return nullptr;
        ClickCentre(window->GetListenButton());
        WaitFade();
        CloseHints();
        return GUI_AlbumListen::PTheWindow;
    }
    // Nothing of the page is left: no window, no key holder, no day waiting to end.
    void ExpectNoPage()
    {
        EXPECT_EQ(GUI_AlbumListen::PTheWindow, nullptr);
        for (const GUI_WindowManager::List* list : {&GUI_GetWindowManager()->Fullscreens(), &GUI_GetWindowManager()->Windows()})
            for (GUI_WindowBase* w : *list)
                EXPECT_EQ(dynamic_cast<GUI_AlbumListen*>(w), nullptr);
        GUI_WindowBase* keys = GUI_GetGUI()->GetInputHandler();
        EXPECT_TRUE(keys == nullptr || GUI_GetWindowManager()->IsRegistered(keys));
        EXPECT_FALSE(GUI_DayEnd::IsPending());
    }
};

TEST(AlbumListenLines, HeardTitlesShowAndTheRestAreNumberedFromOne)
{
    const std::vector<std::string> eight = {"\"A\"", "\"B\"", "\"C\"", "\"D\"", "\"E\"", "\"F\"", "\"G\"", "\"H\""};
    struct Case {
        const char* name;
        std::vector<std::string> titles;
        int heard;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"eight, third listen", eight, 3,
         {{"\"A\"", false}, {"\"B\"", false}, {"\"C\"", false}, {"(Track 4)", true}, {"(Track 5)", true},
          {"(Track 6)", true}, {"(Track 7)", true}, {"(Track 8)", true}}},
        {"nothing heard", {"\"A\"", "\"B\""}, 0, {{"(Track 1)", true}, {"(Track 2)", true}}},
        {"a count below zero", {"\"A\""}, -2, {{"(Track 1)", true}}},
        {"heard past the end", {"\"A\"", "\"B\""}, 5, {{"\"A\"", false}, {"\"B\"", false}}},
        {"no titles", {}, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GUI_AlbumListen::TrackLines(c.titles, c.heard, "Track"), c.lines);
    }
}

TEST_F(AlbumListenTest, ARecordHeardTrackByTrackUnlocksItsElementAndEachListenEndsOneDay)
{
    SIM_AssetMusic* record = OwnRecord("hollow kings");
    ASSERT_NE(record, nullptr);
    SIM_SongElement* element = record->GetUnlock();
    ASSERT_NE(element, nullptr);
    ASSERT_FALSE(element->IsAvailable());
    const std::vector<std::string>& titles = record->GetTrackTitles();
    ASSERT_EQ(titles.size(), 5u);
    const int drops = audio.Count("data/sounds/needle_drop.ogg");

    for (size_t listen = 1; listen <= titles.size(); ++listen) {
        SCOPED_TRACE("listen " + std::to_string(listen));
        const int turns = Turns();
        GUI_AlbumListen* page = ListenThroughTheIcon(record);
        ASSERT_NE(page, nullptr);
        if (listen == 1) {
            EXPECT_TRUE(GUI_HintHelp::Find("album listen")->shown);
        }
        EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), page);
        EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), page);
        EXPECT_EQ(audio.Count("data/sounds/needle_drop.ogg"), drops + int(listen));
        EXPECT_EQ(page->GetTitle(), "Hollow Kings - Crowns");
        EXPECT_EQ(page->GetInspirationLine(), "Inspiration: +5");
        EXPECT_EQ(page->GetFinishButton()->GetText(), "Finish");
        EXPECT_EQ(page->GetFinishButton()->GetTooltip()->GetText(), "Lift the needle and call it a day.");
        // The titles heard so far, the rest by number.
        const std::vector<Line>& lines = page->GetTrackLines();
        ASSERT_EQ(lines.size(), titles.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], (i < listen ? Line {titles[i], false} : Line {"(Track " + std::to_string(i + 1) + ")", true}));
        const bool last = listen == titles.size();
        EXPECT_EQ(page->GetUnlockedLine().empty(), !last);
        EXPECT_EQ(element->IsAvailable(), last);
        if (listen == 2)
            SaveArtifact("album_listen.png");

        // Keys do nothing (Escape asks no question beneath); the day is not used yet.
        PressKey(kKeyEscape);
        PressKey(kKeyReturn);
        Step();
        EXPECT_EQ(GUI_AlbumListen::PTheWindow, page);
        EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
        EXPECT_EQ(Turns(), turns);

        if (last) {
            EXPECT_EQ(page->GetUnlockedLine(), "New idea:");
            EXPECT_EQ(page->GetElementName(), element->GetGUIName());
            const std::string name = element->GetGUIName();
            EXPECT_EQ(page->GetPostitText(), name.size() > 10 ? name.substr(0, 10) + "..." : name);
            EXPECT_EQ(page->GetPostit().GetTextureName(), "postit1.dds");
            SaveArtifact("album_listen_unlocked.png");
        }
        // Finish, and again while it fades: one day.
        ClickCentre(page->GetFinishButton());
        EXPECT_TRUE(page->IsLeaving());
        GUI_AlbumListen::Finish(0);
        WaitFade();
        Step(2);
        EXPECT_EQ(Turns(), turns + 1);
        ExpectNoPage();
    }
    EXPECT_EQ(record->GetTracksListenedTo(), 5);
    EXPECT_TRUE(element->IsAvailable());
    EXPECT_EQ(IconOf(record), nullptr) << "a record heard to the end leaves the desktop";
}

TEST_F(AlbumListenTest, OpeningAgainReplacesThePageWithoutEndingADay)
{
    SIM_AssetMusic* record = OwnRecord("sugar static");
    ASSERT_NE(record, nullptr);
    GUI_AlbumListen* first = ListenThroughTheIcon(record);
    ASSERT_NE(first, nullptr);
    const int turns = Turns();
    record->Listen();
    WaitFade();
    GUI_AlbumListen* second = GUI_AlbumListen::PTheWindow;
    ASSERT_NE(second, nullptr);
    int pages = 0;
    for (GUI_WindowBase* w : GUI_GetWindowManager()->Fullscreens())
        pages += dynamic_cast<GUI_AlbumListen*>(w) != nullptr;
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), second);
    EXPECT_EQ(second->GetTrackLines()[1], (Line {record->GetTrackTitles()[1], false}));
    EXPECT_EQ(Turns(), turns);
    EXPECT_FALSE(GUI_DayEnd::IsPending());
    ASSERT_TRUE(ClickButton("BOOKGIG_FINISH"));
    WaitFade();
    Step(2);
    EXPECT_EQ(Turns(), turns + 1);
    ExpectNoPage();
}

// A new game or a load closes the page, also while it fades out, without ending a day of
// either game; a missing record is reported and opens nothing.
TEST_F(AlbumListenTest, ANewGameOrALoadClosesThePageWithoutEndingADay)
{
    struct Case {
        const char* name;
        bool leaving;
    };
    for (bool load : {false, true}) {
        for (const Case c : {Case {"up", false}, Case {"fading out", true}}) {
            SCOPED_TRACE(std::string(c.name) + (load ? " / load" : " / new game"));
            SIM_AssetMusic* record = OwnRecord("choir of glass");
            ASSERT_NE(record, nullptr);
            PutAwayDaysPage();
            const std::string save = SIM_GetSaveGame()->Compose();
            const int turns = Turns();
            record->Listen();
            Step();
            ASSERT_NE(GUI_AlbumListen::PTheWindow, nullptr);
            if (c.leaving)
                GUI_AlbumListen::Finish(0);
            Step();
            if (load)
                ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(save));
            else
                GetGame()->StartNewGame();
            ExpectNoPage();
            WaitFade();
            Step(3);
            EXPECT_EQ(Turns(), load ? turns : 0);
            ExpectNoPage();
        }
    }

    GUI_AlbumListen::Create(nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_EQ(GUI_AlbumListen::PTheWindow, nullptr);
}

} // namespace
