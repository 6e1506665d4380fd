// Media channels: loading, the end-of-stream handling each frame, rewinding, messages.
#include <SDL_mixer.h>

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
    static int64_t DurationFrames(int channel) {
        plat::REFERENCE_TIME t = -1;
        EXPECT_EQ(g_mediaChannels[channel].seeking->GetDuration(&t), plat::S_OK);
        return plat::ReferenceTimeToFrames(t);
    }
    // Frames on a 10 ms mark (441 frames) go through the 100 ns positions unrounded.
    static int64_t OnMark(int64_t frame) { return frame / 441 * 441; }
    static void SeekTo(int channel, int64_t frame) {
        plat::REFERENCE_TIME t = plat::FramesToReferenceTime(frame);
        g_mediaChannels[channel].seeking->SetPositions(&t, plat::AM_SEEKING_AbsolutePositioning, nullptr,
                                                       plat::AM_SEEKING_NoPositioning);
    }
    static int32_t NextEvent(int channel) {
        int32_t code = 0;
        intptr_t p1 = 0, p2 = 0;
        g_mediaChannels[channel].events->GetEvent(&code, &p1, &p2, 0);
        return code;
    }
    // The generated menu music, copied in as the game finds it.
    static void CopyGameMusic() {
        const std::string game = STROYLIK_GAME_DIR;
        std::filesystem::copy_file(game + "/music/music_01.mp3", "music/music_01.mp3");
    }
};

// The same file decoded whole by SDL_mixer (the audio must be open): what the stream must play.
std::vector<int16_t> WholeDecode(const std::string& path) {
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
    if (!chunk) return {};
    const auto* s = reinterpret_cast<const int16_t*>(chunk->abuf);
    std::vector<int16_t> samples(s, s + chunk->alen / 2);
    Mix_FreeChunk(chunk);
    return samples;
}

std::vector<int16_t> RecordedSamples(const std::string& path) {
    const auto bytes = ReadBytes(path);
    std::vector<int16_t> samples;
    for (size_t i = 22; i < bytes.size() / 2; ++i) samples.push_back(SampleAt(bytes, i));   // past the header
    return samples;
}

// Where two runs of `count` frames first differ: -1 when alike, -2 when one is too short.
int64_t FirstDifference(const std::vector<int16_t>& a, size_t fromA, const std::vector<int16_t>& b,
                        size_t fromB, size_t count) {
    if ((fromA + count) * 2 > a.size() || (fromB + count) * 2 > b.size()) return -2;
    for (size_t i = 0; i < count * 2; ++i)
        if (a[fromA * 2 + i] != b[fromB * 2 + i]) return static_cast<int64_t>(i / 2);
    return -1;
}

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
    EXPECT_NE(err.find("нет звукового файла «./music/music_01.mp3»; игра пойдёт без этого звука."), std::string::npos)
        << err;
    EXPECT_NE(err.find("нет звукового файла «./sound/Start_menu.mp3»"), std::string::npos) << err;
    EXPECT_FALSE(g_mediaChannels[1].graph);
    EXPECT_FALSE(g_mediaChannels[2].graph);
}

