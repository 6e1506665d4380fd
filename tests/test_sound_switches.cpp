// The music and effects switches: paused music holds its place and goes on from there,
// silenced effects run on unheard, and the real game's recordings show the speaker button
// and the M key at work, remembered from one run to the next.
#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "game_runner.h"
#include "sound/sound_switches.h"
#include "sound/wav_data.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

class SoundSwitches : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        g_settings = Settings();
        SetSettingsFilePath(Path("settings.ini"));
        g_options.audioOut = Path("rec.wav");
        InitSound();
    }
    void TearDown() override {
        SetSettingsFilePath("");
        g_settings = Settings();
        ApplySoundSwitches();
        SoundTest::TearDown();
    }
    // The recording's samples after closing it.
    std::vector<uint8_t> Recording() {
        ReleaseAll();
        const auto file = ReadBytes(Path("rec.wav"));
        size_t start = 0;
        uint32_t count = 0;
        EXPECT_TRUE(FindWavData(file.data(), file.size(), start, count));
        return std::vector<uint8_t>(file.begin() + static_cast<long>(start), file.end());
    }
    int64_t MusicPosition() {
        plat::REFERENCE_TIME t = 0;
        g_mediaChannels[1].seeking->GetCurrentPosition(&t);
        return plat::ReferenceTimeToFrames(t);
    }
};

TEST_F(SoundSwitches, PausedMusicIsSilentHoldsItsPlaceAndGoesOn) {
    WriteBytes("music/m.wav", MakeWav({}, ConstantFrames(44100 * 3, 3000, 3000)));
    StartMediaChannel(1, "./music/m.wav", -1);
    plat::AdvanceAudio(1000);
    ToggleMusic();
    EXPECT_FALSE(g_settings.music);
    const int64_t held = MusicPosition();
    plat::AdvanceAudio(1000);
    EXPECT_EQ(MusicPosition(), held);
    EXPECT_TRUE(g_mediaChannels[1].control->running());   // the game's own state is untouched
    EXPECT_NE(ReadBytes(Path("settings.ini")).size(), 0u);
    ToggleMusic();
    plat::AdvanceAudio(1000);
    EXPECT_EQ(MusicPosition(), held + 1000);
    const auto pcm = Recording();
    EXPECT_GT(Rms(pcm, 2 * 10, 2 * 990), 2900.0);
    EXPECT_EQ(Rms(pcm, 2 * 1010, 2 * 1990), 0.0);
    EXPECT_GT(Rms(pcm, 2 * 2010, 2 * 2990), 2900.0);
}

TEST_F(SoundSwitches, SilencedEffectsRunOnUnheard) {
    WriteBytes("sound/e.wav", MakeWav({}, ConstantFrames(44100, 2000, 2000)));
    ToggleEffects();
    EXPECT_FALSE(g_settings.effects);
    PlayEffect(0, "./sound/e.wav");
    plat::AdvanceAudio(1000);
    EXPECT_TRUE(FSoundBuffers[0]->playing());   // it plays, unheard
    ToggleEffects();
    plat::AdvanceAudio(1000);   // switched on mid-way: the rest is heard
    PlayEffect(1, "./sound/e.wav");
    plat::AdvanceAudio(1000);
    const auto pcm = Recording();
    EXPECT_EQ(Rms(pcm, 0, 2 * 1000), 0.0);
    EXPECT_GT(Rms(pcm, 2 * 1010, 2 * 1990), 1900.0);
    EXPECT_GT(Rms(pcm, 2 * 2010, 2 * 2990), 3900.0);   // two slots at once
}

TEST_F(SoundSwitches, TheButtonCyclesAllOnMusicOffAllOff) {
    const bool expected[][2] = {{false, true}, {false, false}, {true, true}};
    for (const auto& step : expected) {
        CycleSoundSwitches();
        EXPECT_EQ(g_settings.music, step[0]);
        EXPECT_EQ(g_settings.effects, step[1]);
    }
    ToggleEffects();   // music only: the button's next step is silence
    CycleSoundSwitches();
    EXPECT_FALSE(g_settings.music);
    EXPECT_FALSE(g_settings.effects);
    Settings stored;
    std::string message;
    EXPECT_TRUE(LoadSettings(Path("settings.ini"), stored, message)) << message;
    EXPECT_FALSE(stored.music);
    EXPECT_FALSE(stored.effects);
}

// The real game: the speaker button silences the music, the next run starts silent, M brings it back.
TEST(SoundSwitchScript, TheSpeakerButtonAndTheMKeyAreHeardAndRemembered) {
    GameRunner runner;
    constexpr int kStepMs = 20;
    constexpr size_t perFrame = 44100 * kStepMs / 1000;
    const std::string intro = "frames 3\nkey SPACE down\nframes 1\nkey SPACE up\n";
    const std::string first = intro +
                              "frames 120\n"
                              "expect g_mediaChannels.1.running 1\n"
                              "move 1255 75\n"
                              "frames 1\n"
                              "expect g_hotButton 12\n"
                              "click\n"
                              "expect settings.music 0\n"
                              "expect settings.effects 1\n"
                              "frames 60\n"
                              "screenshot button.png\n";
    GameRun run = runner.Run(first, {"--fixed-step", std::to_string(kStepMs), "--audio-out", "rec1.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    auto file = ReadBytes(runner.Path("rec1.wav"));
    ASSERT_GT(file.size(), 44u);
    std::vector<uint8_t> pcm(file.begin() + 44, file.end());
    size_t frames = pcm.size() / 4;
    ASSERT_GT(frames, 150 * perFrame);
    EXPECT_EQ(Rms(pcm, 2 * (frames - 55 * perFrame), 2 * frames), 0.0);   // after the click
    EXPECT_GT(Rms(pcm, 2 * (frames - 150 * perFrame), 2 * (frames - 70 * perFrame)), 1000.0);   // before it
    EXPECT_NE(runner.ReadFile("settings.ini").find("music = off"), std::string::npos);

    const std::string second = intro +
                               "frames 100\n"
                               "expect settings.music 0\n"
                               "expect g_mediaChannels.1.running 1\n"
                               "key M down\nframes 1\nkey M up\n"
                               "frames 80\n"
                               "expect settings.music 1\n";
    run = runner.Run(second, {"--fixed-step", std::to_string(kStepMs), "--audio-out", "rec2.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    file = ReadBytes(runner.Path("rec2.wav"));
    ASSERT_GT(file.size(), 44u);
    pcm.assign(file.begin() + 44, file.end());
    frames = pcm.size() / 4;
    ASSERT_GT(frames, 150 * perFrame);
    EXPECT_EQ(Rms(pcm, 0, 2 * (frames - 90 * perFrame)), 0.0);   // silent from the start
    EXPECT_GT(Rms(pcm, 2 * (frames - 70 * perFrame), 2 * frames), 1000.0);   // music after M
    EXPECT_NE(runner.ReadFile("settings.ini").find("music = on"), std::string::npos);
}

}  // namespace
