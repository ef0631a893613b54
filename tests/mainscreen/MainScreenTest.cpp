// The main screen inside the real in-game screen: the control panel, the day's page, the
// date, cash and fame read-outs and the calendar strip, played day by day with real clicks
// and keys. Screens that the panel and the page open but that are not built yet answer as
// recorded calls.
#include "career/SIM_Gig.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "engine/GTranslation.h"
#include "harness/GameHarness.h"
#include "mainscreen/GUI_Auditions.h"
#include "mainscreen/GUI_Rehearsal.h"
#include "menus/GUI_GameMode.h"
#include "show/GUI_JigSaw.h"
#include "show/GUI_Practice.h"
#include "windows/GUI_BookGig.h"
#include "windows/GUI_EffectListWatcher.h"
#include "windows/GUI_NewAlbum.h"
#include "windows/GUI_Shopping.h"
#include "mainscreen/GUI_Calendar.h"
#include "mainscreen/GUI_ControlPanel.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "mainscreen/GUI_Date.h"
#include "menus/GUI_GameMode.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_StandIn.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_MusicianFactory.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

namespace {

class MainScreenTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        GUI_StandInCalls().clear();
        page = GUI_GetDailyOptions();
        panel = GUI_GetControlPanel();
    }

    // Drums, bass and guitar: a band that may rehearse and gig.
    static void HireBand()
    {
        for (INSTRUMENT instrument : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
            SIM_GetBand()->AddMusician(SIM_MusicianFactory::CreateMusician(instrument));
    }
    static void GiveSongs(int count)
    {
        while (int(SIM_Song::All.size()) < count)
            new SIM_Song;
        SIM_GetScreens()->UpdateBookGigButton();
    }
    static int SongsForGig() { return int(SIM_GetGlobalVariables()->Get("RS_SONGS_REQ_FOR_GIG")); }
    static SIM_Date Today() { return *SIM_Date::PPresentDay; }
    static int DaysBetween(SIM_Date from, const SIM_Date& to)
    {
        for (int n = 0; n < 400; ++n, from.IncrementDays(1))
            if (from.GetDay() == to.GetDay() && from.GetMonth() == to.GetMonth() && from.GetYear() == to.GetYear())
                return n;
        return -1;
    }
    // The day ends as an activity's screen ends it; the new day's page fades in. A new
    // stage of the career is told over the page first, and read.
    void EndDay()
    {
        SIM_GetSim()->EndDay();
        WaitFade();
        if (GUI_GetGameMode()->IsUp()) {
            EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), GUI_GetGameMode());
            PressKey(kKeyReturn);
            WaitFade();
        }
    }
    // The hint that comes with the first page is read and put away.
    void DismissHints()
    {
        while (!GUI_HintHelp::AllWindows.empty())
            delete GUI_HintHelp::AllWindows.back();
    }
    std::vector<GUI_DailyOption*> OptionRows() const
    {
        std::vector<GUI_DailyOption*> rows;
        for (GUI_WindowBase* child : page->Children())
            if (auto* row = dynamic_cast<GUI_DailyOption*>(child))
                rows.push_back(row);
        return rows;
    }
    std::vector<GUI_MessageStrip*> MessageRows() const
    {
        std::vector<GUI_MessageStrip*> rows;
        for (GUI_WindowBase* child : page->Children())
            if (auto* row = dynamic_cast<GUI_MessageStrip*>(child))
                rows.push_back(row);
        return rows;
    }
    GUI_DailyOption* RowOfType(SIM_DailyOption::DailyOptionType type) const
    {
        for (GUI_DailyOption* row : OptionRows())
            if (row->GetType() == type)
                return row;
        return nullptr;
    }
    static void AddRelaxOptions(int count)
    {
        for (int i = 0; i < count; ++i)
            SIM_DailyOption::Create(SIM_DailyOption::RELAX, std::monostate {}, "Night off " + std::to_string(i),
                                    "Put your feet up.", "relax.jpg", true);
    }

    GUI_DailyOptions* page = nullptr;
    GUI_ControlPanel* panel = nullptr;
};

