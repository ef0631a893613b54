#include "savegame/SIM_LoadGame.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_EndorsementManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Publicity.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "career/SIM_Venue.h"
#include "engine/Utilities.h"
#include "savegame/SaveFormat.h"
#include "savegame/SIM_SaveGame.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Events.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SLIDBase.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <set>

using namespace SaveFormat;

namespace {
// The sections a save must hold, in the order they must come.
constexpr const char* RequiredSections[] = {
    Tag::Header, Tag::Riza, Tag::Date, Tag::Assets, Tag::Musicians, Tag::Band, Tag::SongElements, Tag::Songs,
    Tag::RetiredSongs, Tag::Albums, Tag::GameMode, Tag::RecordingStudio, Tag::Gigs, Tag::OtherGigs,
    Tag::Practice, Tag::Relationships, Tag::Endorsements, Tag::RehearsalData, Tag::Venues, Tag::Balance,
    Tag::Events, Tag::Finances, Tag::Fame, Tag::Globals, Tag::Statistics, Tag::Sim, Tag::Misc,
};

constexpr const char* SavedBandAttributes[] = {
    "band_rehearsal", "band_musicianship", "band_chemistry", "band_live_experience", "band_hype", "band_motivation",
};

// Bounds on what a file may rebuild, far above any career: a hostile file cannot make the
// load crawl (members pair up with each other, songs are looked up per rehearsal entry).
constexpr size_t MaxMusicians = 2000;
constexpr size_t MaxMembers = 16;
constexpr size_t MaxSongs = 5000;
constexpr size_t MaxAlbums = 1000;
constexpr size_t MaxAttributes = 256;

// A damaged file could log a line per value; past this many a load logs no more.
constexpr int MaxLoggedProblems = 64;
int problemsLogged = 0;

void Problem(const std::string& text)
{
    if (problemsLogged >= MaxLoggedProblems)
        return;
    if (++problemsLogged == MaxLoggedProblems)
        GWarning("Saved game: further problems are not logged", __FILE__, __LINE__);
    else
        GWarning(("Saved game: " + text).c_str(), __FILE__, __LINE__);
}

// Reads a whole file of at most MaxFileBytes; false when it cannot be read or is larger.
bool ReadFile(const std::string& path, std::string& text, std::string& why)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "Failed to open save game";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<unsigned long long>(size) > MaxFileBytes) {
        why = "Save game file is too large";
        return false;
    }
    in.seekg(0, std::ios::beg);
    text.resize(static_cast<size_t>(size));
    in.read(text.data(), size);
    if (in.gcount() != size) {
        why = "Failed to read save game";
        return false;
    }
    return true;
}

// Parses and checks the layout: the root, then every section in order (others are passed
// over). False with `why` set when the file is damaged.
bool Validate(const Document& doc, std::string& why)
{
    size_t next = 0;
    for (int child = doc.Root().firstChild; child >= 0; child = doc.At(child).next) {
        const Node& n = doc.At(child);
        if (n.leaf || next == std::size(RequiredSections))
            continue;
        if (n.tag == RequiredSections[next])
            ++next;
    }
    if (next < std::size(RequiredSections)) {
        why = std::string("missing tag: ") + RequiredSections[next];
        return false;
    }
    return true;
}

template <class T, class Name>
T* FindByName(const std::vector<T*>& all, const std::string& name, Name nameOf)
{
    for (T* t : all)
        if (t && nameOf(t) == name)
            return t;
    return nullptr;
}

SIM_Asset* FindAsset(const std::string& name)
{
    return FindByName(SIM_Asset::All, name, [](const SIM_Asset* a) { return a->GetName(); });
}

SIM_SongElement* FindElement(const std::string& name)
{
    return FindByName(SIM_SongElement::All, name, [](const SIM_SongElement* e) { return e->GetName(); });
}
}

// One block of the file: its values by key (only its own, never a later record's) and its
// child blocks.
class SIM_LoadGame::Record {
public:
    Record(const Document& d, int i) : doc(&d), index(i) {}
    bool Valid() const { return index >= 0; }
    const Node& Self() const { return doc->At(index); }

    const std::string* Find(const char* key) const
    {
        if (!Valid())
            return nullptr;
        for (int c = Self().firstChild; c >= 0; c = doc->At(c).next) {
            const Node& n = doc->At(c);
            if (n.leaf && n.tag == key)
                return &n.value;
        }
        return nullptr;
    }
    bool Has(const char* key) const { return Find(key) != nullptr; }
    const std::string& Raw(const char* key) const
    {
        static const std::string empty;
        const std::string* v = Find(key);
        if (!v) {
            Problem("<" + std::string(Valid() ? Self().tag : std::string_view("?")) + "> has no " + key);
            return empty;
        }
        return *v;
    }
    std::string Str(const char* key) const { return TrimEnd(Raw(key)); }
    float Float(const char* key) const
    {
        const std::string& text = Raw(key);
        float v = 0.0f;
        if (!ParseFloat(text, v) && !text.empty())
            Problem(std::string(key) + " is no number: read as 0");
        return v;
    }
    int Int(const char* key, int lo = INT_MIN, int hi = INT_MAX) const
    {
        const std::string& text = Raw(key);
        int v = 0;
        if (!ParseInt(text, v) && !text.empty())
            Problem(std::string(key) + " is no whole number");
        if (v < lo || v > hi) {
            Problem(std::string(key) + " out of range: clamped");
            v = std::clamp(v, lo, hi);
        }
        return v;
    }
    bool Bool(const char* key) const { return Int(key) != 0; }

