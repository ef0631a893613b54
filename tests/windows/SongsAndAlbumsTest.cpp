// The band's songs and albums inside the real in-game screen: the song list panel and the
// song details dialog, the new-album screen with its studio cards, the CD mixer and the
// recording studio screen, driven by real clicks and keys.
#include "harness/GameHarness.h"
#include "show/GUI_JigSaw.h"
#include "show/GUI_MixingGame.h"

#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_StandIn.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_MusicianFactory.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "windows/GUI_CDMixer.h"
#include "windows/GUI_NewAlbum.h"
#include "windows/GUI_SongList.h"
#include "windows/GUI_Studio.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

class SongsAndAlbumsTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        // The screens' once-only hints are tested on their own; here they stay out of the way.
        for (const char* key : {"song details", "new album", "cd mixing"})
            if (GUI_HintHelp::HintData* hint = GUI_HintHelp::Find(key))
                hint->shown = true;
        GUI_StandInCalls().clear();
    }


    // A written song with a name and a quality, as the jigsaw leaves one.
    SIM_Song* WriteSong(const std::string& name, float quality = 0.5f)
    {
        SIM_Song* song = SIM_Song::CreateNew(0.5f);
        song->SetName(name);
        song->SetQuality(quality);
        return song;
    }
    void WriteSongs(int count)
    {
        for (int i = 0; i < count; ++i)
            WriteSong("Song " + std::to_string(i + 1), 0.1f * float(i % 10));
        SIM_GetScreens()->RefreshSongList();
    }
    void Hire(int count)
    {
        const INSTRUMENT lineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                                     INSTRUMENT_SAXOPHONE, INSTRUMENT_GUITAR};
        for (int i = 0; i < count; ++i) {
            SIM_Musician* m = SIM_MusicianFactory::CreateMusician(lineUp[i % 6]);
            m->SetGender(SIM_GENDER_MALE, "male01");
            SIM_GetBand()->AddMusician(m);
        }
    }
    std::vector<GUI_SongEntry*> SongRows()
    {
        std::vector<GUI_SongEntry*> rows;
        for (GUI_WindowBase* child : GUI_GetSongList()->Children())
            if (auto* row = dynamic_cast<GUI_SongEntry*>(child))
                rows.push_back(row);
        return rows;
    }
    int DummyRows()
    {
        int n = 0;
        for (GUI_WindowBase* child : GUI_GetSongList()->Children())
            n += dynamic_cast<GUI_DummySongEntry*>(child) != nullptr;
        return n;
    }
    GUI_SongEntry* RowOf(const SIM_Song* song)
    {
        for (GUI_SongEntry* row : SongRows())
            if (row->GetSong() == song)
                return row;
        return nullptr;
    }
    static GUI_AlbumTrack* TrackOf(const SIM_Song* song, bool inAlbum)
    {
        for (GUI_AlbumTrack* track : GUI_AlbumTrack::All)
            if (track->GetSong() == song && track->IsInAlbum() == inAlbum)
                return track;
        return nullptr;
    }
    static void RemoveAllSongs()
    {
        while (!SIM_Song::All.empty())
            delete SIM_Song::All.back();
    }
    int Required() { return int(SIM_GetGlobalVariables()->Get("RS_SONGS_REQ_FOR_GIG")); }
};

// ---- the song list ----------------------------------------------------------------

