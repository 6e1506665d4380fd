#pragma once
// Finding the samples of an effect file. The samples start after the first "data" tag at or
// after byte 24; when the file's "fmt " chunk says they are not 44,100 Hz stereo 16-bit PCM
// they are converted to it, so every effect plays in the slots' one format.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct WavFormat {
    uint16_t formatTag = 0;      // 1 integer PCM, 3 floating point (after the extensible wrapper)
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

// Walks the RIFF chunks for "fmt "; false when there is none that describes a usable layout.
bool ReadWavFormat(const uint8_t* file, size_t size, WavFormat& out);

// Byte search for "data" from offset 24; the count is cut to the bytes the file really has.
bool FindWavData(const uint8_t* file, size_t size, size_t& start, uint32_t& count);

// True when the samples can be copied into a slot as they are.
bool IsSlotFormat(const WavFormat& format);

// Converts samples to 44,100 Hz stereo 16-bit, at most ten seconds of them. Returns false
// for encodings it cannot read (compressed formats), with the reason in `why`.
bool ConvertToSlotFormat(const uint8_t* data, size_t bytes, const WavFormat& format, std::vector<uint8_t>& out,
                         std::string& why);

// The bytes an effect file puts into its slot: empty when it has no "data" tag. Throws
// GameFileError naming the file for encodings that cannot be converted.
std::vector<uint8_t> EffectSamples(const std::vector<uint8_t>& file, const std::string& fileName);
