#include "support/RecordingAudio.h"

#include <algorithm>

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    // The whole path, or its last components: "click.ogg" matches ".../sounds/click.ogg"
    // but not ".../sounds/xclick.ogg".
    if (end.size() >= text.size())
        return text == end;
    const size_t at = text.size() - end.size();
    return text.compare(at, end.size(), end) == 0 && (end[0] == '/' || text[at - 1] == '/');
}

} // namespace

AudioResult RecordingAudioBackend::Open(int channels)
{
    if (failOpen)
        return AudioResult::InitFailed;
    open = true;
    openedChannels = channels;
    // Effect channels, then one slot for the music stream.
    slots_.assign(size_t(channels) + 1, Slot {});
    return AudioResult::Ok;
}

bool RecordingAudioBackend::IsMissing(const std::string& path) const
{
    return std::any_of(missing.begin(), missing.end(),
                       [&](const std::string& m) { return EndsWith(path, m); });
}

AudioResult RecordingAudioBackend::CreateSound(const std::string& path, AudioSound* sound)
{
    *sound = 0;
    if (!open)
        return AudioResult::NotOpen;
    if (IsMissing(path))
        return AudioResult::FileNotFound;
    *sound = next_++;
    sounds_[*sound] = {path, false};
    createdSounds.push_back(path);
    return AudioResult::Ok;
}

AudioResult RecordingAudioBackend::CreateStream(const std::string& path, bool loop, AudioSound* stream)
{
    *stream = 0;
    if (!open)
        return AudioResult::NotOpen;
    if (IsMissing(path))
        return AudioResult::FileNotFound;
    *stream = next_++;
    sounds_[*stream] = {path, true};
    streamLoops_[*stream] = loop;
    createdStreams.push_back(path);
    return AudioResult::Ok;
}

void RecordingAudioBackend::ReleaseStream(AudioSound stream)
{
    auto it = sounds_.find(stream);
    if (it == sounds_.end() || !it->second.second)
        return;
    Slot& music = slots_.back();
    if (music.playing && music.path == it->second.first) {
        music.playing = false;
        ++music.generation;
    }
    releasedStreams.insert(stream);
    sounds_.erase(it);
}

AudioResult RecordingAudioBackend::Play(AudioSound sound, bool loop, AudioChannel* channel)
{
    *channel = AudioChannel {};
    if (!open)
        return AudioResult::NotOpen;
    auto it = sounds_.find(sound);
    if (it == sounds_.end())
        return AudioResult::BadSound;
    const bool stream = it->second.second;
    size_t index = slots_.size() - 1;
    if (!stream) {
        auto free = std::find_if(slots_.begin(), slots_.end() - 1, [](const Slot& s) { return !s.playing; });
        if (free == slots_.end() - 1)
            return AudioResult::NoFreeChannel;
        index = size_t(free - slots_.begin());
    }
    Slot& slot = slots_[index];
    slot.playing = true;
    slot.paused = false;
    slot.volume = 1.0f;
    slot.path = it->second.first;
    *channel = {int32_t(index), ++slot.generation};
    played.push_back({slot.path, loop || (stream && streamLoops_[sound]), stream, *channel});
    return AudioResult::Ok;
}

RecordingAudioBackend::Slot* RecordingAudioBackend::Live(AudioChannel channel)
{
    if (channel.slot < 0 || size_t(channel.slot) >= slots_.size())
        return nullptr;
    Slot& slot = slots_[size_t(channel.slot)];
    return slot.generation == channel.generation && slot.playing ? &slot : nullptr;
}

const RecordingAudioBackend::Slot* RecordingAudioBackend::Find(AudioChannel channel) const
{
    return const_cast<RecordingAudioBackend*>(this)->Live(channel);
}

AudioResult RecordingAudioBackend::SetVolume(AudioChannel channel, float volume)
{
    Slot* slot = Live(channel);
    if (!slot)
        return AudioResult::InvalidHandle;
    slot->volume = volume;
    return AudioResult::Ok;
}

AudioResult RecordingAudioBackend::SetPaused(AudioChannel channel, bool paused)
{
    Slot* slot = Live(channel);
    if (!slot)
        return AudioResult::InvalidHandle;
    slot->paused = paused;
    return AudioResult::Ok;
}

AudioResult RecordingAudioBackend::GetPaused(AudioChannel channel, bool* paused)
{
    Slot* slot = Live(channel);
    *paused = slot && slot->paused;
    return slot ? AudioResult::Ok : AudioResult::InvalidHandle;
}

AudioResult RecordingAudioBackend::IsPlaying(AudioChannel channel, bool* playing)
{
    *playing = Live(channel) != nullptr;
    return AudioResult::Ok;
}

AudioResult RecordingAudioBackend::Stop(AudioChannel channel)
{
    Slot* slot = Live(channel);
    if (!slot)
        return AudioResult::InvalidHandle;
    slot->playing = false;
    return AudioResult::Ok;
}

AudioResult RecordingAudioBackend::SetMasterVolume(float volume)
{
    master = volume;
    return open ? AudioResult::Ok : AudioResult::NotOpen;
}

int RecordingAudioBackend::Count(const std::string& path) const
{
    return int(std::count_if(played.begin(), played.end(),
                             [&](const Played& p) { return EndsWith(p.path, path); }));
}

int RecordingAudioBackend::Created(const std::string& path) const
{
    return int(std::count_if(createdSounds.begin(), createdSounds.end(),
                             [&](const std::string& p) { return EndsWith(p, path); }));
}

std::string RecordingAudioBackend::LastStream() const
{
    for (auto it = played.rbegin(); it != played.rend(); ++it)
        if (it->stream)
            return it->path;
    return "";
}

void RecordingAudioBackend::Finish(AudioChannel channel)
{
    if (Slot* slot = Live(channel))
        slot->playing = false;
}

float RecordingAudioBackend::EffectiveVolume(AudioChannel channel) const
{
    const Slot* slot = Find(channel);
    return slot ? slot->volume * master : 0.0f;
}