TEST_F(SongsAndAlbumsTest, SongListFollowsTheSongsWithPlaceholdersUpToAGigsWorth)
{
    GUI_SongList* list = GUI_GetSongList();
    EXPECT_FALSE(list->GetCloseOnRestart());
    EXPECT_TRUE(GUI_GetWindowManager()->IsRegistered(list));
    // A new game's rows are its songs, then placeholders up to what a gig needs.
    const int songs = int(SIM_Song::All.size());
    EXPECT_EQ(int(SongRows().size()), songs);
    EXPECT_EQ(DummyRows(), std::max(0, Required() - songs));

    // No songs at all: a panel two rows high, the placeholders running on below it.
    RemoveAllSongs();
    SIM_GetScreens()->RefreshSongList();
    EXPECT_EQ(list->GetRect().top, 76);
    EXPECT_EQ(list->GetHeight(), 48);
    EXPECT_EQ(DummyRows(), Required());
    EXPECT_TRUE(SongRows().empty());
    const auto& children = list->Children();
    ASSERT_EQ(int(children.size()), Required());
    EXPECT_EQ(children.back()->GetRect().top, 76 + 24 * (Required() - 1));
    EXPECT_EQ(dynamic_cast<GUI_DummySongEntry*>(children.front())->GetText(), "- - - - - -");

    // A new song shows as a row at once; long names are cut with dots.
    SIM_Song* song = WriteSong("A Very Long Song About Trains");
    SIM_GetScreens()->RefreshSongList();
    ASSERT_NE(RowOf(song), nullptr);
    EXPECT_EQ(RowOf(song)->GetName(), "A Very Long ...");
    EXPECT_EQ(RowOf(song)->GetRect().top, 76);
    EXPECT_EQ(DummyRows(), Required() - 1);

    // Tinted only once boredom is above one fifth.
    struct Case {
        float boredom;
        bool tinted;
    };
    for (const Case& c : {Case {0.0f, false}, Case {0.2f, false}, Case {0.21f, true}, Case {1.0f, true}}) {
        song->SetBoredom(c.boredom);
        EXPECT_EQ(RowOf(song)->IsTinted(), c.tinted) << c.boredom;
    }
    // Placeholder rows take no clicks.
    const GUI_WindowBase* dummy = list->Children().back();
    ClickCentre(dummy);
    EXPECT_EQ(GUI_SongDetails::PTheWindow, nullptr);

    // A new game starts the list again from its own songs.
    WriteSongs(3);
    EXPECT_EQ(int(SongRows().size()), 4);
    SIM_GetSim()->Reset();
    GUI_GetGUI()->StartNewGame();
    EXPECT_EQ(int(SongRows().size()), int(SIM_Song::All.size()));
    Step();
    SaveArtifact("song_list.png");
}

TEST_F(SongsAndAlbumsTest, EverySongCanBeReachedWhenTheListOutgrowsTheScreen)
{
    GUI_SongList* list = GUI_GetSongList();
    RemoveAllSongs();
    WriteSongs(15);
    // Fifteen songs fit: no arrows, every row from the top.
    EXPECT_EQ(int(SongRows().size()), 15);
    EXPECT_FALSE(list->GetDownButton()->IsVisible());
    EXPECT_FALSE(list->GetUpButton()->IsVisible());

    WriteSongs(45); // sixty songs
    const int fit = list->RowsThatFit();
    ASSERT_LT(fit, 60);
    EXPECT_EQ(int(list->Children().size()), fit);
    EXPECT_LE(list->Children().back()->GetRect().bottom, int(D3DEngine::H));
    ASSERT_TRUE(list->GetDownButton()->IsVisible());
    EXPECT_FALSE(list->GetUpButton()->IsVisible());
    Step();
    SaveArtifact("song_list_paged.png");

    std::set<SIM_Song*> seen;
    for (int page = 0; page < 10; ++page) {
        for (GUI_SongEntry* row : SongRows())
            seen.insert(row->GetSong());
        if (!list->GetDownButton()->IsVisible())
            break;
        ClickCentre(list->GetDownButton());
    }
    EXPECT_EQ(seen.size(), SIM_Song::All.size());
    EXPECT_TRUE(list->GetUpButton()->IsVisible());
    // The last page ends with the last song; paging up returns to the first.
    EXPECT_EQ(SongRows().back()->GetSong(), SIM_Song::All.back());
    while (list->GetUpButton()->IsVisible())
        ClickCentre(list->GetUpButton());
    EXPECT_EQ(list->FirstRow(), 0);
    EXPECT_EQ(SongRows().front()->GetSong(), SIM_Song::All.front());
}

// ---- song details -----------------------------------------------------------------

