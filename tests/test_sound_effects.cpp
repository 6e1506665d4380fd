// The seven effect slots: their sizes, loading before each play, and what the mixer plays.
#include "core/game_error.h"
#include "sound/wav_data.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

class SoundEffects : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        InitSound();
    }
};

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& v, size_t n) {
    return std::vector<uint8_t>(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size())));
}

}  // namespace

TEST_F(SoundEffects, SlotsHoldTheirSecondsOfCdAudio) {
    ASSERT_TRUE(FDSound);
    ASSERT_TRUE(FPrimaryBuffer);
    EXPECT_TRUE(FPrimaryBuffer->primary());
    const uint32_t expected[SoundSlotCount] = {352800, 352800, 352800, 176400, 352800, 529200, 352800};
    for (int slot = 0; slot < SoundSlotCount; ++slot) {
        ASSERT_TRUE(FSoundBuffers[slot]) << slot;
        EXPECT_EQ(FSoundBuffers[slot]->capacity(), expected[slot]) << slot;
        EXPECT_FALSE(FSoundBuffers[slot]->playing()) << slot;
    }
    // Set-up can run again after a release.
    ReleaseSound();
    EXPECT_FALSE(FDSound);
    InitSound();
    EXPECT_EQ(FSoundBuffers[5]->capacity(), 529200u);
}

TEST_F(SoundEffects, EachPlayLoadsTheFileAgainIntoTheSlot) {
    const auto first = CountingFrames(1000);
    const auto second = ConstantFrames(500, 1234, -1234);
    WriteBytes("sound/a.wav", MakeWav({}, first));
    WriteBytes("sound/b.wav", MakeWav({}, second));
    PlayEffect(0, "./sound/a.wav");
    auto content = FSoundBuffers[0]->Content();
    EXPECT_EQ(Prefix(content, first.size()), first);
    EXPECT_TRUE(FSoundBuffers[0]->playing());

    // The file changed on disk: the next play hears the new one (its shorter data
    // overwrites the start; the rest of the slot is as the last load left it).
    WriteBytes("sound/a.wav", MakeWav({}, second));
    PlayEffect(0, "./sound/a.wav");
    content = FSoundBuffers[0]->Content();
    EXPECT_EQ(Prefix(content, second.size()), second);
    EXPECT_EQ(std::vector<uint8_t>(content.begin() + 2000, content.begin() + 4000),
              std::vector<uint8_t>(first.begin() + 2000, first.end()));

    // Slots are independent.
    PlayEffect(4, "./sound/b.wav");
    EXPECT_EQ(Prefix(FSoundBuffers[4]->Content(), second.size()), second);
    EXPECT_EQ(Prefix(FSoundBuffers[0]->Content(), second.size()), second);
    EXPECT_TRUE(FSoundBuffers[4]->playing());
}

TEST_F(SoundEffects, AnEffectPlaysOnceThenStops) {
    WriteBytes("sound/c.wav", MakeWav({}, ConstantFrames(100, 500, 500)));
    PlayEffect(3, "./sound/c.wav");
    plat::AdvanceAudio(44100 - 10);
    EXPECT_TRUE(FSoundBuffers[3]->playing());
    plat::AdvanceAudio(20);
    EXPECT_FALSE(FSoundBuffers[3]->playing());
    // Played again, it starts from the beginning.
    PlayEffect(3, "./sound/c.wav");
    EXPECT_TRUE(FSoundBuffers[3]->playing());
}

TEST_F(SoundEffects, DataLongerThanTheSlotPlaysItsFirstSlotFull) {
    WriteBytes("sound/old.wav", MakeWav({}, ConstantFrames(44100, 7, 7)));
    PlayEffect(3, "./sound/old.wav");
    const auto longer = CountingFrames(44100 + 22050);
    WriteBytes("sound/complete3.wav", MakeWav({}, longer));
    PlayEffect(3, "./sound/complete3.wav");
    EXPECT_EQ(FSoundBuffers[3]->Content(), Prefix(longer, 176400));
}

TEST_F(SoundEffects, NoDataTagLeavesTheSlotSilent) {
    WriteBytes("sound/old.wav", MakeWav({}, ConstantFrames(1000, 99, 99)));
    PlayEffect(6, "./sound/old.wav");
    auto file = MakeWav({}, ConstantFrames(10, 5, 5));
    file[file.size() - 40 - 8] = 'X';
    WriteBytes("sound/nocomplete2.wav", file);
    EXPECT_NO_THROW(PlayEffect(6, "./sound/nocomplete2.wav"));
    const auto content = FSoundBuffers[6]->Content();
    EXPECT_EQ(content, std::vector<uint8_t>(content.size(), 0));
}