    Record Block(const char* tag) const
    {
        return Record(*doc, Valid() ? doc->Find(Self(), tag) : -1);
    }
    // Child blocks with the tag, in order.
    std::vector<Record> Blocks(const char* tag) const
    {
        std::vector<Record> out;
        if (Valid())
            for (int c = Self().firstChild; c >= 0; c = doc->At(c).next)
                if (!doc->At(c).leaf && doc->At(c).tag == tag)
                    out.emplace_back(*doc, c);
        return out;
    }
    // At most `limit` of the blocks, with a log line when there were more.
    static std::vector<Record> Capped(std::vector<Record> records, size_t limit, const char* what)
    {
        if (records.size() > limit) {
            Problem(std::string("too many ") + what + ": the rest are skipped");
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(limit), records.end());
        }
        return records;
    }
    // The items of the list block `list`.
    std::vector<Record> Items(const char* list, const char* item) const { return Block(list).Blocks(item); }

private:
    const Document* doc;
    int index;
};

SIM_LoadGame* SIM_GetLoadGame()
{
    static SIM_LoadGame* instance = new SIM_LoadGame;
    return instance;
}

bool SIM_LoadGame::LoadGame(const std::string& name)
{
    std::string text;
    std::string why;
    if (!IsValidSaveName(name))
        why = "Failed to open save game";
    else if (ReadFile(SavePath(name), text, why))
        return LoadFromText(text);
    GError(why.c_str(), __FILE__, __LINE__);
    return false;
}

bool SIM_LoadGame::LoadFromText(const std::string& text)
{
    Document doc;
    std::string why;
    if (!doc.Parse(text))
        why = "Damaged save game: " + doc.error;
    else if (!Validate(doc, why))
        why = "Damaged save game: " + why;
    if (!why.empty()) {
        GError(why.c_str(), __FILE__, __LINE__);
        return false;
    }
    Restore(doc);
    return true;
}

std::unique_ptr<SIM_LoadConfig> SIM_LoadGame::GetLoadConfig(const std::string& name)
{
    std::string text;
    std::string why;
    Document doc;
    if (!IsValidSaveName(name) || !ReadFile(SavePath(name), text, why) || !doc.Parse(text)) {
        GWarning(("Save game summary unreadable: " + name).c_str(), __FILE__, __LINE__);
        return nullptr;
    }
    const Record data(doc, doc.Find(doc.Root(), Tag::LoadData));
    if (!data.Valid()) {
        GWarning(("missing tag: load_data in " + name).c_str(), __FILE__, __LINE__);
        return nullptr;
    }
    auto config = std::make_unique<SIM_LoadConfig>();
    config->avatarTexture = data.Str(Key::AvatarTexture);
    if (!IsSafeTextureName(config->avatarTexture))
        config->avatarTexture.clear();
    config->bandName = data.Str(Key::BandName);
    config->fame = data.Float(Key::Fame);
    config->cash = data.Float(Key::Cash);
    config->date = data.Str(Key::Date);
    return config;
}

bool SIM_LoadGame::ClaimId(int id, const char* what)
{
    if (id < 0 || id >= SIM_SLIDBase::MaxSLID || usedIds.count(id)) {
        Problem(std::string(what) + " with a bad or repeated id " + std::to_string(id) + " skipped");
        return false;
    }
    usedIds[id] = true;
    return true;
}

SIM_Musician* SIM_LoadGame::FindMusician(int id) const
{
    auto it = musicians.find(id);
    if (it == musicians.end()) {
        Problem("no musician has id " + std::to_string(id));
        return nullptr;
    }
    return it->second;
}

SIM_Song* SIM_LoadGame::FindSong(int id) const
{
    auto it = songs.find(id);
    if (it == songs.end()) {
        Problem("no song has id " + std::to_string(id));
        return nullptr;
    }
    return it->second;
}

void SIM_LoadGame::ClearGame()
{
    SIM_SIM* sim = SIM_GetSim();
    sim->ClearCareer();
    // A new game offers fresh gigs later; a loaded one must not keep this game's offers.
    while (!SIM_Gig::PotentialGigs.empty())
        delete SIM_Gig::PotentialGigs.front();

    SIM_NamedValueList::Globals().Clear();
    SIM_Attribute::Clear();
    SIM_GetStatistics()->Reset();
    SIM_Date::Reset();
    SIM_GetCalendar()->Initialise();
    SIM_GetFinances()->Reset();
    SIM_GetFame()->Initialise();
    SIM_SoloActivityInstance::Open();
    SIM_Performance::Open();
    SIM_SongElement::Open();
    SIM_Asset::Open();
    SIM_Venue::Open();
    SIM_Endorsement::Open();
    SIM_GetEndorsements()->Initialise();
    SIM_GetOtherBands()->Open();
    SIM_RecordingStudio::SetCurrentStudio(static_cast<SIM_RecordingStudio*>(nullptr));
    GAM_GetBalancer()->Reset();
    SIM_GetEvents()->Reset();
}

