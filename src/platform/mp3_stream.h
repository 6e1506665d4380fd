#pragma once
// An MP3 file decoded as it plays, by libmpg123, in the mixer's own format (44,100 Hz stereo
// 16-bit): its exact length, sample-exact seeks, and a small block decoded at a time. A minute
// of music decoded whole would hold 11 MB for the whole game.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct mpg123_handle_struct;

namespace plat {

class Mp3Stream {
public:
    // Null when mpg123 cannot read the file or cannot give it in the mixer's format.
    static std::unique_ptr<Mp3Stream> Open(const std::string& path);
    ~Mp3Stream();
    Mp3Stream(const Mp3Stream&) = delete;
    Mp3Stream& operator=(const Mp3Stream&) = delete;

    // The whole length in sample frames, without the encoder's delay and padding.
    int64_t frames() const { return frames_; }
    // False when the decoder cannot go there; the stream is then good only for its end.
    bool Seek(int64_t frame);
    // Decodes up to maxFrames frames (fewer if the block is smaller) into the stream's own
    // block and returns them interleaved; empty at the end of the data or on a decode error.
    std::span<const int16_t> Read(int maxFrames);

private:
    Mp3Stream(mpg123_handle_struct* handle, int64_t frames);

    mpg123_handle_struct* handle_;
    int64_t frames_;
    std::vector<int16_t> block_;
};

}  // namespace plat
