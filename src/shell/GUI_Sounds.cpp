#include "shell/GUI_Sounds.h"

#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "port/Paths.h"
#include "port/sdl/AudioMixer.h"
#include "sim/SIM_PlayerOptions.h"

namespace {

const int kChannels = 64;
const char* const kClickSound = "data/sounds/click.ogg";
const char* const kTitleMusic = "data/sounds/music/titlemusic.ogg";
const char* const kVerse1Music = "data/sounds/music/verse1.ogg";
const char* const kVerse2Music = "data/sounds/music/verse2.ogg";
// In INSTRUMENT order: keyboard, drums, bass, guitar, saxophone, vocals.
const char* const kPackNames[6] = {"keyboard", "drums", "bass", "guitar", "saxophone", "vocals"};

// The player's options: the master and music volumes and the music switch.
GUI_Sounds::Settings DefaultSettings()
{
    const SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    GUI_Sounds::Settings settings;
    settings.masterVolume = options->Get(SIM_PlayerOptions::OPTION_MASTERVOLUME);
    settings.musicVolume = options->Get(SIM_PlayerOptions::OPTION_MUSICVOLUME);
    settings.musicOn = options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC);
    return settings;
}

} // namespace

GUI_Sounds* GUI_GetSounds()
{
    static GUI_Sounds* sounds = new GUI_Sounds;
    return sounds;
}

void GUI_InstrumentPack::Initialise(const char* name)
{
    Clear();
    const std::string folder = std::string("data/sounds/instruments/") + name + "/";
    SetBaseDir(folder);
    AddFiles(folder + "*.ogg");
    numFiles_ = int(End() - Begin());
}

void GUI_InstrumentPack::PlayRandom()
{
    if (numFiles_ <= 0 || Empty())
        return;
    const std::string file = *(Begin() + GRandom::RandIndex(size_t(numFiles_)));
    GUI_GetSounds()->PlaySound(file.c_str(), false);
}

GUI_Sounds::GUI_Sounds() : settings_(DefaultSettings) {}

GUI_Sounds::~GUI_Sounds() = default;

void GUI_Sounds::SetBackend(AudioBackend* backend)
{
    cache_.clear();
    musicChannel_ = {};
    musicStream_ = 0;
    overrideChannel_ = {};
    overriding_ = false;
    backend_ = backend;
    backendOpened_ = false;
}

AudioBackend* GUI_Sounds::GetBackend() { return Backend(); }

void GUI_Sounds::SetSettingsSource(SettingsSource source)
{
    settings_ = source ? source : DefaultSettings;
}

GUI_Sounds::Settings GUI_Sounds::ReadSettings() const { return settings_(); }

AudioBackend* GUI_Sounds::Backend()
{
    if (!backend_) {
        if (!ownBackend_)
            ownBackend_ = std::make_unique<AudioMixer>();
        backend_ = ownBackend_.get();
    }
    if (!backendOpened_) {
        backendOpened_ = true;
        const AudioResult result = backend_->Open(kChannels);
        if (result != AudioResult::Ok)
            AudioError("Failed to init audio", result);
    }
    return backend_;
}

void GUI_Sounds::AudioError(const char* text, AudioResult result)
{
    // A note in the debug log, in the form of the game's other warnings.
    std::string detail = backend_ ? backend_->LastErrorDetail() : std::string();
    if (!detail.empty())
        detail = " [" + detail + "]";
    DebugOutF("Audio error! (%d) (%s) %s\n%s:%s %d\n", int(result), text, AudioErrorString(result),
              detail.c_str(), __FILE__, __LINE__);
}

std::string GUI_Sounds::FullPath(const char* file) const
{
    return GetResourcesFolder() + "/" + NormaliseSeparators(file ? file : "");
}

void GUI_Sounds::Initialise()
{
    StartMusic();
    RefreshMasterVolume();
    for (int instrument : {3, 2, 1, 0, 4, 5})
        packs_[instrument].Initialise(kPackNames[instrument]);
}

AudioSound GUI_Sounds::GetCachedSound(const std::string& fullPath) const
{
    for (const auto& [path, sound] : cache_)
        if (path == fullPath)
            return sound;
    return 0;
}

AudioChannel GUI_Sounds::PlaySound(const char* file, bool loop)
{
    AudioBackend* backend = Backend();
    const std::string path = FullPath(file);
    AudioSound sound = GetCachedSound(path);
    if (!sound) {
        const AudioResult result = backend->CreateSound(path, &sound);
        if (result != AudioResult::Ok) {
            AudioError(("Failed create sound! (" + path + ")").c_str(), result);
            return {};
        }
        cache_.emplace_back(path, sound);
    }
    AudioChannel channel;
    const AudioResult result = backend->Play(sound, loop, &channel);
    if (result != AudioResult::Ok) {
        AudioError(("Failed playSound() [" + path + "]").c_str(), result);
        return {};
    }
    return channel;
}