void SIM_LoadGame::Restore(const Document& doc)
{
    problemsLogged = 0;
    musicians.clear();
    songs.clear();
    songAlbumIds.clear();
    usedIds.clear();
    resentments.clear();
    SIM_SLIDBase::ForgetUnresolved();
    SIM_Screens* screens = SIM_GetScreens();
    const auto section = [&doc](const char* tag) { return Record(doc, doc.Find(doc.Root(), tag)); };

    screens->DrawLoadingScreen(0.0f);
    ClearGame();
    // Ids drawn while the objects are rebuilt are replaced by the saved ones.
    SIM_SLIDBase::SetTopSLID(0);
    screens->StartNewGame();

    LoadHeader(section(Tag::Header));
    screens->DrawLoadingScreen(0.1f);
    LoadRiza(section(Tag::Riza));
    LoadDate(section(Tag::Date));
    screens->DrawLoadingScreen(0.25f);
    LoadAssets(section(Tag::Assets));
    LoadMusicians(section(Tag::Musicians));
    LoadBand(section(Tag::Band));
    LoadElements(section(Tag::SongElements));
    LoadSongs(section(Tag::Songs), false);
    screens->RefreshSongList();
    LoadSongs(section(Tag::RetiredSongs), true);
    LoadAlbums(section(Tag::Albums));
    LoadGameMode(section(Tag::GameMode));
    LoadRecordingStudio(section(Tag::RecordingStudio));
    LoadGigs(section(Tag::Gigs));
    LoadOtherGigs(section(Tag::OtherGigs));
    LoadPractice(section(Tag::Practice));
    LoadRelationships(section(Tag::Relationships));
    LoadEndorsements(section(Tag::Endorsements));
    LoadRehearsalData(section(Tag::RehearsalData));
    LoadVenues(section(Tag::Venues));
    LoadBalance(section(Tag::Balance));
    LoadEvents(section(Tag::Events));
    LoadFinances(section(Tag::Finances));
    screens->DrawLoadingScreen(0.5f);
    LoadFame(section(Tag::Fame));
    LoadGlobals(section(Tag::Globals));
    LoadStatistics(section(Tag::Statistics));
    screens->DrawLoadingScreen(0.75f);
    LoadMisc(section(Tag::Misc));
    const Record sim = section(Tag::Sim);
    savedMaxActs = sim.Int(Key::MaxActs, 1, 100);
    savedActs = sim.Int(Key::Acts, 0, savedMaxActs);
    SIM_GetSim()->SetTurnCount(sim.Int(Key::TurnCount, 0));
    Finish();
}

void SIM_LoadGame::LoadHeader(const Record& r)
{
    const std::string text = r.Str(Key::Version);
    float v = 0.0f;
    if (text.size() > 6)
        ParseFloat(text.substr(6), v);
    version = v;
}

void SIM_LoadGame::LoadRiza(const Record& r)
{
    SIM_Riza* riza = SIM_GetRiza();
    savedRizaSLID = r.Int(Key::SLIDUpper);
    if (ClaimId(savedRizaSLID, "player character"))
        riza->SetSLID(savedRizaSLID);
    riza->SetForename(r.Str(Key::Forename));
    // The attribute rows give each attribute its parent; the file gives the rest.
    riza->LoadAttributes();
    std::set<std::string> seen;
    for (const Record& a : Record::Capped(r.Items(Tag::Attributes, Tag::Attribute), MaxAttributes, "attributes")) {
        const std::string name = a.Str(Key::Name);
        if (name.empty() || name == "none" || !seen.insert(name).second)
            continue;
        LoadAttribute(a);
    }
    riza->GetSkills().Clear();
    seen.clear();
    for (const Record& s : Record::Capped(r.Items(Tag::Skills, Tag::Skill), MaxAttributes, "skills")) {
        const std::string name = s.Str(Key::Name);
        if (name.empty() || !seen.insert(name).second)
            continue;
        riza->GetSkills().AddValue(new SIM_NamedValue(name, s.Str(Key::GuiName), s.Float(Key::Value)));
    }
    std::string avatar = r.Str(Key::AvatarTexture);
    if (!IsSafeTextureName(avatar)) {
        Problem("unsafe avatar texture: the default is used");
        avatar = SIM_GetGameConfig()->GetAvatarTexture();
    }
    riza->SetAvatarTexture(avatar);
    SIM_GetScreens()->SetAvatarTexture(avatar);
    riza->SelectInstrument();
    if (!avatar.empty() && (avatar[0] == 'm' || avatar[0] == 'f'))
        riza->GetGenderFromTexture(avatar);
}

