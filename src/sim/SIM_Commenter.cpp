#include "sim/SIM_Commenter.h"

#include "career/SIM_AssetKinds.h"
#include "career/SIM_Gig.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Song.h"
#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "engine/Utilities.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"

#include <algorithm>
#include <cmath>

namespace {

float Balance(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

// The order of the daily and the rehearsal rounds.
const SIM_Commenter::TYPE kDailyTypes[] = {
    SIM_Commenter::NEEDPRACTICE, SIM_Commenter::POSSESION_DEMAND, SIM_Commenter::STRESS,
    SIM_Commenter::BOREDOM, SIM_Commenter::REACHEDINSTRUMENTLIMIT, SIM_Commenter::LOW_MOTIVATION,
    SIM_Commenter::HIGH_MOTIVATION, SIM_Commenter::HIGH_RELATIONSHIP, SIM_Commenter::LOW_RELATIONSHIP,
    SIM_Commenter::SHOULD_REHEARSE, SIM_Commenter::SONGS_BORED, SIM_Commenter::INSPIRATION_HIGH,
    SIM_Commenter::NEED_HYPE, SIM_Commenter::NEEDVAN, SIM_Commenter::CONSIDERING_RESIGNATION,
};
const SIM_Commenter::TYPE kRehearsalTypes[] = {
    SIM_Commenter::STUDIOTOOBAD, SIM_Commenter::STUDIOTOOGOOD, SIM_Commenter::UNREHEARSED,
    SIM_Commenter::OVERREHEARSED, SIM_Commenter::ABOUTRIGHT, SIM_Commenter::NEEDNEWSONGS,
};

const char* const kTextKeys[SIM_Commenter::NUM_TYPES] = {
    "", "COMMENT_STRESS", "COMMENT_BOREDOM", "REHEARSAL_COMMENT_STUDIOTOOBAD",
    "REHEARSAL_COMMENT_STUDIOTOOGOOD", "REHEARSAL_COMMENT_UNREHEARSED", "REHEARSAL_COMMENT_ABOUTRIGHT",
    "REHEARSAL_COMMENT_OVERREHEARSED", "REHEARSAL_COMMENT_NEEDNEWSONGS", "COMMENT_NEEDPRACTICE",
    "COMMENT_REACHEDINSTRUMENTLIMIT", "COMMENT_POOR_ATTENDENCE", "COMMENT_GOOD_ATTENDENCE",
    "COMMENT_DESTROYED_INSTRUMENT", "COMMENT_PUBLICITY_POOR_REACH", "COMMENT_STAGESHOWLOW",
    "COMMENT_SONGSBAD", "", "COMMENT_LOW_MOTIVATION", "COMMENT_HIGH_MOTIVATION",
    "COMMENT_LOW_RELATIONSHIP", "COMMENT_HIGH_RELATIONSHIP", "COMMENT_SHOULD_REHEARSE",
    "COMMENT_SONGS_BORED", "COMMENT_NEED_HYPE", "COMMENT_INSPIRATION_HIGH", "COMMENT_NEEDVAN",
    "COMMENT_CONSIDERING_RESIGNATION", "COMMENT_DEFAULT_REHEARSAL",
};

} // namespace

std::vector<SIM_Commenter*> SIM_Commenter::All;

SIM_Commenter::SIM_Commenter(SIM_Musician* m) : musician(m)
{
    GAssert(m != nullptr, __FILE__, __LINE__);
    All.push_back(this);
}

SIM_Commenter::~SIM_Commenter()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

const char* SIM_Commenter::GetTextKey(TYPE type)
{
    return type >= 0 && type < NUM_TYPES ? kTextKeys[type] : "";
}

void SIM_Commenter::GenerateDailyComments()
{
    Clear();
    DecayPreventers();
    const Situation situation = Observe(nullptr);
    for (TYPE type : kDailyTypes)
        CheckComment(type, situation);
    PickBest(situation);
    timed.clear();
}

void SIM_Commenter::GenerateRehearsalComments(SIM_RehearsalVenue* venue)
{
    GAssert(venue != nullptr, __FILE__, __LINE__);
    Clear();
    const Situation situation = Observe(venue);
    for (TYPE type : kRehearsalTypes)
        CheckComment(type, situation);
    if (daily.empty())
        daily.push_back(std::make_unique<SIM_Comment>(SIM_Comment {DEFAULT_REHEARSAL, 0.5f, {}}));
    PickBest(situation);
}

void SIM_Commenter::AddTimedComment(TYPE type, float score, std::string text)
{
    if (type == OWN_TEXT && text.empty())
        return;
    if (type != OWN_TEXT)
        text.clear();
    timed.push_back(std::make_unique<SIM_Comment>(SIM_Comment {type, score, std::move(text)}));
}

float SIM_Commenter::RawScore(TYPE type, const Situation& s)
{
    switch (type) {
    case POSSESION_DEMAND:
        return s.resentment > Balance("RS_POSSESION_RESENT_COMMENT_MIN") ? SIM_ClampValue(s.resentment, 0.0f, 1.0f) : 0.0f;
    case STRESS: {
        const float min = Balance("RS_STRESS_RESENT_COMMENT_MIN");
        return s.stress > min ? SIM_ClampValue(s.stress - min, 0.0f, 1.0f) : 0.0f;
    }
    case BOREDOM: {
        const float threshold = Balance("RS_BOREDOM_THRESHOLD");
        return s.boredom > threshold ? SIM_ClampValue(s.boredom - threshold, 0.0f, 1.0f) : 0.0f;
    }
    case STUDIOTOOBAD:
        return s.rehearsal && s.venueMotivation < -0.05f ? -4.0f * s.venueMotivation : 0.0f;
    case STUDIOTOOGOOD:
        return s.rehearsal && s.venueMotivation > 0.05f ? 4.0f * s.venueMotivation : 0.0f;
    case UNREHEARSED: {
        const float notEnough = Balance("RS_REHEARSAL_NOTENOUGH");
        return s.bandRehearsal < notEnough ? notEnough - s.bandRehearsal : 0.0f;
    }
    case ABOUTRIGHT:
        return s.bandRehearsal > Balance("RS_REHEARSAL_NOTENOUGH") && s.bandRehearsal < Balance("RS_REHEARSAL_TOOMUCH")
                   ? GRandom::RandReal(0.5f, 0.8f)
                   : 0.0f;
    case OVERREHEARSED: {
        const float tooMuch = Balance("RS_REHEARSAL_TOOMUCH");
        return s.bandRehearsal >= tooMuch ? 10.0f * (s.bandRehearsal - tooMuch) : 0.0f;
    }
    case NEEDNEWSONGS: {
        const float minSongs = Balance("REHEARSE_MINSONGS");
        return float(s.songCount) < minSongs ? 1.0f - float(s.songCount) / minSongs : 0.0f;
    }
    case NEEDPRACTICE: {
        const float e = s.expectation / 500.0f * (s.ambitious ? 1.25f : 1.0f);
        return e > s.ability ? e - s.ability : 0.0f;
    }
    case REACHEDINSTRUMENTLIMIT:
        return s.reachedInstrumentLimit ? GRandom::RandReal(0.0f, 1.0f) : 0.0f;
    case LOW_MOTIVATION: {
        const float low = Balance("RS_LOW_MOTIVE_COMMENT");
        return s.motivation < low ? (low - s.motivation) / low : 0.0f;
    }
    case HIGH_MOTIVATION: {
        const float high = Balance("RS_HIGH_MOTIVE_COMMENT");
        return s.motivation > high && high < 1.0f ? (s.motivation - high) / (1.0f - high) : 0.0f;
    }
    case LOW_RELATIONSHIP:
        return s.hasWorst && s.worstValue <= Balance("RS_RELATE_LOW_COMMENT") ? std::abs(s.worstValue) : 0.0f;
    case HIGH_RELATIONSHIP:
        return s.hasBest && s.bestValue >= Balance("RS_RELATE_HIGH_COMMENT") ? s.bestValue : 0.0f;
    case SHOULD_REHEARSE:
        return s.gigBooked && s.bandRehearsal < Balance("RS_REHEARSAL_NOTENOUGH") ? GRandom::RandReal(0.5f, 0.8f)
                                                                                   : 0.0f;
    case SONGS_BORED:
        return s.hasBoringSong && s.boringSongBoredom > Balance("COMMENT_SONG_BOREDOM") ? 2.0f * s.boringSongBoredom
                                                                                          : 0.0f;
    case NEED_HYPE:
        return s.gigBooked && !s.gigTonight && s.bandHype < Balance("HYPE_LOW_COMMENT") ? 1.0f - s.bandHype : 0.0f;
    case INSPIRATION_HIGH: {
        const float high = Balance("RS_COMMENT_INSPIRE_HIGH");
        return s.inspiration > high && high < 1.0f ? (s.inspiration - high) / (1.0f - high) : 0.0f;
    }
    case NEEDVAN:
        return s.fame > 50.0f && !s.cheapVan && !s.tourBus ? GRandom::RandReal(0.0f, 1.0f) : 0.0f;
    case CONSIDERING_RESIGNATION:
        return s.intentionToQuit > 0 ? SIM_ClampValue(0.25f * float(s.intentionToQuit), 0.0f, 1.0f) : 0.0f;
    default:
        return 0.0f;
    }
}

void SIM_Commenter::CheckComment(TYPE type, const Situation& situation)
{
    if (type < 0 || type >= NUM_TYPES)
        return;
    const float score = SIM_ClampValue(RawScore(type, situation) - damping[type], 0.0f, 1.0f);
    if (score > 0.0f)
        daily.push_back(std::make_unique<SIM_Comment>(SIM_Comment {type, score, {}}));
}

void SIM_Commenter::PickBest(const Situation& situation)
{
    const SIM_Comment* best = nullptr;
    float bestScore = 0.0f;
    for (const auto* list : {&daily, &timed})
        for (const auto& c : *list)
            if (c->score > bestScore) {
                best = c.get();
                bestScore = c->score;
            }
    if (best) {
        // Copied: showing a comment may change the lists (a message, a damped band).
        const SIM_Comment chosen = *best;
        ProcessComment(chosen, situation);
    }
}

std::string SIM_Commenter::GetSectionText(const std::string& section)
{
    IniLoader* loader = GTranslation::GetLoader(section, GTranslation::StringsFile);
    const int n = loader ? loader->GetNumKeys() : 0;
    for (int i = 0; i < n; ++i)
        if (loader->GetValue(std::to_string(i)).empty()) {
            DebugOutF("Comment texts of %s are not numbered 0 to %d", section.c_str(), n - 1);
            return {};
        }
    if (n == 0) {
        DebugOutF("No comment texts in %s", section.c_str());
        return {};
    }
    return GTranslation::GetRandomString(section);
}

void SIM_Commenter::ProcessComment(const SIM_Comment& comment, const Situation& s)
{
    std::string text;
    switch (comment.type) {
    case POSSESION_DEMAND:
        if (s.desiredAsset.empty())
            return;
        text = GetSectionText("COMMENT_POSSESION_DEMAND_" + UpperCase(s.desiredAsset));
        GTranslation::ReplaceToken(text, "<RANDOM_SONG_TITLE>", RandomSongTitle());
        GTranslation::ReplaceToken(text, "<BANDNAME>", BandName());
        break;
    case LOW_RELATIONSHIP:
    case HIGH_RELATIONSHIP: {
        const bool low = comment.type == LOW_RELATIONSHIP;
        GAssert(low ? s.hasWorst : s.hasBest, __FILE__, __LINE__);
        if (!(low ? s.hasWorst : s.hasBest))
            return;
        text = GetSectionText(GetTextKey(comment.type));
        GTranslation::ReplaceToken(text, low ? "<NEMESIS>" : "<FRIEND>", low ? s.worstName : s.bestName);
        GTranslation::ReplaceToken(text, "<HE_SHE>", GTranslation::GetString((low ? s.worstFemale : s.bestFemale) ? "SHE" : "HE"));
        break;
    }
    case SONGS_BORED:
        text = GetSectionText(GetTextKey(SONGS_BORED));
        GTranslation::ReplaceToken(text, "<SONGNAME>", s.boringSongName);
        break;
    case OWN_TEXT:
        text = comment.text;
        break;
    default:
        text = GetSectionText(GetTextKey(comment.type));
        GTranslation::ReplaceToken(text, "<RANDOM_SONG_TITLE>", RandomSongTitle());
        GTranslation::ReplaceToken(text, "<BANDNAME>", BandName());
        break;
    }
    if (text.empty())
        return; // a missing or broken text section: say nothing rather than show a key
    Say(text);
    if (IsBandWide(comment.type))
        DepressAll(comment.type);
    else
        damping[comment.type] += Balance("RS_COMMENT_REPETITION_KNOCKBACK");
}

void SIM_Commenter::Clear()
{
    daily.clear();
}

void SIM_Commenter::DecayPreventers()
{
    const float decay = Balance("RS_COMMENT_REPETITION_DECAY");
    for (float& d : damping)
        d = SIM_ClampValue(d - decay, 0.0f, 1.0f);
}

void SIM_Commenter::DepressAll(TYPE type)
{
    const float knockback = Balance("RS_COMMENT_REPETITION_KNOCKBACK");
    for (SIM_Commenter* c : std::vector<SIM_Commenter*>(All))
        c->damping[type] += knockback;
}

// The world half: the musician, the band, the player character, the songs and gigs, and
// the messages the player reads.
SIM_Commenter::Situation SIM_Commenter::Observe(SIM_RehearsalVenue* venue) const
{
    Situation s;
    SIM_Musician* m = musician;
    s.resentment = m->GetResentment();
    s.stress = m->GetStress()->GetValue();
    s.boredom = m->GetBoredom();
    s.motivation = m->GetMotivation();
    s.expectation = m->GetExpectation();
    s.ability = m->GetAbility();
    s.intentionToQuit = m->GetIntentionToQuit();
    s.ambitious = m->HasPersonality("ambitious");
    const SIM_Instrument* best = m->GetBestInstrument();
    s.reachedInstrumentLimit = best && m->ReachedInstrumentAbility() && best->GetMaxAbility() < 1.0f;
    ObserveRelationship(m->GetWorstRelationship(), s.hasWorst, s.worstValue, s.worstName, s.worstFemale);
    ObserveRelationship(m->GetBestRelationship(), s.hasBest, s.bestValue, s.bestName, s.bestFemale);

    s.rehearsal = venue != nullptr;
    s.venueMotivation = venue ? venue->GetMotivation(m) : 0.0f;
    SIM_Band* band = SIM_GetBand();
    s.bandRehearsal = band->GetValue("band_rehearsal");
    s.bandHype = band->GetValue("band_hype");
    s.songCount = static_cast<int>(SIM_Song::All.size());
    if (const SIM_Song* boring = SIM_Song::GetMostBoringSong()) {
        s.hasBoringSong = true;
        s.boringSongBoredom = boring->GetBoredom();
        s.boringSongName = boring->GetName();
    }
    s.gigBooked = SIM_Gig::DaysTillNextGig() < SIM_Gig::NoGigBooked;
    s.gigTonight = SIM_Gig::GigTonight();
    s.inspiration = SIM_GetRiza()->GetValue("inspiration");
    s.fame = SIM_GetFame()->GetFame();
    s.cheapVan = SIM_NamedValueList::Globals().IsTrue("cheap van");
    s.tourBus = SIM_NamedValueList::Globals().IsTrue("tour bus");
    if (const SIM_Asset* desired = m->GetDesiredAsset())
        s.desiredAsset = desired->GetName();
    return s;
}

void SIM_Commenter::ObserveRelationship(const SIM_Relationship* r, bool& has, float& value, std::string& name,
                                        bool& female) const
{
    const SIM_Musician* other = r ? r->GetOther(musician) : nullptr;
    has = other != nullptr;
    if (!has)
        return;
    value = r->GetValue();
    name = other->GetForeName();
    female = other->GetGender() == SIM_GENDER_FEMALE;
}

void SIM_Commenter::Say(const std::string& text)
{
    SIM_Message::AddMessage(text, musician);
}

std::string SIM_Commenter::RandomSongTitle() const
{
    return SIM_Song::GetRandomTitle();
}

std::string SIM_Commenter::BandName() const
{
    return SIM_GetBand()->GetName();
}
