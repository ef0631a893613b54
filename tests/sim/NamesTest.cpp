// Name pools and quotes: loading, random draws, removal and reloading, and empty pools.
#include "engine/GProfileStore.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Quote.h"
#include "sim/SIM_Riza.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

class NamesTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        std::srand(7);
    }
    void TearDown() override
    {
        SIM_Names::Close();
        SIM_NamesList::Close();
        SIM_Quote::Close();
        SandboxTest::TearDown();
    }
    void WriteData(const std::string& file, const std::string& text)
    {
        resources.Write("data/simulation/" + file, text);
    }
    void WriteNames(const std::string& male, const std::string& female, const std::string& surnames)
    {
        WriteData("maleforenames.csv", male);
        WriteData("femaleforenames.csv", female);
        WriteData("surnames.csv", surnames);
    }

    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

std::set<std::string> Draws(int n, const std::function<std::string()>& draw)
{
    std::set<std::string> seen;
    for (int i = 0; i < n; ++i)
        seen.insert(draw());
    return seen;
}

} // namespace

TEST_F(NamesTest, NamesReadFromTheSecondCellTrimmedAndDrawnByGender)
{
    WriteNames("Male forenames\n#,Abel  \r\n#,Bruno\n",
               "#,Cora\n#,Dina,extra cell\n",
               "title line\n#,Ellery\n");
    SIM_Names::Open();
    EXPECT_EQ(Draws(60, [] { return SIM_Names::GetForename(0, false); }), (std::set<std::string> {"Abel", "Bruno"}));
    EXPECT_EQ(Draws(60, [] { return SIM_Names::GetForename(1, false); }), (std::set<std::string> {"Cora", "Dina"}));
    // Any gender other than female draws a male name.
    EXPECT_EQ(Draws(60, [] { return SIM_Names::GetForename(7, false); }), (std::set<std::string> {"Abel", "Bruno"}));
    EXPECT_EQ(SIM_Names::GetSurname(), "Ellery");
    EXPECT_TRUE(screens.reports.empty());

    // Opening again replaces the lists rather than adding to them.
    SIM_Names::Open();
    EXPECT_EQ(SIM_Names::GetList(SIM_Names::MALE_FORENAMES).size(), 2u);
}

TEST_F(NamesTest, AForenameDrawCanAvoidOneName)
{
    WriteNames("#,Abel\n#,Bruno\n#,Carl\n", "#,Cora\n", "#,Ellery\n");
    SIM_Names::Open();
    EXPECT_EQ(Draws(100, [] { return SIM_Names::GetForename(0, std::string("Bruno")); }),
              (std::set<std::string> {"Abel", "Carl"}));
    // A list of only that name cannot avoid it; the draw ends and gives it.
    EXPECT_EQ(SIM_Names::GetForename(1, std::string("Cora")), "Cora");
}

TEST_F(NamesTest, AForenameDrawWithTheFlagAvoidsThePlayerCharactersForename)
{
    WriteNames("#,Abel\n#,Bruno\n#,Carl\n", "#,Cora\n", "#,Ellery\n");
    SIM_Names::Open();
    const std::string forename = SIM_GetRiza()->GetForeName(), surname = SIM_GetRiza()->GetSurName();
    SIM_GetRiza()->SetName("Bruno", "Vale");
    EXPECT_EQ(Draws(100, [] { return SIM_Names::GetForename(0, true); }), (std::set<std::string> {"Abel", "Carl"}));
    EXPECT_EQ(Draws(60, [] { return SIM_Names::GetForename(0, false); }),
              (std::set<std::string> {"Abel", "Bruno", "Carl"}));
    SIM_GetRiza()->SetName(forename, surname);
}

TEST_F(NamesTest, EmptyOrMissingNameFilesDrawEmptyNamesAfterAnError)
{
    WriteData("maleforenames.csv", "no rows here\n");
    SIM_Names::Open();
    EXPECT_EQ(SIM_Names::GetForename(0, false), "");
    EXPECT_EQ(SIM_Names::GetForename(1, std::string("x")), "");
    EXPECT_EQ(SIM_Names::GetSurname(), "");
    // Surnames and female forenames are missing (an error each for the file and for the
    // empty list); the male file is empty.
    EXPECT_EQ(std::count(screens.reports.begin(), screens.reports.end(), "GError No names found"), 5);
}