TEST_F(MainScreenTest, SeveralDaysPlayedFromTheMainScreen)
{
    HireBand();
    GiveSongs(SongsForGig());
    ASSERT_TRUE(panel->bookGig->GetEnabled());
    SaveArtifact("main_screen_first_day.png");
    EXPECT_FALSE(page->IsUp()) << "a new game starts on the main screen";

    // A gig booked for a later day shows on the calendar strip (at the largest venue, so
    // the smallest room stays free for the booking window below).
    auto* gig = new SIM_Gig(SIM_Venue::All.back(), SIM_Gig::NORMAL);
    gig->Book();
    SIM_GetFinances()->SetCash(1000.0f); // the big room's hire is not this test's worry
    const int gigIn = DaysBetween(Today(), gig->GetDate());
    ASSERT_GT(gigIn, 1);
    ASSERT_LT(gigIn, GUI_Calendar::kDays);
    GUI_CalendarDay* gigDay = GUI_GetCalendar()->GetDay(gigIn);
    EXPECT_TRUE(gigDay->HasEntry());
    EXPECT_EQ(gigDay->GetPicture().GetTextureName(), "calendar_gig.dds");
    EXPECT_FALSE(GUI_GetCalendar()->GetDay(0)->HasEntry());

    // Every morning the page greets the player, titled with the day.
    SIM_Date before = Today();
    EndDay();
    ASSERT_TRUE(page->IsUp());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), page);
    EXPECT_TRUE(GUI_HintHelp::Find("daily options")->shown);
    DismissHints();
    EXPECT_EQ(DaysBetween(before, Today()), 1);
    EXPECT_NE(page->GetTitle().find(SIM_Date::GetMonthName(Today().GetMonth())), std::string::npos);
    EXPECT_FALSE(page->GetQuote().empty());
    EXPECT_EQ(GUI_GetDate()->GetText(),
              SIM_Date::GetMonthName(Today().GetMonth()).substr(0, 3) + " " + std::to_string(Today().GetYear()));
    EXPECT_EQ(gigDay->HasEntry(), false) << "the strip moved on a day";
    EXPECT_TRUE(GUI_GetCalendar()->GetDay(gigIn - 1)->HasEntry());
    const size_t rows = page->Children().size();
    ASSERT_GT(rows, 0u) << "the relax outing is offered every day";

    // Escape hides it; Today shows the same rows again; Continue hides it.
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_FALSE(page->IsUp());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    EXPECT_FALSE(GUI_GetWindowManager()->DialogActive()) << "Escape on the page never asks to quit";
    SaveArtifact("main_screen_page_closed.png");
    ASSERT_TRUE(panel->today->GetEnabled());
    const std::string quote = page->GetQuote();
    ClickCentre(panel->today);
    WaitFade();
    ASSERT_TRUE(page->IsUp());
    EXPECT_EQ(page->Children().size(), rows);
    EXPECT_EQ(page->GetQuote(), quote) << "Today does not rebuild the page";
    ASSERT_TRUE(ClickButton("DAILYOPTIONS_CONTINUE"));
    WaitFade();
    EXPECT_FALSE(page->IsUp());

    // An activity: its screen opens after the fade and takes the keys; booking ends the
    // day once, and the keys go to the new day's page.
    SIM_GetFinances()->SetCash(1000.0f);
    ClickCentre(panel->bookGig);
    EXPECT_EQ(GUI_BookGig::PTheWindow.Get(), nullptr) << "the screen opens after the fade";
    WaitFade();
    ASSERT_NE(GUI_BookGig::PTheWindow.Get(), nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), GUI_BookGig::PTheWindow.Get());
    CloseHints();
    GUI_PotentialGig* card = nullptr;
    for (GUI_WindowBase* child : GUI_BookGig::PTheWindow->Children())
        if (auto* c = dynamic_cast<GUI_PotentialGig*>(child); c && c->IsBookable() && !card)
            card = c;
    ASSERT_NE(card, nullptr);
    const size_t gigsBefore = SIM_Gig::BookedGigs.size();
    before = Today();
    ClickCentre(card->GetButton());
    WaitFade();
    if (GUI_GetGameMode()->IsUp()) { // a new career stage is told first
        PressKey(kKeyReturn);
        WaitFade();
    }
    EXPECT_EQ(DaysBetween(before, Today()), 1);
    EXPECT_EQ(SIM_Gig::BookedGigs.size(), gigsBefore + 1);
    EXPECT_EQ(GUI_BookGig::PTheWindow.Get(), nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), page);
    PressKey(kKeyEscape);
    WaitFade();

    // The read-outs follow the simulation without being told.
    SIM_GetFinances()->SetCash(1234567.8f);
    SIM_GetFame()->Clear();
    SIM_GetFame()->AddEffect(41.9f, 1.0f, "test");
    SIM_GetFame()->CalculateValue();
    Step();
    EXPECT_EQ(GUI_GetCash()->GetValueText(), "1,234,567");
    EXPECT_EQ(GUI_GetFame()->GetText(), std::string(GTranslation::GetString("FAME")) + " : 41");

    // Days pass until the gig: its reminder heads that day's page.
    for (int day = 0; day < 20 && !SIM_Date::IsToday(&gig->GetDate()); ++day) {
        EndDay();
        PressKey(kKeyEscape);
        WaitFade();
    }
    ASSERT_TRUE(SIM_Date::IsToday(&gig->GetDate()));
    ClickCentre(panel->today);
    WaitFade();
    ASSERT_TRUE(page->IsUp());
    ASSERT_FALSE(OptionRows().empty());
    EXPECT_EQ(OptionRows().front()->GetType(), SIM_DailyOption::GIG);
    EXPECT_EQ(OptionRows().front()->GetPicture().GetTextureName(), gig->GetVenue()->GetSprite());
    SaveArtifact("main_screen_page_open.png");
    PressKey(kKeyEscape);
    WaitFade();

    // A charity gig offer: picking it books the gig and ends the day; the page stays up
    // with the next day.
    SIM_GetGlobalVariables()->Set("RS_CHARITY_GIG_CHANCE", 2.0f);
    EndDay();
    SIM_GetGlobalVariables()->Set("RS_CHARITY_GIG_CHANCE", 0.0f);
    GUI_DailyOption* charity = RowOfType(SIM_DailyOption::CHARITYGIG);
    ASSERT_NE(charity, nullptr);
    // Tonight's gig goes unplayed and leaves the list with the day: count the later ones.
    const auto later = std::count_if(SIM_Gig::BookedGigs.begin(), SIM_Gig::BookedGigs.end(),
                                     [](SIM_Gig* g) { return !SIM_Date::IsToday(&g->GetDate()); });
    const size_t booked = size_t(later);
    before = Today();
    ClickCentre(charity->GetOKButton());
    PressKey(kKeyEscape); // during the fade: neither a second choice nor a Continue
    WaitFade();
    EXPECT_EQ(DaysBetween(before, Today()), 1) << "the day ends exactly once";
    EXPECT_EQ(SIM_Gig::BookedGigs.size(), booked + 1);
    EXPECT_TRUE(page->IsUp());
    EXPECT_EQ(RowOfType(SIM_DailyOption::CHARITYGIG), nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), page);
}

