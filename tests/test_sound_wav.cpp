// Reading effect files: where the samples are found, what is copied, what is converted.
#include <cstring>
#include <random>

#include "core/game_error.h"
#include "sound/wav_data.h"
#include "sound_test_util.h"

using namespace soundtest;

TEST(SoundWav, DataIsFoundAfterOtherChunks) {
    const std::vector<uint8_t> samples = CountingFrames(300);
    // A LIST chunk whose text mentions "dat" but not the tag itself, and a "fact" chunk.
    std::vector<uint8_t> list = {'I', 'N', 'F', 'O', 'I', 'C', 'M', 'T', 6, 0, 0, 0, 'd', 'a', 't', 'e', '!', 0};
    const auto file = MakeWav({}, samples, {{"LIST", list}, {"fact", {1, 2, 3, 4}}});
    size_t start = 0;
    uint32_t count = 0;
    ASSERT_TRUE(FindWavData(file.data(), file.size(), start, count));
    EXPECT_EQ(count, samples.size());
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + start, file.begin() + start + count), samples);
    EXPECT_EQ(EffectSamples(file, "a.wav"), samples);
}

TEST(SoundWav, NoDataTagGivesNothingAndTheSearchStaysInsideTheFile) {
    auto file = MakeWav({}, CountingFrames(50));
    // Spoil the tag; a "dat" right at the end must not be read past.
    const size_t at = file.size() - 200 - 8;
    file[at] = 'D';
    file.push_back('d');
    file.push_back('a');
    file.push_back('t');
    size_t start = 0;
    uint32_t count = 0;
    EXPECT_FALSE(FindWavData(file.data(), file.size(), start, count));
    EXPECT_TRUE(EffectSamples(file, "a.wav").empty());
    // A tag in the first 24 bytes is not looked at.
    std::vector<uint8_t> early = {'d', 'a', 't', 'a', 8, 0, 0, 0};
    early.resize(30, 1);
    EXPECT_FALSE(FindWavData(early.data(), early.size(), start, count));
}

TEST(SoundWav, CountLargerThanTheFileIsCutToWhatIsThere) {
    auto file = MakeWav({}, CountingFrames(100));
    const size_t sizeField = file.size() - 400 - 4;
    file[sizeField] = 0xFF, file[sizeField + 1] = 0xFF, file[sizeField + 2] = 0xFF, file[sizeField + 3] = 0xFF;
    const auto samples = EffectSamples(file, "a.wav");
    EXPECT_EQ(samples.size(), 400u);
    EXPECT_EQ(samples, CountingFrames(100));
}

TEST(SoundWav, OtherFormatsAreConvertedToTheSlotFormat) {
    // 8-bit mono at 22,050 Hz: twice the frames, both sides, unsigned centre at 128.
    WavLayout mono8{1, 1, 22050, 8};
    const auto low = EffectSamples(MakeWav(mono8, std::vector<uint8_t>(1000, 192)), "m.wav");
    ASSERT_EQ(low.size(), 2000u * 4);
    for (size_t i = 0; i < low.size() / 2; ++i) ASSERT_EQ(SampleAt(low, i), 16384) << i;

    // 32-bit float stereo at 48,000 Hz: 48,000 frames become 44,100; left and right kept apart.
    WavLayout float48{3, 2, 48000, 32};
    std::vector<uint8_t> floats;
    for (int i = 0; i < 48000; ++i) {
        for (float v : {0.25f, -0.5f}) {
            uint32_t bits;
            std::memcpy(&bits, &v, 4);
            PutU32(floats, bits);
        }
    }
    const auto f = EffectSamples(MakeWav(float48, floats), "f.wav");
    ASSERT_EQ(f.size(), 44100u * 4);
    EXPECT_EQ(SampleAt(f, 0), 8192);
    EXPECT_EQ(SampleAt(f, 1), -16384);
    EXPECT_EQ(SampleAt(f, 2 * 30000), 8192);
    EXPECT_EQ(SampleAt(f, 2 * 30000 + 1), -16384);

    // 24-bit stereo behind the extensible wrapper, at the slot rate: values kept, order kept.
    WavLayout ext24{1, 2, 44100, 24, true};
    std::vector<uint8_t> deep;
    for (int i = 0; i < 10; ++i) {
        const int32_t left = i * 256 * 100, right = -i * 256 * 100;
        for (int32_t v : {left, right})
            for (int b = 0; b < 3; ++b) deep.push_back(static_cast<uint8_t>(v >> (8 * b)));
    }
    const auto d = EffectSamples(MakeWav(ext24, deep), "d.wav");
    ASSERT_EQ(d.size(), 40u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(SampleAt(d, 2 * i), i * 100);
        EXPECT_EQ(SampleAt(d, 2 * i + 1), -i * 100);
    }

    // 16-bit stereo at 11,025 Hz rising steadily: the resampled samples rise steadily too.
    WavLayout slow{1, 2, 11025, 16};
    std::vector<uint8_t> ramp;
    for (int i = 0; i < 100; ++i) {
        PutU16(ramp, static_cast<uint16_t>(i * 100));
        PutU16(ramp, static_cast<uint16_t>(i * 100));
    }
    const auto r = EffectSamples(MakeWav(slow, ramp), "r.wav");
    ASSERT_EQ(r.size(), 400u * 4);
    for (int i = 0; i < 396; ++i) EXPECT_EQ(SampleAt(r, 2 * i), i * 25) << i;
}

