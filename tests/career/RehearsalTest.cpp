// Rehearsal rooms, a rehearsal day (held or called off), and each musician's readiness
// per song with its daily fade.
#include "career/CareerFixture.h"

#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "engine/IniLoader.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Statistics.h"

#include <cmath>

namespace {
class RehearsalTest : public CareerTest {
protected:
    // Replaces the rooms with these rows.
    void UseRooms(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_RehearsalVenue::File, rows);
        SIM_RehearsalVenue::Open();
    }
    static SIM_RehearsalVenue* Room(size_t i) { return SIM_RehearsalVenue::All.at(i); }
    static float Relationship(SIM_Musician* a, SIM_Musician* b)
    {
        return SIM_Relationship::GetRelationship(a, b)->GetValue();
    }
    static std::vector<std::string> CancelledTexts()
    {
        IniLoader section;
        section.LoadSection("REHEARSAL_COMMENT_CANCELLED", "data/strings.ini");
        std::vector<std::string> texts;
        for (int i = 0; i < section.GetNumKeys(); ++i)
            texts.push_back("\"" + section.GetValue(std::to_string(i)) + "\"");
        return texts;
    }
};
}

TEST_F(RehearsalTest, RoomRowsReadEveryColumnAndTheirModifiers)
{
    UseRooms({"garage,The garage,\"Cold, damp\",2,10.5,40,25,garage.jpg,ignored,\"band_rehearsal,0.2,0\","
              "\"band_stress,0.1,RS_STRESS_DEGRADE\"",
              "bare,Bare,Nothing,1,0,5,0,bare.jpg,"});
    ASSERT_EQ(SIM_RehearsalVenue::All.size(), 2u);
    const SIM_RehearsalVenue* garage = Room(0);
    EXPECT_EQ(garage->GetName(), "garage");
    EXPECT_EQ(garage->GetGUIName(), "The garage");
    EXPECT_EQ(garage->GetDescription(), "Cold, damp");
    EXPECT_EQ(garage->GetLevel(), 2);
    EXPECT_FLOAT_EQ(garage->GetMinimum(), 10.5f);
    EXPECT_FLOAT_EQ(garage->GetMaximum(), 40.0f);
    EXPECT_FLOAT_EQ(garage->GetCost(), 25.0f);
    EXPECT_EQ(garage->GetImage(), "garage.jpg");
    ASSERT_EQ(garage->GetModifiers().size(), 2u);
    EXPECT_EQ(garage->GetModifiers()[0].GetName(), "band_rehearsal");
    EXPECT_FLOAT_EQ(garage->GetModifiers()[0].GetValue(), 0.2f);
    EXPECT_EQ(garage->GetModifiers()[1].GetName(), "band_stress");
    EXPECT_FLOAT_EQ(garage->GetModifiers()[1].GetDegrade(), SIM_GetGlobalVariables()->Get("RS_STRESS_DEGRADE"));
    EXPECT_EQ(garage->GetModifiers()[1].GetDebugName(), "garage");
    EXPECT_TRUE(Room(1)->GetModifiers().empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(RehearsalTest, ARoomPleasesOrAnnoysByItsLevelAgainstTheExpectedOne)
{
    Set("RS_MOTIVE_EFFECT_REHEARSAL", 0.05f);
    Set("RS_MOTIVE_EFFECT_REHEARSAL_MIN", -0.1f);
    Set("RS_MOTIVE_EFFECT_REHEARSAL_MAX", 0.2f);
    SIM_GetFame()->AddEffect(60.0f, 1.0f, "test");
    SIM_Musician* m = Make(INSTRUMENT_DRUMS);
    const int e = static_cast<int>(60.0f * m->GetEgo());
    const std::string holds = std::to_string(e - 1) + "," + std::to_string(e + 1);
    const std::string misses = std::to_string(e + 1) + "," + std::to_string(e + 10);
    struct Case {
        const char* what;
        std::vector<std::string> others; // "level,minimum,maximum" of the other rooms
        int level;                       // of the room asked
        float effect;
    };
    const Case cases[] = {
        {"a better room than expected", {"3," + holds}, 5, 0.1f},
        {"the last room that matches sets the expectation", {"2," + holds, "4," + holds}, 5, 0.05f},
        {"the bounds are inclusive", {"4," + std::to_string(e) + "," + std::to_string(e)}, 5, 0.05f},
        {"no room matches: nothing is expected", {"4," + misses}, 2, 0.1f},
        {"a much worse room, at the lower limit", {"6," + holds}, 0, -0.1f},
        {"a much better room, at the upper limit", {"0," + holds}, 10, 0.2f},
    };
    for (const Case& c : cases) {
        SIM_RehearsalVenue::Close();
        for (const std::string& other : c.others)
            (new SIM_RehearsalVenue)->ReadRow("#,other,Other,x," + other + ",0,x.jpg,\n");
        auto* asked = new SIM_RehearsalVenue;
        asked->ReadRow("#,asked,Asked,x," + std::to_string(c.level) + ",-9,-9,0,x.jpg,\n");
        EXPECT_NEAR(asked->GetMotivation(m), c.effect, 1e-6f) << c.what;
    }
    EXPECT_EQ(Room(0)->GetMotivation(nullptr), 0.0f);
}

TEST_F(RehearsalTest, AHeldRehearsalPaysMeetsCutsBoredomAndRaisesEveryonesReadiness)
{
    UseRooms({"room,Room,x,0,0,0,100,x.jpg,,\"band_rehearsal,0.3,0\",\"band_stress,0.1,0.9\",\"band_hype,0.5,0.9\""});
    Set("RS_BOREDOM_REDUCT_REHEARSAL", 0.05f);
    SIM_Musician* drums = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* bass = Hire(INSTRUMENT_BASS);
    SIM_Musician* guitar = Hire(INSTRUMENT_GUITAR);
    SIM_Song* retired = SIM_Song::CreateNew(0.5f);
    retired->Retire();
    for (SIM_Musician* m : {drums, bass, guitar})
        m->SetBoredom(0.5f);
    SIM_Message::AddMessage("yesterday's news", drums);
    const float cash = SIM_GetFinances()->GetCash();
    const float hype = SIM_GetBand()->GetValue("band_hype");
    screens.Clear();

    SIM_Rehearsal* r = SIM_Rehearsal::Create(Room(0));
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->IsCancelled());
    EXPECT_EQ(SIM_Rehearsal::All, (std::vector<SIM_Rehearsal*> {r}));
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - 100.0f);
    EXPECT_EQ(screens.Count("PlaySound data/sounds/cash.ogg"), 1);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::REHEARSALS), 1);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::REHEARSALS_CANCELLED), 0);
    EXPECT_NE(Relationship(drums, bass), 0.0f) << "the band met";
    EXPECT_EQ(SIM_GetBand()->GetValue("band_hype"), hype) << "a rehearsal uses only its two modifiers";
    ASSERT_EQ(r->GetNumEffects(), 3u);
    for (SIM_Musician* m : {drums, bass, guitar}) {
        EXPECT_TRUE(r->ShowedUp(m));
        const SIM_Rehearsal::RehearsalEffect* effect = r->GetEffect(m);
        ASSERT_NE(effect, nullptr);
        EXPECT_FLOAT_EQ(effect->rehearsalValue, 0.3f);
        EXPECT_FLOAT_EQ(effect->stressChange, 0.1f);
        EXPECT_FLOAT_EQ(effect->motivationChange, Room(0)->GetMotivation(m));
        EXPECT_FLOAT_EQ(m->GetBoredom(), 0.45f);
        for (SIM_Song* s : SIM_Song::All)
            EXPECT_FLOAT_EQ(m->GetRehearsalData()->GetReadiness(s), 0.3f);
        EXPECT_FALSE(m->GetRehearsalData()->HasSong(retired));
        EXPECT_FLOAT_EQ(m->GetRehearsalData()->GetValue(), 0.3f);
    }
    EXPECT_FLOAT_EQ(SIM_GetBand()->GetValue("band_rehearsal"), 0.3f);
    for (const SIM_Message* message : SIM_Message::All)
        EXPECT_NE(message->GetMessageText(), "\"yesterday's news\"") << "the day's messages were cleared first";
    EXPECT_EQ(r->GetEffect(Make(INSTRUMENT_SAXOPHONE)), nullptr) << "not in the band";
    EXPECT_TRUE(screens.Alerts().empty());

    // The night's fade follows when the result window ends the day.
    SIM_GetSim()->EndDay();
    EXPECT_NEAR(drums->GetRehearsalData()->GetReadiness(SIM_Song::All.front()), 0.27f, 1e-6f);
}

