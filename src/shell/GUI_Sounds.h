#pragma once
// The game's one sound object: effects played by file name from a cache of loaded sounds,
// background music streamed through a title track and two alternating verse tracks, a
// one-off track that pauses the music while it plays, random instrument samples for the
// auditions, and a master and a music volume with a music switch read from the player's
// options (see SetSettingsSource). Everything audible goes through an AudioBackend: the
// SDL2_mixer one by default, a recording one in tests.
#include "engine/GFileList.h"
#include "port/AudioBackend.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// The sample files of one instrument, "data/sounds/instruments/<name>/*.ogg".
class GUI_InstrumentPack : public GFileList {
public:
    void Initialise(const char* name);
    // Plays one sample picked at random; an empty pack plays nothing.
    void PlayRandom();
    int GetNumFiles() const { return numFiles_; }

private:
    int numFiles_ = 0;
};

class GUI_Sounds {
public:
    enum SOUNDID { SOUND_CLICK = 0 };
    // The music cycle: what plays now.
    enum MUSICSTATE { MUSIC_TITLE = 0, MUSIC_VERSE1 = 1, MUSIC_VERSE2 = 2 };

    // The volumes and the music switch the sound system plays with.
    struct Settings {
        float masterVolume = 1.0f; // option 0
        float musicVolume = 1.0f;  // option 1
        bool musicOn = true;       // toggle 0
    };
    using SettingsSource = Settings (*)();

    GUI_Sounds();
    virtual ~GUI_Sounds();

    // Starts the music, applies the master volume and finds the instrument samples.
    void Initialise();

    // Plays a file (a path below the Resources folder, such as "data/sounds/error.ogg");
    // answers its channel, a null channel when nothing plays.
    AudioChannel PlaySound(const char* file, bool loop);
    // SOUND_CLICK plays "data/sounds/click.ogg" once; other ids play nothing.
    AudioChannel PlaySound(SOUNDID id);
    void StopSound(AudioChannel channel);
    // A random sample of the instrument (0 keyboard .. 5 vocals).
    void PlayInstrument(int instrument);

    void StartMusic();
    void StopMusic();
    void MuteMusic();
    void UnMuteMusic();
    void RefreshMusicVolume();
    // The music as it was before a story screen paused it: unmuted, or started if none plays.
    void ResumeMusic();
    void RefreshMasterVolume();
    // Plays the file once and pauses the music until it has ended (or its channel is
    // stopped); answers that channel, a null channel when nothing plays.
    AudioChannel OverrideMusic(const char* file);
    // Once per frame: moves the music on to the next track and ends an override.
    void Process();
    // Replaces the music with a streamed file (the current music keeps playing when the
    // file cannot be opened).
    void PlayMusicStream(const char* file, bool loop);
    // The cached sound loaded from this full path, 0 when none.
    AudioSound GetCachedSound(const std::string& fullPath) const;

    // The backend that plays (not owned); null goes back to the SDL2_mixer one. Installing
    // a backend forgets the sounds, channels and music of the previous one.
    void SetBackend(AudioBackend* backend);
    AudioBackend* GetBackend();
    // Where the volumes and the music switch are read; nullptr restores the default
    // source, the player's options (master volume, music volume, music switch).
    void SetSettingsSource(SettingsSource source);

    AudioChannel GetMusicChannel() const { return musicChannel_; }
    int GetMusicState() const { return musicState_; }
    bool IsOverriding() const { return overriding_; }

private:
    AudioBackend* Backend();
    void AudioError(const char* text, AudioResult result);
    std::string FullPath(const char* file) const;
    Settings ReadSettings() const;
    void ForgetMusic();

    std::unique_ptr<AudioBackend> ownBackend_;
    AudioBackend* backend_ = nullptr;
    bool backendOpened_ = false;
    SettingsSource settings_ = nullptr;
    std::vector<std::pair<std::string, AudioSound>> cache_;
    AudioChannel musicChannel_;
    AudioSound musicStream_ = 0;
    AudioChannel overrideChannel_;
    std::string overrideFile_;
    bool overriding_ = false;
    GUI_InstrumentPack packs_[6];
    int musicState_ = MUSIC_TITLE;
};

GUI_Sounds* GUI_GetSounds();