AudioChannel GUI_Sounds::PlaySound(SOUNDID id)
{
    if (id != SOUND_CLICK)
        return {};
    return PlaySound(kClickSound, false);
}

void GUI_Sounds::StopSound(AudioChannel channel)
{
    if (channel)
        Backend()->Stop(channel);
}

void GUI_Sounds::PlayInstrument(int instrument)
{
    if (instrument >= 0 && instrument < 6)
        packs_[instrument].PlayRandom();
}

void GUI_Sounds::StartMusic()
{
    if (!ReadSettings().musicOn)
        return;
    musicState_ = MUSIC_TITLE;
    PlayMusicStream(kTitleMusic, false);
    RefreshMusicVolume();
}

void GUI_Sounds::ForgetMusic()
{
    if (musicStream_)
        Backend()->ReleaseStream(musicStream_);
    musicStream_ = 0;
    musicChannel_ = {};
}

void GUI_Sounds::StopMusic()
{
    if (!musicChannel_)
        return;
    const AudioResult result = Backend()->Stop(musicChannel_);
    if (result != AudioResult::Ok && result != AudioResult::InvalidHandle)
        AudioError("Failed to stop music", result);
    ForgetMusic();
}

void GUI_Sounds::MuteMusic()
{
    if (!musicChannel_)
        return;
    const AudioResult result = Backend()->SetPaused(musicChannel_, true);
    // A track that has just ended has nothing left to pause.
    if (result != AudioResult::Ok && result != AudioResult::InvalidHandle)
        AudioError("Failed to pause music", result);
}

void GUI_Sounds::UnMuteMusic()
{
    if (musicChannel_)
        Backend()->SetPaused(musicChannel_, false);
}

void GUI_Sounds::RefreshMusicVolume()
{
    if (!musicChannel_)
        return;
    const AudioResult result = Backend()->SetVolume(musicChannel_, ReadSettings().musicVolume);
    if (result != AudioResult::Ok && result != AudioResult::InvalidHandle)
        AudioError("Failed to refresh music volume", result);
}

void GUI_Sounds::RefreshMasterVolume()
{
    const AudioResult result = Backend()->SetMasterVolume(ReadSettings().masterVolume);
    if (result != AudioResult::Ok)
        AudioError("Failed to get master channel group", result);
}

AudioChannel GUI_Sounds::OverrideMusic(const char* file)
{
    const AudioChannel channel = PlaySound(file, false);
    // A one-off track that cannot play must not leave the music paused for good.
    if (!channel)
        return channel;
    overrideChannel_ = channel;
    overriding_ = true;
    MuteMusic();
    overrideFile_ = file ? file : "";
    return channel;
}

void GUI_Sounds::PlayMusicStream(const char* file, bool loop)
{
    AudioBackend* backend = Backend();
    AudioSound stream = 0;
    const AudioResult created = backend->CreateStream(FullPath(file), loop, &stream);
    if (created != AudioResult::Ok) {
        AudioError("Failed to create stream for loop", created);
        return;
    }
    if (musicChannel_)
        backend->Stop(musicChannel_);
    ForgetMusic();
    musicStream_ = stream;
    const AudioResult played = backend->Play(stream, loop, &musicChannel_);
    if (played != AudioResult::Ok)
        AudioError(("Failed playSound() [" + FullPath(file) + "]").c_str(), played);
    RefreshMusicVolume();
}

void GUI_Sounds::Process()
{
    AudioBackend* backend = Backend();
    backend->Update();
    if (musicChannel_ && !overriding_) {
        bool paused = false;
        bool playing = false;
        backend->GetPaused(musicChannel_, &paused);
        backend->IsPlaying(musicChannel_, &playing);
        if (!paused && !playing) {
            const AudioChannel ended = musicChannel_;
            const bool toVerse2 = musicState_ == MUSIC_VERSE1;
            PlayMusicStream(toVerse2 ? kVerse2Music : kVerse1Music, false);
            musicState_ = toVerse2 ? MUSIC_VERSE2 : MUSIC_VERSE1;
            // A next track that cannot be opened ends the music, rather than being tried
            // (and reported) again every frame.
            if (musicChannel_ == ended)
                ForgetMusic();
        }
    }
    if (overriding_ && overrideChannel_) {
        bool playing = false;
        backend->IsPlaying(overrideChannel_, &playing);
        if (!playing) {
            overriding_ = false;
            UnMuteMusic();
            overrideChannel_ = {};
        }
    }
}

void GUI_Sounds::ResumeMusic()
{
    if (GetMusicChannel())
        UnMuteMusic();
    else
        StartMusic();
    RefreshMusicVolume();
}