TEST_F(RehearsalTest, AFreeRoomWithoutReadinessStillCountsAsARehearsal)
{
    UseRooms({"park,Park,x,0,0,0,0,x.jpg,,\"band_stress,0.05,0.9\""});
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    screens.Clear();
    SIM_Rehearsal* r = SIM_Rehearsal::Create(Room(0));
    EXPECT_FALSE(screens.Has("PlaySound data/sounds/cash.ogg"));
    ASSERT_NE(r->GetEffect(m), nullptr);
    EXPECT_EQ(r->GetEffect(m)->rehearsalValue, 0.0f);
    EXPECT_EQ(m->GetRehearsalData()->GetValue(), 0.0f);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::REHEARSALS), 1);
}

TEST_F(RehearsalTest, ALazyNoShowCallsTheDayOffAndTheOthersHoldItAgainstHim)
{
    UseRooms({"room,Room,x,0,0,0,50,x.jpg,,\"band_rehearsal,0.3,0\",\"band_stress,0.1,0.9\""});
    Set("RS_LAZY_REHEARSAL_CHANCE", 1.0f);
    Set("REHEARSAL_CANCELLED_DEMOTIVATION", -0.1f);
    Set("RS_REHEARSAL_NOSHOW_RELATE_DAMAGE", -0.2f);
    SIM_Musician* lazy = Hire(INSTRUMENT_DRUMS, 0.5f, {"lazy"});
    SIM_Musician* bass = Hire(INSTRUMENT_BASS);
    SIM_Musician* sleepy = Hire(INSTRUMENT_KEYBOARD, 0.5f, {"lazy"});
    SIM_Musician* guitar = Hire(INSTRUMENT_GUITAR);
    for (SIM_Musician* m : {lazy, bass, sleepy, guitar})
        m->SetBoredom(0.5f);
    const float cash = SIM_GetFinances()->GetCash();
    screens.Clear();

    SIM_Rehearsal* r = SIM_Rehearsal::Create(Room(0));
    EXPECT_TRUE(r->IsCancelled());
    EXPECT_EQ(r->GetNoShows(), (std::vector<SIM_Musician*> {lazy, sleepy}));
    EXPECT_FALSE(r->ShowedUp(lazy));
    EXPECT_EQ(r->GetEffect(lazy), nullptr);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - 50.0f) << "the room is paid all the same";
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::REHEARSALS_CANCELLED), 1);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::REHEARSALS), 0);

    const auto texts = CancelledTexts();
    ASSERT_FALSE(texts.empty());
    ASSERT_EQ(SIM_Message::All.size(), 2u);
    EXPECT_EQ(SIM_Message::All[0]->GetMusician(), bass);
    EXPECT_EQ(SIM_Message::All[1]->GetMusician(), guitar);
    for (const SIM_Message* message : SIM_Message::All)
        EXPECT_NE(std::find(texts.begin(), texts.end(), message->GetMessageText()), texts.end())
            << message->GetMessageText();

    for (SIM_Musician* m : {bass, guitar}) {
        const SIM_Rehearsal::RehearsalEffect* effect = r->GetEffect(m);
        ASSERT_NE(effect, nullptr);
        EXPECT_FLOAT_EQ(effect->motivationChange, -0.1f);
        EXPECT_EQ(effect->stressChange, 0.0f);
        EXPECT_EQ(effect->rehearsalValue, 0.0f);
        EXPECT_EQ(m->GetRehearsalData()->GetValue(), 0.0f) << "nothing was rehearsed";
        EXPECT_EQ(m->GetBoredom(), 0.5f) << "no boredom cut";
        for (SIM_Musician* absent : {lazy, sleepy}) {
            const float v = Relationship(absent, m);
            EXPECT_GE(v, 1.1f * -0.2f - 1e-6f);
            EXPECT_LE(v, 0.9f * -0.2f + 1e-6f);
        }
    }
    EXPECT_EQ(Relationship(bass, guitar), 0.0f) << "no meeting";
    EXPECT_EQ(Relationship(lazy, sleepy), 0.0f) << "the two who stayed away do not blame each other";
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(RehearsalTest, WithoutALazyMemberNoRehearsalIsCalledOff)
{
    UseRooms({"room,Room,x,0,0,0,0,x.jpg,"});
    Set("RS_LAZY_REHEARSAL_CHANCE", 1.0f);
    Hire(INSTRUMENT_DRUMS, 0.5f, {"energetic"});
    Hire(INSTRUMENT_BASS);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(SIM_Rehearsal::Create(Room(0))->IsCancelled());
    Set("RS_LAZY_REHEARSAL_CHANCE", 0.0f);
    Hire(INSTRUMENT_GUITAR, 0.5f, {"lazy"});
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(SIM_Rehearsal::Create(Room(0))->IsCancelled());
}

