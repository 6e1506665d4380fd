#pragma once
// Writes the mixer's output into a 44,100 Hz stereo 16-bit WAV file. The header's sizes are
// brought up to date after every block, so the file is valid even if the program is killed.
#include <cstdint>
#include <cstdio>
#include <string>

namespace plat::audio_internal {

class WavRecorder {
public:
    WavRecorder() = default;
    ~WavRecorder() { Close(); }
    WavRecorder(const WavRecorder&) = delete;
    WavRecorder& operator=(const WavRecorder&) = delete;

    bool Open(const std::string& path);
    void Append(const int16_t* samples, int frames);
    void Close();
    bool isOpen() const { return file_ != nullptr; }

private:
    void WriteHeader();
    std::FILE* file_ = nullptr;
    uint32_t dataBytes_ = 0;
};

}  // namespace plat::audio_internal
