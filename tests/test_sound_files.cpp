// The generated sounds: each effect is CD-format PCM that fits its slot and its length,
// nothing is harsh, and the music and greeting decode to what they promise.
#include <map>

#include "sound/wav_data.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {
std::string GameFile(const std::string& name) { return std::string(STROYLIK_GAME_DIR) + "/" + name; }
}  // namespace

TEST(SoundFiles, EffectsFitTheirSlotsAndSoundGentle) {
    // slot, longest allowed seconds
    const std::map<std::string, std::pair<int, double>> effects = {
        {"complete0.wav", {0, 2}}, {"complete1.wav", {1, 2}},   {"complete2.wav", {2, 2}},
        {"complete3.wav", {3, 1}}, {"complete4.wav", {4, 2}},   {"nocomplete1.wav", {5, 3}},
        {"nocomplete2.wav", {6, 2}},
    };
    for (const auto& [name, limits] : effects) {
        const auto file = ReadBytes(GameFile("sound/" + name));
        ASSERT_FALSE(file.empty()) << name;
        WavFormat format;
        ASSERT_TRUE(ReadWavFormat(file.data(), file.size(), format)) << name;
        EXPECT_TRUE(IsSlotFormat(format)) << name;
        size_t start = 0;
        uint32_t count = 0;
        ASSERT_TRUE(FindWavData(file.data(), file.size(), start, count)) << name;
        EXPECT_EQ(start + count, file.size()) << name;
        const double seconds = count / 176400.0;
        EXPECT_LE(seconds, limits.second) << name;
        EXPECT_LE(count, SoundSlotSeconds[limits.first] * 176400u) << name;
        EXPECT_GE(seconds, 0.4) << name;
        const std::vector<uint8_t> pcm(file.begin() + static_cast<std::ptrdiff_t>(start), file.end());
        int peak = 0;
        for (size_t i = 0; i < pcm.size() / 2; ++i) peak = std::max(peak, std::abs(int(SampleAt(pcm, i))));
        EXPECT_LT(peak, 30000) << name << " must not clip";
        EXPECT_GT(Rms(pcm, 0, pcm.size() / 2), 1000) << name << " must be heard";
        // It fades out: the last 20 ms are nearly silent, so no click at the end.
        EXPECT_LT(Rms(pcm, pcm.size() / 2 - 1764, pcm.size() / 2), 300) << name;
    }
}

class SoundGeneratedStreams : public SoundTest {};

TEST_F(SoundGeneratedStreams, MusicIsALongLoopAndTheGreetingIsShort) {
    std::filesystem::copy_file(GameFile("music/music_01.mp3"), "music/music_01.mp3");
    std::filesystem::copy_file(GameFile("sound/Start_menu.mp3"), "sound/Start_menu.mp3");
    dLoadSound(1, "./music/music_01.mp3");
    dLoadSound(2, "./sound/Start_menu.mp3");
    plat::REFERENCE_TIME music = 0, jingle = 0;
    ASSERT_TRUE(g_mediaChannels[1].seeking && g_mediaChannels[2].seeking);
    g_mediaChannels[1].seeking->GetDuration(&music);
    g_mediaChannels[2].seeking->GetDuration(&jingle);
    EXPECT_GE(music / 10000000.0, 60.0);
    EXPECT_LE(music / 10000000.0, 120.0);
    EXPECT_GE(jingle / 10000000.0, 1.5);
    EXPECT_LE(jingle / 10000000.0, 6.0);

    // Both heard at once in a recording: louder than either alone, and never clipped.
    ReleaseMediaChannels();
    plat::CloseAudio();
    g_options.audioOut = Path("both.wav");
    StartMediaChannel(1, "./music/music_01.mp3", -1);
    StartMediaChannel(2, "./sound/Start_menu.mp3", 0);
    plat::AdvanceAudio(3 * 44100);
    ReleaseAll();
    const auto rec = ReadBytes(Path("both.wav"));
    const std::vector<uint8_t> pcm(rec.begin() + 44, rec.end());
    ASSERT_EQ(pcm.size(), 3u * 44100 * 4);
    EXPECT_GT(Rms(pcm, 0, pcm.size() / 2), 1500);
    int clipped = 0;
    for (size_t i = 0; i < pcm.size() / 2; ++i) clipped += std::abs(int(SampleAt(pcm, i))) >= 32767;
    EXPECT_EQ(clipped, 0);
}