TEST_F(SongsAndAlbumsTest, DetailsRetireASongAndTheListLosesIt)
{
    SIM_Song* song = WriteSong("Harbour Lights", 0.7f);
    song->SetBoredom(0.3f);
    SIM_GetScreens()->RefreshSongList();
    const int before = SIM_GetSim()->GetTurnCount();
    GUI_HintHelp::Find("song details")->shown = false;
    ClickCentre(RowOf(song));
    ASSERT_NE(GUI_SongDetails::PTheWindow, nullptr);
    GUI_SongDetails* details = GUI_SongDetails::PTheWindow;
    EXPECT_EQ(details->GetTitle(), "Harbour Lights");
    EXPECT_EQ(details->GetWidth(), 550);
    EXPECT_EQ(details->GetHeight(), 290);
    EXPECT_EQ(details->GetWriterLine().find("Written by " + SIM_GetBand()->GetName()), 0u);
    EXPECT_TRUE(details->GetRetireButton()->GetEnabled());
    EXPECT_TRUE(details->GetImproveButton()->GetEnabled());
    EXPECT_TRUE(GUI_HintHelp::Find("song details")->shown);
    GUI_HintHelp::Find("song details")->shown = true;
    while (GUI_HintHelp::IsActive())
        delete GUI_HintHelp::AllWindows.back();
    Step();
    SaveArtifact("song_details.png");

    // Opening another row replaces the dialog.
    SIM_Song* other = SIM_Song::All.front();
    ClickCentre(RowOf(other));
    ASSERT_NE(GUI_SongDetails::PTheWindow, nullptr);
    EXPECT_EQ(GUI_SongDetails::PTheWindow->GetSong(), other);
    EXPECT_EQ(int(ScreenWindows().size()), 1);
    ClickCentre(RowOf(song));

    ASSERT_TRUE(ClickButton("SONGDETAILS_RETIRE"));
    EXPECT_EQ(GUI_SongDetails::PTheWindow, nullptr);
    EXPECT_EQ(std::count(SIM_Song::Retired.begin(), SIM_Song::Retired.end(), song), 1);
    EXPECT_EQ(RowOf(song), nullptr);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before); // retiring takes no day
}

TEST_F(SongsAndAlbumsTest, ClassicsAndCoversLimitWhatTheDetailsOffer)
{
    struct Case {
        bool classic;
        bool cover;
        bool retire;
        bool improve;
    };
    for (const Case& c : {Case {false, false, true, true}, Case {true, false, false, false},
                          Case {false, true, true, false}, Case {true, true, false, false}}) {
        SIM_Song* song = WriteSong("Case");
        song->SetClassic(c.classic);
        song->SetCover(c.cover);
        GUI_SongDetails::Create(song);
        GUI_SongDetails* d = GUI_SongDetails::PTheWindow;
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->GetRetireButton()->GetEnabled(), c.retire) << c.classic << c.cover;
        EXPECT_EQ(d->GetImproveButton()->GetEnabled(), c.improve) << c.classic << c.cover;
        if (c.cover) {
            EXPECT_EQ(d->GetWriterLine(), "A cover of somebody else's song");
        }
        if (c.classic && !c.cover) {
            Step();
            SaveArtifact("song_details_classic.png");
        }
    }
    // Improve hands the song to the writing screen and closes the dialog; no day passes.
    SIM_Song* song = WriteSong("Rework Me");
    SIM_GetScreens()->RefreshSongList();
    const int before = SIM_GetSim()->GetTurnCount();
    GUI_SongDetails::Create(song);
    ASSERT_TRUE(ClickButton("SONGDETAILS_IMPROVE"));
    EXPECT_EQ(GUI_SongDetails::PTheWindow, nullptr);
    ASSERT_NE(GUI_JigSaw::PTheWindow.Get(), nullptr);
    EXPECT_EQ(GUI_JigSaw::PTheWindow->GetSong(), song);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before);
    delete GUI_JigSaw::PTheWindow.Get(); // put away unused: the jigsaw's own tests play it
    CloseHints();
    // The close button only closes.
    GUI_SongDetails::Create(song);
    ClickCentre(GUI_SongDetails::PTheWindow->GetCloseButton());
    EXPECT_EQ(GUI_SongDetails::PTheWindow, nullptr);
    EXPECT_EQ(std::count(SIM_Song::All.begin(), SIM_Song::All.end(), song), 1);
}

// ---- new album, CD mixer ----------------------------------------------------------