TEST_F(MainScreenTest, PanelButtonsOpenTheirActivities)
{
    HireBand();
    GiveSongs(10);
    SIM_Song::UpdateSongsForStudio();
    struct Case {
        GUI_CPButton* GUI_ControlPanel::*button;
        const char* screen;
        GUI_WindowBase* (*open)();
    };
    const Case cases[] = {
        {&GUI_ControlPanel::bookGig, "booking", [] { return (GUI_WindowBase*)GUI_BookGig::PTheWindow.Get(); }},
        {&GUI_ControlPanel::rehearsal, "rehearsal", [] { return (GUI_WindowBase*)GUI_Rehearsal::PTheWindow.Get(); }},
        {&GUI_ControlPanel::writeSong, "jigsaw", [] { return (GUI_WindowBase*)GUI_JigSaw::PTheWindow.Get(); }},
        {&GUI_ControlPanel::studio, "new album", [] { return (GUI_WindowBase*)GUI_NewAlbum::PTheWindow.Get(); }},
        {&GUI_ControlPanel::shopping, "shop", [] { return (GUI_WindowBase*)GUI_Shopping::PTheWindow.Get(); }},
        {&GUI_ControlPanel::practice, "practice", [] { return (GUI_WindowBase*)GUI_Practice::PTheWindow.Get(); }},
    };
    Step();
    CloseHints(); // the band's icons brought theirs
    const int days = SIM_GetSim()->GetTurnCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        GUI_CPButton* button = panel->*c.button;
        ASSERT_TRUE(button->GetEnabled());
        ClickCentre(button);
        WaitFade();
        GUI_WindowBase* screen = c.open();
        ASSERT_NE(screen, nullptr);
        CloseHints(); // a screen's first visit brings its hint
        EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
        delete screen; // put away unused: each screen's own tests play it
        CloseHints();
        Step();
    }
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), days) << "opening an activity uses no day";
    // Writing a song makes it first and names it from the song-names list.
    EXPECT_EQ(SIM_Song::All.size(), 11u);
    EXPECT_NE(SIM_Song::All.back()->GetName(), "Unknown Song");
    EXPECT_FALSE(SIM_Song::All.back()->GetName().empty());

    // Auditions open at once, without a fade.
    ClickCentre(panel->auditions);
    EXPECT_NE(GUI_Auditions::PTheWindow.Get(), nullptr);
    WaitFade();
    delete GUI_Auditions::PTheWindow.Get();
    CloseHints();

    // Quit asks first; Cancel leaves the game as it was. Escape asks the same.
    for (bool byKey : {false, true}) {
        if (byKey)
            PressKey(kKeyEscape);
        else
            ClickCentre(panel->quit);
        Step();
        ASSERT_TRUE(GUI_GetWindowManager()->DialogActive());
        ASSERT_TRUE(ClickButton("CONFIRM_CANCEL"));
        WaitFade();
        EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());
        EXPECT_EQ(GetGame()->GetModeObject(Game::MODE_GUI), GetGame()->GetCurrentMode());
    }

    // The hover sound plays once each time the pointer moves onto another button.
    const char* const hover = "data/sounds/mouseover.ogg";
    const int sounds = audio.Count(hover);
    Hover(panel->shopping->GetCenterX(), panel->shopping->GetCenterY(), 2);
    EXPECT_EQ(audio.Count(hover), sounds + 1);
    Hover(panel->shopping->GetCenterX(), 300.0f, 2);
    Hover(panel->shopping->GetCenterX(), panel->shopping->GetCenterY(), 2);
    EXPECT_EQ(audio.Count(hover), sounds + 1) << "out and back onto the same button";
    Hover(panel->practice->GetCenterX(), panel->practice->GetCenterY(), 2);
    EXPECT_EQ(audio.Count(hover), sounds + 2);

    // Clicking fame opens the watch of its effects.
    auto watchers = [] {
        int n = 0;
        for (GUI_WindowBase* w : GUI_GetWindowManager()->Windows())
            n += dynamic_cast<GUI_EffectListWatcher*>(w) != nullptr;
        return n;
    };
    Click(GUI_GetFame()->GetCenterX(), GUI_GetFame()->GetCenterY());
    EXPECT_EQ(watchers(), 1);
}

