// Rival bands: the table, the bag each gig is drawn from, the gigs' calendar entries,
// offers and purging, watching a band live, and restoring a saved gig.
#include "career/CareerFixture.h"

#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Finances.h"

#include <set>

namespace {
class OtherBandTest : public CareerTest {
protected:
    void SetUp() override
    {
        CareerTest::SetUp();
        UseElements({"basic,Basic,1,MUSIC,0.5", "riff,Riff,0,MUSIC,0.6", "harmony,Harmony,0,LYRICS,0.6"});
        UseBands({"1,8,hinges,The Hinges,riff,hinges.ogg,Loud,garage,hinges.png,0.06",
                  "2,12.5,gulls,Velvet Gulls,harmony,gulls.ogg,Sweet,folk,gulls.png,0.05",
                  "3,20,badgers,Neon Badgers,riff,badgers.ogg,Bright,synth,badgers.png,0.07"});
        Set("RS_OTHER_BAND_CHANCE", 1.0f);
        Set("RS_OTHERGIG_DAYSAHEAD", 3.0f);
        screens.Clear();
    }
    void UseBands(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_OtherBandManager::File, rows);
        Manager()->Open();
    }
    static SIM_OtherBandManager* Manager() { return SIM_GetOtherBands(); }
    static SIM_OtherBand* Band(const char* name) { return Manager()->GetByName(name); }
    static std::vector<SIM_DailyOption*> RivalOptions()
    {
        std::vector<SIM_DailyOption*> out;
        for (SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == SIM_DailyOption::OTHERGIG)
                out.push_back(o);
        return out;
    }
    // The day's pass steps that concern rival gigs, as the day turn runs them.
    static void NextDay()
    {
        SIM_DailyOption::ClearAll();
        SIM_OtherGig::PurgeOldGigs();
        SIM_Date::PPresentDay->IncrementDay();
        SIM_OtherGig::UpdateAll();
    }
};
}