TEST_F(NamesTest, NamesListsDrawReloadWhenUsedUpAndKeepKeysWithEmptyValues)
{
    WriteData("band_names.txt", "[band names]\nThe Quiet Engines = 1\nTin Crown = \"\"\nNightjar = whatever\n");
    WriteData("album_names.txt", "[album names]\nSmall Hours = 1\n");
    WriteData("song_names.txt", "[other]\nNot A Song = 1\n[song names]\nKettle Song = 1\n");
    EXPECT_EQ(SIM_NamesList::SongNames.GetRandom(), "Kettle Song"); // opens all three
    EXPECT_TRUE(SIM_NamesList::BOpened);
    EXPECT_EQ(SIM_NamesList::BandNames.GetNames(),
              (std::vector<std::string> {"The Quiet Engines", "Tin Crown", "Nightjar"}));

    SIM_NamesList::BandNames.Remove("Tin Crown");
    SIM_NamesList::BandNames.Remove("Nightjar");
    SIM_NamesList::BandNames.Remove("Not there");
    EXPECT_EQ(SIM_NamesList::BandNames.GetRandom(), "The Quiet Engines");
    SIM_NamesList::BandNames.Remove("The Quiet Engines");
    EXPECT_TRUE(SIM_NamesList::BandNames.GetNames().empty());
    // Every name removed: the whole list comes back.
    EXPECT_NE(SIM_NamesList::BandNames.GetRandom(), "");
    EXPECT_EQ(SIM_NamesList::BandNames.GetNames().size(), 3u);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(NamesTest, ANamesListWithNoSectionDrawsEmptyAfterItsAssertion)
{
    SIM_NamesList list;
    list.Initialise("band names", "data/simulation/missing.txt");
    EXPECT_EQ(screens.reports.size(), 1u);
    SIM_NamesList::BOpened = true; // the shared lists are not the subject here
    EXPECT_EQ(list.GetRandom(), "");
}

TEST_F(NamesTest, QuotesLoadOnFirstDrawAndNoneGivesNull)
{
    EXPECT_EQ(SIM_Quote::GetRandomQuote(), nullptr);
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning No quotes found"}));

    WriteData("quotes.csv", "header\n#,Dee Marlow,The Velvet Hours,\"Loud, then louder.\"  \n");
    const SIM_Quote* q = SIM_Quote::GetRandomQuote();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->GetArtist(), "Dee Marlow");
    EXPECT_EQ(q->GetBand(), "The Velvet Hours");
    EXPECT_EQ(q->GetQuote(), "Loud, then louder.");
}

TEST_F(NamesTest, ShippedPoolsAreLargeAndDistinct)
{
    CopyShippedData();
    SIM_Names::Open();
    EXPECT_TRUE(screens.reports.empty());
    for (auto list : {SIM_Names::MALE_FORENAMES, SIM_Names::FEMALE_FORENAMES, SIM_Names::SURNAMES}) {
        std::set<std::string> names;
        for (const auto& n : SIM_Names::GetList(list)) {
            EXPECT_FALSE(n->name.empty());
            EXPECT_TRUE(names.insert(n->name).second) << n->name << " twice";
        }
        EXPECT_GE(names.size(), 150u);
    }
    SIM_NamesList::Open();
    for (const SIM_NamesList* list : {&SIM_NamesList::BandNames, &SIM_NamesList::AlbumNames, &SIM_NamesList::SongNames}) {
        std::set<std::string> names(list->GetNames().begin(), list->GetNames().end());
        EXPECT_EQ(names.size(), list->GetNames().size());
        EXPECT_GE(names.size(), 150u);
    }
    SIM_Quote::Load();
    EXPECT_GE(SIM_Quote::All.size(), 40u);
    for (const auto& q : SIM_Quote::All)
        EXPECT_TRUE(!q->GetArtist().empty() && !q->GetBand().empty() && !q->GetQuote().empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(NamesTest, ARetiredQuoteIsNotDrawnAgainUntilEveryQuoteIsRetired)
{
    WriteData("quotes.csv", "header\n#,A,Band A,First.\n#,B,Band B,Second.\n#,C,Band C,Third.\n");
    std::set<std::string> shown;
    for (int i = 0; i < 3; ++i) {
        const SIM_Quote* q = SIM_Quote::GetRandomQuote();
        ASSERT_NE(q, nullptr);
        EXPECT_TRUE(shown.insert(q->GetQuote()).second) << q->GetQuote() << " shown twice";
        EXPECT_TRUE(SIM_Quote::Retire(q));
        EXPECT_EQ(SIM_Quote::All.size(), size_t(2 - i));
    }
    // Every quote has been shown: the next draw starts the file afresh.
    ASSERT_NE(SIM_Quote::GetRandomQuote(), nullptr);
    EXPECT_EQ(SIM_Quote::All.size(), 3u);

    // Only a quote the list handed out is retired.
    const SIM_Quote stranger("X", "Band X", "Not on the list.");
    EXPECT_FALSE(SIM_Quote::Retire(&stranger));
    EXPECT_FALSE(SIM_Quote::Retire(nullptr));
    EXPECT_EQ(SIM_Quote::All.size(), 3u);
    EXPECT_TRUE(screens.reports.empty());
}
