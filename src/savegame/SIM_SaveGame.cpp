#include "savegame/SIM_SaveGame.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_EndorsementManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "career/SIM_Venue.h"
#include "port/AtomicFile.h"
#include "savegame/SaveFormat.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Events.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SLIDBase.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace SaveFormat;

namespace {
// The band attributes a save holds, in file order.
constexpr const char* SavedBandAttributes[] = {
    "band_rehearsal", "band_musicianship", "band_chemistry", "band_live_experience", "band_hype", "band_motivation",
};

// "9/12/2026 (DD-MM-YYYY) - 20:5": the local wall-clock time, nothing zero-padded.
std::string WallClockDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%d (DD-MM-YYYY) - %d:%d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return buffer;
}

int SLIDOf(const SIM_SLIDBase* object)
{
    return object ? object->GetSLID() : -1;
}
}

SIM_SaveGame* SIM_GetSaveGame()
{
    static SIM_SaveGame* instance = new SIM_SaveGame;
    return instance;
}

int SIM_SaveGame::CreateSLID()
{
    return SIM_SLIDBase::CreateSLID();
}

void SIM_SaveGame::SetSLID(int id)
{
    SIM_SLIDBase::SetTopSLID(id);
}

bool SIM_SaveGame::SaveGame(const std::string& name)
{
    const bool autosave = name == "autosave";
    std::string why;
    if (!IsValidSaveName(name)) {
        why = "Not a valid save name";
    } else {
        const std::string text = Compose();
        if (!WriteFileAtomically(SavePath(name), text, &why))
            why = "Failed to open save game file (" + why + ")";
        else
            return true;
    }
    if (autosave && autosaveFailureReported) {
        GWarning(("Autosave failed: " + why).c_str(), __FILE__, __LINE__);
    } else {
        autosaveFailureReported = autosaveFailureReported || autosave;
        GError(why.c_str(), __FILE__, __LINE__);
    }
    return false;
}

std::string SIM_SaveGame::Compose()
{
    out.clear();
    out.reserve(256 * 1024);
    Open(Tag::Root);
    SaveHeader();
    SaveRiza();
    SaveDate();
    SaveAssets();
    SaveMusicians();
    SaveBand();
    SaveElements();
    SaveSongs();
    SaveAlbums();
    SaveGameMode();
    SaveRecordingStudio();
    SaveGigs();
    SaveOtherGigs();
    SavePractice();
    SaveRelationships();
    SaveEndorsements();
    SaveRehearsalData();
    SaveVenues();
    SaveBalance();
    SaveEvents();
    SaveFinances();
    SaveFame();
    SaveGlobals();
    SaveStatistics();
    SaveMisc();
    Close(Tag::Root);
    std::string text;
    text.swap(out);
    return text;
}

void SIM_SaveGame::Open(const char* tag)
{
    out += '<';
    out += tag;
    out += ">\n";
}

void SIM_SaveGame::Close(const char* tag)
{
    out += "</";
    out += tag;
    out += ">\n";
}

void SIM_SaveGame::Value(const char* key, const std::string& value)
{
    out += '<';
    out += key;
    out += '>';
    out += Escape(value);
    out += "</";
    out += key;
    out += ">\n";
}

void SIM_SaveGame::Value(const char* key, int value)
{
    Value(key, FormatInt(value));
}

void SIM_SaveGame::Value(const char* key, float value)
{
    Value(key, FormatFloat(value));
}

void SIM_SaveGame::SaveHeader()
{
    Open(Tag::Header);
    Value(Key::Version, SIM_GetScreens()->GetVersionString());
    Close(Tag::Header);
    Open(Tag::LoadData);
    Value(Key::AvatarTexture, SIM_GetRiza()->GetPortraitTexture());
    Value(Key::BandName, SIM_GetBand()->GetName());
    Value(Key::Fame, SIM_GetFame()->GetFame());
    Value(Key::Cash, SIM_GetFinances()->GetCash());
    Value(Key::Date, WallClockDate());
    Close(Tag::LoadData);
}

