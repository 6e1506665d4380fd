// Music (MP3): the bytes the music stream opens, played to the end, then again after a seek.
// The mixer takes each block as it comes, so a block must never hold more than was asked for.
#include "platform/audio.h"
#include "platform/mp3_stream.h"
#include "fuzz_support.h"

namespace {

// Plays from where the stream stands, in blocks of changing sizes, at most `limit` frames.
void PlayOut(plat::Mp3Stream& stream, int64_t limit) {
    int64_t played = 0;
    for (int request = 1; played < limit; request = request % 3000 + 700) {
        const auto block = stream.Read(request);
        if (block.empty()) return;
        if (block.size() % plat::AudioChannels != 0 || block.size() > size_t(request) * plat::AudioChannels)
            Finding("a read of " + std::to_string(request) + " frames gave " + std::to_string(block.size()) + " samples");
        played += int64_t(block.size()) / plat::AudioChannels;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("music.mp3", data, size);
    const auto stream = plat::Mp3Stream::Open("music.mp3");
    if (!stream) return 0;
    // A little past the length: a decoder that ran on would show as a bad block, not a hang.
    const int64_t limit = stream->frames() + 4096;
    PlayOut(*stream, limit);
    if (stream->Seek(stream->frames() / 2)) PlayOut(*stream, limit);
    return 0;
}
