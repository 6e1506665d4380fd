// Effect files (WAV): the bytes the effect loader reads, turned into a slot's samples.
#include <vector>

#include "sound/wav_data.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    std::vector<uint8_t> samples;
    if (Accepts([&] { samples = EffectSamples(file, "effect.wav"); }) && samples.size() > file.size() &&
        samples.size() > 44100u * 4 * 10)
        Finding("an effect of " + std::to_string(size) + " bytes became " + std::to_string(samples.size()) +
                " bytes of samples, more than ten seconds");
    return 0;
}
