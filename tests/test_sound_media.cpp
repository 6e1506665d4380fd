// Media channels: loading, the end-of-stream handling each frame, rewinding, messages.
#include "core/game_state.h"
#include "core/state_dump.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

constexpr int kStreamFrames = 4410;   // a tenth of a second

class SoundMedia : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        WriteBytes("music/tune.wav", MakeWav({}, ConstantFrames(kStreamFrames, 3000, 3000)));
    }
    static int64_t PositionFrames(int channel) {
        plat::REFERENCE_TIME t = -1;
        EXPECT_EQ(g_mediaChannels[channel].seeking->GetCurrentPosition(&t), plat::S_OK);
        return plat::ReferenceTimeToFrames(t);
    }
};

}  // namespace

TEST_F(SoundMedia, LoopingChannelRewindsAndKeepsRunning) {
    StartMediaChannel(5, "./music/tune.wav", -1);
    ASSERT_TRUE(g_mediaChannels[5].control);
    EXPECT_TRUE(g_mediaChannels[5].control->running());
    plat::AdvanceAudio(1000);
    EXPECT_NEAR(PositionFrames(5), 1000, 1);
    plat::AdvanceAudio(kStreamFrames);   // past the end
    EXPECT_NEAR(PositionFrames(5), kStreamFrames, 1);
    CheckActiveSounds();
    EXPECT_EQ(PositionFrames(5), 0);
    EXPECT_TRUE(g_mediaChannels[5].control->running());
    plat::AdvanceAudio(500);
    EXPECT_NEAR(PositionFrames(5), 500, 1);
    // The end was handled once: no second rewind without a second end.
    CheckActiveSounds();
    EXPECT_NEAR(PositionFrames(5), 500, 1);
}

TEST_F(SoundMedia, OneShotChannelStopsAtItsStart) {
    StartMediaChannel(2, "./music/tune.wav", 0);
    plat::AdvanceAudio(kStreamFrames + 100);
    CheckActiveSounds();
    EXPECT_FALSE(g_mediaChannels[2].control->running());
    EXPECT_EQ(PositionFrames(2), 0);
    plat::AdvanceAudio(1000);
    EXPECT_EQ(PositionFrames(2), 0);
    // Channels that were never loaded are skipped without harm.
    EXPECT_FALSE(g_mediaChannels[0].graph);
    EXPECT_FALSE(g_mediaChannels[99].graph);
}

TEST_F(SoundMedia, PeremotkaMusicRestartsTheMusicFromTheStart) {
    StartMediaChannel(1, "./music/tune.wav", -1);
    plat::AdvanceAudio(2000);
    StopMediaChannel(1);
    EXPECT_FALSE(g_mediaChannels[1].control->running());
    EXPECT_NEAR(PositionFrames(1), 2000, 1);   // a stop keeps the place
    PeremotkaMusic();
    EXPECT_TRUE(g_mediaChannels[1].control->running());
    EXPECT_EQ(PositionFrames(1), 0);
    // Without any music loaded it does nothing.
    ReleaseMediaChannels();
    EXPECT_NO_THROW(PeremotkaMusic());
    EXPECT_FALSE(g_mediaChannels[1].control);
}

TEST_F(SoundMedia, MenuMusicStartsOnlyInTheMenuAndLoadsOnce) {
    WriteBytes("music/music_01.mp3", ReadBytes("music/tune.wav"));   // a WAV under that name decodes too
    const int32_t saved = g_screenState;
    g_screenState = ScreenBox1;
    StartMenuMusic();
    EXPECT_FALSE(g_mediaChannels[1].graph);
    g_screenState = ScreenMainMenu;
    StartMenuMusic();
    ASSERT_TRUE(g_mediaChannels[1].graph);
    EXPECT_EQ(g_mediaChannels[1].looping, -1);
    EXPECT_TRUE(g_mediaChannels[1].control->running());
    const auto graph = g_mediaChannels[1].graph;
    g_mediaChannels[1].control->Stop();
    StartMenuMusic();   // a device rebuild: same stream, running again
    EXPECT_EQ(g_mediaChannels[1].graph, graph);
    EXPECT_TRUE(g_mediaChannels[1].control->running());
    g_screenState = saved;
}