void SIM_SaveGame::SaveRiza()
{
    SIM_Riza* riza = SIM_GetRiza();
    Open(Tag::Riza);
    Value(Key::SLIDUpper, riza->GetSLID());
    Value(Key::Forename, riza->GetForeName());
    // The player character's own attributes: those of the musicians and the band are
    // saved with them.
    Open(Tag::Attributes);
    for (const SIM_NamedValue* v : riza->GetAttributes().GetRawList())
        if (const auto* a = dynamic_cast<const SIM_Attribute*>(v))
            SaveAttribute(a);
    Close(Tag::Attributes);
    Open(Tag::Skills);
    for (const SIM_NamedValue* v : riza->GetSkills().GetRawList()) {
        Open(Tag::Skill);
        Value(Key::Name, v->GetName());
        Value(Key::GuiName, v->GetGUIName());
        Value(Key::Value, v->GetValue());
        Close(Tag::Skill);
    }
    Close(Tag::Skills);
    Value(Key::AvatarTexture, SIM_GetScreens()->GetAvatarTexture());
    Close(Tag::Riza);
}

void SIM_SaveGame::SaveAttribute(const SIM_Attribute* a)
{
    Open(Tag::Attribute);
    Value(Key::Name, a->GetName());
    Value(Key::GuiName, a->GetGUIName());
    Value(Key::Description, a->GetDescription());
    Value(Key::BaseValue, a->GetBaseValue());
    Value(Key::AlwaysShow, a->IsAlwaysShown());
    Value(Key::HighIsGood, a->IsHighGood());
    Value(Key::Criteria, static_cast<int>(a->GetWarnDirection()));
    Value(Key::WarnLimit, a->GetWarnLimit());
    for (const SIM_Effect* e : a->GetEffects()) {
        Open(Tag::Effect);
        Value(Key::DebugName, e->GetDebugName());
        Value(Key::Degrade, e->GetDegrade());
        Value(Key::Effect, e->GetEffect());
        Close(Tag::Effect);
    }
    Close(Tag::Attribute);
}

void SIM_SaveGame::SaveAttributeData(const SIM_Attribute* a)
{
    Open(Tag::Attribute);
    if (a)
        for (const SIM_Effect* e : a->GetEffects()) {
            Open(Tag::Effect);
            Value(Key::DebugName, e->GetDebugName());
            Value(Key::Degrade, e->GetDegrade());
            Value(Key::Effect, e->GetEffect());
            Close(Tag::Effect);
        }
    Close(Tag::Attribute);
}

void SIM_SaveGame::SaveDate()
{
    const SIM_Date* today = SIM_Date::PPresentDay;
    Open(Tag::Date);
    Value(Key::Day, today->GetDay());
    Value(Key::DayOfWeek, today->GetDayOfWeek());
    Value(Key::Month, today->GetMonth());
    Value(Key::Year, today->GetYear());
    Value(Key::YearEndDay, SIM_Date::EndYearDate.GetDay());
    Value(Key::YearEndMonth, SIM_Date::EndYearDate.GetMonth());
    Value(Key::YearEndYear, SIM_Date::EndYearDate.GetYear());
    Value(Key::GameEndDay, SIM_Date::EndGameDate.GetDay());
    Value(Key::GameEndMonth, SIM_Date::EndGameDate.GetMonth());
    Value(Key::GameEndYear, SIM_Date::EndGameDate.GetYear());
    Value(Key::TenYearsUp, SIM_GetSim()->IsTenYearsUp());
    Close(Tag::Date);
}

void SIM_SaveGame::SaveAssets()
{
    Open(Tag::Assets);
    for (const SIM_Asset* a : SIM_Asset::All) {
        Open(Tag::Asset);
        Value(Key::Name, a->GetName());
        Value(Key::Owned, a->IsOwned());
        Value(Key::Assigned, a->IsAssigned());
        Close(Tag::Asset);
    }
    Open(Tag::AssetMusic);
    for (const SIM_AssetMusic* m : SIM_AssetMusic::All) {
        if (m->GetTracksListenedTo() <= 0)
            continue;
        Open(Tag::Music);
        Value(Key::Name, m->GetName());
        Value(Key::Listened, m->GetTracksListenedTo());
        Close(Tag::Music);
    }
    Close(Tag::AssetMusic);
    Close(Tag::Assets);
}

