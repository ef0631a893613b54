// The SDL2_mixer backend on SDL's silent dummy driver: channel handles and their
// generations, the music stream, and the master volume applied to music too.
#include "port/sdl/AudioMixer.h"
#include "support/TestSupport.h"

#include <SDL_mixer.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

// A mono 16-bit WAV of a soft sine tone.
std::string Wav(double seconds)
{
    const int rate = 22050;
    const uint32_t samples = uint32_t(seconds * rate);
    const uint32_t bytes = samples * 2;
    std::string out;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xff)); };
    auto u16 = [&](uint16_t v) { out.push_back(char(v & 0xff)); out.push_back(char(v >> 8)); };
    out += "RIFF";
    u32(36 + bytes);
    out += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    out += "data";
    u32(bytes);
    for (uint32_t i = 0; i < samples; ++i)
        u16(uint16_t(int16_t(3000 * ((i / 25) % 2 ? 1 : -1))));
    return out;
}

class AudioMixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        longSound = dir.Write("long.wav", Wav(3.0));
        otherSound = dir.Write("other.wav", Wav(3.0));
        shortSound = dir.Write("short.wav", Wav(0.02));
        ASSERT_EQ(mixer.Open(8), AudioResult::Ok) << mixer.LastErrorDetail();
    }
    bool Playing(AudioChannel channel)
    {
        bool playing = false;
        mixer.IsPlaying(channel, &playing);
        return playing;
    }

    TempDir dir;
    std::string longSound, otherSound, shortSound;
    AudioMixer mixer;
};

TEST_F(AudioMixerTest, OpensOnTheDummyDriverAndRejectsMissingFiles)
{
    EXPECT_TRUE(mixer.IsOpen());
    EXPECT_EQ(mixer.DriverName(), "dummy");
    AudioSound sound = 99;
    EXPECT_EQ(mixer.CreateSound(dir.Str() + "/none.ogg", &sound), AudioResult::FileNotFound);
    EXPECT_EQ(sound, 0u);
    EXPECT_EQ(mixer.CreateStream(dir.Str() + "/none.ogg", false, &sound), AudioResult::FileNotFound);
    AudioChannel channel;
    EXPECT_EQ(mixer.Play(12345, false, &channel), AudioResult::BadSound);
    EXPECT_TRUE(channel.IsNull());
}

TEST_F(AudioMixerTest, AReusedChannelIsNotTheOldOne)
{
    AudioSound a = 0, b = 0;
    ASSERT_EQ(mixer.CreateSound(longSound, &a), AudioResult::Ok);
    ASSERT_EQ(mixer.CreateSound(otherSound, &b), AudioResult::Ok);
    AudioChannel first;
    ASSERT_EQ(mixer.Play(a, false, &first), AudioResult::Ok);
    EXPECT_TRUE(Playing(first));
    ASSERT_EQ(mixer.Stop(first), AudioResult::Ok);
    EXPECT_FALSE(Playing(first));

    // The mixer hands out the lowest free channel: the same slot, a new generation.
    AudioChannel second;
    ASSERT_EQ(mixer.Play(b, false, &second), AudioResult::Ok);
    EXPECT_EQ(second.slot, first.slot);
    EXPECT_NE(second.generation, first.generation);
    EXPECT_FALSE(Playing(first));
    EXPECT_EQ(mixer.Stop(first), AudioResult::InvalidHandle);
    EXPECT_EQ(mixer.SetPaused(first, true), AudioResult::InvalidHandle);
    EXPECT_TRUE(Playing(second));
    bool paused = true;
    EXPECT_EQ(mixer.GetPaused(second, &paused), AudioResult::Ok);
    EXPECT_FALSE(paused);
}

TEST_F(AudioMixerTest, AChannelThatEndedReportsNotPlaying)
{
    AudioSound sound = 0;
    ASSERT_EQ(mixer.CreateSound(shortSound, &sound), AudioResult::Ok);
    AudioChannel channel;
    ASSERT_EQ(mixer.Play(sound, false, &channel), AudioResult::Ok);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Playing(channel) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(Playing(channel));
    EXPECT_EQ(mixer.SetVolume(channel, 0.5f), AudioResult::InvalidHandle);
}

TEST_F(AudioMixerTest, MasterVolumeScalesEffectsAndMusic)
{
    AudioSound effect = 0, music = 0;
    ASSERT_EQ(mixer.CreateSound(longSound, &effect), AudioResult::Ok);
    ASSERT_EQ(mixer.CreateStream(otherSound, false, &music), AudioResult::Ok);
    AudioChannel fx, track;
    ASSERT_EQ(mixer.Play(effect, true, &fx), AudioResult::Ok);
    ASSERT_EQ(mixer.Play(music, false, &track), AudioResult::Ok);
    EXPECT_EQ(Mix_Volume(fx.slot, -1), MIX_MAX_VOLUME);

    ASSERT_EQ(mixer.SetVolume(track, 0.5f), AudioResult::Ok);
    ASSERT_EQ(mixer.SetVolume(fx, 0.75f), AudioResult::Ok);
    ASSERT_EQ(mixer.SetMasterVolume(0.5f), AudioResult::Ok);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 4);
    EXPECT_EQ(Mix_Volume(fx.slot, -1), 48);
    ASSERT_EQ(mixer.SetMasterVolume(0.0f), AudioResult::Ok);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_EQ(Mix_Volume(fx.slot, -1), 0);
}

TEST_F(AudioMixerTest, MusicPausesAndANewStreamReplacesTheOld)
{
    AudioSound first = 0, second = 0;
    ASSERT_EQ(mixer.CreateStream(longSound, false, &first), AudioResult::Ok);
    ASSERT_EQ(mixer.CreateStream(otherSound, false, &second), AudioResult::Ok);
    AudioChannel a, b;
    ASSERT_EQ(mixer.Play(first, false, &a), AudioResult::Ok);
    ASSERT_EQ(mixer.SetPaused(a, true), AudioResult::Ok);
    bool paused = false;
    EXPECT_EQ(mixer.GetPaused(a, &paused), AudioResult::Ok);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(Playing(a)); // a paused track still counts as playing
    ASSERT_EQ(mixer.SetPaused(a, false), AudioResult::Ok);

    ASSERT_EQ(mixer.Play(second, false, &b), AudioResult::Ok);
    EXPECT_FALSE(Playing(a));
    EXPECT_TRUE(Playing(b));
    mixer.ReleaseStream(first); // not the one playing: the music goes on
    EXPECT_TRUE(Playing(b));
    mixer.ReleaseStream(second);
    EXPECT_FALSE(Playing(b));
}

} // namespace

namespace {

// A driver that starts but whose device cannot be opened (the disk driver writing into a
// folder that does not exist, as a machine without a sound card): the game goes on
// silently on the dummy driver.
TEST(AudioMixerFallbackTest, ADeviceThatCannotOpenFallsBackToTheDummyDriver)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/nonexistent-folder/amplivance-audio.raw", 1);
    AudioMixer mixer;
    EXPECT_EQ(mixer.Open(8), AudioResult::Ok) << mixer.LastErrorDetail();
    EXPECT_TRUE(mixer.IsOpen());
    EXPECT_EQ(mixer.DriverName(), "dummy");
}

} // namespace