TEST_F(MainScreenTest, PanelFollowsTheBandAndTheTutorial)
{
    auto tooltip = [](GUI_ButtonBase* b) { return b->GetTooltip()->GetText(); };
    auto text = [](const char* key) { return std::string(GTranslation::GetString(key)); };
    // No band: rehearsal and booking are off and say why.
    Step();
    EXPECT_FALSE(panel->rehearsal->GetEnabled());
    EXPECT_EQ(tooltip(panel->rehearsal), text("TOOLTIP_REHEARSAL_INVALIDBAND"));
    EXPECT_FALSE(panel->bookGig->GetEnabled());
    EXPECT_EQ(tooltip(panel->bookGig), text("BOOKGIG_TOOLTIP_BANDINVALID"));
    EXPECT_FALSE(panel->studio->GetEnabled());
    EXPECT_EQ(tooltip(panel->studio), text("TOOLTIP_STUDIO_NOTENOUGHSONGS"));
    // A valid band with too few songs.
    HireBand();
    GiveSongs(SongsForGig() - 1);
    Step();
    EXPECT_TRUE(panel->rehearsal->GetEnabled());
    EXPECT_EQ(tooltip(panel->rehearsal), text("TOOLTIP_REHEARSAL"));
    EXPECT_FALSE(panel->bookGig->GetEnabled());
    EXPECT_EQ(tooltip(panel->bookGig), text("BOOKGIG_TOOLTIP_NOTENOUGHSONGS"));
    GiveSongs(SongsForGig());
    EXPECT_TRUE(panel->bookGig->GetEnabled());
    EXPECT_EQ(tooltip(panel->bookGig), text("TOOLTIP_BOOKGIG"));

    // Today: off with nothing to show; with a message only it fades and opens nothing.
    SIM_DailyOption::ClearAll();
    SIM_Message::ClearMessages();
    Step();
    EXPECT_FALSE(panel->today->GetEnabled());
    SIM_Message::AddMessage("Where is everyone?", SIM_GetBand()->GetMembers().front());
    Step();
    ASSERT_TRUE(panel->today->GetEnabled());
    ClickCentre(panel->today);
    WaitFade();
    EXPECT_FALSE(page->IsUp());

    // The tutorial hides all but auditions and quit, and shows them again.
    ASSERT_TRUE(SIM_GetFunctionTable()->Trigger("HideNonAuditionButtons"));
    Step();
    for (GUI_CPButton* b : {panel->shopping, panel->practice, panel->studio, panel->rehearsal, panel->writeSong,
                            panel->bookGig, panel->today})
        EXPECT_FALSE(b->IsVisible() || b->GetEnabled());
    EXPECT_TRUE(panel->auditions->IsVisible());
    EXPECT_TRUE(panel->quit->IsVisible());
    ClickCentre(panel->rehearsal);
    WaitFade();
    EXPECT_EQ(GUI_Rehearsal::PTheWindow.Get(), nullptr) << "a hidden button takes no click";
    SaveArtifact("control_panel_tutorial.png");
    ASSERT_TRUE(SIM_GetFunctionTable()->Trigger("UnhideNonAuditionButtons"));
    Step();
    EXPECT_TRUE(panel->rehearsal->IsVisible());
    EXPECT_TRUE(panel->bookGig->GetEnabled());

    // A new game shows every button again.
    SIM_GetFunctionTable()->Trigger("HideNonAuditionButtons");
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_TRUE(panel->shopping->IsVisible());
}

