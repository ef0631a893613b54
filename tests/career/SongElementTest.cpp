// Song elements: the table, finding by name, unlocking and relocking, and what goes when
// an element is deleted.
#include "career/CareerFixture.h"

#include <algorithm>
#include <cstdlib>

TEST_F(CareerTest, ElementRowsReadEveryColumnInFileOrder)
{
    UseElements({"riff  ,Big riff  ,1  ,MUSIC  ,0.8", "words,Some words,0,LYRICS,0.5", "low,Low,7,music,0.25",
                 "odd,Odd,0,lyrics,1"});
    ASSERT_EQ(SIM_SongElement::All.size(), 4u);
    const SIM_SongElement* riff = SIM_SongElement::All[0];
    EXPECT_EQ(riff->GetName(), "riff");
    EXPECT_EQ(riff->GetGUIName(), "Big riff");
    EXPECT_TRUE(riff->IsAvailable());
    EXPECT_EQ(riff->GetType(), SIM_SongElement::MUSIC);
    EXPECT_FLOAT_EQ(riff->GetBaseQuality(), 0.8f);
    EXPECT_EQ(SIM_SongElement::All[1]->GetType(), SIM_SongElement::LYRICS);
    EXPECT_FALSE(SIM_SongElement::All[1]->IsAvailable());
    EXPECT_TRUE(SIM_SongElement::All[2]->IsAvailable()) << "any non-zero number is available";
    // Type words are exact: lower-case words read as music.
    EXPECT_EQ(SIM_SongElement::All[2]->GetType(), SIM_SongElement::MUSIC);
    EXPECT_EQ(SIM_SongElement::All[3]->GetType(), SIM_SongElement::MUSIC);
    for (const SIM_SongElement* e : SIM_SongElement::All) {
        EXPECT_GE(e->GetPostitID(), 0);
        EXPECT_LE(e->GetPostitID(), 2);
        EXPECT_EQ(e->GetUnlocker(), nullptr);
    }
    EXPECT_TRUE(screens.reports.empty());

    // A new game reads the table afresh rather than adding to it.
    SIM_SongElement::All[0]->UnlockElement(nullptr);
    SIM_SongElement::All[1]->UnlockElement(nullptr);
    SIM_SongElement::Open();
    ASSERT_EQ(SIM_SongElement::All.size(), 4u);
    EXPECT_FALSE(SIM_SongElement::All[1]->IsAvailable());
}

TEST_F(CareerTest, NamesFindTheFirstElementAndUnknownNamesAreReported)
{
    UseElements({"twin,First,0,MUSIC,0.5", "twin,Second,0,MUSIC,0.5"});
    SIM_SongElement* first = SIM_SongElement::All[0];
    EXPECT_EQ(Element("twin"), first);
    SIM_SongElement::Unlock("twin");
    EXPECT_TRUE(first->IsAvailable());
    EXPECT_FALSE(SIM_SongElement::All[1]->IsAvailable());
    EXPECT_TRUE(screens.reports.empty());

    EXPECT_EQ(Element("nothing"), nullptr);
    SIM_SongElement::Unlock("nothing");
    SIM_SongElement::Unlock(nullptr);
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning Song element not found",
                                                          "GError Song Element not found",
                                                          "GError Song Element not found"}));
}

TEST_F(CareerTest, ChoosingFromAnEmptyTableGivesNoneInsteadOfDividingByZero)
{
    UseElements({"only,Only,1,MUSIC,0.5"});
    EXPECT_EQ(SIM_SongElement::ChooseRandom(), SIM_SongElement::All[0]);
    SIM_SongElement::Close();
    EXPECT_EQ(SIM_SongElement::ChooseRandom(), nullptr);
    EXPECT_EQ(screens.Alerts().size(), 1u);
}

