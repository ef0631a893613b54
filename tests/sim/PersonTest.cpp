// Save/load ids, people and personalities.
#include "engine/GRandom.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Person.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_SLIDBase.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

class SLIDTest : public SandboxTest {
protected:
    int Errors() const
    {
        return int(std::count_if(screens.reports.begin(), screens.reports.end(), [](const std::string& r) {
            return r.find("Failure to find Save/Load ID") != std::string::npos;
        }));
    }
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(SLIDTest, IdsAreConsecutiveAndFoundWhileAlive)
{
    SIM_SLIDBase::SetTopSLID(100);
    auto a = std::make_unique<SIM_SLIDBase>();
    auto b = std::make_unique<SIM_SLIDBase>();
    EXPECT_EQ(a->GetSLID(), 100);
    EXPECT_EQ(b->GetSLID(), 101);
    EXPECT_EQ(SIM_SLIDBase::GetTopSLID(), 102);
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(101), b.get());

    b->SetSLID(100); // a restored id equal to another: the one created first is found
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(100), a.get());
    a.reset();
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(100), b.get());
    EXPECT_EQ(Errors(), 0);
}

TEST_F(SLIDTest, UnresolvedIdsAreReportedOncePerId)
{
    SIM_SLIDBase::ForgetUnresolved();
    int gone;
    {
        SIM_SLIDBase deleted;
        gone = deleted.GetSLID();
    }
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(gone), nullptr);
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(gone), nullptr); // the same damaged reference again
    EXPECT_EQ(Errors(), 1);
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(-7), nullptr);   // another missing id
    EXPECT_EQ(Errors(), 2);
    SIM_SLIDBase::ForgetUnresolved();                  // the next load reports afresh
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(gone), nullptr);
    EXPECT_EQ(Errors(), 3);
}

TEST_F(SLIDTest, CounterOutsideItsRangeIsReportedAndGoesOn)
{
    SIM_SLIDBase::SetTopSLID(SIM_SLIDBase::MaxSLID - 1);
    EXPECT_TRUE(screens.reports.empty());
    EXPECT_EQ(SIM_SLIDBase::CreateSLID(), SIM_SLIDBase::MaxSLID - 1);
    EXPECT_TRUE(screens.reports.empty());
    EXPECT_EQ(SIM_SLIDBase::CreateSLID(), SIM_SLIDBase::MaxSLID);
    EXPECT_EQ(screens.reports.size(), 1u);
    SIM_SLIDBase::SetTopSLID(-1);
    EXPECT_EQ(screens.reports.size(), 2u);
    SIM_SLIDBase::SetTopSLID(0);
}

TEST(PersonTest, NamesAndTheListOfPeople)
{
    size_t before = SIM_Person::All.size();
    auto person = std::make_unique<SIM_Person>();
    EXPECT_EQ(SIM_Person::All.size(), before + 1);
    EXPECT_EQ(SIM_Person::All.back(), person.get());
    EXPECT_EQ(person->GetFullName(), "");
    EXPECT_EQ(person->GetGender(), SIM_GENDER_MALE);
    person->SetName("Ann", "");
    EXPECT_EQ(person->GetFullName(), "Ann ");
    person->SetName("Ann", "Kestrel");
    EXPECT_EQ(person->GetForeName(), "Ann");
    EXPECT_EQ(person->GetSurName(), "Kestrel");
    EXPECT_EQ(person->GetFullName(), "Ann Kestrel");
    EXPECT_EQ(SIM_SLIDBase::GetBySLID(person->GetSLID()), person.get());
    person.reset();
    EXPECT_EQ(SIM_Person::All.size(), before);
}

TEST(PersonTest, RandomGenderTakesOneDraw)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        std::srand(seed);
        SIM_GENDER expected = GRandom::RandUnitFloat() < 0.5f ? SIM_GENDER_MALE : SIM_GENDER_FEMALE;
        int next = std::rand();
        std::srand(seed);
        SIM_Person person;
        person.ChooseRandomGender();
        EXPECT_EQ(person.GetGender(), expected);
        EXPECT_EQ(std::rand(), next);
    }
}

// People are owned by their lists; their reference count can never release them.
template <class T>
concept CanBeReleasedByCount = requires(T& t) { t.RemoveRefcount(); };
static_assert(!CanBeReleasedByCount<SIM_Person>);
static_assert(!CanBeReleasedByCount<SIM_Musician>);