void SIM_LoadGame::LoadAttribute(const Record& r)
{
    SIM_Riza* riza = SIM_GetRiza();
    const std::string name = r.Str(Key::Name);
    SIM_Attribute* a = riza->GetAttribute(name);
    if (!a) {
        a = new SIM_Attribute(name, r.Str(Key::GuiName), 0.0f);
        riza->GetAttributes().AddValue(a);
    }
    a->SetDescription(r.Str(Key::Description));
    a->SetBaseValue(r.Float(Key::BaseValue));
    a->SetAlwaysShown(r.Bool(Key::AlwaysShow));
    a->SetHighGood(r.Bool(Key::HighIsGood));
    a->SetWarning(r.Int(Key::Criteria), r.Float(Key::WarnLimit));
    LoadAttributeData(r, a);
}

void SIM_LoadGame::LoadAttributeData(const Record& r, SIM_Attribute* a)
{
    if (!a)
        return;
    a->ClearEffects();
    for (const Record& e : r.Blocks(Tag::Effect))
        a->AddEffect(e.Float(Key::Effect), e.Float(Key::Degrade), e.Str(Key::DebugName));
    a->CalculateValue();
}

void SIM_LoadGame::LoadDate(const Record& r)
{
    SIM_Date::Reset();
    const auto date = [&r](const char* d, const char* m, const char* y) {
        return SIM_Date(r.Int(d, 0, SIM_Date::DaysPerMonth - 1), r.Int(m, 0, SIM_Date::MonthsPerYear - 1),
                        r.Int(y, 0, 1000000));
    };
    *SIM_Date::PPresentDay = date(Key::Day, Key::Month, Key::Year);
    SIM_Date::PPresentDay->SetDayOfWeek(r.Int(Key::DayOfWeek, 0, 6));
    SIM_Date::EndYearDate = date(Key::YearEndDay, Key::YearEndMonth, Key::YearEndYear);
    SIM_Date::EndGameDate = date(Key::GameEndDay, Key::GameEndMonth, Key::GameEndYear);
    SIM_GetSim()->SetTenYearsUp(r.Bool(Key::TenYearsUp));
}

void SIM_LoadGame::LoadAssets(const Record& r)
{
    std::set<std::string> seen;
    for (const Record& item : r.Blocks(Tag::Asset)) {
        const std::string name = item.Str(Key::Name);
        SIM_Asset* a = FindAsset(name);
        if (!a || !seen.insert(name).second) {
            Problem("asset skipped: " + name);
            continue;
        }
        a->SetAssigned(item.Bool(Key::Assigned));
        if (item.Bool(Key::Owned))
            a->LoadAsOwned();
    }
    SIM_GetScreens()->RefreshAssets();
    for (const Record& item : r.Items(Tag::AssetMusic, Tag::Music)) {
        const std::string name = item.Str(Key::Name);
        auto* music = dynamic_cast<SIM_AssetMusic*>(FindAsset(name));
        if (!music) {
            Problem("recorded music skipped: " + name);
            continue;
        }
        music->SetTracksListenedTo(item.Int(Key::Listened, 0, 100000));
    }
}

void SIM_LoadGame::LoadMusicians(const Record& r)
{
    for (const Record& item : Record::Capped(r.Blocks(Tag::Musician), MaxMusicians, "musicians")) {
        const int id = item.Int(Key::Slid);
        if (!ClaimId(id, "musician"))
            continue;
        auto* m = new SIM_Musician;
        m->SetSLID(id);
        musicians[id] = m;
        m->SetName(item.Str(Key::Forename), item.Str(Key::Surname));
        m->SetLoadedGender(static_cast<SIM_GENDER>(item.Int(Key::Gender, 0, 1)));
        bool safe = true;
        for (int mood = 0; mood < 4; ++mood) {
            const std::string texture = item.Str(Key::Portraits[mood]);
            safe = safe && IsSafeTextureName(texture);
            m->SetMoodPortrait(mood, texture);
        }
        if (!safe) {
            Problem("unsafe portrait: a new one is chosen");
            m->SetGender(m->GetGender());
        }
        m->SetInstrument(static_cast<INSTRUMENT>(item.Int(Key::Instrument, 0, INSTRUMENT_VOCALS)));
        const float ability = item.Float(Key::Ability);
        m->SetLoadedAbility(ability, item.Float(Key::MaxAbility));
        m->SetResentment(item.Float(Key::Resentment));
        resentments[m] = m->GetResentment();
        m->SetChemistry(item.Float(Key::Chemistry));
        m->SetBoredom(item.Float(Key::Boredom));
        m->SetInnocence(item.Float(Key::Innocence));
        m->SetCynicism(item.Float(Key::Cynicism));
        m->SetDaysInBand(item.Int(Key::DaysInBand, 0));
        m->SetIntentionToQuit(item.Int(Key::IntentionToQuit, 0));
        const std::vector<Record> attributes = item.Blocks(Tag::Attribute);
        SIM_Attribute* own[] = {m->GetMotivationAttribute(), m->GetStress(), m->GetThirdAttribute(),
                                m->GetLiveExperience()};
        for (size_t i = 0; i < std::size(own) && i < attributes.size(); ++i)
            LoadAttributeData(attributes[i], own[i]);
        const std::string element = item.Str(Key::SongElement);
        m->SetSongElement(element == NoneUpper ? nullptr : FindElement(element));
        if (element != NoneUpper && !m->GetSongElement())
            Problem("unknown song element " + element);
        m->SetActive(item.Bool(Key::Active));
        for (const Record& p : item.Items(Tag::Personalities, Tag::Personality)) {
            const std::string name = p.Str(Key::Name);
            SIM_Personality* personality =
                FindByName(SIM_Personality::All, name, [](const SIM_Personality* x) { return x->GetName(); });
            if (personality && !m->HasPersonality(name))
                m->AddPersonality(personality);
            else
                Problem("personality skipped: " + name);
        }
        for (const Record& p : item.Items(Tag::Possessions, Tag::Possession)) {
            SIM_Asset* a = FindAsset(p.Str(Key::Name));
            const auto& owned = m->GetPossesions();
            if (a && std::find(owned.begin(), owned.end(), a) == owned.end())
                m->AddLoadedPossesion(a);
            else
                Problem("possession skipped: " + p.Str(Key::Name));
        }
        if (item.Has(Key::Ego))
            m->SetEgo(item.Float(Key::Ego));
    }
}

