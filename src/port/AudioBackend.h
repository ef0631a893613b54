#pragma once
// The sound library behind the game's sound system: sound effects loaded once and played
// on numbered channels, one streamed music track at a time, per-channel volume, pause and
// stop, and a master volume that scales everything, music included. The game plays through
// SDL2_mixer (port/sdl/AudioMixer); tests install a recording backend instead.
#include <cstdint>
#include <string>

// Outcome of a backend call. The values are stable: they appear in the debug log.
enum class AudioResult : int {
    Ok = 0,
    NotOpen = 1,        // the library could not be started; nothing plays
    InitFailed = 2,
    FileNotFound = 3,   // the file could not be read or decoded
    NoFreeChannel = 4,
    InvalidHandle = 36, // a channel that has ended or was reused for another sound
    BadSound = 5,
};

// The text of a result ("" for an unknown value), for the debug log.
const char* AudioErrorString(AudioResult result);

// A loaded sound effect or stream; 0 is none.
using AudioSound = uint32_t;

// A playing channel. The generation tells a channel's current sound from an earlier one on
// the same slot, so a handle kept after its sound ended never reaches the next sound.
struct AudioChannel {
    int32_t slot = -1;
    uint32_t generation = 0;

    bool IsNull() const { return slot < 0; }
    explicit operator bool() const { return !IsNull(); }
    friend bool operator==(const AudioChannel&, const AudioChannel&) = default;
};

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Starts the library with this many mixing channels for effects.
    virtual AudioResult Open(int channels) = 0;
    virtual bool IsOpen() const = 0;
    // Once per frame.
    virtual void Update() = 0;

    // Loads a whole sound effect (a full path).
    virtual AudioResult CreateSound(const std::string& path, AudioSound* sound) = 0;
    // Opens a music track to be streamed from disk; at most one stream plays at a time.
    virtual AudioResult CreateStream(const std::string& path, bool loop, AudioSound* stream) = 0;
    // Releases a stream (stopping it if it plays). Sound effects stay loaded.
    virtual void ReleaseStream(AudioSound stream) = 0;
    // Plays a sound or a stream at once, not paused, on a free channel; looping repeats it
    // until stopped (a stream opened looping loops anyway). A new stream replaces the one
    // playing, whose channel handle then goes stale.
    virtual AudioResult Play(AudioSound sound, bool loop, AudioChannel* channel) = 0;

    virtual AudioResult SetVolume(AudioChannel channel, float volume) = 0;
    virtual AudioResult SetPaused(AudioChannel channel, bool paused) = 0;
    virtual AudioResult GetPaused(AudioChannel channel, bool* paused) = 0;
    // A channel whose sound ended, or whose slot was reused, is not playing.
    virtual AudioResult IsPlaying(AudioChannel channel, bool* playing) = 0;
    virtual AudioResult Stop(AudioChannel channel) = 0;
    // Scales every channel, music included (0 silent to 1 full).
    virtual AudioResult SetMasterVolume(float volume) = 0;

    // The library's own description of the last failure ("" when none).
    virtual std::string LastErrorDetail() const { return {}; }
};
