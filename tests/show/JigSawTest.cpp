// The song-writing jigsaw inside the real in-game screen, opened for a new song as the
// control panel's write-song activity opens it: dragging post-its into sections, the
// song's quality as the simulation computes it, naming, and finishing once.
#include "MiniGameFixture.h"
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Particles.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_JigSaw.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Riza.h"

#include <algorithm>

namespace {

class JigSawTest : public MiniGameTest {
protected:
    // Every element is on offer, so the pool holds more than the song's own.
    GUI_JigSaw* Open(bool checkClassic = true, bool oneElement = false)
    {
        for (SIM_SongElement* e : SIM_SongElement::All)
            SIM_SongElement::Unlock(e->GetName().c_str());
        song = SIM_Song::CreateNew(SIM_GetRiza()->GetValue("inspiration"));
        if (oneElement) {
            song->ClearElements();
            for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
                song->AddElement(SIM_SongElement::All.front(), SONG_SECTION(i));
        }
        GUI_JigSaw::Create(song, checkClassic);
        WaitFade();
        CloseHints();
        EXPECT_NE(GUI_JigSaw::PTheWindow.Get(), nullptr);
        return GUI_JigSaw::PTheWindow;
    }
    GUI_JigsawSection* Section(int i) { return GUI_JigsawSection::All[size_t(i)]; }
    V2 SlotCentre(int i)
    {
        const tagRECT& s = Section(i)->GetSlot();
        return V2(float(s.left + s.right) / 2.0f, float(s.top + s.bottom) / 2.0f);
    }
    // Drags the piece by its centre so that its centre ends at the point.
    void DragPiece(GUI_JigSawPiece* piece, V2 to)
    {
        Drag(piece->GetCenterX(), piece->GetCenterY(), to.x, to.y);
        Step();
        CloseHints();
    }
    // The song's quality for its present elements, as the simulation computes it.
    float Recomputed()
    {
        std::array<SIM_SongElement*, NUM_SONG_SECTIONS> e {};
        for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
            e[size_t(i)] = song->GetElement(SONG_SECTION(i));
        song->ClearElements();
        for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
            if (e[size_t(i)])
                song->AddElement(e[size_t(i)], SONG_SECTION(i));
        song->CalculateQuality();
        return song->GetQuality();
    }
    SIM_Song* song = nullptr;
};

TEST_F(JigSawTest, DroppingAPiecePlacesItsElementAndTheSongTakesTheComputedQuality)
{
    GUI_JigSaw* j = Open();
    ASSERT_EQ(GUI_JigsawSection::All.size(), size_t(NUM_SONG_SECTIONS));
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), j);
    // The new song's elements fill the sections; the pool offers the rest.
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
        ASSERT_NE(Section(i)->GetPiece(), nullptr);
        EXPECT_EQ(Section(i)->GetPiece()->GetElement(), song->GetElement(SONG_SECTION(i)));
    }
    ASSERT_FALSE(j->GetPool().empty());
    EXPECT_TRUE(j->GetFinishButton()->GetEnabled());
    for (const GUI_JigSawPiece* p : j->GetPool())
        EXPECT_FALSE(GUI_JigsawSection::InSection(p->GetElement()));

    // Drop a pool piece on the bridge: it replaces the piece there.
    GUI_JigSawPiece* piece = j->GetPool().front();
    SIM_SongElement* element = piece->GetElement();
    SIM_SongElement* replaced = song->GetElement(SONG_SECTION_BRIDGE);
    DragPiece(piece, SlotCentre(SONG_SECTION_BRIDGE));
    EXPECT_EQ(audio.Count("data/sounds/postit_grab.ogg"), 1);
    EXPECT_EQ(audio.Count("data/sounds/postit_place.ogg"), 1);
    EXPECT_EQ(Section(SONG_SECTION_BRIDGE)->GetPiece(), piece);
    EXPECT_EQ(song->GetElement(SONG_SECTION_BRIDGE), element);
    EXPECT_EQ(Section(SONG_SECTION_BRIDGE)->GetElementText(), "(" + element->GetGUIName() + ")");
    EXPECT_EQ(GUI_JigSawPiece::PDragged, nullptr);
    // The replaced element is offered again after the rebuild.
    Step();
    EXPECT_TRUE(std::any_of(j->GetPool().begin(), j->GetPool().end(),
                            [replaced](const GUI_JigSawPiece* p) { return p->GetElement() == replaced; }));
    const float shown = song->GetQuality();
    EXPECT_FLOAT_EQ(Recomputed(), shown);
    char percent[16];
    std::snprintf(percent, sizeof percent, "  %.0f%%", 100.0 * shown);
    EXPECT_NE(j->QualityText().find(percent), std::string::npos);
    SaveArtifact("jigsaw.png");
}