TEST(SoundWav, SlotFormatAndUnreadableFmtAreCopiedVerbatim) {
    const auto samples = CountingFrames(64);
    EXPECT_EQ(EffectSamples(MakeWav({}, samples), "a.wav"), samples);
    // A "fmt " chunk too short to read: the bytes after "data" go in as they are, even
    // though the header would claim 8-bit mono.
    std::vector<uint8_t> file;
    PutTag(file, "RIFF");
    PutU32(file, 0);
    PutTag(file, "WAVE");
    PutTag(file, "fmt ");
    PutU32(file, 4);
    PutU16(file, 1);
    PutU16(file, 1);
    PutTag(file, "data");
    PutU32(file, static_cast<uint32_t>(samples.size()));
    file.insert(file.end(), samples.begin(), samples.end());
    WavFormat format;
    EXPECT_FALSE(ReadWavFormat(file.data(), file.size(), format));
    EXPECT_EQ(EffectSamples(file, "b.wav"), samples);
}

TEST(SoundWav, CompressedEncodingIsReportedWithTheFileName) {
    WavLayout adpcm{2, 1, 22050, 16};   // a made-up block size; the encoding is what counts
    const auto file = MakeWav(adpcm, std::vector<uint8_t>(256, 0x5A));
    try {
        EffectSamples(file, "./sound/odd.wav");
        FAIL() << "an ADPCM file must not be played as noise";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find("./sound/odd.wav"), std::string::npos) << e.what();
    }
}

TEST(SoundWav, DamagedFilesNeverReadOutsideThemselves) {
    // Every cut of a valid file, and random bytes: whatever comes back is no larger than
    // the file allows (the sanitizer build catches any stray read).
    WavLayout mono{1, 1, 8000, 16};
    const auto whole = MakeWav(mono, std::vector<uint8_t>(300, 7), {{"LIST", std::vector<uint8_t>(33, 'x')}});
    for (size_t n = 0; n <= whole.size(); ++n) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + n);
        std::vector<uint8_t> out;
        EXPECT_NO_THROW(out = EffectSamples(cut, "cut.wav"));
        EXPECT_LE(out.size(), 300u / 2 * 44100 / 8000 * 4 + 4);
    }
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> junk(rng() % 200);
        for (auto& b : junk) b = static_cast<uint8_t>(rng());
        if (round % 2 && junk.size() > 40) std::memcpy(junk.data() + 30, "data", 4);
        try {
            const auto out = EffectSamples(junk, "junk.wav");
            EXPECT_LE(out.size(), 16u * 1024 * 1024);
        } catch (const GameFileError&) {
        }
    }
}

TEST(SoundWav, ADamagedRateNeverBlowsUpTheConversion) {
    // A header claiming 1 sample per second would stretch 1,000 frames to 44 million; what is
    // converted still covers the longest slot, keeps the samples, and stays a few seconds long.
    WavLayout crawl{1, 1, 1, 16};
    std::vector<uint8_t> data;
    for (int i = 0; i < 1000; ++i) PutU16(data, 1234);
    const auto out = EffectSamples(MakeWav(crawl, data), "crawl.wav");
    EXPECT_GE(out.size(), 3u * 44100 * 4);
    EXPECT_LE(out.size(), 10u * 44100 * 4);
    EXPECT_EQ(SampleAt(out, 0), 1234);
    EXPECT_EQ(SampleAt(out, out.size() / 2 - 1), 1234);
}
