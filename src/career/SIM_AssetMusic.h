#pragma once
// A record the band can buy and listen to, one track at a time: each listen inspires the
// player character, and hearing every track unlocks a song element.
#include "career/SIM_Asset.h"

#include <string>
#include <vector>

class SIM_SongElement;

class SIM_AssetMusic : public SIM_Asset {
public:
    SIM_AssetMusic();
    ~SIM_AssetMusic() override;

    // The recorded-music window.
    void Clicked() override;
    // One more track: inspiration, progress (perhaps the unlock) and the listening window.
    void Listen();
    // Sets the progress; at every track heard the element is unlocked.
    void SetTracksListenedTo(int count);

    int GetTracksListenedTo() const { return tracksListenedTo; }
    // Tracks heard over tracks, 0..1; 0 for a record without titles.
    float GetListenedPercentage() const { return listenedPercentage; }
    // The element it unlocks; none when its row names no known element.
    SIM_SongElement* GetUnlock() const { return unlock; }
    // The titles, each wrapped in double quotes.
    const std::vector<std::string>& GetTrackTitles() const { return trackTitles; }

    // Every record, in order of construction.
    static std::vector<SIM_AssetMusic*> All;

protected:
    // The element it unlocks, then one cell of titles separated by commas.
    void LoadAssetSpecificData(CSV& row) override;

private:
    std::vector<std::string> trackTitles;
    float listenedPercentage = 0.0f;
    SIM_SongElement* unlock = nullptr;
    int tracksListenedTo = 0;
};