TEST_F(CareerTest, OnlyTheFirstUnlockerLocksAnElementAgain)
{
    UseElements({"riff,Riff,0,MUSIC,0.5"});
    SIM_SongElement* riff = Element("riff");
    SIM_Musician* a = Make(INSTRUMENT_GUITAR);
    SIM_Musician* b = Make(INSTRUMENT_BASS);

    struct Step {
        const char* what;
        bool unlock;
        SIM_Person* person;
        bool availableAfter;
        SIM_Person* unlockerAfter;
    };
    const Step steps[] = {
        {"a unlocks", true, a, true, a},
        {"b unlocks too: a stays the unlocker", true, b, true, a},
        {"b cannot relock", false, b, true, a},
        {"nobody cannot relock", false, nullptr, true, a},
        {"a relocks", false, a, false, nullptr},
        {"a relocks again: nothing", false, a, false, nullptr},
        {"a rival band unlocks", true, nullptr, true, nullptr},
        {"a musician bringing it later does not own it", true, b, true, nullptr},
        {"so he cannot lock it", false, b, true, nullptr},
        {"and nobody can", false, nullptr, true, nullptr},
    };
    for (const Step& s : steps) {
        if (s.unlock)
            riff->UnlockElement(s.person);
        else
            riff->RelockElement(s.person);
        EXPECT_EQ(riff->IsAvailable(), s.availableAfter) << s.what;
        EXPECT_EQ(riff->GetUnlocker(), s.unlockerAfter) << s.what;
    }
}

TEST_F(CareerTest, JoiningTheBandUnlocksTheMusiciansElementAndLeavingLocksIt)
{
    UseElements({"riff,Riff,0,MUSIC,0.5", "start,Start,1,MUSIC,0.5"});
    SIM_Musician* guitarist = Make(INSTRUMENT_GUITAR);
    guitarist->SetSongElement(Element("riff"));
    SIM_Musician* drummer = Make(INSTRUMENT_DRUMS);
    drummer->SetSongElement(Element("start"));

    SIM_GetBand()->AddMusician(guitarist);
    SIM_GetBand()->AddMusician(drummer);
    EXPECT_TRUE(Element("riff")->IsAvailable());
    EXPECT_EQ(Element("riff")->GetUnlocker(), guitarist);
    EXPECT_EQ(Element("start")->GetUnlocker(), nullptr) << "available from the start: nobody unlocked it";

    SIM_GetBand()->RemoveMusician(drummer);
    EXPECT_TRUE(Element("start")->IsAvailable());
    SIM_GetBand()->RemoveMusician(guitarist);
    EXPECT_FALSE(Element("riff")->IsAvailable());
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(CareerTest, ADeletedElementLeavesNoSongSectionOrMusicianPointingAtIt)
{
    UseElements({"riff,Riff,1,MUSIC,0.5", "words,Words,1,LYRICS,0.5"});
    SIM_Song* song = SongWith({{"riff", 0.5f, 0, 0}, {"words", 0.5f, 0, 0}});
    song->AddElement(Element("riff"), SONG_SECTION_INTRO);
    song->AddElement(Element("words"), SONG_SECTION_VERSE1);
    song->AddElement(Element("riff"), SONG_SECTION_OUTTRO);
    SIM_Musician* m = Hire(INSTRUMENT_GUITAR);
    m->SetSongElement(Element("riff"));

    delete Element("riff");
    EXPECT_EQ(song->GetElement(SONG_SECTION_INTRO), nullptr);
    EXPECT_EQ(song->GetElement(SONG_SECTION_OUTTRO), nullptr);
    EXPECT_EQ(song->GetElement(SONG_SECTION_VERSE1), Element("words"));
    EXPECT_EQ(m->GetSongElement(), nullptr);
    EXPECT_EQ(SIM_SongElement::All.size(), 1u);
}

TEST_F(CareerTest, ADeletedMusicianIsForgottenAsAnUnlocker)
{
    UseElements({"riff,Riff,0,MUSIC,0.5"});
    SIM_Musician* m = Hire(INSTRUMENT_GUITAR);
    Element("riff")->UnlockElement(m);
    delete m;
    EXPECT_TRUE(Element("riff")->IsAvailable());
    EXPECT_EQ(Element("riff")->GetUnlocker(), nullptr);
}
