// MP3 decoded block by block with libmpg123, the decoder SDL_mixer itself uses for MP3, so a
// streamed file sounds sample for sample like the same file decoded whole.
#include "platform/mp3_stream.h"

#include <mpg123.h>

#include <algorithm>
#include <cstdio>

#include "platform/audio.h"

namespace plat {

namespace {

constexpr int kBlockFrames = 2048;   // about 46 ms; a mixer block is at most a few of these

struct CloseHandle {
    void operator()(mpg123_handle* h) const {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using HandlePtr = std::unique_ptr<mpg123_handle, CloseHandle>;

// Only what starts as MPEG audio (or its ID3 tag) goes to mpg123: a WAV jingle's samples may
// hold a stray frame sync, and mpg123 would play such noise instead of refusing it.
bool StartsLikeMpeg(const std::string& path) {
    unsigned char head[3] = {};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    const size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    if (n < sizeof head) return false;
    const bool id3 = head[0] == 'I' && head[1] == 'D' && head[2] == '3';
    const bool sync = head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;
    return id3 || sync;
}

// Older mpg123 versions need this once per program before the first handle.
void InitOnce() {
    static const int result = mpg123_init();
    (void)result;
}

// Gapless leaves out the encoder's delay and padding, as the whole-file decode does; a mono
// file or another rate is converted by mpg123 itself; quiet, as the game reports a bad file.
bool AskMixerFormat(mpg123_handle* h) {
    const long flags = MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET;
    return mpg123_param(h, MPG123_ADD_FLAGS, flags, 0) == MPG123_OK &&
           mpg123_format_none(h) == MPG123_OK &&
           mpg123_format(h, AudioRate, MPG123_STEREO, MPG123_ENC_SIGNED_16) == MPG123_OK;
}

bool GivesMixerFormat(mpg123_handle* h) {
    long rate = 0;
    int channels = 0, encoding = 0;
    return mpg123_getformat(h, &rate, &channels, &encoding) == MPG123_OK && rate == AudioRate &&
           channels == AudioChannels && encoding == MPG123_ENC_SIGNED_16;
}

}  // namespace

std::unique_ptr<Mp3Stream> Mp3Stream::Open(const std::string& path) {
    if (!StartsLikeMpeg(path)) return nullptr;
    InitOnce();
    int error = MPG123_OK;
    HandlePtr h(mpg123_new(nullptr, &error));
    if (!h || !AskMixerFormat(h.get()) || mpg123_open(h.get(), path.c_str()) != MPG123_OK) return nullptr;
    // The scan reads every frame header once: only then is the length exact and does a seek
    // land on the very sample.
    if (mpg123_scan(h.get()) != MPG123_OK || !GivesMixerFormat(h.get())) return nullptr;
    const off_t frames = mpg123_length(h.get());
    if (frames <= 0 || mpg123_seek(h.get(), 0, SEEK_SET) != 0) return nullptr;
    return std::unique_ptr<Mp3Stream>(new Mp3Stream(h.release(), frames));
}

Mp3Stream::Mp3Stream(mpg123_handle_struct* handle, int64_t frames)
    : handle_(handle), frames_(frames), block_(static_cast<size_t>(kBlockFrames) * AudioChannels) {}

Mp3Stream::~Mp3Stream() { CloseHandle()(handle_); }

bool Mp3Stream::Seek(int64_t frame) {
    return mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) == static_cast<off_t>(frame);
}

std::span<const int16_t> Mp3Stream::Read(int maxFrames) {
    auto* bytes = reinterpret_cast<unsigned char*>(block_.data());
    const size_t want = static_cast<size_t>(std::clamp(maxFrames, 0, kBlockFrames)) * AudioFrameBytes;
    size_t got = 0;
    // A format change inside the file is announced once and decoded on (still in our format);
    // two reads in a row that give nothing end the block, so a broken file cannot hold us.
    for (int idle = 0; got < want && idle < 2;) {
        size_t done = 0;
        const int result = mpg123_read(handle_, bytes + got, want - got, &done);
        got += done;
        idle = done == 0 ? idle + 1 : 0;
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;
    }
    return {block_.data(), got / AudioFrameBytes * AudioChannels};
}

}  // namespace plat