TEST_F(SongsAndAlbumsTest, AnAlbumIsNamedFilledGivenAStudioMixedAndReleasedInOneDay)
{
    RemoveAllSongs();
    WriteSongs(10);
    Hire(4);
    SIM_GetFinances()->SetCash(500.0f);
    SIM_RecordingStudio::SetCurrentStudio(nullptr);
    const int before = SIM_GetSim()->GetTurnCount();

    GUI_NewAlbum::Create();
    WaitFade();
    GUI_NewAlbum* screen = GUI_NewAlbum::PTheWindow;
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
    SIM_Album* album = GUI_NewAlbum::GetAlbum();
    ASSERT_NE(album, nullptr);
    EXPECT_FALSE(screen->GetName().empty());
    EXPECT_EQ(album->GetTitle(), screen->GetName());

    // Naming: forward delete clears, typing appends, Backspace takes one off.
    PressKey(kKeyForwardDelete);
    TypeText("Night Bus");
    PressKey(kKeyBackspace);
    EXPECT_EQ(screen->GetName(), "Night Bu");
    EXPECT_EQ(album->GetTitle(), "Night Bu");
    // Escape is the screen's: no quit question.
    PressKey(kKeyEscape);
    Step();
    EXPECT_EQ(GUI_NewAlbum::PTheWindow, screen);
    EXPECT_EQ(GUI_GetWindowManager()->Modals().size(), 0u);
    ClickCentre(screen->GetRandomButton());
    EXPECT_NE(screen->GetName(), "Night Bu");
    EXPECT_EQ(album->GetTitle(), screen->GetName());

    // Ten free songs: eight shown, the arrows scroll the rest.
    EXPECT_EQ(screen->GetAvailable().size(), 10u);
    EXPECT_TRUE(screen->GetDownButton()->IsVisible());
    EXPECT_FALSE(screen->GetUpButton()->IsVisible());
    ClickCentre(screen->GetDownButton());
    EXPECT_EQ(screen->GetScrollOffset(), 1);
    EXPECT_TRUE(screen->GetUpButton()->IsVisible());
    EXPECT_EQ(TrackOf(SIM_Song::All[0], false), nullptr);
    ClickCentre(screen->GetUpButton());
    EXPECT_EQ(screen->GetScrollOffset(), 0);

    // Eight tracks fill the album; a ninth click changes nothing.
    for (int i = 0; i < 8; ++i) {
        GUI_AlbumTrack* track = TrackOf(SIM_Song::All[size_t(i)], false);
        ASSERT_NE(track, nullptr) << i;
        ClickCentre(track);
    }
    EXPECT_TRUE(album->IsValid());
    EXPECT_EQ(album->GetTracks().size(), 8u);
    ClickCentre(TrackOf(SIM_Song::All[8], false));
    EXPECT_EQ(album->GetTracks().size(), 8u);
    EXPECT_EQ(SIM_Song::All[8]->GetAlbum(), nullptr);
    // Taking one out and putting another in.
    ClickCentre(TrackOf(SIM_Song::All[0], true));
    EXPECT_EQ(SIM_Song::All[0]->GetAlbum(), nullptr);
    ClickCentre(TrackOf(SIM_Song::All[9], false));
    EXPECT_EQ(album->GetTracks().back(), SIM_Song::All[9]);
    // Two songs left free: six placeholders on the left, none on the full right.
    EXPECT_EQ(screen->GetPlaceholders().size(), 6u);
    // No studio yet: finish stays off even with eight tracks.
    EXPECT_FALSE(screen->GetFinishButton()->GetEnabled());

    // The studio cards: the band can afford the cheaper ones only.
    GUI_StudioSelector* selector = screen->GetSelector();
    ASSERT_NE(selector, nullptr);
    const auto& cards = selector->GetStudioButtons();
    ASSERT_EQ(cards.size(), SIM_RecordingStudio::All.size());
    GUI_StudioButton* dear = cards.back();
    EXPECT_FALSE(dear->IsAffordable());
    ClickCentre(dear);
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
    GUI_StudioButton* cheap = cards.front();
    ASSERT_TRUE(cheap->IsAffordable());
    EXPECT_EQ(cheap->GetCostLine(), "Per day: $ 40");
    ClickCentre(cheap);
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), cheap->GetStudio());
    Step();
    EXPECT_TRUE(screen->GetFinishButton()->GetEnabled());
    SaveArtifact("new_album.png");

    ASSERT_TRUE(ClickButton("NEWALBUM_FINISH"));
    WaitFade();
    EXPECT_EQ(GUI_NewAlbum::PTheWindow, nullptr);
    GUI_CDMixer* mixer = GUI_CDMixer::PTheWindow;
    ASSERT_NE(mixer, nullptr);
    EXPECT_EQ(mixer->GetAlbum(), album);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before); // the mixer ends the day, not the album screen

    // Four strips with a musician, the fifth empty; a drag moves a fader.
    for (int i = 0; i < 4; ++i) {
        SIM_Musician* member = SIM_GetBand()->GetMembers()[size_t(i)];
        EXPECT_EQ(mixer->GetMixer(i)->GetMusician(), member);
        EXPECT_EQ(mixer->GetMixer(i)->GetPortrait().GetTextureName(), member->GetPortraitTexture());
        EXPECT_FALSE(member->GetPortraitTexture().empty());
    }
    EXPECT_EQ(mixer->GetMixer(4)->GetMusician(), nullptr);
    GUI_MusicianMixer* strip = mixer->GetMixer(0);
    Step();
    const CTexturedSprite& knob = strip->GetKnob();
    Drag(knob.GetCenterX(), knob.GetCenterY(), knob.GetCenterX(), strip->GetStrip().Top() - 50.0f);
    Step();
    EXPECT_FLOAT_EQ(strip->GetLevel(), 1.0f);
    EXPECT_FALSE(strip->IsDragging());
    Step();
    SaveArtifact("cd_mixer.png");

    std::vector<float> motivation, happiness;
    for (int i = 0; i < 4; ++i) {
        motivation.push_back(SIM_GetBand()->GetMembers()[size_t(i)]->GetMotivation());
        happiness.push_back(mixer->GetMixer(i)->GetHappiness());
    }
    const float quality = mixer->GetQuality();
    ASSERT_TRUE(ClickButton("CDMIXER_FINISH"));
    // A second click during the fade is refused.
    ClickCentre(mixer->GetFinishButton());
    WaitFade();
    EXPECT_EQ(GUI_CDMixer::PTheWindow, nullptr);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before + 1);
    EXPECT_EQ(album->GetMode(), 1);
    EXPECT_EQ(album->GetDaysInStudio(), 1);
    EXPECT_GT(album->GetProductionQuality(), 0.0f);
    EXPECT_LE(album->GetProductionQuality(), quality);
    // The happiest musician gained motivation (before the day pass changed it further).
    const auto loudest = size_t(std::max_element(happiness.begin(), happiness.end()) - happiness.begin());
    EXPECT_GT(happiness[loudest], 0.0f);
    PutAwayDaysPage(); // the new day's page greets the player first
    EXPECT_TRUE(ScreenWindows().empty()) << typeid(*ScreenWindows().front()).name();
}