TEST_F(RehearsalTest, ReadinessFadesEveryDay)
{
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    SIM_Song* song = SIM_Song::All.front();
    m->GetRehearsalData()->Clear();
    m->GetRehearsalData()->AddSong(song, 1.0f);
    ASSERT_FLOAT_EQ(SIM_GetGlobalVariables()->Get("_REHEARSAL_DEGRADE"), 0.9f);
    EndDays(1);
    EXPECT_NEAR(m->GetRehearsalData()->GetReadiness(song), 0.9f, 1e-6f);
    EndDays(4);
    EXPECT_NEAR(m->GetRehearsalData()->GetReadiness(song), 0.59049f, 1e-5f);
    EXPECT_NEAR(m->GetRehearsalData()->GetValue(), 0.59049f, 1e-5f);
    Set("_REHEARSAL_DEGRADE", 0.0f);
    EndDays(1);
    EXPECT_EQ(m->GetRehearsalData()->GetValue(), 0.0f) << "a missing key wipes readiness";
}

TEST_F(RehearsalTest, RehearsingKeepsReadinessWithinRangeAndAddsMissingSongs)
{
    SIM_Song::Open();
    SIM_Song* a = new SIM_Song;
    SIM_Song* b = new SIM_Song;
    SIM_RehearsalData data(nullptr);
    EXPECT_EQ(data.GetValue(), 0.0f);
    data.AddSong(a, 0.8f);
    data.Rehearse(0.5f);
    EXPECT_EQ(data.GetReadiness(a), 1.0f);
    EXPECT_EQ(data.GetReadiness(b), 0.5f) << "a song without an entry gets one";
    EXPECT_FLOAT_EQ(data.GetValue(), 0.75f);
    data.Rehearse(-0.7f);
    EXPECT_FLOAT_EQ(data.GetReadiness(a), 0.3f);
    EXPECT_EQ(data.GetReadiness(b), 0.0f);
    data.Rehearse(-2.0f);
    EXPECT_EQ(data.GetValue(), 0.0f);

    data.AddSong(a, 1.5f); // restored as saved
    EXPECT_EQ(data.GetSongData().size(), 3u);
    data.RemoveSong(a);
    EXPECT_EQ(data.GetSongData().size(), 2u);
    EXPECT_TRUE(data.HasSong(a)) << "only the first entry goes";
    data.RemoveSong(a);
    data.RemoveSong(a); // none left: nothing happens
    EXPECT_EQ(data.GetSongData().size(), 1u);
    data.AddSong(a, 0.6f);
    const float value = data.GetValue();
    data.Clear();
    EXPECT_TRUE(data.GetSongData().empty());
    EXPECT_EQ(data.GetValue(), value);
}

