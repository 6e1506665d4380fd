#include "platform/audio_recorder.h"

#include <limits>

namespace plat::audio_internal {

namespace {
void PutU32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void PutU16(unsigned char* p, uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
}  // namespace

bool WavRecorder::Open(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    dataBytes_ = 0;
    WriteHeader();
    return true;
}

void WavRecorder::WriteHeader() {
    unsigned char h[44];
    const uint32_t rate = 44100, channels = 2, bits = 16, align = channels * bits / 8;
    h[0] = 'R', h[1] = 'I', h[2] = 'F', h[3] = 'F';
    PutU32(h + 4, 36 + dataBytes_);
    h[8] = 'W', h[9] = 'A', h[10] = 'V', h[11] = 'E';
    h[12] = 'f', h[13] = 'm', h[14] = 't', h[15] = ' ';
    PutU32(h + 16, 16);
    PutU16(h + 20, 1);
    PutU16(h + 22, channels);
    PutU32(h + 24, rate);
    PutU32(h + 28, rate * align);
    PutU16(h + 32, align);
    PutU16(h + 34, bits);
    h[36] = 'd', h[37] = 'a', h[38] = 't', h[39] = 'a';
    PutU32(h + 40, dataBytes_);
    std::fseek(file_, 0, SEEK_SET);
    std::fwrite(h, 1, sizeof h, file_);
    std::fseek(file_, 0, SEEK_END);
}

void WavRecorder::Append(const int16_t* samples, int frames) {
    if (!file_ || frames <= 0) return;
    const uint32_t bytes = static_cast<uint32_t>(frames) * 4;
    // A RIFF file cannot grow past 4 GiB; a recording that long just ends there.
    if (dataBytes_ > std::numeric_limits<uint32_t>::max() - 36 - bytes) return;
    // Samples are stored little-endian, as the WAV format wants.
    unsigned char block[4096];
    int done = 0;
    while (done < frames * 2) {
        int n = 0;
        for (; n < static_cast<int>(sizeof block / 2) && done < frames * 2; ++n, ++done)
            PutU16(block + 2 * n, static_cast<uint16_t>(samples[done]));
        std::fwrite(block, 1, static_cast<size_t>(n) * 2, file_);
    }
    dataBytes_ += bytes;
    WriteHeader();
    std::fflush(file_);
}

void WavRecorder::Close() {
    if (!file_) return;
    WriteHeader();
    std::fclose(file_);
    file_ = nullptr;
}

}  // namespace plat::audio_internal