TEST_F(MainScreenTest, PageListsGigsFirstAndScrollsFiveRowsAtATime)
{
    HireBand();
    SIM_DailyOption::ClearAll();
    SIM_Message::ClearMessages();
    AddRelaxOptions(6);
    auto* gig = new SIM_Gig(SIM_Venue::All.front(), SIM_Gig::NORMAL);
    SIM_DailyOption::Create(SIM_DailyOption::GIG, gig, "Gig tonight", "Play!", SIM_Venue::All.front()->GetSprite(), true);
    SIM_DailyOption::Create(SIM_DailyOption::RELAX, std::monostate {}, "Not doable", "No.", "relax.jpg", false);
    // Eight options and three messages: ten rows.
    for (const char* said : {"One", "Two", "Three"})
        SIM_Message::AddMessage(said, SIM_GetBand()->GetMembers().front());
    page->Initialise();
    WaitFade();
    DismissHints();
    ASSERT_TRUE(page->IsUp());
    EXPECT_EQ(page->GetText(), GTranslation::GetString("DAILY_OPTIONS_EVENTS"));
    std::vector<GUI_DailyOption*> rows = OptionRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0]->GetType(), SIM_DailyOption::GIG);
    EXPECT_EQ(rows[1]->GetTitle(), "Night off 0");
    EXPECT_EQ(page->GetLastFirstRow(), 5);
    EXPECT_FALSE(page->GetUpButton()->IsVisible());
    EXPECT_TRUE(page->GetDownButton()->IsVisible());
    Hover(rows[0]->GetCenterX() - 200.0f, rows[0]->GetCenterY(), 2);
    SaveArtifact("daily_options_page.png");

    for (int i = 0; i < 2; ++i)
        ClickCentre(page->GetDownButton());
    Step();
    EXPECT_EQ(page->GetFirstRow(), 2);
    EXPECT_TRUE(page->GetUpButton()->IsVisible());
    EXPECT_EQ(OptionRows().front()->GetTitle(), "Night off 1");
    for (int i = 0; i < 5; ++i)
        ClickCentre(page->GetDownButton());
    Step();
    EXPECT_EQ(page->GetFirstRow(), 5) << "never beyond the last row";
    EXPECT_FALSE(page->GetDownButton()->IsVisible());
    // Rows 5-9: three options, then the messages two to a row, the last alone.
    ASSERT_EQ(OptionRows().size(), 3u);
    EXPECT_FALSE(OptionRows()[2]->GetOKButton()->GetEnabled()) << "an option that cannot be done";
    ASSERT_EQ(MessageRows().size(), 3u);
    EXPECT_EQ(MessageRows()[0]->GetText(), "\"One\"");
    EXPECT_EQ(MessageRows()[0]->GetRect().top, MessageRows()[1]->GetRect().top);
    EXPECT_GT(MessageRows()[2]->GetRect().top, MessageRows()[1]->GetRect().top);
    SaveArtifact("daily_options_scrolled.png");
    ClickCentre(page->GetUpButton());
    Step();
    EXPECT_EQ(page->GetFirstRow(), 4);

    // Messages alone: nothing to do today.
    SIM_DailyOption::ClearAll();
    EXPECT_TRUE(page->Children().empty()) << "rows go with the options they showed";
    EXPECT_FALSE(page->IsUp());
    page->Initialise();
    WaitFade();
    EXPECT_EQ(page->GetText(), GTranslation::GetString("DAILY_OPTIONS_NONE"));
    EXPECT_EQ(MessageRows().size(), 3u);
    EXPECT_EQ(MessageRows()[0]->GetRect().top, 180);
}