void SIM_SaveGame::SaveMusicians()
{
    Open(Tag::Musicians);
    for (SIM_Musician* m : SIM_Musician::All) {
        Open(Tag::Musician);
        Value(Key::Slid, m->GetSLID());
        Value(Key::Forename, m->GetForeName());
        Value(Key::Surname, m->GetSurName());
        Value(Key::Fullname, m->GetFullName());
        for (int mood = 0; mood < 4; ++mood)
            Value(Key::Portraits[mood], m->GetMoodPortrait(mood));
        Value(Key::Gender, static_cast<int>(m->GetGender()));
        Value(Key::Instrument, static_cast<int>(m->GetInstrument()));
        Value(Key::Ability, m->GetAbility());
        Value(Key::MaxAbility, m->GetMaxAbility());
        Value(Key::Resentment, m->GetResentment());
        Value(Key::Chemistry, m->GetChemistry());
        Value(Key::Boredom, m->GetBoredom());
        Value(Key::Innocence, m->GetInnocence());
        Value(Key::Cynicism, m->GetCynicism());
        Value(Key::DaysInBand, m->GetDaysInBand());
        Value(Key::IntentionToQuit, m->GetIntentionToQuit());
        SaveAttributeData(m->GetMotivationAttribute());
        SaveAttributeData(m->GetStress());
        SaveAttributeData(m->GetThirdAttribute());
        SaveAttributeData(m->GetLiveExperience());
        Value(Key::SongElement, m->GetSongElement() ? m->GetSongElement()->GetName() : std::string(NoneUpper));
        Value(Key::Active, m->IsActive());
        Open(Tag::Personalities);
        for (const SIM_Personality* p : m->GetPersonalities()) {
            Open(Tag::Personality);
            Value(Key::Name, p->GetName());
            Close(Tag::Personality);
        }
        Close(Tag::Personalities);
        Open(Tag::Possessions);
        for (const SIM_Asset* a : m->GetPossesions()) {
            Open(Tag::Possession);
            Value(Key::Name, a->GetName());
            Close(Tag::Possession);
        }
        Close(Tag::Possessions);
        Value(Key::Ego, m->GetEgo());
        Close(Tag::Musician);
    }
    Close(Tag::Musicians);
}

void SIM_SaveGame::SaveBand()
{
    SIM_Band* band = SIM_GetBand();
    Open(Tag::Band);
    Value(Key::BandNameKey, band->GetName());
    Value(Key::SponsoredName, band->GetSponsoredName());
    Value(Key::YearCount, band->GetYearCount());
    Open(Tag::Members);
    for (const SIM_Musician* m : band->GetMembers()) {
        Open(Tag::Member);
        Value(Key::Slid, m->GetSLID());
        Close(Tag::Member);
    }
    Close(Tag::Members);
    for (const char* name : SavedBandAttributes)
        SaveAttributeData(dynamic_cast<const SIM_Attribute*>(band->GetAttributes().GetNamedValue(name)));
    Open(Tag::CommunalAssets);
    for (const SIM_Asset* a : band->GetCommunalAssets()) {
        Open(Tag::Asset);
        Value(Key::Name, a->GetName());
        Close(Tag::Asset);
    }
    Close(Tag::CommunalAssets);
    Close(Tag::Band);
}

void SIM_SaveGame::SaveElements()
{
    Open(Tag::SongElements);
    for (const SIM_SongElement* e : SIM_SongElement::All) {
        if (!e->IsAvailable())
            continue;
        Open(Tag::Unlocked);
        Value(Key::Name, e->GetName());
        Value(Key::Slid, SLIDOf(e->GetUnlocker()));
        Close(Tag::Unlocked);
    }
    Close(Tag::SongElements);
}

