// The shipped venues, charities and studios read through their own readers, the texts the
// gigs, charity gigs and record company fetch, and the ranges of their balance values.
#include "career/CareerFixture.h"

#include "career/SIM_CharityGigManager.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Venue.h"
#include "engine/CSpreadsheet.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"

#include <set>

TEST_F(CareerTest, ShippedVenuesFormALadderFromTheBackRoomToTheArena)
{
    CSpreadsheet sheet(SIM_Venue::File);
    ASSERT_TRUE(sheet.WasRead());
    SIM_Venue::Open();
    EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
    ASSERT_EQ(SIM_Venue::All.size(), sheet.size()) << "every row is a playable venue";
    ASSERT_GE(SIM_Venue::All.size(), 6u);
    EXPECT_EQ(SIM_Venue::All.front()->GetMinFame(), 0.0f) << "a new band has somewhere to play";
    std::set<std::string> names;
    const SIM_Venue* previous = nullptr;
    for (const SIM_Venue* v : SIM_Venue::All) {
        const std::string& at = v->GetName();
        EXPECT_TRUE(names.insert(at).second) << "named twice: " << at;
        EXPECT_FALSE(v->GetGUIName().empty()) << at;
        EXPECT_NE(v->GetGUIName(), "TEST VENUE") << at;
        EXPECT_FALSE(v->GetDescription().empty()) << at;
        EXPECT_FALSE(v->GetSprite().empty()) << at;
        EXPECT_FALSE(v->GetBackdrop().empty()) << at;
        EXPECT_GT(v->GetPersonHeight(), 0.0f) << at;
        EXPECT_GT(v->GetTicketPrice(), 0.0f) << at;
        EXPECT_GE(v->GetRental(), 0.0f) << at;
        EXPECT_LE(v->GetMinFame(), 500.0f) << at << ": fame never goes past 500";
        EXPECT_GT(v->GetMinFameBoost(), 0.0f) << at;
        EXPECT_LE(v->GetMinFameBoost(), v->GetMaxFameBoost()) << at;
        // A full house must pay the rental back.
        EXPECT_GT(static_cast<float>(v->GetCapacity()) * v->GetTicketPrice(), v->GetRental()) << at;
        if (previous) {
            EXPECT_GE(v->GetMinFame(), previous->GetMinFame()) << at;
            EXPECT_GT(v->GetCapacity(), previous->GetCapacity()) << at;
        }
        previous = v;
    }
}