TEST_F(JigSawTest, MovingAPieceBetweenSectionsEmptiesTheFirstAndDropsOutsideGoHome)
{
    GUI_JigSaw* j = Open();
    GUI_JigSawPiece* intro = Section(SONG_SECTION_INTRO)->GetPiece();
    SIM_SongElement* verse = Section(SONG_SECTION_VERSE1)->GetPiece()->GetElement();
    // Onto its own section: kept there, placed again with its sound.
    DragPiece(intro, SlotCentre(SONG_SECTION_INTRO));
    EXPECT_EQ(Section(SONG_SECTION_INTRO)->GetPiece(), intro);
    EXPECT_EQ(audio.Count("data/sounds/postit_place.ogg"), 1);

    // A drop with the centre exactly on a slot's edge counts as inside.
    const tagRECT& slot = Section(SONG_SECTION_VERSE1)->GetSlot();
    DragPiece(intro, V2(float(slot.left), float(slot.top)));
    EXPECT_EQ(Section(SONG_SECTION_VERSE1)->GetPiece(), intro);
    EXPECT_EQ(Section(SONG_SECTION_INTRO)->GetPiece(), nullptr);
    EXPECT_EQ(song->GetElement(SONG_SECTION_INTRO), nullptr);
    Step();
    EXPECT_FALSE(j->GetFinishButton()->GetEnabled());
    // The verse's old piece is gone and its element is back in the pool.
    EXPECT_TRUE(std::any_of(j->GetPool().begin(), j->GetPool().end(),
                            [verse](const GUI_JigSawPiece* p) { return p->GetElement() == verse; }));

    // Dropped in no slot: back home, nothing changes.
    GUI_JigSawPiece* pooled = j->GetPool().front();
    SIM_SongElement* element = pooled->GetElement();
    DragPiece(pooled, V2(500.0f, 60.0f));
    Step();
    EXPECT_FALSE(GUI_JigsawSection::InSection(element));
    EXPECT_EQ(j->GetPool().front()->GetElement(), element);
    EXPECT_EQ(j->GetPool().front()->GetRect().left, 100);

    // Filling the intro again enables finishing.
    DragPiece(j->GetPool().front(), SlotCentre(SONG_SECTION_INTRO));
    Step();
    EXPECT_TRUE(j->GetFinishButton()->GetEnabled());
    EXPECT_TRUE(GUI_JigsawSection::ValidSong());
}

TEST_F(JigSawTest, TypedNameFinishingEndsTheDayOnceAndRemovesTheNameFromTheList)
{
    GUI_JigSaw* j = Open();
    const int days = Days();
    PressKey(kKeyForwardDelete);
    Step();
    TypeText("Night Bus");
    EXPECT_EQ(j->GetName(), "Night Bus");
    EXPECT_EQ(song->GetName(), "Night Bus");
    PressKey(kKeyBackspace);
    Step();
    EXPECT_EQ(song->GetName(), "Night Bu");
    // Shift with a digit gives the digit.
    PressKey(19, kModShift);
    Step();
    EXPECT_EQ(song->GetName(), "Night Bu2");
    // Escape types nothing and leaves the screen up.
    PressKey(kKeyEscape);
    Step();
    EXPECT_EQ(GUI_JigSaw::PTheWindow.Get(), j);
    SaveArtifact("jigsaw_named.png");

    ASSERT_TRUE(ClickButton("SONGWRITING_FINISH"));
    // During the fade: no key renames the song, no second click ends another day.
    TypeText("x");
    Click(j->GetFinishButton()->GetCenterX(), j->GetFinishButton()->GetCenterY());
    WaitFade();
    Step();
    EXPECT_EQ(GUI_JigSaw::PTheWindow.Get(), nullptr);
    EXPECT_EQ(song->GetName(), "Night Bu2");
    EXPECT_EQ(Days(), days + 1);
    EXPECT_FALSE(song->GetDescription().empty());
    EXPECT_TRUE(GUI_JigsawSection::All.empty());
    PutAwayDaysPage(); // the new day's page greets the player first
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
}

TEST_F(JigSawTest, BlankNamesBecomeUntitledAndARandomNameIsTakenFromTheList)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case {"", "Untitled"}, Case {"   ", "Untitled"}, Case {"  Low Tide ", "Low Tide"},
                          Case {"Echo", "Echo"}})
        EXPECT_EQ(GUI_JigSaw::FinalName(c.typed), c.kept) << '"' << c.typed << '"';

    GUI_JigSaw* j = Open(false);
    ClickCentre(static_cast<GUI_ButtonBase*>(j->GetRandomButton()));
    Step();
    const std::string random = song->GetName();
    EXPECT_EQ(j->GetName(), random);
    EXPECT_FALSE(random.empty());
    ASSERT_TRUE(ClickButton("SONGWRITING_FINISH"));
    WaitFade();
    Step();
    // A name handed out once is not handed out again.
    for (int i = 0; i < 50; ++i)
        EXPECT_NE(SIM_NamesList::SongNames.GetRandom(), random);

    // Cleared to nothing and finished: stored as "Untitled".
    j = Open(false);
    PressKey(kKeyForwardDelete);
    Step();
    ASSERT_TRUE(ClickButton("SONGWRITING_FINISH"));
    WaitFade();
    EXPECT_EQ(song->GetName(), "Untitled");
}

