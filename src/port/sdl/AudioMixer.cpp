#include "port/sdl/AudioMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace {

int MixerVolume(float volume)
{
    return int(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME + 0.5f);
}

// Plays silently from now on: the chosen driver, even one named in the environment,
// gives way to SDL's dummy driver.
bool StartDummyDriver()
{
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

bool StartAudioSubsystem()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        return true;
    // No sound driver (a build server): play silently.
    return StartDummyDriver();
}

bool OpenMixer() { return Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0; }

// A driver that starts but has no device to open (no sound card): play silently.
bool OpenMixerOnDummyDriver()
{
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return StartDummyDriver() && OpenMixer();
}

} // namespace

AudioMixer::~AudioMixer()
{
    if (open_) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (auto& [id, chunk] : sounds_)
            Mix_FreeChunk(chunk);
        for (auto& [id, stream] : streams_)
            Mix_FreeMusic(stream.music);
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (audioSubsystem_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioResult AudioMixer::Fail(AudioResult result)
{
    lastError_ = SDL_GetError();
    return result;
}

AudioResult AudioMixer::Open(int channels)
{
    if (open_)
        return AudioResult::Ok;
    if (!audioSubsystem_) {
        if (!StartAudioSubsystem())
            return Fail(AudioResult::InitFailed);
        audioSubsystem_ = true;
    }
    Mix_Init(MIX_INIT_OGG);
    if (!OpenMixer() && !OpenMixerOnDummyDriver())
        return Fail(AudioResult::InitFailed);
    channels_ = std::max(1, channels);
    Mix_AllocateChannels(channels_);
    generation_.assign(channels_ + 1, 0);
    volume_.assign(channels_ + 1, 1.0f);
    open_ = true;
    return AudioResult::Ok;
}

std::string AudioMixer::DriverName() const
{
    const char* name = audioSubsystem_ ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? name : "";
}

AudioResult AudioMixer::CreateSound(const std::string& path, AudioSound* sound)
{
    *sound = 0;
    if (!open_)
        return AudioResult::NotOpen;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk)
        return Fail(AudioResult::FileNotFound);
    *sound = nextId_++;
    sounds_[*sound] = chunk;
    return AudioResult::Ok;
}

AudioResult AudioMixer::CreateStream(const std::string& path, bool loop, AudioSound* stream)
{
    *stream = 0;
    if (!open_)
        return AudioResult::NotOpen;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music)
        return Fail(AudioResult::FileNotFound);
    *stream = nextId_++;
    streams_[*stream] = {music, loop};
    return AudioResult::Ok;
}

void AudioMixer::ReleaseStream(AudioSound stream)
{
    auto it = streams_.find(stream);
    if (it == streams_.end())
        return;
    if (playingStream_ == stream) {
        Mix_HaltMusic();
        playingStream_ = 0;
        ++generation_[channels_];
    }
    Mix_FreeMusic(it->second.music);
    streams_.erase(it);
}

AudioResult AudioMixer::Play(AudioSound sound, bool loop, AudioChannel* channel)
{
    *channel = AudioChannel {};
    if (!open_)
        return AudioResult::NotOpen;
    if (auto it = sounds_.find(sound); it != sounds_.end()) {
        const int slot = Mix_PlayChannel(-1, it->second, loop ? -1 : 0);
        if (slot < 0 || slot >= channels_)
            return Fail(AudioResult::NoFreeChannel);
        volume_[slot] = 1.0f;
        ApplyVolume(slot);
        *channel = {slot, ++generation_[slot]};
        return AudioResult::Ok;
    }
    auto it = streams_.find(sound);
    if (it == streams_.end())
        return AudioResult::BadSound;
    const int slot = channels_;
    volume_[slot] = 1.0f;
    ApplyVolume(slot);
    if (Mix_PlayMusic(it->second.music, loop || it->second.loop ? -1 : 1) != 0)
        return Fail(AudioResult::NoFreeChannel);
    playingStream_ = sound;
    *channel = {slot, ++generation_[slot]};
    return AudioResult::Ok;
}

bool AudioMixer::Live(AudioChannel channel) const
{
    if (!open_ || channel.slot < 0 || channel.slot > channels_)
        return false;
    if (generation_[channel.slot] != channel.generation)
        return false;
    if (IsMusicSlot(channel.slot))
        return playingStream_ != 0 && Mix_PlayingMusic() != 0;
    return Mix_Playing(channel.slot) != 0;
}

void AudioMixer::ApplyVolume(int slot)
{
    const int volume = MixerVolume(master_ * volume_[slot]);
    if (IsMusicSlot(slot))
        Mix_VolumeMusic(volume);
    else
        Mix_Volume(slot, volume);
}

AudioResult AudioMixer::SetVolume(AudioChannel channel, float volume)
{
    if (!Live(channel))
        return AudioResult::InvalidHandle;
    volume_[channel.slot] = std::clamp(volume, 0.0f, 1.0f);
    ApplyVolume(channel.slot);
    return AudioResult::Ok;
}

AudioResult AudioMixer::SetPaused(AudioChannel channel, bool paused)
{
    if (!Live(channel))
        return AudioResult::InvalidHandle;
    if (IsMusicSlot(channel.slot))
        paused ? Mix_PauseMusic() : Mix_ResumeMusic();
    else
        paused ? Mix_Pause(channel.slot) : Mix_Resume(channel.slot);
    return AudioResult::Ok;
}

AudioResult AudioMixer::GetPaused(AudioChannel channel, bool* paused)
{
    *paused = false;
    if (!Live(channel))
        return AudioResult::InvalidHandle;
    *paused = IsMusicSlot(channel.slot) ? Mix_PausedMusic() != 0 : Mix_Paused(channel.slot) != 0;
    return AudioResult::Ok;
}

AudioResult AudioMixer::IsPlaying(AudioChannel channel, bool* playing)
{
    *playing = Live(channel);
    if (*playing)
        return AudioResult::Ok;
    return channel.IsNull() ? AudioResult::InvalidHandle : AudioResult::Ok;
}

AudioResult AudioMixer::Stop(AudioChannel channel)
{
    if (!Live(channel))
        return AudioResult::InvalidHandle;
    if (IsMusicSlot(channel.slot)) {
        Mix_HaltMusic();
        playingStream_ = 0;
    } else {
        Mix_HaltChannel(channel.slot);
    }
    return AudioResult::Ok;
}

AudioResult AudioMixer::SetMasterVolume(float volume)
{
    master_ = std::clamp(volume, 0.0f, 1.0f);
    if (!open_)
        return AudioResult::NotOpen;
    for (int slot = 0; slot <= channels_; ++slot)
        ApplyVolume(slot);
    return AudioResult::Ok;
}