void SIM_LoadGame::LoadBand(const Record& r)
{
    SIM_Band* band = SIM_GetBand();
    band->ClearMembers();
    SIM_Relationship::Clear();
    band->SetName(r.Raw(Key::BandNameKey));
    band->SetSponsoredname(r.Raw(Key::SponsoredName));
    band->SetYearCount(r.Int(Key::YearCount, 0));
    for (const Record& item : Record::Capped(r.Items(Tag::Members, Tag::Member), MaxMembers, "members")) {
        SIM_Musician* m = FindMusician(item.Int(Key::Slid));
        if (!m || band->IsMember(m)) {
            Problem("band member skipped");
            continue;
        }
        band->AddLoadedMember(m);
        SIM_GetScreens()->AddBandIcon(m);
    }
    const std::vector<Record> attributes = r.Blocks(Tag::Attribute);
    for (size_t i = 0; i < std::size(SavedBandAttributes) && i < attributes.size(); ++i)
        LoadAttributeData(attributes[i],
                          dynamic_cast<SIM_Attribute*>(band->GetAttributes().GetNamedValue(SavedBandAttributes[i])));
    for (const Record& item : r.Items(Tag::CommunalAssets, Tag::Asset)) {
        SIM_Asset* a = FindAsset(item.Str(Key::Name));
        const auto& shared = band->GetCommunalAssets();
        if (a && std::find(shared.begin(), shared.end(), a) == shared.end())
            band->AddCommunalAsset(a);
        else
            Problem("communal asset skipped");
    }
    band->Recalculate();
}

void SIM_LoadGame::LoadElements(const Record& r)
{
    for (const Record& item : r.Blocks(Tag::Unlocked)) {
        SIM_SongElement* e = FindElement(item.Str(Key::Name));
        if (!e) {
            Problem("unknown song element " + item.Str(Key::Name));
            continue;
        }
        const int id = item.Int(Key::Slid);
        SIM_Person* person = nullptr;
        if (id == savedRizaSLID && id != -1)
            person = SIM_GetRiza();
        else if (id != -1)
            person = FindMusician(id);
        e->UnlockElement(person);
    }
}

void SIM_LoadGame::LoadSongs(const Record& r, bool retired)
{
    for (const Record& item : Record::Capped(r.Blocks(Tag::Song), MaxSongs, "songs")) {
        const int id = item.Int(Key::Slid);
        if (!ClaimId(id, "song"))
            continue;
        auto* s = new SIM_Song;
        s->SetSLID(id);
        songs[id] = s;
        s->SetName(item.Str(Key::Name));
        s->SetBoredom(item.Float(Key::Boredom));
        s->SetQuality(item.Float(Key::Quality));
        s->SetInitialInspiration(item.Float(Key::InitialInspiration));
        s->SetDescription(item.Str(Key::Description));
        s->SetClassic(item.Bool(Key::Classic));
        songAlbumIds[s] = item.Int(Key::AlbumSlid);
        for (const Record& f : item.Items(Tag::Suitabilities, Tag::Suitability))
            s->AddElementSuitability({f.Str(Key::Name), f.Float(Key::SuitabilityKey), f.Int(Key::Left, 0, 2),
                                      f.Int(Key::Right, 0, 2)});
        const Record elements = item.Block(Tag::Elements);
        for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
            const std::string key = std::to_string(i);
            const std::string name = elements.Str(key.c_str());
            if (name == NoneUpper || name.empty())
                continue;
            if (SIM_SongElement* e = FindElement(name))
                s->AddElement(e, static_cast<SONG_SECTION>(i));
            else
                Problem("unknown song element " + name);
        }
        if (retired)
            s->Retire();
    }
}

