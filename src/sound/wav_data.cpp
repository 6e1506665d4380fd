#include "sound/wav_data.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/game_error.h"

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kSlotRate = 44100;
// No slot holds more than a few seconds; converting more would only be cut off again, and a
// damaged header (a rate of a few samples per second) must not ask for gigabytes.
constexpr uint64_t kMaxConvertedFrames = uint64_t(kSlotRate) * 10;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// One sample as a value in -1..1.
double ReadSample(const uint8_t* p, const WavFormat& f) {
    if (f.formatTag == kFormatFloat) {
        if (f.bitsPerSample == 32) {
            float v;
            std::memcpy(&v, p, 4);   // little-endian machine, as the file
            return std::isfinite(v) ? v : 0.0;
        }
        double v;
        std::memcpy(&v, p, 8);
        return std::isfinite(v) ? v : 0.0;
    }
    switch (f.bitsPerSample) {
    case 8: return (p[0] - 128) / 128.0;
    case 16: return static_cast<int16_t>(U16(p)) / 32768.0;
    case 24: {
        int32_t v = static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16));
        if (v & 0x800000) v -= 0x1000000;
        return v / 8388608.0;
    }
    default: return static_cast<int32_t>(U32(p)) / 2147483648.0;
    }
}

int16_t ToPcm16(double v) {
    return static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 32767.0 / 32768.0) * 32768.0));
}

bool Readable(uint16_t tag, uint16_t bits) {
    if (tag == kFormatPcm) return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (tag == kFormatFloat) return bits == 32 || bits == 64;
    return false;
}

}  // namespace

bool ReadWavFormat(const uint8_t* file, size_t size, WavFormat& out) {
    if (size < 12 || std::memcmp(file, "RIFF", 4) != 0 || std::memcmp(file + 8, "WAVE", 4) != 0) return false;
    size_t at = 12;
    while (at + 8 <= size) {
        const uint32_t chunkSize = U32(file + at + 4);
        const uint8_t* body = file + at + 8;
        const size_t available = size - at - 8;
        if (std::memcmp(file + at, "fmt ", 4) == 0) {
            if (chunkSize < 16 || available < 16) return false;
            WavFormat f;
            f.formatTag = U16(body);
            f.channels = U16(body + 2);
            f.samplesPerSec = U32(body + 4);
            f.blockAlign = U16(body + 12);
            f.bitsPerSample = U16(body + 14);
            if (f.formatTag == kFormatExtensible) {
                // The real encoding is the first two bytes of the sub-format GUID.
                if (chunkSize < 40 || available < 40) return false;
                f.formatTag = U16(body + 24);
            }
            if (f.channels == 0 || f.samplesPerSec == 0 || f.bitsPerSample == 0 || f.blockAlign == 0) return false;
            out = f;
            return true;
        }
        // Chunks are padded to an even size.
        const uint64_t next = static_cast<uint64_t>(at) + 8 + chunkSize + (chunkSize & 1);
        if (next > size) break;
        at = static_cast<size_t>(next);
    }
    return false;
}

bool FindWavData(const uint8_t* file, size_t size, size_t& start, uint32_t& count) {
    for (size_t at = 24; at + 8 <= size; ++at) {
        if (std::memcmp(file + at, "data", 4) != 0) continue;
        start = at + 8;
        count = static_cast<uint32_t>(std::min<uint64_t>(U32(file + at + 4), size - start));
        return true;
    }
    return false;
}

bool IsSlotFormat(const WavFormat& f) {
    return f.formatTag == kFormatPcm && f.channels == 2 && f.samplesPerSec == kSlotRate && f.bitsPerSample == 16 &&
           f.blockAlign == 4;
}

bool ConvertToSlotFormat(const uint8_t* data, size_t bytes, const WavFormat& f, std::vector<uint8_t>& out,
                         std::string& why) {
    if (!Readable(f.formatTag, f.bitsPerSample)) {
        why = "cannot read its sample encoding (format " + std::to_string(f.formatTag) + ", " +
              std::to_string(f.bitsPerSample) + " bits)";
        return false;
    }
    const size_t sampleBytes = f.bitsPerSample / 8;
    if (f.blockAlign < sampleBytes * f.channels) {
        why = "its block size " + std::to_string(f.blockAlign) + " is too small for its channels";
        return false;
    }
    const size_t inFrames = bytes / f.blockAlign;
    const auto sample = [&](size_t frame, int channel) {
        const int c = std::min<int>(channel, f.channels - 1);   // mono plays on both sides
        return ReadSample(data + frame * f.blockAlign + static_cast<size_t>(c) * sampleBytes, f);
    };
    // Linear interpolation between neighbouring frames is plenty for short effects.
    const size_t outFrames = static_cast<size_t>(
        std::min<uint64_t>(static_cast<uint64_t>(inFrames) * kSlotRate / f.samplesPerSec, kMaxConvertedFrames));
    out.assign(outFrames * 4, 0);
    const double step = static_cast<double>(f.samplesPerSec) / kSlotRate;
    for (size_t i = 0; i < outFrames; ++i) {
        const double pos = i * step;
        const size_t a = std::min(static_cast<size_t>(pos), inFrames - 1);
        const size_t b = std::min(a + 1, inFrames - 1);
        const double t = pos - static_cast<double>(a);
        for (int c = 0; c < 2; ++c) {
            const int16_t v = ToPcm16(sample(a, c) * (1.0 - t) + sample(b, c) * t);
            out[i * 4 + 2 * c] = static_cast<uint8_t>(v & 0xFF);
            out[i * 4 + 2 * c + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
        }
    }
    return true;
}

std::vector<uint8_t> EffectSamples(const std::vector<uint8_t>& file, const std::string& fileName) {
    size_t start = 0;
    uint32_t count = 0;
    if (!FindWavData(file.data(), file.size(), start, count)) return {};
    const uint8_t* data = file.data() + start;
    WavFormat format;
    if (!ReadWavFormat(file.data(), file.size(), format) || IsSlotFormat(format))
        return std::vector<uint8_t>(data, data + count);
    std::vector<uint8_t> converted;
    std::string why;
    if (!ConvertToSlotFormat(data, count, format, converted, why)) ThrowFileError(fileName, 0, why);
    return converted;
}