void SIM_SaveGame::SaveSongs()
{
    const auto saveSong = [this](const SIM_Song* s) {
        GAssert(s->GetSLID() >= 0 && s->GetSLID() < SIM_SLIDBase::MaxSLID, __FILE__, __LINE__);
        Open(Tag::Song);
        Value(Key::Slid, s->GetSLID());
        Value(Key::Name, s->GetName());
        Value(Key::Boredom, s->GetBoredom());
        Value(Key::Quality, s->GetQuality());
        Value(Key::InitialInspiration, s->GetInitialInspiration());
        Value(Key::Description, s->GetDescription());
        Value(Key::Classic, s->IsClassic());
        Value(Key::AlbumSlid, SLIDOf(s->GetAlbum()));
        Open(Tag::Suitabilities);
        for (const SIM_Song::ElementSuitability& f : s->GetElementSuitabilities()) {
            Open(Tag::Suitability);
            Value(Key::Name, f.element);
            Value(Key::SuitabilityKey, f.suitability);
            Value(Key::Left, f.left);
            Value(Key::Right, f.right);
            Close(Tag::Suitability);
        }
        Close(Tag::Suitabilities);
        Open(Tag::Elements);
        for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
            const SIM_SongElement* e = s->GetElement(static_cast<SONG_SECTION>(i));
            Value(std::to_string(i).c_str(), e ? e->GetName() : std::string(NoneUpper));
        }
        Close(Tag::Elements);
        Close(Tag::Song);
    };
    Open(Tag::Songs);
    for (const SIM_Song* s : SIM_Song::All)
        saveSong(s);
    Close(Tag::Songs);
    Open(Tag::RetiredSongs);
    for (const SIM_Song* s : SIM_Song::Retired)
        saveSong(s);
    Close(Tag::RetiredSongs);
}

void SIM_SaveGame::SaveAlbums()
{
    Open(Tag::Albums);
    for (const SIM_Album* a : SIM_Album::All) {
        Open(Tag::Album);
        Value(Key::Slid, a->GetAlbumID());
        Value(Key::Mode, a->GetMode());
        Value(Key::Title, a->GetTitle());
        Value(Key::WeeksSinceRelease, a->GetWeeksSinceRelease());
        Value(Key::SongQuality, a->GetSongQuality());
        Value(Key::ProductionQuality, a->GetProductionQuality());
        Value(Key::ProductionCost, a->GetProductionCost());
        Value(Key::DaysInStudio, a->GetDaysInStudio());
        Value(Key::CoverTexture, a->GetCoverTexture());
        Value(Key::RoyaltiesEarned, a->GetRoyaltiesEarned());
        Value(Key::TotalEarned, a->GetTotalEarned());
        Value(Key::CopiesSold, a->GetCopiesSold());
        Open(Tag::Tracks);
        for (const SIM_Song* s : a->GetTracks()) {
            // A track list may still name a song deleted since; only live songs are saved.
            if (std::find(SIM_Song::All.begin(), SIM_Song::All.end(), s) == SIM_Song::All.end() &&
                std::find(SIM_Song::Retired.begin(), SIM_Song::Retired.end(), s) == SIM_Song::Retired.end())
                continue;
            GAssert(s->GetSLID() >= 0 && s->GetSLID() < SIM_SLIDBase::MaxSLID, __FILE__, __LINE__);
            Open(Tag::Track);
            Value(Key::Slid, s->GetSLID());
            Close(Tag::Track);
        }
        Close(Tag::Tracks);
        Close(Tag::Album);
    }
    Close(Tag::Albums);
}

void SIM_SaveGame::SaveGameMode()
{
    const SIM_RecordCompany* company = SIM_GetRecordCompany();
    Open(Tag::GameMode);
    Value(Key::Mode, SIM_GetGameMode()->GetCurrentMode());
    // The record deal: not part of the described layout, so readers of that layout pass
    // over these lines; without them a loaded game would lose its deal.
    Value(Key::DealSigned, company->IsSigned());
    Value(Key::DealLabel, company->GetGUIName());
    Value(Key::DealRoyalty, company->GetRoyalty());
    Value(Key::DealMarketing, company->GetMarketing());
    Close(Tag::GameMode);
}

