#pragma once
// A sound backend for tests: it plays nothing and records every call. Channels behave
// like real ones (they keep playing until stopped or until the test ends them, slots are
// reused with a new generation), so the sound system's music sequencing can be driven
// frame by frame.
#include "port/AudioBackend.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class RecordingAudioBackend : public AudioBackend {
public:
    struct Played {
        std::string path;    // the full path the sound or stream was opened with
        bool loop = false;
        bool stream = false;
        AudioChannel channel;
    };
    struct Slot {
        uint32_t generation = 0;
        bool playing = false;
        bool paused = false;
        float volume = 1.0f;
        std::string path;
    };

    AudioResult Open(int channels) override;
    bool IsOpen() const override { return open; }
    void Update() override { ++updates; }
    AudioResult CreateSound(const std::string& path, AudioSound* sound) override;
    AudioResult CreateStream(const std::string& path, bool loop, AudioSound* stream) override;
    void ReleaseStream(AudioSound stream) override;
    AudioResult Play(AudioSound sound, bool loop, AudioChannel* channel) override;
    AudioResult SetVolume(AudioChannel channel, float volume) override;
    AudioResult SetPaused(AudioChannel channel, bool paused) override;
    AudioResult GetPaused(AudioChannel channel, bool* paused) override;
    AudioResult IsPlaying(AudioChannel channel, bool* playing) override;
    AudioResult Stop(AudioChannel channel) override;
    AudioResult SetMasterVolume(float volume) override;

    // How many times a sound or stream whose path ends with this one was played
    // ("data/sounds/click.ogg" matches "<Resources>/data/sounds/click.ogg").
    int Count(const std::string& path) const;
    // How many sounds (not streams) were loaded from such a path.
    int Created(const std::string& path) const;
    // The path of the last stream played ("" when none).
    std::string LastStream() const;
    // Ends a channel's sound as if it had played to its end.
    void Finish(AudioChannel channel);
    // The slot behind a channel, or null for a stale or null handle.
    const Slot* Find(AudioChannel channel) const;
    // What is heard on the channel: its volume times the master volume (0 when stale).
    float EffectiveVolume(AudioChannel channel) const;

    bool open = false;
    bool failOpen = false;
    int openedChannels = 0;
    int updates = 0;
    float master = 1.0f;
    std::vector<Played> played;
    std::vector<std::string> createdSounds;
    std::vector<std::string> createdStreams;
    std::set<AudioSound> releasedStreams;
    // Paths (matched by their ending) that fail to load.
    std::set<std::string> missing;

private:
    bool IsMissing(const std::string& path) const;
    Slot* Live(AudioChannel channel);
    std::map<AudioSound, std::pair<std::string, bool>> sounds_; // path, is a stream
    std::map<AudioSound, bool> streamLoops_;
    std::vector<Slot> slots_;
    AudioSound next_ = 1;
};
