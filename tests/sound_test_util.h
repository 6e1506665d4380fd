#pragma once
// Helpers for the sound tests: building WAV files byte by byte, a scratch folder, and the
// audio set up headless with the mixer moved on by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/options.h"
#include "platform/audio.h"
#include "sound/effects.h"
#include "sound/media_channels.h"
#include "sound/sound.h"

namespace soundtest {

inline void PutU16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
inline void PutU32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
inline void PutTag(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}

struct WavLayout {
    uint16_t tag = 1;
    uint16_t channels = 2;
    uint32_t rate = 44100;
    uint16_t bits = 16;
    bool extensible = false;
};

inline void PutChunk(std::vector<uint8_t>& v, const char* tag, const std::vector<uint8_t>& body) {
    PutTag(v, tag);
    PutU32(v, static_cast<uint32_t>(body.size()));
    v.insert(v.end(), body.begin(), body.end());
    if (body.size() & 1) v.push_back(0);
}

inline std::vector<uint8_t> FmtBody(const WavLayout& s) {
    std::vector<uint8_t> f;
    const uint16_t align = static_cast<uint16_t>(s.channels * s.bits / 8);
    PutU16(f, s.extensible ? 0xFFFE : s.tag);
    PutU16(f, s.channels);
    PutU32(f, s.rate);
    PutU32(f, s.rate * align);
    PutU16(f, align);
    PutU16(f, s.bits);
    if (s.extensible) {
        PutU16(f, 22);
        PutU16(f, s.bits);
        PutU32(f, 3);
        PutU16(f, s.tag);   // the sub-format GUID starts with the encoding
        const uint8_t rest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        f.insert(f.end(), rest, rest + 14);
    }
    return f;
}

// RIFF/WAVE with "fmt ", the extra chunks given, then "data".
inline std::vector<uint8_t> MakeWav(const WavLayout& layout, const std::vector<uint8_t>& data,
                                    const std::vector<std::pair<std::string, std::vector<uint8_t>>>& extra = {}) {
    std::vector<uint8_t> body;
    PutTag(body, "WAVE");
    PutChunk(body, "fmt ", FmtBody(layout));
    for (const auto& [tag, bytes] : extra) PutChunk(body, tag.c_str(), bytes);
    PutChunk(body, "data", data);
    std::vector<uint8_t> file;
    PutTag(file, "RIFF");
    PutU32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// 16-bit stereo frames whose left sample is the frame number (mod 32768) and right its negative.
inline std::vector<uint8_t> CountingFrames(size_t frames) {
    std::vector<uint8_t> v;
    for (size_t i = 0; i < frames; ++i) {
        const auto x = static_cast<int16_t>(i % 32768);
        PutU16(v, static_cast<uint16_t>(x));
        PutU16(v, static_cast<uint16_t>(static_cast<int16_t>(-x)));
    }
    return v;
}

inline std::vector<uint8_t> ConstantFrames(size_t frames, int16_t left, int16_t right) {
    std::vector<uint8_t> v;
    for (size_t i = 0; i < frames; ++i) {
        PutU16(v, static_cast<uint16_t>(left));
        PutU16(v, static_cast<uint16_t>(right));
    }
    return v;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline int16_t SampleAt(const std::vector<uint8_t>& pcm, size_t index) {
    return static_cast<int16_t>(pcm[2 * index] | (pcm[2 * index + 1] << 8));
}

// Root mean square of 16-bit samples [from, to) of a PCM byte block.
inline double Rms(const std::vector<uint8_t>& pcm, size_t from, size_t to) {
    to = std::min(to, pcm.size() / 2);
    if (to <= from) return 0;
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += std::pow(SampleAt(pcm, i), 2);
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Each test starts in its own folder with the audio closed, headless, paced by hand,
// and leaves everything released.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("stroylik_sound_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "sound");
        std::filesystem::create_directories(dir_ / "music");
        std::filesystem::current_path(dir_);
        savedOptions_ = g_options;
        g_options.headless = true;
        g_options.audioOut.clear();
        ReleaseAll();
        plat::UseManualAudioPacing(true);
    }
    void TearDown() override {
        ReleaseAll();
        plat::UseManualAudioPacing(false);
        g_options = savedOptions_;
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    static void ReleaseAll() {
        ReleaseMediaChannels();
        for (auto& ch : g_mediaChannels) ch.looping = 0;
        ReleaseSound();
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_, previous_;
    Options savedOptions_;
};

}  // namespace soundtest