TEST_F(SoundEffects, ConvertedFileFillsTheSlotInItsFormat) {
    WavLayout mono{1, 1, 22050, 16};
    std::vector<uint8_t> data;
    for (int i = 0; i < 100; ++i) PutU16(data, 3000);
    WriteBytes("sound/m.wav", MakeWav(mono, data));
    PlayEffect(1, "./sound/m.wav");
    const auto content = FSoundBuffers[1]->Content();
    for (size_t i = 0; i < 400; ++i) ASSERT_EQ(SampleAt(content, i), 3000) << i;
    EXPECT_EQ(SampleAt(content, 400), 0);
}

TEST_F(SoundEffects, AFileMissingDuringPlayIsToldOnceOnStderrAndTheSlotIsKept) {
    const auto kept = ConstantFrames(10, 42, 42);
    WriteBytes("sound/k.wav", MakeWav({}, kept));
    PlayEffect(2, "./sound/k.wav");
    plat::AdvanceAudio(2 * 44100);
    ::testing::internal::CaptureStderr();
    PlayEffect(2, "./sound/gone.wav");
    PlayEffect(2, "./sound/gone.wav");
    const std::string err = ::testing::internal::GetCapturedStderr();
    const std::string told = "нет звукового файла «./sound/gone.wav»; игра пойдёт без этого звука.";
    EXPECT_NE(err.find(told), std::string::npos) << err;
    EXPECT_EQ(err.find(told), err.rfind(told)) << "once, however often it is played: " << err;
    EXPECT_EQ(Prefix(FSoundBuffers[2]->Content(), kept.size()), kept);
    EXPECT_FALSE(FSoundBuffers[2]->playing());
}

TEST_F(SoundEffects, LostBufferIsRestoredAndFilled) {
    const auto samples = CountingFrames(300);
    WriteBytes("sound/l.wav", MakeWav({}, samples));
    FSoundBuffers[5]->SimulateLoss();
    void* first = nullptr;
    uint32_t n = 0;
    EXPECT_EQ(FSoundBuffers[5]->Lock(0, 4, &first, &n, nullptr, nullptr, 0), plat::DSERR_BUFFERLOST);
    EXPECT_EQ(FSoundBuffers[5]->Play(0, 0, 0), plat::DSERR_BUFFERLOST);
    PlayEffect(5, "./sound/l.wav");
    EXPECT_TRUE(FSoundBuffers[5]->playing());
    EXPECT_EQ(Prefix(FSoundBuffers[5]->Content(), samples.size()), samples);
    // A direct fill larger than the slot copies nothing.
    const std::vector<uint8_t> big(529200 + 4, 1);
    FillSoundBuffer(*FSoundBuffers[5], 0, static_cast<uint32_t>(big.size()), big.data());
    EXPECT_EQ(Prefix(FSoundBuffers[5]->Content(), samples.size()), samples);
}

TEST_F(SoundEffects, MixerPlaysTheSlotIntoTheRecording) {
    ReleaseSound();
    g_options.audioOut = Path("rec.wav");
    InitSound();
    WriteBytes("sound/r.wav", MakeWav({}, ConstantFrames(44100, 1000, -2000)));
    plat::AdvanceAudio(100);   // silence before
    PlayEffect(0, "./sound/r.wav");
    PlayEffect(3, "./sound/r.wav");   // a second slot at the same time adds up
    plat::AdvanceAudio(44100 + 22050);
    ReleaseSound();
    const auto file = ReadBytes(Path("rec.wav"));
    size_t start = 0;
    uint32_t count = 0;
    ASSERT_TRUE(FindWavData(file.data(), file.size(), start, count));
    ASSERT_EQ(count, (100u + 44100 + 22050) * 4);
    const std::vector<uint8_t> pcm(file.begin() + start, file.end());
    EXPECT_EQ(SampleAt(pcm, 0), 0);
    EXPECT_EQ(SampleAt(pcm, 2 * 100), 2000);
    EXPECT_EQ(SampleAt(pcm, 2 * 100 + 1), -4000);
    // Slot 3 holds one second, slot 0 two: after a second only slot 0 sounds.
    EXPECT_EQ(SampleAt(pcm, 2 * (100 + 44100 + 10)), 0);   // slot 0 has silence after its data
    EXPECT_EQ(SampleAt(pcm, 2 * (100 + 44099)), 2000);
}
