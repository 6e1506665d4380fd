// The real game, headless, records what it plays: the music sounds in the menu and falls
// silent once a box is chosen.
#include "game_runner.h"
#include "sound_test_util.h"

using namespace soundtest;

TEST(SoundScript, MenuMusicIsRecordedAndStopsWhenABoxIsChosen) {
    GameRunner runner;
    constexpr int kStepMs = 20;
    constexpr int kFramesAfter = 50;
    const std::string script =
        "frames 5\n"
        "key space down\n"
        "frames 1\n"
        "key space up\n"
        "frames 150\n"
        "expect g_mediaChannels.1.running 1\n"
        "move 400 300\n"
        "frames 2\n"
        "click\n"
        "frames " + std::to_string(kFramesAfter) + "\n"
        "expect g_screenState 3\n"
        "expect g_mediaChannels.1.running 0\n";
    const GameRun run = runner.Run(script, {"--fixed-step", std::to_string(kStepMs), "--audio-out", "rec.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;

    const auto file = ReadBytes(runner.Path("rec.wav"));
    ASSERT_GT(file.size(), 44u);
    const std::vector<uint8_t> pcm(file.begin() + 44, file.end());
    const size_t frames = pcm.size() / 4;
    const size_t perFrame = 44100 * kStepMs / 1000;
    // The recording follows the game's clock: about one step of sound per frame.
    EXPECT_GE(frames, 150 * perFrame);
    EXPECT_LE(frames, 230 * perFrame);
    // The last frames after the click: silence. The two seconds before the click: music.
    const size_t quietFrom = frames - (kFramesAfter - 5) * perFrame;
    EXPECT_EQ(Rms(pcm, 2 * quietFrom, 2 * frames), 0.0);
    const size_t clickAt = frames - (kFramesAfter + 2) * perFrame;
    EXPECT_GT(Rms(pcm, 2 * (clickAt - 100 * perFrame), 2 * clickAt), 1000.0);
}

// A task switch inside a box rebuilds the device, which frees the music channel; back in the
// menu the music plays again, from its start.
TEST(SoundScript, MenuMusicReturnsAfterADeviceRebuildInABox) {
    GameRunner runner;
    const std::string script =
        "frames 5\n"
        "key space down\n"
        "frames 1\n"
        "key space up\n"
        "frames 100\n"
        "expect g_mediaChannels.1.running 1\n"
        "move 380 320\n"
        "click\n"
        "move 500 220\n"
        "click\n"
        "expect g_screenState 1\n"
        "focus lost\n"
        "frames 3\n"
        "focus gained\n"
        "frames 5\n"
        "expect deviceRebuilds 1\n"
        "move 1250 20\n"
        "click\n"
        "frames 10\n"
        "expect g_screenState 0\n"
        "expect g_mediaChannels.1.running 1\n"
        "dump state.json\n";
    const GameRun run = runner.Run(script, {"--fixed-step", "20", "--audio-out", "rec.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    const std::string state = runner.ReadFile("state.json");
    // {"g_mediaChannels": {"1": {... "position": N ...}}}
    const size_t channels = state.find("\"g_mediaChannels\"");
    const size_t one = state.find("\"1\": {", channels);
    const size_t at = state.find("\"position\": ", one);
    ASSERT_TRUE(channels != std::string::npos && one != std::string::npos && at != std::string::npos) << state;
    const long position = std::stol(state.substr(at + 12));
    EXPECT_LT(position, 1000) << "milliseconds into the music";
}