namespace {

class PersonalityTest : public SandboxTest {
protected:
    void TearDown() override
    {
        SIM_Personality::Close();
        GetDebug()->Shutdown();
        SandboxTest::TearDown();
    }
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(PersonalityTest, TableIsReadAndNamesMatchExactly)
{
    resources.Write("data/simulation/personalities.csv",
                    "name,display name,description\n"
                    "#,Lazy,Lazy (capital),first\n"
                    "#,lazy  ,Lazy,second\r\n"
                    "#, optimistic,Optimistic,\"Cheerful, always\"  \r\n"
                    "  #,skipped,Skipped,not a row\n");
    SIM_Personality::Open();
    ASSERT_EQ(SIM_Personality::All.size(), 3u);
    SIM_Personality* lazy = SIM_Personality::GetByName("lazy");
    ASSERT_NE(lazy, nullptr);
    EXPECT_EQ(lazy->GetDescription(), "second"); // not the capitalised row
    EXPECT_EQ(SIM_Personality::GetByName("Lazy")->GetGUIName(), "Lazy (capital)");
    EXPECT_EQ(SIM_Personality::GetByName("optimistic"), nullptr); // the leading blank stays
    SIM_Personality* optimistic = SIM_Personality::GetByName(" optimistic");
    ASSERT_NE(optimistic, nullptr);
    EXPECT_EQ(optimistic->GetDescription(), "Cheerful, always");
    EXPECT_TRUE(screens.reports.empty());

    SIM_Personality::Open(); // opening again replaces the table
    EXPECT_EQ(SIM_Personality::All.size(), 3u);
}

TEST_F(PersonalityTest, UnknownNameIsLoggedAndAnswersNone)
{
    OpenSandboxDebugLog();
    resources.Write("data/simulation/personalities.csv", "#,lazy,Lazy,x\n");
    SIM_Personality::Open();
    EXPECT_EQ(SIM_Personality::GetByName("grumpy"), nullptr);
    EXPECT_NE(SandboxDebugLog().find("failed to find personality: (grumpy)"), std::string::npos);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PersonalityTest, EmptyTableAnswersNoneAfterItsAssertion)
{
    SIM_Personality::Open(); // no file: an empty table
    EXPECT_TRUE(SIM_Personality::All.empty());
    EXPECT_EQ(SIM_Personality::GetByName("lazy"), nullptr);
    EXPECT_EQ(SIM_Personality::GetRandom(), nullptr);
    EXPECT_EQ(screens.reports.size(), 2u);
}

TEST_F(PersonalityTest, RandomPicksByPosition)
{
    resources.Write("data/simulation/personalities.csv", "#,a,A,x\n#,b,B,x\n#,c,C,x\n");
    SIM_Personality::Open();
    for (unsigned seed : {7u, 8u, 9u}) {
        std::srand(seed);
        int expected = std::rand() % 3;
        std::srand(seed);
        EXPECT_EQ(SIM_Personality::GetRandom(), SIM_Personality::All[expected]);
    }
}

TEST_F(PersonalityTest, BandCountsMembersWithATrait)
{
    resources.Write("data/simulation/personalities.csv", "#,lazy,Lazy,x\n#,peacemaker,Peacemaker,x\n");
    SIM_Personality::Open();
    SIM_Musician a, b, c;
    a.AddPersonality(SIM_Personality::GetByName("lazy"));
    b.AddPersonality(SIM_Personality::GetByName("lazy"));
    b.AddPersonality(SIM_Personality::GetByName("peacemaker"));
    c.AddPersonality(SIM_Personality::GetByName("peacemaker"));
    EXPECT_TRUE(b.HasPersonality("peacemaker"));
    EXPECT_FALSE(a.HasPersonality("Lazy"));
    SIM_Band* band = SIM_GetBand();
    band->ClearMembers();
    band->AddMusician(&a);
    band->AddMusician(&b);
    EXPECT_EQ(band->CountPersonalities("lazy"), 2);
    EXPECT_EQ(band->CountPersonalities("peacemaker"), 1); // c is not in the band
    EXPECT_EQ(band->CountPersonalities("disruptor"), 0);
    band->ClearMembers();
}

TEST_F(PersonalityTest, ShippedTableHasEveryTraitTheRulesTest)
{
    CopyShippedData();
    SIM_Personality::Open();
    for (const char* name : {"ambitious", "egotistical", "optimistic", "pessimistic", "lazy", "energetic",
                             "imaginitive", "charismatic", "peacemaker", "disruptor", "businessman",
                             "destructive"})
        EXPECT_NE(SIM_Personality::GetByName(name), nullptr) << name;
    std::set<std::string> names;
    for (const SIM_Personality* p : SIM_Personality::All) {
        EXPECT_TRUE(names.insert(p->GetName()).second) << "twice: " << p->GetName();
        EXPECT_FALSE(p->GetGUIName().empty()) << p->GetName();
        EXPECT_FALSE(p->GetDescription().empty()) << p->GetName();
        for (const std::string* text : {&p->GetName(), &p->GetGUIName(), &p->GetDescription()})
            for (char ch : *text)
                EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << p->GetName();
    }
    EXPECT_GT(SIM_Personality::All.size(), 12u);
    EXPECT_TRUE(screens.reports.empty());
}