TEST_F(OtherBandTest, RowsReadEveryColumnAndBadRowsAreSkippedOrLeftWithoutAnElement)
{
    const SIM_OtherBand* gulls = Band("gulls");
    ASSERT_NE(gulls, nullptr);
    EXPECT_EQ(gulls->GetGUIName(), "Velvet Gulls");
    EXPECT_FLOAT_EQ(gulls->GetExtraNumber(), 2.0f);
    EXPECT_FLOAT_EQ(gulls->GetCost(), 12.5f);
    EXPECT_EQ(gulls->GetUnlock(), Element("harmony"));
    EXPECT_EQ(gulls->GetMusic(), "gulls.ogg");
    EXPECT_EQ(gulls->GetDescription(), "Sweet");
    EXPECT_EQ(gulls->GetExtraText(), "folk");
    EXPECT_EQ(gulls->GetLogo(), "gulls.png");
    EXPECT_FLOAT_EQ(gulls->GetInspiration(), 0.05f);
    EXPECT_EQ(Manager()->GetBag().size(), 3u);

    UseBands({"1,8,lost,Lost,nosuchelement,l.ogg,x,y,l.png,0.1", "1,8,short,Short,riff", "1,8,open,\"Open,riff"});
    ASSERT_EQ(Manager()->GetBands().size(), 1u) << "short and unclosed rows are skipped";
    EXPECT_EQ(Band("lost")->GetUnlock(), nullptr);
    ASSERT_EQ(screens.reports.size(), 4u);
    EXPECT_EQ(screens.reports[0], "GWarning Song element not found");
    EXPECT_EQ(screens.reports[1].rfind("GAssert", 0), 0u);
    EXPECT_EQ(screens.reports[2], "GWarning data/simulation/otherbands.csv line 3: too few cells; the row is skipped");
    EXPECT_EQ(screens.reports[3],
              "GWarning data/simulation/otherbands.csv line 4: a quote is not closed; the row is skipped");
    screens.Clear();
    EXPECT_EQ(Band("nobody"), nullptr);
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning Failed to find other band"}));
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(OtherBandTest, EachBandGetsAGigInTurnBeforeTheBagIsRefilled)
{
    std::set<SIM_OtherBand*> drawn;
    for (int i = 0; i < 3; ++i) {
        Manager()->GenerateGigs();
        ASSERT_EQ(SIM_OtherGig::All.size(), size_t(i + 1));
        drawn.insert(SIM_OtherGig::All.back()->GetBand());
    }
    EXPECT_EQ(drawn.size(), 3u);
    EXPECT_TRUE(Manager()->GetBag().empty());
    Manager()->GenerateGigs();
    EXPECT_EQ(SIM_OtherGig::All.size(), 4u);
    EXPECT_EQ(Manager()->GetBag().size(), 2u) << "refilled, then one drawn";

    Set("RS_OTHER_BAND_CHANCE", 0.0f);
    Manager()->GenerateGigs();
    EXPECT_EQ(SIM_OtherGig::All.size(), 4u);

    Set("RS_OTHER_BAND_CHANCE", 1.0f);
    UseBands({});
    EXPECT_TRUE(SIM_OtherGig::All.empty()) << "re-reading the bands deletes their gigs";
    Manager()->GenerateGigs();
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning No available bands"}));
}

TEST_F(OtherBandTest, AGigIsAnnouncedInTheCalendarOfferedOnItsDayAndPurgedAfterIt)
{
    SIM_GetFinances()->SetCash(10.0f);
    SIM_OtherGig* hinges = SIM_OtherGig::Create(Band("hinges"));
    SIM_OtherGig* badgers = SIM_OtherGig::Create(Band("badgers"));
    SIM_Date expected;
    expected.Set(SIM_Date::PPresentDay);
    for (int i = 0; i < 3; ++i)
        expected.IncrementDay();
    EXPECT_EQ(hinges->GetDate().DayCount(), expected.DayCount());
    const auto& entries = SIM_GetCalendar()->GetEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0]->text.find("The Hinges"), std::string::npos);
    EXPECT_EQ(entries[0]->icon, "calender_note.dds");
    EXPECT_TRUE(screens.Has("RefreshCalendar"));
    EXPECT_FALSE(screens.Has("RefreshDate")) << "a gig's date is not the present day";

    for (int day = 1; day <= 2; ++day) {
        NextDay();
        EXPECT_TRUE(RivalOptions().empty()) << "day " << day;
    }
    NextDay();
    const auto options = RivalOptions();
    ASSERT_EQ(options.size(), 2u) << "two gigs on one day give two options";
    EXPECT_EQ(options[0]->GetOtherGig(), hinges);
    EXPECT_NE(options[0]->GetTitle().find("The Hinges"), std::string::npos);
    EXPECT_NE(options[0]->GetText().find("8.00"), std::string::npos);
    EXPECT_EQ(options[0]->GetTexture(), "option_othergig.jpg");
    EXPECT_TRUE(options[0]->IsDoable());
    EXPECT_EQ(options[1]->GetOtherGig(), badgers);
    EXPECT_FALSE(options[1]->IsDoable()) << "a ticket dearer than the cash is shown, not doable";
    screens.Clear();
    options[1]->Activate();
    EXPECT_EQ(screens.calls, (std::vector<std::string> {"OpenOtherGig"}));

    NextDay();
    EXPECT_TRUE(SIM_OtherGig::All.empty());
    EXPECT_TRUE(RivalOptions().empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(OtherBandTest, AGigMadeForTodayIsNeverOfferedAndGoneTheNextDay)
{
    Set("RS_OTHERGIG_DAYSAHEAD", 0.0f);
    SIM_OtherGig* gig = SIM_OtherGig::Create(Band("gulls"));
    EXPECT_TRUE(SIM_Date::IsToday(&gig->GetDate()));
    EXPECT_TRUE(RivalOptions().empty());
    NextDay();
    EXPECT_TRUE(SIM_OtherGig::All.empty());
    EXPECT_TRUE(RivalOptions().empty());
    EXPECT_EQ(SIM_OtherGig::Create(nullptr), nullptr);
    EXPECT_EQ(screens.reports.size(), 1u) << "a gig without a band is a fault";
}

TEST_F(OtherBandTest, WatchingABandPaysUnlocksItsElementAndInspires)
{
    Set("RS_OTHERBAND_INSPIRE_DEGRADE", 0.9f);
    SIM_GetFinances()->SetCash(5.0f);
    ASSERT_FALSE(Element("riff")->IsAvailable());
    Band("hinges")->SeeLive();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), -3.0f) << "the cash is not checked again";
    EXPECT_TRUE(Element("riff")->IsAvailable());
    const SIM_Effect* inspired = nullptr;
    for (const SIM_Effect* e : SIM_GetRiza()->GetAttribute("inspiration")->GetEffects())
        if (e->GetDebugName() == "hinges")
            inspired = e;
    ASSERT_NE(inspired, nullptr);
    EXPECT_FLOAT_EQ(inspired->GetEffect(), 0.06f);
    EXPECT_FLOAT_EQ(inspired->GetDegrade(), 0.9f);

    UseBands({"1,8,lost,Lost,nosuchelement,l.ogg,x,y,l.png,0.1"});
    screens.Clear();
    Band("lost")->SeeLive();
    EXPECT_TRUE(screens.reports.empty()) << "a band without an element unlocks nothing";
}

TEST_F(OtherBandTest, ASavedGigIsRestoredOnlyForAKnownBandAndStaleGigsFreeTheirBand)
{
    const SIM_Date* today = SIM_Date::PPresentDay;
    SIM_OtherGig* gig = Manager()->RestoreGig("gulls", today->GetDay(), today->GetMonth(), today->GetYear() + 1);
    ASSERT_NE(gig, nullptr);
    EXPECT_EQ(gig->GetBand(), Band("gulls"));
    EXPECT_EQ(Manager()->GetBag().size(), 2u) << "its band leaves the bag";
    EXPECT_EQ(Manager()->RestoreGig("nobody", 1, 1, 2007), nullptr);
    EXPECT_EQ(SIM_OtherGig::All.size(), 1u) << "no empty gig is left behind";
    screens.Clear();

    // A gig dated before today (a stale one from a file) is purged and its band may play again.
    SIM_OtherGig* stale = Manager()->RestoreGig("hinges", 0, 0, 2000);
    ASSERT_NE(stale, nullptr);
    EXPECT_EQ(Manager()->GetBag().size(), 1u);
    SIM_OtherGig::PurgeOldGigs();
    EXPECT_EQ(SIM_OtherGig::All, (std::vector<SIM_OtherGig*> {gig}));
    EXPECT_EQ(Manager()->GetBag().size(), 2u);

    for (const std::string& r : screens.reports)
        ADD_FAILURE() << r;
    // A new game (with the shipped tables) clears every rival gig.
    CopyShippedData();
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_OtherGig::All.empty());
    EXPECT_TRUE(screens.reports.empty());
}