TEST_F(SongsAndAlbumsTest, CancellingGivesTheSongsBackAndKeepsTheDay)
{
    RemoveAllSongs();
    WriteSongs(3);
    const int before = SIM_GetSim()->GetTurnCount();
    GUI_NewAlbum::Create();
    WaitFade();
    GUI_NewAlbum* screen = GUI_NewAlbum::PTheWindow;
    // Three songs: five placeholders on the left, eight on the right.
    EXPECT_EQ(screen->GetPlaceholders().size(), 13u);
    for (int i = 0; i < 3; ++i)
        ClickCentre(TrackOf(SIM_Song::All[size_t(i)], false));
    EXPECT_EQ(screen->GetPlaceholders().size(), 13u);
    EXPECT_EQ(SIM_Song::All[0]->GetAlbum(), GUI_NewAlbum::GetAlbum());
    EXPECT_FALSE(SIM_Song::BSongsForStudio);

    // Opening it again gives the half-made album's songs back first.
    GUI_NewAlbum::Create();
    WaitFade();
    EXPECT_EQ(SIM_Album::All.size(), 1u);
    EXPECT_EQ(SIM_Song::All[0]->GetAlbum(), nullptr);
    ClickCentre(TrackOf(SIM_Song::All[0], false));

    ASSERT_TRUE(ClickButton("NEWALBUM_CANCEL"));
    PressKey(kKeyEscape); // during the fade: nothing more
    WaitFade();
    EXPECT_EQ(GUI_NewAlbum::PTheWindow, nullptr);
    EXPECT_EQ(GUI_CDMixer::PTheWindow, nullptr);
    EXPECT_TRUE(SIM_Album::All.empty());
    for (SIM_Song* song : SIM_Song::All)
        EXPECT_EQ(song->GetAlbum(), nullptr);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    EXPECT_EQ(GUI_GetWindowManager()->Modals().size(), 0u);
}

