#include "career/SIM_Song.h"

#include "career/SIM_Rehearsal.h"
#include "career/SIM_SongElement.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "sim/GAssert.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cstdlib>

std::vector<SIM_Song*> SIM_Song::All;
std::vector<SIM_Song*> SIM_Song::Retired;
bool SIM_Song::BSongsForStudio = false;
int SIM_Song::Cache_RS_SONGS_REQ_FOR_GIG = 0;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

void Erase(std::vector<SIM_Song*>& list, const SIM_Song* song)
{
    list.erase(std::remove(list.begin(), list.end(), song), list.end());
}

// The elements every new song starts with, by section.
const char* const kDefaultElements[NUM_SONG_SECTIONS] = {
    "clichedlyrics", "basicdrums", "basicbass", "basicguitar", "backing vocals", "ambition", "uptempo",
};

// Songs with no album needed before the band can go into the studio.
const size_t kSongsForStudio = 8;
}

SIM_Song::SIM_Song()
{
    GAssert(GetSLID() >= 0 && GetSLID() <= MaxSLID, __FILE__, __LINE__);
    All.push_back(this);
    UpdateSongsForStudio();
}

SIM_Song::~SIM_Song()
{
    Erase(All, this);
    Erase(Retired, this);
    // Every record of the song goes, not only the first: nothing may point here after.
    for (SIM_RehearsalData* data : SIM_RehearsalData::All)
        while (data->HasSong(this))
            data->RemoveSong(this);
}

void SIM_Song::Open()
{
    Close();
    Cache_RS_SONGS_REQ_FOR_GIG = static_cast<int>(GV("RS_SONGS_REQ_FOR_GIG"));
}

void SIM_Song::Close()
{
    while (!All.empty())
        delete All.front();
    while (!Retired.empty())
        delete Retired.front();
    UpdateSongsForStudio(); // the last game's flag must not outlive its songs
}

SIM_Song* SIM_Song::Start(float inspiration)
{
    auto* song = new SIM_Song;
    song->initialInspiration = SIM_ClampValue(inspiration, 0.0f, 1.0f);
    song->GenerateElementValues();
    song->AddDefaultElements();
    song->CalculateQuality();
    return song;
}

void SIM_Song::CreateInitialSongs()
{
    const int n = static_cast<int>(GV("RS_INITIAL_SONGS"));
    for (int i = 0; i < n; ++i) {
        SIM_Song* song = Start(0.5f);
        song->GenerateDescription();
        song->name = SIM_NamesList::SongNames.GetRandom();
        song->cover = true;
        SIM_RehearsalData::AddSongAll(song);
    }
}

SIM_Song* SIM_Song::CreateNew(float inspiration)
{
    SIM_Song* song = Start(inspiration);
    SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::SONGS_WRITTEN);
    SIM_RehearsalData::AddSongAll(song);
    SIM_GetRiza()->ApplyEffect("songwriting", GV("RS_SONGWRITING_PER_SONG"), 1.0f, "song");
    SIM_GetScreens()->UpdateBookGigButton();
    return song;
}

float SIM_Song::GetTotalSongQuality()
{
    if (All.empty())
        return 0.0f;
    float sum = 0.0f;
    for (const SIM_Song* s : All)
        sum += s->quality * (1.0f - s->boredom);
    return sum / static_cast<float>(All.size());
}

void SIM_Song::PerformAll()
{
    for (SIM_Song* s : All)
        s->Perform();
}

SIM_Song* SIM_Song::GetMostBoringSong()
{
    SIM_Song* most = nullptr;
    float boredom = 0.0f;
    for (SIM_Song* s : All)
        if (s->boredom > boredom) {
            most = s;
            boredom = s->boredom;
        }
    return most;
}

void SIM_Song::UpdateSongsForStudio()
{
    const auto offAlbum = std::count_if(All.begin(), All.end(), [](const SIM_Song* s) { return !s->album; });
    BSongsForStudio = static_cast<size_t>(offAlbum) >= kSongsForStudio;
}

std::string SIM_Song::GetRandomTitle()
{
    if (All.empty())
        return {};
    return All[GRandom::RandIndex(All.size())]->name;
}

bool SIM_Song::EnoughSongsToGig()
{
    return All.size() >= static_cast<unsigned>(Cache_RS_SONGS_REQ_FOR_GIG);
}

SIM_SongElement* SIM_Song::GetElement(SONG_SECTION section) const
{
    return section >= 0 && section < NUM_SONG_SECTIONS ? elements[section] : nullptr;
}

void SIM_Song::ClearElements()
{
    elements.fill(nullptr);
}

void SIM_Song::AddElement(SIM_SongElement* element, SONG_SECTION section)
{
    GAssert(section >= 0 && section < NUM_SONG_SECTIONS, __FILE__, __LINE__);
    if (section >= 0 && section < NUM_SONG_SECTIONS)
        elements[section] = element;
}

void SIM_Song::AddDefaultElements()
{
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
        elements[i] = SIM_SongElement::GetByName(kDefaultElements[i]);
}