void SIM_SaveGame::SaveRecordingStudio()
{
    const SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    Open(Tag::RecordingStudio);
    Value(Key::Name, studio ? studio->GetName() : std::string(NoneLower));
    Close(Tag::RecordingStudio);
}

void SIM_SaveGame::SaveGigs()
{
    Open(Tag::Gigs);
    Open(Tag::Booked);
    for (const SIM_Gig* g : SIM_Gig::BookedGigs) {
        if (!g->GetVenue())
            continue;
        Open(Tag::Booking);
        Value(Key::Type, g->GetType());
        Value(Key::VenueKey, g->GetVenue()->GetName());
        Value(Key::Charity, g->GetCharity() ? g->GetCharity()->name : std::string(NoneLower));
        Value(Key::DateDay, g->GetDate().GetDay());
        Value(Key::DateMonth, g->GetDate().GetMonth());
        Value(Key::DateYear, g->GetDate().GetYear());
        Close(Tag::Booking);
    }
    Close(Tag::Booked);
    Close(Tag::Gigs);
}

void SIM_SaveGame::SaveOtherGigs()
{
    Open(Tag::OtherGigs);
    for (const SIM_OtherGig* g : SIM_OtherGig::All) {
        if (!g->GetBand())
            continue;
        Open(Tag::Gig);
        Value(Key::Name, g->GetBand()->GetName());
        Value(Key::Day, g->GetDate().GetDay());
        Value(Key::Month, g->GetDate().GetMonth());
        Value(Key::Year, g->GetDate().GetYear());
        Close(Tag::Gig);
    }
    Close(Tag::OtherGigs);
}

void SIM_SaveGame::SavePractice()
{
    const SIM_Practice* practice = SIM_GetPractice();
    Open(Tag::Practice);
    std::string bpm;
    for (int i = 0; i < SIM_Practice::NumInstruments; ++i)
        bpm += (i ? "," : "") + FormatInt(practice->GetBPM(i));
    Value(Key::Bpm, bpm);
    Value(Key::Inst, practice->GetInstrument());
    SavePracticeMelodies();
    Close(Tag::Practice);
}

// One block per practice instrument, in order: the melodies beaten, each followed by ",".
void SIM_SaveGame::SavePracticeMelodies()
{
    const SIM_Practice* practice = SIM_GetPractice();
    for (int i = 0; i < SIM_Practice::NumInstruments; ++i) {
        Open(Tag::Melody);
        std::string ids;
        for (int id : practice->GetBeaten(i))
            ids += FormatInt(id) + ",";
        Value(Key::Ids, ids);
        Close(Tag::Melody);
    }
}

void SIM_SaveGame::SaveRelationships()
{
    Open(Tag::Relationships);
    for (const SIM_Relationship* r : SIM_Relationship::All) {
        Open(Tag::Relationship);
        Value(Key::P1, SLIDOf(r->GetP1()));
        Value(Key::P2, SLIDOf(r->GetP2()));
        Value(Key::Value, r->GetValue());
        Close(Tag::Relationship);
    }
    Close(Tag::Relationships);
}

void SIM_SaveGame::SaveEndorsements()
{
    Open(Tag::Endorsements);
    for (const SIM_Endorsement* e : SIM_Endorsement::Offered) {
        Open(Tag::Endorsement);
        Value(Key::Name, e->GetName());
        Close(Tag::Endorsement);
    }
    // Days since the last offer: a trailing line readers of the described layout pass over.
    Value(Key::EndorsementDays, SIM_GetEndorsements()->GetDays());
    Close(Tag::Endorsements);
}

void SIM_SaveGame::SaveRehearsalData()
{
    Open(Tag::RehearsalData);
    for (const SIM_RehearsalData* d : SIM_RehearsalData::All) {
        Open(Tag::Data);
        Value(Key::OwnerSlid, SLIDOf(d->GetMusician()));
        for (const SIM_RehearsalData::SongData& s : d->GetSongData()) {
            Open(Tag::SongData);
            Value(Key::SongSlid, SLIDOf(s.song));
            Value(Key::Readiness, s.readiness);
            Close(Tag::SongData);
        }
        Close(Tag::Data);
    }
    Close(Tag::RehearsalData);
}

