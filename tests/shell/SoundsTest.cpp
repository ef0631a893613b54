// The sound system over the recording backend: the cache, the music cycle, muting and
// overriding, volumes, and what happens when files are missing.
#include "shell/GUI_Sounds.h"
#include "sim/SIM_PlayerOptions.h"
#include "support/LogCapture.h"
#include "support/RecordingAudio.h"
#include "support/TestSupport.h"

#include <string>

namespace {

GUI_Sounds::Settings gSettings;
GUI_Sounds::Settings ReadTestSettings() { return gSettings; }

class SoundsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        OpenSandboxDebugLog();
        gSettings = {};
        sounds = GUI_GetSounds();
        sounds->SetBackend(&audio);
        sounds->SetSettingsSource(ReadTestSettings);
    }
    void TearDown() override
    {
        sounds->SetBackend(nullptr);
        sounds->SetSettingsSource(nullptr);
        SandboxTest::TearDown();
    }
    std::string Log() const { return SandboxDebugLog(); }
    // Ends the current track and runs one frame.
    void EndTrack()
    {
        audio.Finish(sounds->GetMusicChannel());
        sounds->Process();
    }

    RecordingAudioBackend audio;
    GUI_Sounds* sounds = nullptr;
};

TEST_F(SoundsTest, EffectsAreLoadedOnceAndCachedByTheirPath)
{
    EXPECT_TRUE(sounds->PlaySound(GUI_Sounds::SOUND_CLICK));
    EXPECT_TRUE(sounds->PlaySound("data/sounds/click.ogg", false));
    EXPECT_EQ(audio.openedChannels, 64);
    EXPECT_EQ(audio.Created("data/sounds/click.ogg"), 1);
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 2);
    EXPECT_EQ(audio.played[0].path, resources.Str() + "/data/sounds/click.ogg");
    EXPECT_NE(sounds->GetCachedSound(resources.Str() + "/data/sounds/click.ogg"), 0u);

    // The same file name in another folder is another sound.
    sounds->PlaySound("data/sounds/other/click.ogg", true);
    EXPECT_EQ(audio.Created("click.ogg"), 2);
    EXPECT_TRUE(audio.played.back().loop);
    // Ids other than the click play nothing.
    EXPECT_FALSE(sounds->PlaySound(GUI_Sounds::SOUNDID(1)));
}

TEST_F(SoundsTest, AMissingFileIsReportedEveryTimeAndPlaysNothing)
{
    audio.missing = {"data/sounds/gone.ogg"};
    EXPECT_FALSE(sounds->PlaySound("data/sounds/gone.ogg", false));
    EXPECT_FALSE(sounds->PlaySound("data/sounds/gone.ogg", false));
    const std::string expected = "Failed create sound! (" + resources.Str() + "/data/sounds/gone.ogg)";
    const std::string log = Log();
    const size_t first = log.find(expected);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(expected, first + 1), std::string::npos);
    EXPECT_TRUE(audio.played.empty());
}

TEST_F(SoundsTest, StoppingAStaleChannelLeavesTheNewSoundAlone)
{
    const AudioChannel first = sounds->PlaySound("data/sounds/a.ogg", false);
    audio.Finish(first);
    const AudioChannel second = sounds->PlaySound("data/sounds/b.ogg", false);
    ASSERT_EQ(second.slot, first.slot);
    sounds->StopSound(first);
    EXPECT_NE(audio.Find(second), nullptr);
    sounds->StopSound(second);
    EXPECT_EQ(audio.Find(second), nullptr);
}

TEST_F(SoundsTest, MusicCyclesTitleThenVersesAlternately)
{
    gSettings.musicVolume = 0.6f;
    sounds->Initialise();
    EXPECT_EQ(audio.LastStream(), resources.Str() + "/data/sounds/music/titlemusic.ogg");
    EXPECT_FALSE(audio.played.back().loop);
    EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.6f);

    sounds->Process(); // still playing: nothing changes
    EXPECT_EQ(audio.createdStreams.size(), 1u);

    const char* expected[] = {"verse1.ogg", "verse2.ogg", "verse1.ogg", "verse2.ogg"};
    for (const char* track : expected) {
        EndTrack();
        EXPECT_EQ(audio.LastStream(), resources.Str() + "/data/sounds/music/" + track);
        EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.6f);
    }
    // Finished streams are released when the next track replaces them.
    EXPECT_EQ(audio.releasedStreams.size(), 4u);
}

TEST_F(SoundsTest, MusicVolumeIsMasterTimesMusic)
{
    gSettings.masterVolume = 0.5f;
    gSettings.musicVolume = 0.8f;
    sounds->Initialise();
    EXPECT_FLOAT_EQ(audio.master, 0.5f);
    EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.4f);

    gSettings.musicVolume = 0.25f;
    sounds->RefreshMusicVolume();
    gSettings.masterVolume = 1.0f;
    sounds->RefreshMasterVolume();
    EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.25f);
}

TEST_F(SoundsTest, MusicSwitchedOffPlaysNothingUntilStarted)
{
    gSettings.musicOn = false;
    sounds->Initialise();
    sounds->Process();
    EXPECT_TRUE(audio.createdStreams.empty());
    EXPECT_FALSE(sounds->GetMusicChannel());

    gSettings.musicOn = true;
    sounds->StartMusic();
    EXPECT_EQ(audio.LastStream(), resources.Str() + "/data/sounds/music/titlemusic.ogg");
    sounds->StopMusic();
    EXPECT_FALSE(sounds->GetMusicChannel());
    sounds->Process();
    EXPECT_EQ(audio.createdStreams.size(), 1u);
}