void SIM_Song::GenerateElementValues()
{
    for (const SIM_SongElement* e : SIM_SongElement::All) {
        ElementSuitability s;
        s.element = e->GetName();
        s.suitability = GRandom::RandUnitFloat() * e->GetBaseQuality();
        s.left = std::rand() % 3;
        s.right = std::rand() % 3;
        suitabilities.push_back(s);
    }
}

void SIM_Song::CalculateQuality()
{
    float sum = 0.0f;
    int filled = 0;
    for (const SIM_SongElement* e : elements)
        if (e) {
            sum += GetElementQuality(e);
            ++filled;
        }
    // An empty song (only while the jigsaw is open) is worth nothing rather than 0 / 0.
    float q = filled ? sum / static_cast<float>(filled) : 0.0f;

    int links = 0;
    for (int i = 0; i + 1 < NUM_SONG_SECTIONS; ++i) {
        if (!elements[i] || !elements[i + 1])
            continue;
        const ElementSuitability* a = GetElementSuitability(elements[i]);
        const ElementSuitability* b = GetElementSuitability(elements[i + 1]);
        GAssert(a && b, __FILE__, __LINE__);
        if (a && b && a->right == b->left)
            ++links;
    }
    q += static_cast<float>(links) * GV("RS_SONG_QUAL_PER_LINK");
    q = 0.25f * q + 0.75f * initialInspiration * q;
    quality = SIM_ClampValue(q, 0.0f, 1.0f);
}

void SIM_Song::GenerateDescription()
{
    if (classic) {
        description = GTranslation::GetRandomString("CLASSIC_DESCRIPTIONS", GTranslation::StringsFile);
        return;
    }
    std::string text = GTranslation::GetValueName(quality, "SONG_DESCRIPTION_KEY");

    std::vector<ElementDescription> found;
    for (const SIM_SongElement* e : elements) {
        if (!e)
            continue;
        ElementDescription d;
        d.suitability = GetSuitability(e);
        d.text = GTranslation::GetValueName(d.suitability, "SONG_DESCRIPTION_" + UpperCase(e->GetName()));
        if (!d.text.empty())
            found.push_back(d);
    }
    // The best two, the first of equals winning; a token with no entry stays as it is.
    auto best = [&found](const ElementDescription* other) {
        const ElementDescription* pick = nullptr;
        float top = 0.0f;
        for (const ElementDescription& d : found)
            if (&d != other && d.suitability > top) {
                pick = &d;
                top = d.suitability;
            }
        return pick;
    };
    const ElementDescription* a = best(nullptr);
    const ElementDescription* b = a ? best(a) : nullptr;
    if (a)
        GTranslation::ReplaceToken(text, "<A>", a->text);
    if (b)
        GTranslation::ReplaceToken(text, "<B>", b->text);
    description = text;
}

void SIM_Song::CheckForClassicStatus()
{
    if (SIM_GetRiza()->GetValue("songwriting") < 1.0f)
        return;
    if (quality < GV("RS_MIN_QUALITY_CLASSIC_SONG"))
        return;
    const auto classics = std::count_if(All.begin(), All.end(), [](const SIM_Song* s) { return s->classic; });
    // A count equal to the limit still admits one more.
    if (static_cast<float>(classics) > GV("RS_MAX_CLASSIC_SONGS"))
        return;
    if (GRandom::IsChance(GV("RS_CLASSIC_SONG_CHANCE"))) {
        classic = true;
        SIM_GetScreens()->LaunchHint("classic song");
    }
}

void SIM_Song::Perform()
{
    if (classic)
        return;
    boredom = SIM_ClampValue(boredom + GV("RS_SONG_BOREDOM_INCREASE"), 0.0f, 1.0f);
}

void SIM_Song::Retire()
{
    // Only a live song retires, and only once.
    if (std::find(All.begin(), All.end(), this) == All.end())
        return;
    Erase(All, this);
    Retired.push_back(this);
    UpdateSongsForStudio();
    SIM_RehearsalData::RemoveSongAll(this);
    SIM_GetScreens()->UpdateBookGigButton();
}

float SIM_Song::GetSuitability(const SIM_SongElement* element) const
{
    if (!element)
        return 0.0f;
    for (const ElementSuitability& s : suitabilities)
        if (s.element == element->GetName())
            return s.suitability;
    return 0.0f;
}

float SIM_Song::GetElementQuality(const SIM_SongElement* element) const
{
    return 0.75f * GetSuitability(element);
}

SIM_Song::ElementSuitability* SIM_Song::GetElementSuitability(const SIM_SongElement* element)
{
    if (!element)
        return nullptr;
    for (ElementSuitability& s : suitabilities)
        if (s.element == element->GetName())
            return &s;
    return nullptr;
}

void SIM_Song::ForgetElement(const SIM_SongElement* element)
{
    for (SIM_SongElement*& e : elements)
        if (e == element)
            e = nullptr;
}