void SIM_LoadGame::LoadAlbums(const Record& r)
{
    std::set<int> albumIds;
    std::vector<SIM_Album*> needBaseId;
    for (const Record& item : Record::Capped(r.Blocks(Tag::Album), MaxAlbums, "albums")) {
        SIM_Album::SavedState state;
        state.albumId = item.Int(Key::Slid);
        if (state.albumId < 0 || state.albumId >= SIM_SLIDBase::MaxSLID || !albumIds.insert(state.albumId).second) {
            Problem("album with a bad or repeated id skipped");
            continue;
        }
        state.mode = item.Int(Key::Mode, 0, 1);
        state.weeksSinceRelease = item.Int(Key::WeeksSinceRelease, 0, SIM_Album::MaxWeeks);
        state.songQuality = item.Float(Key::SongQuality);
        state.productionQuality = item.Float(Key::ProductionQuality);
        state.productionCost = item.Float(Key::ProductionCost);
        state.daysInStudio = item.Int(Key::DaysInStudio, 0);
        auto* album = new SIM_Album;
        state.coverTexture = item.Str(Key::CoverTexture);
        if (!IsSafeTextureName(state.coverTexture)) {
            Problem("unsafe album cover: the default is used");
            state.coverTexture = album->GetCoverTexture();
        }
        state.royaltiesEarned = item.Float(Key::RoyaltiesEarned);
        state.totalEarned = item.Float(Key::TotalEarned);
        state.copiesSold = item.Int(Key::CopiesSold, 0);
        album->SetTitle(item.Str(Key::Title));
        int baseId = -1;
        for (const Record& t : item.Items(Tag::Tracks, Tag::Track)) {
            SIM_Song* s = FindSong(t.Int(Key::Slid));
            if (!s || s->GetAlbum()) {
                Problem("album track skipped");
                continue;
            }
            album->AddTrack(s);
            if (baseId < 0)
                baseId = songAlbumIds[s];
        }
        album->Restore(state);
        // The songs name their album by its save/load id; it comes back from them.
        if (baseId >= 0 && ClaimId(baseId, "album"))
            album->SetSLID(baseId);
        else
            needBaseId.push_back(album);
        // Every album has its icon, the one still in the studio too.
        SIM_GetScreens()->AddAlbumIcon(album);
    }
    for (SIM_Album* album : needBaseId) {
        int id = 0;
        while (usedIds.count(id))
            ++id;
        usedIds[id] = true;
        album->SetSLID(id);
    }
}

void SIM_LoadGame::LoadGameMode(const Record& r)
{
    SIM_GetGameMode()->SetCurrentMode(r.Int(Key::Mode, 0, 3));
    if (r.Has(Key::DealSigned))
        SIM_GetRecordCompany()->Restore(r.Str(Key::DealLabel), r.Bool(Key::DealSigned), r.Float(Key::DealRoyalty),
                                        r.Float(Key::DealMarketing));
}

void SIM_LoadGame::LoadRecordingStudio(const Record& r)
{
    const std::string name = r.Str(Key::Name);
    SIM_RecordingStudio* studio =
        FindByName(SIM_RecordingStudio::All, name, [](const SIM_RecordingStudio* s) { return s->GetName(); });
    if (!studio && name != NoneLower)
        Problem("unknown recording studio " + name);
    SIM_RecordingStudio::SetCurrentStudio(studio);
}

void SIM_LoadGame::LoadGigs(const Record& r)
{
    for (const Record& item : r.Items(Tag::Booked, Tag::Booking)) {
        const std::string venueName = item.Str(Key::VenueKey);
        SIM_Venue* venue = FindByName(SIM_Venue::All, venueName, [](const SIM_Venue* v) { return v->GetName(); });
        if (!venue) {
            Problem("booking at an unknown venue skipped: " + venueName);
            continue;
        }
        auto* gig = new SIM_Gig(venue, static_cast<SIM_Gig::GIGTYPE>(item.Int(Key::Type, 0, 1)));
        SIM_Gig::BookedGigs.push_back(gig);
        const std::string charity = item.Str(Key::Charity);
        if (charity != NoneLower) {
            const auto& all = SIM_GetCharityGigManager()->GetCharities();
            SIM_Charity* c = FindByName(all, charity, [](const SIM_Charity* x) { return x->name; });
            if (!c)
                Problem("unknown charity " + charity);
            gig->SetCharity(c);
        }
        gig->GetDate() = SIM_Date(item.Int(Key::DateDay, 0, SIM_Date::DaysPerMonth - 1),
                                  item.Int(Key::DateMonth, 0, SIM_Date::MonthsPerYear - 1),
                                  item.Int(Key::DateYear, 0, 1000000));
        gig->AddBookingToCalendar();
    }
    SIM_GetScreens()->RefreshCalendar();
}

void SIM_LoadGame::LoadOtherGigs(const Record& r)
{
    SIM_OtherBandManager* manager = SIM_GetOtherBands();
    for (const Record& item : r.Blocks(Tag::Gig)) {
        const std::string name = item.Str(Key::Name);
        if (!FindByName(manager->GetBands(), name, [](const SIM_OtherBand* b) { return b->GetName(); })) {
            Problem("gig of an unknown band skipped: " + name);
            continue;
        }
        manager->RestoreGig(name, item.Int(Key::Day, 0, SIM_Date::DaysPerMonth - 1),
                            item.Int(Key::Month, 0, SIM_Date::MonthsPerYear - 1), item.Int(Key::Year, 0, 1000000));
    }
}