TEST_F(RehearsalTest, UsingARoomRecomputesTheBandsRehearsal)
{
    UseRooms({"room,Room,x,0,0,0,0,x.jpg,"});
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    m->GetRehearsalData()->Rehearse(0.4f);
    Room(0)->Use();
    EXPECT_FLOAT_EQ(SIM_GetBand()->GetValue("band_rehearsal"), 0.4f);
}

TEST_F(RehearsalTest, ADeletedMusicianAndANewGameLeaveNoRehearsalPointingAtThem)
{
    UseRooms({"room,Room,x,0,0,0,0,x.jpg,"});
    Set("RS_LAZY_REHEARSAL_CHANCE", 1.0f);
    SIM_Musician* lazy = Hire(INSTRUMENT_DRUMS, 0.5f, {"lazy"});
    SIM_Musician* bass = Hire(INSTRUMENT_BASS);
    SIM_Rehearsal* r = SIM_Rehearsal::Create(Room(0));
    ASSERT_TRUE(r->IsCancelled());
    delete lazy;
    EXPECT_TRUE(r->GetNoShows().empty());
    delete bass;
    EXPECT_EQ(r->GetEffect(bass), nullptr);
    EXPECT_EQ(r->GetNumEffects(), 1u) << "the record stays, without its musician";

    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Rehearsal::All.empty());
}

TEST_F(RehearsalTest, ANullRoomIsReportedAndTheDayStillRuns)
{
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    SIM_Rehearsal* r = SIM_Rehearsal::Create(nullptr);
    ASSERT_NE(r, nullptr);
    // Create, the day itself and the members' comments each report the missing room.
    EXPECT_EQ(screens.Alerts().size(), 3u);
    ASSERT_NE(r->GetEffect(m), nullptr);
    EXPECT_EQ(r->GetEffect(m)->motivationChange, 0.0f);
}