TEST_F(SongsAndAlbumsTest, ASignedBandGetsTheBestStudioAndNoCards)
{
    SIM_GetRecordCompany()->SignDeal();
    SIM_RecordingStudio::SetCurrentStudio(nullptr);
    GUI_NewAlbum::Create();
    WaitFade();
    EXPECT_EQ(GUI_NewAlbum::PTheWindow->GetSelector(), nullptr);
    ASSERT_NE(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
    for (const SIM_RecordingStudio* studio : SIM_RecordingStudio::All)
        EXPECT_LE(studio->GetQuality(), SIM_RecordingStudio::GetCurrentStudio()->GetQuality());
    ClickButton("NEWALBUM_CANCEL");
    WaitFade();
}

TEST_F(SongsAndAlbumsTest, MixerStripsFollowTheirLevelsAndTheReadOut)
{
    Hire(1);
    SIM_Album* album = SIM_Album::Create();
    GUI_CDMixer::Create(album);
    WaitFade();
    GUI_CDMixer* mixer = GUI_CDMixer::PTheWindow;
    GUI_MusicianMixer* strip = mixer->GetMixer(0);
    // Alone on the desk the others' mean is one half.
    strip->SetLevel(0.75f);
    strip->Recalculate();
    EXPECT_FLOAT_EQ(strip->GetHappiness(), 0.5f);
    EXPECT_EQ(GUI_MusicianMixer::GreenLeds(strip->GetHappiness()), 10);
    EXPECT_EQ(GUI_MusicianMixer::RedLeds(strip->GetHappiness()), 0);
    EXPECT_EQ(GUI_MusicianMixer::RedLeds(-0.5f), 10);
    EXPECT_EQ(GUI_MusicianMixer::GreenLeds(0.0f) + GUI_MusicianMixer::RedLeds(0.0f), 0);
    // On the target with no drive (an uninspired player character): three quarters.
    SIM_GetRiza()->GetAttribute("inspiration")->SetValue(0.0f);
    ASSERT_EQ(SIM_GetRiza()->GetValue("inspiration"), 0.0f);
    strip->SetTarget(0.75f);
    strip->Recalculate();
    EXPECT_FLOAT_EQ(strip->GetQuality(), 0.75f);
    EXPECT_FLOAT_EQ(mixer->GetQuality(), 0.75f);
    for (auto [q, lit] : {std::pair {0.0f, 0}, std::pair {1.0f, 76}, std::pair {0.5f, 38}, std::pair {2.0f, 76}})
        EXPECT_EQ(GUI_CDMixer::LitRows(q), lit) << q;
    // Dragged below the strip the fader rests at zero.
    Step();
    const CTexturedSprite& knob = strip->GetKnob();
    Drag(knob.GetCenterX(), knob.GetCenterY(), knob.GetCenterX(), strip->GetStrip().Bottom() + 60.0f);
    Step();
    EXPECT_FLOAT_EQ(strip->GetLevel(), 0.0f);
    // Empty strips take no click.
    EXPECT_FALSE(mixer->GetMixer(3)->CheckClick(mixer->GetMixer(3)->GetCenterX(), 500.0f));
    // Without a studio the album refuses the mix with its own report; the desk still
    // closes, releases the album and ends the day.
    SIM_RecordingStudio::SetCurrentStudio(nullptr);
    ClickButton("CDMIXER_FINISH");
    WaitFade();
    EXPECT_EQ(GUI_CDMixer::PTheWindow, nullptr);
    const std::vector<AlertRequest> reports = TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].message.find("No recording studio set"), std::string::npos);
    EXPECT_EQ(album->GetMode(), 1);
    EXPECT_EQ(album->GetProductionQuality(), 0.0f);
}

// ---- the recording studio screen --------------------------------------------------