TEST_F(SoundMedia, UndecodableFileIsReportedAndLeavesASilentChannel) {
    WriteBytes("music/bad.mp3", std::vector<uint8_t>(1000, 0x11));
    ::testing::internal::CaptureStderr();
    StartMediaChannel(7, "./music/bad.mp3", -1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Ошибка построения графа для ./music/bad.mp3: файл испорчен или это не музыка в формате MP3"), std::string::npos) << err;
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

TEST_F(SoundMedia, StreamedMusicPlaysExactlyTheWholeDecodeAfterSeeks) {
    CopyGameMusic();
    g_options.audioOut = Path("rec.wav");
    StartMediaChannel(1, "./music/music_01.mp3", 0);
    ASSERT_TRUE(g_mediaChannels[1].control);
    const std::vector<int16_t> whole = WholeDecode("./music/music_01.mp3");
    const auto frames = static_cast<int64_t>(whole.size() / 2);
    ASSERT_GT(frames, 44100);
    EXPECT_EQ(DurationFrames(1), frames);

    plat::AdvanceAudio(5000);   // more than one decoded block per mix
    const int64_t middle = OnMark(12345), nearEnd = OnMark(frames - 1000);
    SeekTo(1, middle);
    EXPECT_EQ(PositionFrames(1), middle);
    plat::AdvanceAudio(3000);
    SeekTo(1, nearEnd);
    plat::AdvanceAudio(2000);
    EXPECT_EQ(PositionFrames(1), frames);
    EXPECT_EQ(NextEvent(1), plat::EC_COMPLETE);
    ReleaseAll();

    const std::vector<int16_t> rec = RecordedSamples(Path("rec.wav"));
    ASSERT_EQ(rec.size(), 10000u * 2);
    EXPECT_EQ(FirstDifference(rec, 0, whole, 0, 5000), -1);
    EXPECT_EQ(FirstDifference(rec, 5000, whole, static_cast<size_t>(middle), 3000), -1);
    const auto tail = static_cast<size_t>(frames - nearEnd);
    EXPECT_EQ(FirstDifference(rec, 8000, whole, static_cast<size_t>(nearEnd), tail), -1);
    EXPECT_EQ(FirstDifference(rec, 8000 + tail, std::vector<int16_t>(2000 * 2, 0), 0, 2000 - tail), -1);
}

TEST_F(SoundMedia, JunkThatLooksLikeMp3IsRefusedAtLoading) {
    std::vector<uint8_t> sync = {0xFF, 0xFB, 0x90, 0x00}, tagged = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 16};
    for (uint32_t i = 0, x = 12345; i < 20000; ++i, x = x * 1103515245 + 12345) {
        sync.push_back(static_cast<uint8_t>(x >> 24));
        tagged.push_back(0x11);
    }
    WriteBytes("music/sync.mp3", sync);
    WriteBytes("music/tagged.mp3", tagged);
    ::testing::internal::CaptureStderr();
    StartMediaChannel(3, "./music/sync.mp3", -1);
    StartMediaChannel(4, "./music/tagged.mp3", -1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Ошибка построения графа для ./music/sync.mp3: файл испорчен или это не музыка в формате MP3"), std::string::npos) << err;
    EXPECT_NE(err.find("Ошибка построения графа для ./music/tagged.mp3: файл испорчен или это не музыка в формате MP3"), std::string::npos) << err;
    EXPECT_EQ(DurationFrames(3), 0);
    EXPECT_EQ(DurationFrames(4), 0);
}

// Cut before loading, a file plays to its real end; cut on disk while it plays, what is gone
// counts as the end and the rewind plays the start that is still there.
TEST_F(SoundMedia, CutMusicPlaysToItsEndAndRewindsIntact) {
    CopyGameMusic();
    auto bytes = ReadBytes("music/music_01.mp3");
    bytes.resize(bytes.size() / 2 + 77);   // inside a frame
    WriteBytes("music/cut.mp3", bytes);
    StartMediaChannel(1, "./music/cut.mp3", 0);
    ASSERT_TRUE(g_mediaChannels[1].control);
    int64_t frames = DurationFrames(1);
    ASSERT_GT(frames, 44100);
    SeekTo(1, frames - 3000);
    plat::AdvanceAudio(6000);
    EXPECT_EQ(PositionFrames(1), frames);
    EXPECT_EQ(NextEvent(1), plat::EC_COMPLETE);

    StartMediaChannel(2, "./music/music_01.mp3", -1);
    ASSERT_TRUE(g_mediaChannels[2].control);
    frames = DurationFrames(2);
    std::filesystem::resize_file("music/music_01.mp3", std::filesystem::file_size("music/music_01.mp3") / 2);
    SeekTo(2, frames * 3 / 4);
    plat::AdvanceAudio(5000);
    EXPECT_EQ(PositionFrames(2), frames);
    CheckActiveSounds();
    EXPECT_EQ(PositionFrames(2), 0);
    plat::AdvanceAudio(882);
    EXPECT_EQ(PositionFrames(2), 882);
    EXPECT_EQ(NextEvent(2), 0);
}
