#pragma once
// The game's sound library: SDL2_mixer behind the AudioBackend interface. Effects play on
// the mixer's channels, the music on its one music stream. The master volume is applied by
// hand to every channel and to the music (SDL_mixer's own master volume leaves music alone).
// With no sound device it falls back to SDL's silent "dummy" driver.
#include "port/AudioBackend.h"

#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

class AudioMixer : public AudioBackend {
public:
    AudioMixer() = default;
    ~AudioMixer() override;
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    AudioResult Open(int channels) override;
    bool IsOpen() const override { return open_; }
    void Update() override {}

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

    std::string LastErrorDetail() const override { return lastError_; }
    // The SDL audio driver in use ("dummy" without a device), "" before Open.
    std::string DriverName() const;

private:
    struct Stream {
        Mix_Music* music = nullptr;
        bool loop = false;
    };
    // The channel's sound still plays (or is paused) under this handle.
    bool Live(AudioChannel channel) const;
    bool IsMusicSlot(int slot) const { return slot == channels_; }
    void ApplyVolume(int slot);
    AudioResult Fail(AudioResult result);

    bool open_ = false;
    bool audioSubsystem_ = false;
    int channels_ = 0;
    AudioSound nextId_ = 1;
    std::map<AudioSound, Mix_Chunk*> sounds_;
    std::map<AudioSound, Stream> streams_;
    // Per slot (effect channels, then the music slot): generation and own volume.
    std::vector<uint32_t> generation_;
    std::vector<float> volume_;
    AudioSound playingStream_ = 0;
    float master_ = 1.0f;
    std::string lastError_;
};