void SIM_LoadGame::LoadPractice(const Record& r)
{
    SIM_Practice* practice = SIM_GetPractice();
    practice->Clear();
    const std::vector<std::string> bpm = SplitCommaList(r.Str(Key::Bpm));
    for (int i = 0; i < SIM_Practice::NumInstruments; ++i) {
        int v = SIM_Practice::StartBPM;
        if (static_cast<size_t>(i) >= bpm.size() || !ParseInt(bpm[static_cast<size_t>(i)], v))
            Problem("practice tempo missing");
        practice->SetBPM(i, std::clamp(v, SIM_Practice::StartBPM, SIM_Practice::MaxBPM));
    }
    practice->SetInstrument(r.Int(Key::Inst, 0, SIM_Practice::NumInstruments - 1));
    const std::vector<Record> melodies = r.Blocks(Tag::Melody);
    for (int i = 0; i < SIM_Practice::NumInstruments && static_cast<size_t>(i) < melodies.size(); ++i)
        LoadPracticeMelody(i, melodies[static_cast<size_t>(i)]);
}

// One instrument's block: its "ids" join that instrument's beaten melodies.
void SIM_LoadGame::LoadPracticeMelody(int instrument, const Record& r)
{
    for (const std::string& token : SplitCommaList(r.Str(Key::Ids))) {
        int id = 0;
        if (ParseInt(token, id) && id >= 0 && id < 100000)
            SIM_GetPractice()->AddBeaten(instrument, id);
        else
            Problem("melody id skipped");
    }
}

void SIM_LoadGame::LoadRelationships(const Record& r)
{
    for (const Record& item : r.Blocks(Tag::Relationship)) {
        SIM_Musician* a = FindMusician(item.Int(Key::P1));
        SIM_Musician* b = FindMusician(item.Int(Key::P2));
        SIM_Relationship* rel = a && b ? SIM_Relationship::GetRelationship(a, b) : nullptr;
        if (!rel) {
            Problem("relationship skipped");
            continue;
        }
        rel->SetValue(item.Float(Key::Value));
    }
}

void SIM_LoadGame::LoadEndorsements(const Record& r)
{
    for (const Record& item : r.Blocks(Tag::Endorsement))
        if (!SIM_Endorsement::MarkOffered(item.Str(Key::Name)))
            Problem("endorsement skipped: " + item.Str(Key::Name));
    if (r.Has(Key::EndorsementDays))
        SIM_GetEndorsements()->SetDays(r.Int(Key::EndorsementDays, 0, 100000));
}

void SIM_LoadGame::LoadRehearsalData(const Record& r)
{
    for (const Record& item : r.Blocks(Tag::Data)) {
        SIM_Musician* owner = FindMusician(item.Int(Key::OwnerSlid));
        if (!owner || !owner->GetRehearsalData()) {
            Problem("rehearsal record skipped");
            continue;
        }
        SIM_RehearsalData* data = owner->GetRehearsalData();
        data->Clear();
        for (const Record& s : item.Blocks(Tag::SongData)) {
            SIM_Song* song = FindSong(s.Int(Key::SongSlid));
            if (song && !data->HasSong(song))
                data->AddSong(song, s.Float(Key::Readiness));
            else
                Problem("rehearsed song skipped");
        }
        data->CalculateValue();
    }
    SIM_GetBand()->CalculateRehearsal();
}

void SIM_LoadGame::LoadVenues(const Record& r)
{
    for (const Record& item : r.Blocks(Tag::Venue)) {
        const std::string name = item.Str(Key::Name);
        SIM_Venue* v = FindByName(SIM_Venue::All, name, [](const SIM_Venue* x) { return x->GetName(); });
        if (v)
            v->SetBoredom(item.Float(Key::Boredom));
        else
            Problem("unknown venue " + name);
    }
}

void SIM_LoadGame::LoadBalance(const Record& r)
{
    GAM_PlayBalancer* balancer = GAM_GetBalancer();
    balancer->Reset();
    balancer->SetStatus(r.Int(Key::Status));
    for (const Record& e : r.Blocks(Tag::Entry))
        balancer->AddEntry(e.Float(Key::Worth));
}

void SIM_LoadGame::LoadEvents(const Record& r)
{
    SIM_Events* events = SIM_GetEvents();
    events->Reset();
    events->SetDaysSinceLastEvent(r.Int(Key::DaysSinceLastEvent, 0));
    for (int i = 0; i < SIM_Events::NumEvents; ++i)
        events->SetFired(i, r.Bool(std::to_string(i).c_str()));
}

void SIM_LoadGame::LoadFinances(const Record& r)
{
    SIM_GetFinances()->Reset();
    SIM_GetFinances()->SetCash(r.Float(Key::Cash));
}