TEST_F(SoundMedia, MissingFileIsReportedAndTheGameGoesOn) {
    ::testing::internal::CaptureStderr();
    const int32_t saved = g_screenState;
    g_screenState = ScreenMainMenu;
    StartMenuMusic();
    StartMenuJingle();
    CheckActiveSounds();
    PeremotkaMusic();
    StopMediaChannel(1);
    StopMediaChannel(2);
    g_screenState = saved;
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Sound File: ./music/music_01.mp3 not found."), std::string::npos) << err;
    EXPECT_NE(err.find("Sound File: ./sound/Start_menu.mp3 not found."), std::string::npos) << err;
    EXPECT_FALSE(g_mediaChannels[1].graph);
    EXPECT_FALSE(g_mediaChannels[2].graph);
}

TEST_F(SoundMedia, UndecodableFileIsReportedAndLeavesASilentChannel) {
    WriteBytes("music/bad.mp3", std::vector<uint8_t>(1000, 0x11));
    ::testing::internal::CaptureStderr();
    StartMediaChannel(7, "./music/bad.mp3", -1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Ошибка построения графа для ./music/bad.mp3"), std::string::npos) << err;
    plat::AdvanceAudio(1000);
    CheckActiveSounds();
    plat::REFERENCE_TIME stop = -1;
    g_mediaChannels[7].seeking->GetStopPosition(&stop);
    EXPECT_EQ(stop, 0);
}

TEST_F(SoundMedia, ReloadReplacesTheStreamAndReleaseEmptiesEveryChannel) {
    StartMediaChannel(3, "./music/tune.wav", 0);
    const auto first = g_mediaChannels[3].graph;
    dLoadSound(3, "./music/tune.wav");
    EXPECT_NE(g_mediaChannels[3].graph, first);
    EXPECT_FALSE(g_mediaChannels[3].control->running());   // loading does not start it
    ReleaseMediaChannels();
    for (const TSound3D& ch : g_mediaChannels) {
        EXPECT_FALSE(ch.graph || ch.control || ch.seeking || ch.events || ch.audio);
    }
}

TEST_F(SoundMedia, DumpShowsEachLoadedChannel) {
    StartMediaChannel(1, "./music/tune.wav", -1);
    plat::AdvanceAudio(2205);
    StateDump dump;
    DumpSound(dump);
    std::string v;
    ASSERT_TRUE(dump.Lookup("g_mediaChannels.1.loaded", v));
    EXPECT_EQ(v, "1");
    ASSERT_TRUE(dump.Lookup("g_mediaChannels.1.running", v));
    EXPECT_EQ(v, "1");
    ASSERT_TRUE(dump.Lookup("g_mediaChannels.1.looping", v));
    EXPECT_EQ(v, "-1");
    ASSERT_TRUE(dump.Lookup("g_mediaChannels.1.position", v));
    EXPECT_EQ(v, "50");
    EXPECT_FALSE(dump.Lookup("g_mediaChannels.2.loaded", v));
}

TEST_F(SoundMedia, MusicAndEffectsPlayTogetherIntoTheRecording) {
    g_options.audioOut = Path("rec.wav");
    StartMediaChannel(1, "./music/tune.wav", -1);
    InitSound();
    WriteBytes("sound/e.wav", MakeWav({}, ConstantFrames(100, 100, 100)));
    plat::AdvanceAudio(1000);
    PlayEffect(0, "./sound/e.wav");
    plat::AdvanceAudio(1000);
    StopMediaChannel(1);
    plat::AdvanceAudio(1000);
    ReleaseAll();
    const auto pcm = ReadBytes(Path("rec.wav"));
    ASSERT_EQ(pcm.size(), 44u + 3000 * 4);
    const std::vector<uint8_t> data(pcm.begin() + 44, pcm.end());
    EXPECT_EQ(SampleAt(data, 2 * 500), 3000);
    EXPECT_EQ(SampleAt(data, 2 * 1050), 3100);
    EXPECT_EQ(SampleAt(data, 2 * 1500), 3000);
    EXPECT_EQ(Rms(data, 2 * 2000, 2 * 3000), 0.0);
}
