// Audition candidates: reading the rows (instrument and gender words, personality cells,
// names and potential) and choosing rows, with the reload when an instrument runs out.
#include "engine/GProfileStore.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Names.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <set>

namespace {

class AuditioneeTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        std::srand(11);
        resources.Write("data/simulation/maleforenames.csv", "#,Abel\n");
        resources.Write("data/simulation/femaleforenames.csv", "#,Cora\n");
        resources.Write("data/simulation/surnames.csv", "#,Ellery\n");
        SIM_Names::Open();
    }
    void TearDown() override
    {
        SIM_Auditionee::Close();
        SIM_Names::Close();
        SandboxTest::TearDown();
    }
    void WriteRows(const std::string& rows)
    {
        resources.Write("data/simulation/auditionees.csv", "Columns: marker, instrument...\n" + rows);
    }
    static std::vector<SIM_Auditionee*> Rows()
    {
        std::vector<SIM_Auditionee*> rows;
        for (const auto& r : SIM_Auditionee::Available)
            rows.push_back(r.get());
        return rows;
    }

    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(AuditioneeTest, RowsReadTheirWordsNamesAndPersonalities)
{
    WriteRows("#,GUITAR ,MALE ,basicguitar ,0.8,starter guitar  ,lazy,shy,none,,ambitious \r\n"
              "#,guitar,FEMALE,uptempo,0.5,starter guitar,none\n"
              "#,TUBA,male,ambition,1.0,starter microphone\n");
    SIM_Auditionee::Open();
    auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]->GetInstrument(), 3);
    EXPECT_EQ(rows[0]->GetGender(), 0);
    EXPECT_EQ(rows[0]->GetSongElement(), "basicguitar");
    EXPECT_FLOAT_EQ(rows[0]->GetAbilityFactor(), 0.8f);
    EXPECT_EQ(rows[0]->GetPossession(), "starter guitar");
    // Short personality names are real personalities; "none" and empty cells are not.
    EXPECT_EQ(rows[0]->GetPersonalities(), (std::vector<std::string> {"lazy", "shy", "ambitious"}));
    EXPECT_EQ(rows[0]->GetForename(), "Abel");
    EXPECT_EQ(rows[0]->GetSurname(), "Ellery");
    EXPECT_TRUE(rows[0]->GetPotential() >= 0.85f && rows[0]->GetPotential() <= 1.0f);
    EXPECT_TRUE(rows[0]->GetPortrait().empty());

    // Lower-case or unknown instrument words sing; any gender word but MALE is female.
    EXPECT_EQ(rows[1]->GetInstrument(), 5);
    EXPECT_EQ(rows[1]->GetGender(), 1);
    EXPECT_EQ(rows[1]->GetForename(), "Cora");
    EXPECT_TRUE(rows[1]->GetPersonalities().empty());
    EXPECT_EQ(rows[2]->GetInstrument(), 5);
    EXPECT_EQ(rows[2]->GetGender(), 1);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(AuditioneeTest, InstrumentWords)
{
    const std::pair<const char*, int> cases[] = {{"KEYBOARD", 0}, {"DRUMS", 1}, {"BASS", 2}, {"GUITAR", 3},
                                                 {"SAXOPHONE", 4}, {"VOCALS", 5}, {"Drums", 5}, {"", 5}};
    for (const auto& [word, instrument] : cases)
        EXPECT_EQ(SIM_Auditionee::InstrumentFromWord(word), instrument) << word;
}

TEST_F(AuditioneeTest, ChoosingTakesRowsOfTheInstrumentAndReloadsWhenTheyRunOut)
{
    WriteRows("#,GUITAR,MALE,a,0.5,g,none\n#,DRUMS,MALE,b,0.5,d,none\n#,GUITAR,FEMALE,c,0.5,g,none\n");
    SIM_Auditionee::Open();
    SIM_Auditionee* drums = SIM_Auditionee::ChooseRandomly(1);
    ASSERT_NE(drums, nullptr);
    EXPECT_EQ(drums->GetSongElement(), "b");
    SIM_Auditionee::Remove(drums);

    std::set<std::string> guitars;
    for (int i = 0; i < 2; ++i) {
        SIM_Auditionee* g = SIM_Auditionee::ChooseRandomly(3);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->GetInstrument(), 3);
        guitars.insert(g->GetSongElement());
        SIM_Auditionee::Remove(g);
        EXPECT_TRUE(SIM_Auditionee::Potentials.empty());
    }
    EXPECT_EQ(guitars, (std::set<std::string> {"a", "c"}));
    EXPECT_TRUE(SIM_Auditionee::Available.empty());

    // The last guitar row is gone: the next guitar candidate reloads every row, the
    // drummer taken earlier included.
    ASSERT_NE(SIM_Auditionee::ChooseRandomly(3), nullptr);
    EXPECT_EQ(SIM_Auditionee::Available.size(), 3u);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(AuditioneeTest, NoRowForAnInstrumentGivesNoneAfterAnAssertion)
{
    WriteRows("#,GUITAR,MALE,a,0.5,g,none\n");
    SIM_Auditionee::Open();
    EXPECT_EQ(SIM_Auditionee::ChooseRandomly(4), nullptr);
    EXPECT_EQ(screens.reports.size(), 1u);

    WriteRows("");
    SIM_Auditionee::Open();
    EXPECT_EQ(SIM_Auditionee::ChooseRandomly(3), nullptr);
    // The empty file is reported at Open and at both reloads of the choice, then the pick.
    EXPECT_EQ(screens.reports.size(), 5u);
}
