#pragma once
// An album in development or released: its tracks, the studio work on it and its sales.
// The class keeps and owns every album on All.
#include "sim/SIM_SLIDBase.h"

#include <string>
#include <vector>

class SIM_RecordingStudio;
class SIM_Song;

class SIM_Album : public SIM_SLIDBase {
public:
    // Weeks since release stop counting here: the sustain is long spent by then.
    static constexpr int MaxWeeks = 9999;

    // No tracks, in development, every number 0, the CD cover; joins All.
    SIM_Album();
    // Leaves All; its songs no longer name it.
    ~SIM_Album() override;

    static SIM_Album* Create();
    // Both delete every album.
    static void Open();
    static void Close();
    // A week of sales for every released album.
    static void CalculateAllRoyalties();
    // The released album with the fewest weeks since release (first of equals); null
    // when none is released.
    static SIM_Album* GetNewestAlbum();
    // The first album in development, or null.
    static SIM_Album* GetAlbumInDevelopment();

    void AddTrack(SIM_Song* song);
    void RemoveTrack(SIM_Song* song);
    // At least 8 tracks.
    bool IsValid() const;
    // The mean quality of the tracks (0 without tracks).
    void CalcSongQuality();
    // The highest production quality the tracks allow.
    float GetMaximumQuality() const;
    // A studio day's gain of production quality; without a studio it is reported and
    // nothing changes.
    void AddStudioTime(const SIM_RecordingStudio* studio, float factor);
    // The mix sets the production quality from the current studio (none: reported, no
    // change), never above the maximum.
    void SetMixQuality(float mix);
    void AddCost(float amount) { productionCost += amount; }
    void AddDay() { ++daysInStudio; }
    void Release();
    // Abandons the album in development: its tracks are freed and the album is deleted
    // (do not use the pointer after this call). A released album is not cancelled.
    void Cancel();
    // One week of sales of a released album (an album in development sells nothing).
    void CalculateRoyalties();
    // Sells copies and pays the band its share (cut to the deal's royalty once the album
    // has earned its production cost back under a deal).
    void SellCopies(int copies);

    const std::string& GetTitle() const { return title; }
    void SetTitle(const std::string& t) { title = t; }
    int GetMode() const { return mode; }
    float GetSongQuality() const { return songQuality; }
    float GetProductionQuality() const { return productionQuality; }
    void SetProductionQuality(float q);
    float GetProductionCost() const { return productionCost; }
    int GetWeeksSinceRelease() const { return weeksSinceRelease; }
    void SetWeeksSinceRelease(int weeks);
    int GetCopiesSold() const { return copiesSold; }
    float GetTotalEarned() const { return totalEarned; }
    float GetRoyaltiesEarned() const { return royaltiesEarned; }
    const std::string& GetCoverTexture() const { return coverTexture; }
    int GetDaysInStudio() const { return daysInStudio; }
    int GetAlbumID() const { return albumId; }
    // The tracks as added; a song deleted since may still be listed until the next change.
    const std::vector<SIM_Song*>& GetTracks() const { return tracks; }

    // What a saved game holds of an album, restored as it stands (the mode as 0 or 1,
    // the weeks within 0..MaxWeeks, numbers that are not finite as 0).
    struct SavedState {
        int albumId = 0;
        int mode = 0;
        int weeksSinceRelease = 0;
        float songQuality = 0.0f;
        float productionQuality = 0.0f;
        float productionCost = 0.0f;
        int daysInStudio = 0;
        std::string coverTexture;
        float royaltiesEarned = 0.0f;
        float totalEarned = 0.0f;
        int copiesSold = 0;
    };
    void Restore(const SavedState& state);

    static std::vector<SIM_Album*> All;

private:
    // Frees every live track from this album and empties the list.
    void UnlinkTracks();

    std::vector<SIM_Song*> tracks;
    int mode = 0;
    std::string title;
    int weeksSinceRelease = 0;
    float songQuality = 0.0f;
    float productionQuality = 0.0f;
    float productionCost = 0.0f;
    int daysInStudio = 0;
    std::string coverTexture = "ass_cd.bmp";
    float royaltiesEarned = 0.0f;
    float totalEarned = 0.0f;
    int copiesSold = 0;
    int albumId = 0;
};