void SIM_LoadGame::LoadFame(const Record& r)
{
    SIM_Fame* fame = SIM_GetFame();
    fame->Clear();
    for (const Record& e : r.Blocks(Tag::FameEffect))
        fame->AddEffect(e.Float(Key::Effect), e.Float(Key::Degrade), e.Str(Key::DebugName));
    fame->CalculateValue();
}

void SIM_LoadGame::LoadGlobals(const Record& r)
{
    // The file's globals are the whole list, in the file's order: flags raised while the
    // assets were restored are in it too when they were set.
    SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    globals.Clear();
    std::set<std::string> seen;
    for (const Record& g : r.Blocks(Tag::Global)) {
        const std::string name = g.Str(Key::Name);
        if (name.empty() || !seen.insert(name).second)
            continue;
        globals.AddValue(new SIM_NamedValue(name, g.Str(Key::GuiName), g.Float(Key::Value)));
    }
}

void SIM_LoadGame::LoadStatistics(const Record& r)
{
    SIM_Statistics* stats = SIM_GetStatistics();
    const std::vector<std::string> ints = SplitCommaList(r.Str(Key::Ints));
    for (size_t i = 0; i < ints.size() && i < SIM_Statistics::NUM_COUNTERS; ++i) {
        int v = 0;
        if (!ParseInt(ints[i], v))
            Problem("statistics counter is no whole number");
        stats->SetIntCounter(static_cast<SIM_Statistics::COUNTERS>(i), v);
    }
    const std::vector<std::string> floats = SplitCommaList(r.Str(Key::Floats));
    for (size_t i = 0; i < floats.size() && i < SIM_Statistics::NUM_FLOATCOUNTERS; ++i) {
        float v = 0.0f;
        if (!ParseFloat(floats[i], v))
            Problem("statistics counter is no number");
        stats->SetFloatCounter(static_cast<SIM_Statistics::FLOATCOUNTERS>(i), v);
    }
    stats->GetTimer().ForceMilliseconds(std::max(0.0f, r.Float(Key::Elapsed)));
}

void SIM_LoadGame::LoadMisc(const Record& r)
{
    savedTopSLID = r.Int(Key::TopSLID, 0, SIM_SLIDBase::MaxSLID - 1);
    const std::string skin = r.Str(Key::Skin);
    if (IsSafeTextureName(skin))
        SIM_GetScreens()->SetCurrentSkin(skin);
    else
        Problem("unsafe skin name: the skin is left as it was");
}

void SIM_LoadGame::Finish()
{
    // The id counter ends above every living id, whatever the file said.
    int top = savedTopSLID;
    for (const SIM_SLIDBase* object : SIM_SLIDBase::All)
        top = std::max(top, object->GetSLID() + 1);
    for (const SIM_Album* album : SIM_Album::All)
        top = std::max(top, album->GetAlbumID() + 1);
    if (top != savedTopSLID)
        Problem("TopSLID raised above the living ids");
    SIM_GetSaveGame()->SetSLID(std::min(top, SIM_SLIDBase::MaxSLID - 1));

    // What the rules keep beside the file: assets lost for good stay off sale, and each
    // imaginitive member owns the inspiration he gives the player character.
    SIM_Asset::WithdrawLostAssets();
    SIM_Attribute* inspiration = SIM_GetRiza()->GetAttribute("inspiration");
    if (inspiration) {
        std::vector<SIM_Musician*> imaginitive;
        for (SIM_Musician* m : SIM_GetBand()->GetMembers())
            if (m->HasPersonality("imaginitive"))
                imaginitive.push_back(m);
        const SIM_EffectList effects = inspiration->GetEffects();
        for (SIM_Effect* e : effects)
            e->RemoveFromList();
        size_t next = 0;
        for (SIM_Effect* e : effects) {
            if (e->GetDebugName() == "imaginitive" && next < imaginitive.size()) {
                SIM_Effect* owned = imaginitive[next++]->AddPermanentEffect(e->GetEffect(), "imaginitive");
                delete e;
                inspiration->AddEffect(owned);
            } else {
                inspiration->AddEffect(e);
            }
        }
    }

    SIM_GetCalendar()->Refresh();
    SIM_GetRiza()->RecalcAttributes();
    SIM_GetBand()->Recalculate();
    for (SIM_Musician* m : SIM_Musician::All) {
        auto it = resentments.find(m);
        if (it != resentments.end())
            m->SetResentment(it->second);
    }
    SIM_GetFame()->ProcessTurn();
    // Tonight's gig and rival gig are offered again, so a game saved on a gig day can
    // still play it.
    SIM_Gig::CheckForPostits();
    SIM_OtherGig::UpdateAll();

    SIM_SIM* sim = SIM_GetSim();
    sim->SetMode(TURNMODE_IDLE);
    sim->SetMaxActivities(savedMaxActs);
    sim->SetActivities(savedActs);
    SIM_Screens* screens = SIM_GetScreens();
    screens->DrawLoadingScreen(1.0f);
    screens->SwitchMode(8);
    screens->SetGameInProgress(true);
    screens->UpdateBookGigButton();
    screens->RefreshSongList();
    if (savedActs >= savedMaxActs)
        SIM_SIM::ReallyEndDay();
}