TEST_F(JigSawTest, TheNamingHintFollowsTwoJigsawsClosedWithoutARandomName)
{
    GUI_JigSaw::ConsecutiveDefaultNames = 0;
    for (int i = 0; i < 2; ++i) {
        Open();
        EXPECT_FALSE(GUI_HintHelp::Find("song edit name")->shown) << i;
        ASSERT_TRUE(ClickButton("SONGWRITING_FINISH"));
        WaitFade();
    }
    EXPECT_EQ(GUI_JigSaw::ConsecutiveDefaultNames, 2);
    Open();
    EXPECT_TRUE(GUI_HintHelp::Find("song edit name")->shown);
}

TEST_F(JigSawTest, ScrollingShiftsThePoolOneElementAtATime)
{
    // A song of one element in every section leaves every other element on offer.
    GUI_JigSaw* j = Open(true, true);
    Step();
    const int candidates = j->GetCandidates();
    ASSERT_GT(candidates, 18) << "the shipped elements no longer fill two rows";
    EXPECT_EQ(j->GetPool().size(), 18u);
    EXPECT_FALSE(j->GetScrollLeftButton()->IsVisible());
    EXPECT_TRUE(j->GetScrollRightButton()->IsVisible());
    SIM_SongElement* second = j->GetPool()[1]->GetElement();
    ClickCentre(static_cast<GUI_ButtonBase*>(j->GetScrollRightButton()));
    Step();
    EXPECT_EQ(j->GetScrollOffset(), 1);
    EXPECT_EQ(j->GetPool().front()->GetElement(), second);
    EXPECT_TRUE(j->GetScrollLeftButton()->IsVisible());
    SaveArtifact("jigsaw_scrolled.png");
    ClickCentre(static_cast<GUI_ButtonBase*>(j->GetScrollLeftButton()));
    Step();
    EXPECT_EQ(j->GetScrollOffset(), 0);
}

TEST_F(JigSawTest, ALinkingDropSoundsAndTheNotesStopWhenTheScreenCloses)
{
    GUI_JigSaw* j = Open();
    // A pool piece whose left edge matches the right edge of the intro's piece links the
    // intro to the first verse.
    const int introRight = Section(SONG_SECTION_INTRO)->GetPiece()->GetRightColor();
    GUI_JigSawPiece* linking = nullptr;
    for (GUI_JigSawPiece* p : j->GetPool())
        if (p->GetLeftColor() == introRight)
            linking = p;
    if (!linking)
        GTEST_SKIP() << "no pool piece matches this song's intro";
    DragPiece(linking, SlotCentre(SONG_SECTION_VERSE1));
    EXPECT_TRUE(GUI_JigsawSection::Linked(SONG_SECTION_INTRO));
    int matches = 0;
    for (int i = 0; i < 3; ++i)
        matches += audio.Count("data/sounds/song_match_" + std::to_string(i) + ".ogg");
    EXPECT_EQ(matches, 1);
    const auto notes = [] {
        return std::count_if(GUI_ParticleManager::Emmiters.begin(), GUI_ParticleManager::Emmiters.end(),
                             [](const GUI_ParticleEmmiter* e) { return e->GetConfigName() == "songnotes"; });
    };
    EXPECT_GE(notes(), 2);
    ASSERT_TRUE(ClickButton("SONGWRITING_FINISH"));
    WaitFade();
    EXPECT_EQ(notes(), 0);
}

TEST_F(JigSawTest, APoolRebuiltUnderADragLetsGoOfTheDraggedPiece)
{
    GUI_JigSaw* j = Open();
    GUI_JigSawPiece* piece = j->GetPool().front();
    SIM_SongElement* element = piece->GetElement();
    MouseDown(piece->GetCenterX(), piece->GetCenterY());
    Step();
    ASSERT_EQ(GUI_JigSawPiece::PDragged, piece);
    MoveMouse(300.0f, 330.0f);
    Step();
    // The pool is made anew while the piece is held: the held piece goes with it.
    j->SetRebuildPieces();
    Step();
    EXPECT_EQ(GUI_JigSawPiece::PDragged, nullptr);
    MouseUp(300.0f, 330.0f);
    Step(2);
    EXPECT_FALSE(GUI_JigsawSection::InSection(element));
    EXPECT_EQ(j->GetPool().front()->GetElement(), element);
}

} // namespace