TEST_F(SoundsTest, TheVolumesAndTheMusicSwitchComeFromThePlayersOptions)
{
    SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    const float masterWas = options->Get(SIM_PlayerOptions::OPTION_MASTERVOLUME);
    const float musicWas = options->Get(SIM_PlayerOptions::OPTION_MUSICVOLUME);
    const bool switchWas = options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC);
    sounds->SetSettingsSource(nullptr);

    options->Set(SIM_PlayerOptions::OPTION_MASTERVOLUME, 0.5f);
    options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 0.6f);
    options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, false);
    sounds->Initialise();
    EXPECT_FLOAT_EQ(audio.master, 0.5f);
    EXPECT_TRUE(audio.createdStreams.empty()); // switched off: no music

    options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, true);
    sounds->StartMusic();
    EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.3f);
    options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 0.2f);
    sounds->RefreshMusicVolume();
    EXPECT_FLOAT_EQ(audio.EffectiveVolume(sounds->GetMusicChannel()), 0.1f);

    options->Set(SIM_PlayerOptions::OPTION_MASTERVOLUME, masterWas);
    options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, musicWas);
    options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, switchWas);
}

TEST_F(SoundsTest, AMutedTrackDoesNotAdvanceAndResumesWhereItStopped)
{
    sounds->StartMusic();
    const AudioChannel title = sounds->GetMusicChannel();
    sounds->MuteMusic();
    for (int i = 0; i < 5; ++i)
        sounds->Process();
    EXPECT_EQ(sounds->GetMusicChannel(), title);
    EXPECT_TRUE(audio.Find(title)->paused);
    sounds->UnMuteMusic();
    EXPECT_FALSE(audio.Find(title)->paused);
    EXPECT_EQ(audio.createdStreams.size(), 1u);
}

TEST_F(SoundsTest, AnOverridePausesTheMusicUntilItEnds)
{
    sounds->StartMusic();
    const AudioChannel title = sounds->GetMusicChannel();
    sounds->MuteMusic(); // muted by a screen before the override: un-paused all the same
    sounds->OverrideMusic("data/sounds/rivals.ogg");
    EXPECT_TRUE(sounds->IsOverriding());
    EXPECT_EQ(audio.Count("data/sounds/rivals.ogg"), 1);
    sounds->Process();
    EXPECT_TRUE(audio.Find(title)->paused);

    audio.Finish(audio.played.back().channel);
    sounds->Process();
    EXPECT_FALSE(sounds->IsOverriding());
    EXPECT_EQ(sounds->GetMusicChannel(), title);
    EXPECT_FALSE(audio.Find(title)->paused);
}

TEST_F(SoundsTest, AnOverrideThatCannotPlayLeavesTheMusicPlaying)
{
    audio.missing = {"data/sounds/rivals.ogg"};
    sounds->StartMusic();
    sounds->OverrideMusic("data/sounds/rivals.ogg");
    EXPECT_FALSE(sounds->IsOverriding());
    EXPECT_FALSE(audio.Find(sounds->GetMusicChannel())->paused);
    EndTrack();
    EXPECT_EQ(audio.LastStream(), resources.Str() + "/data/sounds/music/verse1.ogg");
}

TEST_F(SoundsTest, AMissingNextTrackEndsTheMusicWithOneReport)
{
    audio.missing = {"data/sounds/music/verse1.ogg"};
    sounds->StartMusic();
    const AudioChannel title = sounds->GetMusicChannel();
    EndTrack();
    EXPECT_FALSE(sounds->GetMusicChannel());
    for (int i = 0; i < 10; ++i)
        sounds->Process();
    const std::string log = Log();
    const size_t first = log.find("Failed to create stream for loop");
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find("Failed to create stream for loop", first + 1), std::string::npos);
    EXPECT_EQ(audio.Find(title), nullptr);
}

TEST_F(SoundsTest, AFailedReplacementStreamKeepsTheCurrentMusic)
{
    sounds->StartMusic();
    const AudioChannel title = sounds->GetMusicChannel();
    audio.missing = {"data/sounds/special.ogg"};
    sounds->PlayMusicStream("data/sounds/special.ogg", false);
    EXPECT_EQ(sounds->GetMusicChannel(), title);
    EXPECT_NE(audio.Find(title), nullptr);
}

TEST_F(SoundsTest, InstrumentsPlayOneOfTheirSamplesAndEmptyPacksNothing)
{
    resources.Write("data/sounds/instruments/drums/kick.ogg", "x");
    resources.Write("data/sounds/instruments/drums/snare.ogg", "x");
    resources.Write("data/sounds/instruments/drums/notes.txt", "x");
    gSettings.musicOn = false;
    sounds->Initialise();
    for (int i = 0; i < 6; ++i)
        sounds->PlayInstrument(1);
    EXPECT_EQ(audio.Count("kick.ogg") + audio.Count("snare.ogg"), 6);
    EXPECT_EQ(audio.played.size(), 6u);
    sounds->PlayInstrument(4); // no saxophone samples
    sounds->PlayInstrument(7); // no such instrument
    EXPECT_EQ(audio.played.size(), 6u);
}

TEST_F(SoundsTest, WithoutASoundDeviceTheGameGoesOnSilently)
{
    RecordingAudioBackend broken;
    broken.failOpen = true;
    sounds->SetBackend(&broken);
    EXPECT_FALSE(sounds->PlaySound(GUI_Sounds::SOUND_CLICK));
    sounds->StartMusic();
    sounds->Process();
    sounds->MuteMusic();
    EXPECT_NE(Log().find("Failed to init audio"), std::string::npos);
    sounds->SetBackend(&audio);
}

} // namespace
