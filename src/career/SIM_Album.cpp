#include "career/SIM_Album.h"

#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Song.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <climits>
#include <cmath>

std::vector<SIM_Album*> SIM_Album::All;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

// A song may be deleted before its album (a new game frees the songs first): only songs
// still alive are touched.
bool Alive(const SIM_Song* song)
{
    for (const std::vector<SIM_Song*>* list : {&SIM_Song::All, &SIM_Song::Retired})
        if (std::find(list->begin(), list->end(), song) != list->end())
            return true;
    return false;
}
} // namespace

void SIM_Album::UnlinkTracks()
{
    for (SIM_Song* song : tracks)
        if (Alive(song) && song->GetAlbum() == this)
            song->SetAlbum(nullptr);
    tracks.clear();
}

SIM_Album::SIM_Album() : albumId(SIM_SLIDBase::CreateSLID())
{
    All.push_back(this);
}

SIM_Album::~SIM_Album()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    UnlinkTracks();
}

SIM_Album* SIM_Album::Create()
{
    return new SIM_Album;
}

void SIM_Album::Open()
{
    Close();
}

void SIM_Album::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_Album::CalculateAllRoyalties()
{
    const std::vector<SIM_Album*> albums = All;
    for (SIM_Album* album : albums)
        album->CalculateRoyalties();
}

SIM_Album* SIM_Album::GetNewestAlbum()
{
    SIM_Album* newest = nullptr;
    int fewest = 9000;
    for (SIM_Album* album : All)
        if (album->mode == 1 && album->weeksSinceRelease < fewest) {
            fewest = album->weeksSinceRelease;
            newest = album;
        }
    return newest;
}

SIM_Album* SIM_Album::GetAlbumInDevelopment()
{
    for (SIM_Album* album : All)
        if (album->mode == 0)
            return album;
    return nullptr;
}

void SIM_Album::AddTrack(SIM_Song* song)
{
    GAssert(song != nullptr, __FILE__, __LINE__);
    if (!song)
        return;
    tracks.push_back(song);
    song->SetAlbum(this);
    CalcSongQuality();
}

void SIM_Album::RemoveTrack(SIM_Song* song)
{
    GAssert(song != nullptr, __FILE__, __LINE__);
    if (!song)
        return;
    tracks.erase(std::remove(tracks.begin(), tracks.end(), song), tracks.end());
    song->SetAlbum(nullptr);
    CalcSongQuality();
}

bool SIM_Album::IsValid() const
{
    return tracks.size() >= 8;
}

void SIM_Album::CalcSongQuality()
{
    tracks.erase(std::remove_if(tracks.begin(), tracks.end(), [](SIM_Song* s) { return !Alive(s); }), tracks.end());
    float sum = 0.0f;
    for (const SIM_Song* song : tracks)
        sum += song->GetQuality();
    songQuality = tracks.empty() ? 0.0f : sum / static_cast<float>(tracks.size());
}

float SIM_Album::GetMaximumQuality() const
{
    return std::clamp(0.4f + songQuality * GV("RS_SONGQUALITY_ALBUM_MULTIPLIER"), 0.0f, 1.0f);
}

void SIM_Album::AddStudioTime(const SIM_RecordingStudio* studio, float factor)
{
    if (!studio) {
        GError("No recording studio set", __FILE__, __LINE__);
        return;
    }
    float gain = GV("RS_STUDIO_QUALITY_PERDAY") * (GetMaximumQuality() - productionQuality);
    gain *= 0.5f + 0.5f * studio->GetQuality();
    gain *= factor;
    if (SIM_RecordingStudio::BandIsDemotivated())
        gain *= GV("RS_STUDIO_LOW_MOTIVATION_EFFECT");
    if (SIM_RecordingStudio::BandIsStressed())
        gain *= GV("RS_STUDIO_TIREDNESS_EFFECT");
    SetProductionQuality(productionQuality + gain);
}

void SIM_Album::SetMixQuality(float mix)
{
    const SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    if (!studio) {
        GError("No recording studio set", __FILE__, __LINE__);
        return;
    }
    productionQuality = std::min(studio->GetQuality() * mix, GetMaximumQuality());
}

void SIM_Album::SetProductionQuality(float q)
{
    productionQuality = std::isnan(q) ? 0.0f : std::clamp(q, 0.0f, 1.0f);
}

void SIM_Album::Restore(const SavedState& s)
{
    const auto finite = [](float v) { return std::isfinite(v) ? v : 0.0f; };
    albumId = s.albumId;
    mode = s.mode == 1 ? 1 : 0;
    SetWeeksSinceRelease(s.weeksSinceRelease);
    songQuality = finite(s.songQuality);
    SetProductionQuality(finite(s.productionQuality));
    productionCost = finite(s.productionCost);
    daysInStudio = std::max(0, s.daysInStudio);
    coverTexture = s.coverTexture;
    royaltiesEarned = finite(s.royaltiesEarned);
    totalEarned = finite(s.totalEarned);
    copiesSold = std::max(0, s.copiesSold);
}

void SIM_Album::SetWeeksSinceRelease(int weeks)
{
    weeksSinceRelease = std::clamp(weeks, 0, MaxWeeks);
}

void SIM_Album::Release()
{
    mode = 1;
    weeksSinceRelease = 0;
    SIM_GetScreens()->AddAlbumIcon(this);
}

void SIM_Album::Cancel()
{
    if (mode != 0)
        return;
    UnlinkTracks();
    delete this;
}

void SIM_Album::CalculateRoyalties()
{
    if (mode != 1)
        return;
    SetWeeksSinceRelease(weeksSinceRelease + 1);
    float x = productionQuality * SIM_GetFame()->GetFame() * GV("RS_ALBUM_ROYALTY_ADJUSTER");
    // One power instead of one multiplication per week.
    x *= std::pow(GV("RS_ALBUM_ROYALTY_SUSTAIN"), static_cast<float>(weeksSinceRelease));
    x *= SIM_GetBand()->GetValue("band_hype");
    x *= GRandom::RandReal(0.9f, 1.1f);
    const float copies = std::isnan(x) ? 0.0f : std::clamp(x, 0.0f, 1.0e9f);
    SellCopies(static_cast<int>(copies));
}

void SIM_Album::SellCopies(int copies)
{
    if (copies <= 0)
        return;
    copiesSold = copiesSold > INT_MAX - copies ? INT_MAX : copiesSold + copies;
    const float share = static_cast<float>(copies) * GV("RS_ALBUM_PRICE") * GV("RS_ALBUM_ARTIST_SHARE");
    float income = share;
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    if (company->IsSigned()) {
        if (totalEarned > productionCost)
            income = company->GetRoyalty() * share;
        else
            income = company->GetRoyalty() * std::max(0.0f, totalEarned + share - productionCost);
    }
    totalEarned += share;
    royaltiesEarned += income;
    SIM_GetFinances()->AddCash(income);
}