void SIM_SaveGame::SaveVenues()
{
    Open(Tag::Venues);
    for (const SIM_Venue* v : SIM_Venue::All) {
        Open(Tag::Venue);
        Value(Key::Name, v->GetName());
        Value(Key::Boredom, v->GetBoredom());
        Close(Tag::Venue);
    }
    Close(Tag::Venues);
}

void SIM_SaveGame::SaveBalance()
{
    const GAM_PlayBalancer* balancer = GAM_GetBalancer();
    Open(Tag::Balance);
    Value(Key::Status, balancer->GetStatus());
    for (const auto& entry : balancer->GetHistory()) {
        Open(Tag::Entry);
        Value(Key::Worth, entry.worth);
        Close(Tag::Entry);
    }
    Close(Tag::Balance);
}

void SIM_SaveGame::SaveEvents()
{
    const SIM_Events* events = SIM_GetEvents();
    Open(Tag::Events);
    Value(Key::DaysSinceLastEvent, events->GetDaysSinceLastEvent());
    for (int i = 0; i < SIM_Events::NumEvents; ++i)
        Value(std::to_string(i).c_str(), events->GetFired(i));
    Close(Tag::Events);
}

void SIM_SaveGame::SaveFinances()
{
    Open(Tag::Finances);
    Value(Key::Cash, SIM_GetFinances()->GetCash());
    Close(Tag::Finances);
}

void SIM_SaveGame::SaveFame()
{
    Open(Tag::Fame);
    for (const SIM_Effect* e : SIM_GetFame()->GetEffects()) {
        Open(Tag::FameEffect);
        Value(Key::Degrade, e->GetDegrade());
        Value(Key::Effect, e->GetEffect());
        Value(Key::DebugName, e->GetDebugName());
        Close(Tag::FameEffect);
    }
    Close(Tag::Fame);
}

void SIM_SaveGame::SaveGlobals()
{
    Open(Tag::Globals);
    for (const SIM_NamedValue* v : SIM_NamedValueList::Globals().GetRawList()) {
        Open(Tag::Global);
        Value(Key::Name, v->GetName());
        Value(Key::GuiName, v->GetGUIName());
        Value(Key::Value, v->GetValue());
        Close(Tag::Global);
    }
    Close(Tag::Globals);
}

void SIM_SaveGame::SaveStatistics()
{
    SIM_Statistics* stats = SIM_GetStatistics();
    Open(Tag::Statistics);
    std::string ints;
    for (int i = 0; i < SIM_Statistics::NUM_COUNTERS; ++i)
        ints += FormatInt(stats->GetIntCounter(static_cast<SIM_Statistics::COUNTERS>(i))) + ",";
    Value(Key::Ints, ints);
    std::string floats;
    for (int i = 0; i < SIM_Statistics::NUM_FLOATCOUNTERS; ++i)
        floats += FormatFloat2(stats->GetFloatCounter(static_cast<SIM_Statistics::FLOATCOUNTERS>(i))) + ",";
    Value(Key::Floats, floats);
    stats->GetTimer().Update();
    Value(Key::Elapsed, static_cast<float>(stats->GetTimer().GetElapsed()));
    Close(Tag::Statistics);
}

void SIM_SaveGame::SaveMisc()
{
    const SIM_SIM* sim = SIM_GetSim();
    Open(Tag::Sim);
    Value(Key::MaxActs, sim->GetMaxActivities());
    Value(Key::Acts, sim->GetActivities());
    Value(Key::TurnCount, sim->GetTurnCount());
    Close(Tag::Sim);
    Open(Tag::Misc);
    Value(Key::TopSLID, SIM_SLIDBase::GetTopSLID());
    Value(Key::Skin, SIM_GetScreens()->GetCurrentSkin());
    Close(Tag::Misc);
}