TEST_F(SongsAndAlbumsTest, StudioScreenReleasesTheAlbumAndEndsTheDayOnce)
{
    Hire(3);
    SIM_Album* album = SIM_Album::Create();
    album->SetTitle("Paper Lanterns");
    album->AddCost(12345.0f);
    album->AddDay();
    album->AddDay();
    SIM_GetFinances()->SetCash(100000.0f);
    SIM_RecordingStudio::SetCurrentStudio(SIM_RecordingStudio::All.front());
    const int before = SIM_GetSim()->GetTurnCount();
    GUI_Studio::Create(SIM_Album::GetAlbumInDevelopment());
    WaitFade();
    GUI_Studio* screen = GUI_Studio::PTheWindow;
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetCostValue(), "$ 12,345");
    EXPECT_EQ(screen->GetDaysValue(), "2");
    EXPECT_TRUE(screen->GetContinueButton()->GetEnabled());
    EXPECT_EQ(screen->GetDescription(), GTranslation::GetString(GUI_Studio::DescriptionKey()));
    PressKey(kKeyEscape);
    Step();
    EXPECT_EQ(GUI_Studio::PTheWindow, screen);
    EXPECT_EQ(GUI_GetWindowManager()->Modals().size(), 0u);
    Step();
    SaveArtifact("recording_studio.png");

    ASSERT_TRUE(ClickButton("STUDIO_RELEASE"));
    ClickCentre(screen->GetReleaseButton());
    WaitFade();
    EXPECT_EQ(GUI_Studio::PTheWindow, nullptr);
    EXPECT_EQ(album->GetMode(), 1);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before + 1);
    EXPECT_TRUE(GUI_StandInCalls().empty());
}

TEST_F(SongsAndAlbumsTest, StudioScreenGoesOnToMixingOnlyWithAStudio)
{
    SIM_Album* album = SIM_Album::Create();
    // Too poor for any studio: continue is off and the studio read-out empty.
    SIM_GetFinances()->SetCash(0.0f);
    SIM_RecordingStudio::SetCurrentStudio(SIM_RecordingStudio::All.back());
    GUI_Studio::Create(album);
    WaitFade();
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
    EXPECT_FALSE(GUI_Studio::PTheWindow->GetContinueButton()->GetEnabled());
    EXPECT_EQ(GUI_Studio::StudioQuality(), 0.0f);

    // How the band works today: a demotivated band is that before it is tired.
    struct Case {
        float motivation;
        float stress;
        const char* key;
    };
    for (const Case& c : {Case {0.1f, 0.9f, "STUDIO_TIME_DEMOTIVATED"}, Case {0.8f, 0.9f, "STUDIO_TIME_TIRED"},
                          Case {0.8f, 0.1f, "STUDIO_TIME_NORMAL"}}) {
        SIM_GetBand()->GetAttributes().GetNamedValue("band_motivation")->SetValue(c.motivation);
        SIM_GetBand()->GetAttributes().GetNamedValue("band_stress")->SetValue(c.stress);
        GUI_Studio::Create(album);
        EXPECT_EQ(GUI_Studio::PTheWindow->GetDescription(), GTranslation::GetString(c.key)) << c.key;
    }

    SIM_GetFinances()->SetCash(100000.0f);
    SIM_RecordingStudio::SetCurrentStudio(SIM_RecordingStudio::All.front());
    const int before = SIM_GetSim()->GetTurnCount();
    GUI_Studio::Create(album);
    WaitFade();
    ASSERT_TRUE(ClickButton("STUDIO_FINISH"));
    WaitFade();
    EXPECT_EQ(GUI_Studio::PTheWindow, nullptr);
    ASSERT_NE(GUI_MixingGame::PTheWindow.Get(), nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), GUI_MixingGame::PTheWindow.Get());
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before); // the mixing game ends the day
    EXPECT_EQ(album->GetMode(), 0);
    delete GUI_MixingGame::PTheWindow.Get();
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

} // namespace

namespace {

TEST_F(SongsAndAlbumsTest, ANewGamePutsTheScreensAwayWithoutEndingADay)
{
    Hire(2);
    const int before = SIM_GetSim()->GetTurnCount();
    // The desk's finishing fade is cut short by a new game: no day ends, nothing is released.
    SIM_Album* album = SIM_Album::Create();
    GUI_CDMixer::Create(album);
    WaitFade();
    ASSERT_TRUE(ClickButton("CDMIXER_FINISH"));
    GUI_GetGUI()->StartNewGame();
    WaitFade();
    EXPECT_EQ(GUI_CDMixer::PTheWindow, nullptr);
    EXPECT_EQ(album->GetMode(), 0);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before);

    GUI_NewAlbum::Create();
    GUI_Studio::Create(album);
    WaitFade();
    GUI_GetGUI()->StartNewGame();
    Step();
    EXPECT_EQ(GUI_NewAlbum::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Studio::PTheWindow, nullptr);
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    EXPECT_TRUE(GUI_AlbumTrack::All.empty());
    // The song list is a main-screen panel: it stays.
    EXPECT_TRUE(GUI_GetWindowManager()->IsRegistered(GUI_GetSongList()));
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), before);
}

} // namespace
