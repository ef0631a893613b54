#pragma once
// A day's rehearsal, run whole when it is created: the room is paid, lazy members may
// fail to turn up (which calls the day off, hurts the others' motivation and their
// relationships with the no-show), otherwise the band meets, gets less bored and each
// member who came rehearses every song. Also each musician's rehearsal record: his
// readiness per song, raised by rehearsing and fading every day.
#include <memory>
#include <vector>

class SIM_Musician;
class SIM_Relationship;
class SIM_RehearsalVenue;
class SIM_Song;

class SIM_Rehearsal {
public:
    // One member's result; what the day did not change stays 0.
    struct RehearsalEffect {
        SIM_Musician* musician = nullptr;
        float motivationChange = 0.0f;
        float stressChange = 0.0f;
        float rehearsalValue = 0.0f;
    };

    // Runs the whole day at the room; joins All.
    explicit SIM_Rehearsal(SIM_RehearsalVenue* venue);
    SIM_Rehearsal(const SIM_Rehearsal&) = delete;
    SIM_Rehearsal& operator=(const SIM_Rehearsal&) = delete;
    // Leaves All.
    virtual ~SIM_Rehearsal();

    // A rehearsal at the room (asserted to exist), run at once and kept on All.
    static SIM_Rehearsal* Create(SIM_RehearsalVenue* venue);
    // Close.
    static void Open();
    // Deletes every rehearsal.
    static void Close();
    // A musician is being deleted: no rehearsal names him any more.
    static void ForgetMusician(const SIM_Musician* musician);

    bool IsCancelled() const { return cancelled; }
    // False when the musician failed to turn up.
    bool ShowedUp(const SIM_Musician* musician) const;
    // The member's result; none for a no-show or a stranger.
    RehearsalEffect* GetEffect(const SIM_Musician* musician) const;
    const std::vector<SIM_Musician*>& GetNoShows() const { return noShows; }
    SIM_RehearsalVenue* GetVenue() const { return venue; }
    size_t GetNumEffects() const { return effects.size(); }

    // Steps of the day: lazy members may stay away; a called-off day's consequences.
    void CheckForCancellation();
    void ResolveCancellation();

    // Every rehearsal since the game began.
    static std::vector<SIM_Rehearsal*> All;

private:
    void Hold();
    RehearsalEffect* AddEffect(SIM_Musician* musician);

    std::vector<SIM_Musician*> noShows;
    std::vector<std::unique_ptr<RehearsalEffect>> effects;
    std::vector<SIM_Relationship*> damagedRelationships;
    SIM_RehearsalVenue* venue = nullptr;
    bool cancelled = false;
};

// One musician's readiness for each song, created and deleted with him.
class SIM_RehearsalData {
public:
    struct SongData {
        SIM_Song* song = nullptr;
        float readiness = 0.0f;
    };

    // No songs, value 0; joins All.
    explicit SIM_RehearsalData(SIM_Musician* musician);
    SIM_RehearsalData(const SIM_RehearsalData&) = delete;
    SIM_RehearsalData& operator=(const SIM_RehearsalData&) = delete;
    // Leaves All; its musician is going, so rehearsals and song elements forget him.
    virtual ~SIM_RehearsalData();

    // The mean readiness.
    float GetValue() const { return value; }
    // value = the mean readiness; 0 with no songs.
    void CalculateValue();
    // The daily fade: every readiness times "_REHEARSAL_DEGRADE".
    void NextDay();
    // Every live song gains the amount (readiness kept within 0..1); a song without an
    // entry gets one.
    void Rehearse(float amount);
    // Appends an entry with that readiness, as given.
    void AddSong(SIM_Song* song, float readiness);
    // The first entry of the song goes; nothing without one.
    void RemoveSong(SIM_Song* song);
    // Drops every entry (the value stays as it was).
    void Clear();
    bool HasSong(const SIM_Song* song) const;
    // The first entry's readiness for the song; 0 without one.
    float GetReadiness(const SIM_Song* song) const;
    const std::vector<SongData>& GetSongData() const { return songData; }
    SIM_Musician* GetMusician() const { return musician; }

    // A new song at readiness 0 in every record.
    static void AddSongAll(SIM_Song* song);
    // RemoveSong on every record.
    static void RemoveSongAll(SIM_Song* song);

    // Every record, of band members and candidates alike.
    static std::vector<SIM_RehearsalData*> All;

private:
    std::vector<SongData> songData;
    float value = 0.0f;
    SIM_Musician* musician;
};