TEST_F(MainScreenTest, RowsOutlivedByTheirOptionsDoNothing)
{
    HireBand();
    SIM_DailyOption::ClearAll();
    AddRelaxOptions(1);
    page->Initialise();
    WaitFade();
    DismissHints();
    ASSERT_EQ(OptionRows().size(), 1u);
    // The option goes while the page fades out after OK: the page closes, nothing runs.
    ClickCentre(OptionRows().front()->GetOKButton());
    SIM_DailyOption::ClearAll();
    WaitFade();
    EXPECT_FALSE(page->IsUp());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

TEST_F(MainScreenTest, PostponedPageWaitsForItsWindows)
{
    auto* offer = new GUI_WindowBase;
    offer->AddToGUI();
    page->AddPostponeWindow(offer);
    EndDay();
    EXPECT_FALSE(page->IsUp());
    ASSERT_FALSE(SIM_DailyOption::All.empty());
    page->RemovePostponeWindow(offer);
    WaitFade();
    EXPECT_TRUE(page->IsUp()) << "built as soon as the last window goes";
    PressKey(kKeyEscape);
    WaitFade();

    // A postponing window closed without a word still lets the page through.
    page->AddPostponeWindow(offer);
    EndDay();
    EXPECT_FALSE(page->IsUp());
    delete offer;
    EXPECT_FALSE(page->IsPostponed());
    Step();
    WaitFade();
    EXPECT_TRUE(page->IsUp());

    // A new game forgets the last game's page and postponing windows.
    auto* other = new GUI_WindowBase;
    page->AddPostponeWindow(other);
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_FALSE(page->IsUp());
    EXPECT_FALSE(page->IsPostponed());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    delete other;
}

TEST_F(MainScreenTest, ReadOutsWriteCashFameAndDate)
{
    struct Case {
        double cash;
        const char* text;
    };
    const Case cases[] = {
        {99.999, "100.00"}, {100.0, "100"},       {1234567.8, "1,234,567"}, {-250.0, "250.00"},
        {0.0, "0.00"},      {-3.0e9, "3000000000.00"}, {3.0e9, "3,000,000,000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.00"},
        {-std::numeric_limits<double>::infinity(), "9000000000000000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GUI_Cash::ValueText(c.cash), c.text) << c.cash;

    // A new game shows its own values even where they equal the last game's.
    SIM_GetFinances()->SetCash(-250.0f);
    Step();
    EXPECT_EQ(GUI_GetCash()->GetValueText(), "250.00");
    EXPECT_EQ(GUI_GetCash()->GetLabelText(), std::string(GTranslation::GetString("MONEY")) + " :");
    Hover(GUI_GetCash()->GetCenterX(), GUI_GetCash()->GetCenterY(), 60);
    SaveArtifact("read_outs_debt.png");
    EXPECT_GT(GUI_GetCash()->GetTooltip()->GetShownLevel(), 0.0f);

    // A date set without a refresh (a loaded game's) still shows.
    const SIM_Date later(2, (Today().GetMonth() + 1) % SIM_Date::MonthsPerYear, Today().GetYear() + 3);
    SIM_Date::PPresentDay->Set(&later);
    Step();
    EXPECT_EQ(GUI_GetDate()->GetText(),
              SIM_Date::GetMonthName(later.GetMonth()).substr(0, 3) + " " + std::to_string(later.GetYear()));
}

TEST_F(MainScreenTest, CalendarShowsWeekdaysAndTheFirstEntryOfADay)
{
    const int weekday = Today().GetDayOfWeek();
    GUI_Calendar* strip = GUI_GetCalendar();
    for (int i = 0; i < GUI_Calendar::kDays; ++i)
        EXPECT_EQ(strip->GetDay(i)->GetAbbreviation(),
                  GTranslation::GetString("DAY_ABBV_" + std::to_string((weekday + i) % 7)))
            << i;
    SIM_Date day = Today();
    day.IncrementDays(3);
    SIM_GetCalendar()->AddEntry(day.GetDay(), day.GetMonth(), day.GetYear(), "First", "calendar_gig.dds");
    SIM_GetCalendar()->AddEntry(day.GetDay(), day.GetMonth(), day.GetYear(), "Second", "calender_note.dds");
    GUI_CalendarDay* box = strip->GetDay(3);
    ASSERT_TRUE(box->HasEntry());
    EXPECT_EQ(box->GetEntryText(), "First");
    EXPECT_EQ(box->GetPicture().GetTextureName(), "calendar_gig.dds");
    EXPECT_FALSE(strip->GetDay(2)->HasEntry());
    Hover(box->GetCenterX(), box->GetCenterY(), 60);
    EXPECT_GT(box->GetTooltip()->GetShownLevel(), 0.0f);
    SaveArtifact("calendar_strip.png");
    // The day moves on: the entry moves a box to the left.
    SIM_GetSim()->EndDay();
    WaitFade();
    EXPECT_TRUE(strip->GetDay(2)->HasEntry());
    EXPECT_FALSE(strip->GetDay(3)->HasEntry());
}

} // namespace