TEST_F(CareerTest, ShippedCharitiesAndStudiosAreComplete)
{
    CSpreadsheet charitySheet(SIM_CharityGigManager::File);
    ASSERT_TRUE(charitySheet.WasRead());
    SIM_GetCharityGigManager()->ReloadCharities();
    const auto& charities = SIM_GetCharityGigManager()->GetCharities();
    ASSERT_EQ(charities.size(), charitySheet.size());
    ASSERT_FALSE(charities.empty());
    std::set<std::string> names;
    for (const SIM_Charity* c : charities) {
        EXPECT_TRUE(names.insert(c->name).second) << c->name;
        EXPECT_FALSE(c->guiname.empty()) << c->name;
        EXPECT_FALSE(c->picture.empty()) << c->name;
        EXPECT_FALSE(c->description.empty()) << c->name;
    }

    CSpreadsheet studioSheet(SIM_RecordingStudio::File);
    ASSERT_TRUE(studioSheet.WasRead());
    ASSERT_EQ(SIM_RecordingStudio::All.size(), studioSheet.size());
    names.clear();
    for (const SIM_RecordingStudio* s : SIM_RecordingStudio::All) {
        EXPECT_TRUE(names.insert(s->GetName()).second) << s->GetName();
        EXPECT_FALSE(s->GetGUIName().empty()) << s->GetName();
        EXPECT_FALSE(s->GetTexture().empty()) << s->GetName();
        EXPECT_GT(s->GetDailyCost(), 0.0f) << s->GetName();
        EXPECT_GT(s->GetQuality(), 0.0f) << s->GetName();
        EXPECT_LE(s->GetQuality(), 1.0f) << s->GetName();
        EXPECT_GE(s->GetStress(), 0.0f) << s->GetName();
    }
    SIM_RecordingStudio::ChooseBestStudio();
    EXPECT_NE(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
}

TEST_F(CareerTest, ShippedGigTextsHaveTheirTokens)
{
    struct Text {
        const char* key;
        const char* token;
    } texts[] = {{"GIG_CALENDAR", "<VENUE>"},       {"GIG_REMINDER", "<VENUE>"},
                 {"DAILY_OPTIONS_GIG", ""},          {"GIG_NOBAND", ""},
                 {"DAILY_OPTIONS_GIG_NOBAND", ""},   {"GIG_NOSONGS", ""},
                 {"DAILY_OPTIONS_GIG_NOSONGS", ""},  {"DAILY_OPTIONS_CHARITYGIG_TITLE", "<NAME>"},
                 {"DAILY_OPTIONS_CHARITYGIG_TEXT", ""}};
    for (const Text& t : texts) {
        const std::string text = GTranslation::GetString(t.key);
        EXPECT_NE(text, t.key) << "missing";
        EXPECT_NE(text.find(t.token), std::string::npos) << t.key;
    }
    struct Section {
        const char* name;
        const char* token;
    } sections[] = {{"GIG_CANCELLED_TOOTIRED", ""},
                    {"GIG_CANCELLED_TOOUNHAPPY", ""},
                    {"COMMENT_BACKSTAGE_DAMAGE", "<AMOUNT>"},
                    {"record companies", ""}};
    for (const Section& s : sections) {
        IniLoader loader;
        loader.LoadSection(s.name, "data/strings.ini");
        ASSERT_GE(loader.GetNumKeys(), 2) << s.name;
        for (int i = 0; i < loader.GetNumKeys(); ++i) {
            const std::string entry = loader.GetValue(std::to_string(i));
            EXPECT_FALSE(entry.empty()) << s.name << " " << i;
            EXPECT_NE(entry.find(s.token), std::string::npos) << s.name << " " << i;
        }
    }
}

TEST_F(CareerTest, ShippedGigBalanceValuesLieInTheirRanges)
{
    auto V = [](const char* key) { return SIM_GetGlobalVariables()->Get(key); };
    for (const char* probability :
         {"RS_CHARITY_GIG_CHANCE", "RS_DESTROY_INSTRUMENT_CHANCE", "RS_DESTROY_BACKSTAGE_CHANCE", "RS_CHANCE_BUY_CD_AT_GIG",
          "RS_COMPANY_SCOUT_BASECHANCE", "RS_COMPANY_OFFER_BASECHANCE", "RS_GIG_CANCEL_EXPENSES_PERCENTAGE",
          "RS_CHANCE_BUY_CD_OLD", "RS_ALBUM_ROYALTY_SUSTAIN", "RS_ALBUM_ARTIST_SHARE", "RS_STUDIO_LOW_MOTIVATION_EFFECT",
          "RS_STUDIO_TIREDNESS_EFFECT", "RS_VENUE_BOREDOM", "RS_VENUE_BOREDOM_DECREASE", "RS_STUDIO_QUALITY_PERDAY"})
        EXPECT_TRUE(V(probability) > 0.0f && V(probability) <= 1.0f) << probability << " = " << V(probability);
    const float ahead = V("RS_GIGS_DAYS_AHEAD");
    EXPECT_TRUE(ahead >= 1.0f && ahead <= 13.0f) << "the gig must show on the two-week calendar";
    for (const char* cut : {"RS_GIG_POOR_DEMOTIVATE_AMOUNT", "RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT", "RS_GIG_INSPIRE_CUT",
                            "RS_PERFORMANCE_PENALTY"})
        EXPECT_LE(V(cut), 0.0f) << cut << " lowers what it names";
    for (const char* boost : {"RS_GIG_GOOD_MOTIVATE_AMOUNT", "RS_GIG_HIGHATTENDENCE_MOTIVATE_AMOUNT", "RS_GIG_INSPIRE_BOOST",
                              "RS_LIVE_EXPERIENCE_BOOST", "RS_LIVE_REHEARSAL_BOOST", "RS_GIG_FAMEEFFECT", "RS_STRESS_PER_GIG",
                              "RS_MERCHANDISE_SCALAR", "RS_CHARITY_GIG_MULTIPLIER", "RS_ALBUM_PRICE",
                              "RS_ALBUM_ROYALTY_ADJUSTER", "RS_COMPANY_SCOUT_MINCAPACITY",
                              // the band's boredom takes these as a reduction
                              "RS_BOREDOM_REDUCT_GIG", "RS_BOREDOM_REDUCT_DAMAGE"})
        EXPECT_GT(V(boost), 0.0f) << boost;
    EXPECT_LT(V("RS_GIG_POOR_DEMOTIVATE_THRESHOLD"), V("RS_GIG_GOOD_MOTIVATE_THRESHOLD"));
    EXPECT_LT(V("RS_GIG_LOWATTENDENCE_THRESHOLD"), V("RS_GIG_HIGHATTENDENCE_THRESHOLD"));
}
