#include "platform/png_chunks.h"

#include <cstring>

namespace plat {

namespace {

constexpr uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t ChunkFrame = 12;   // length, type, CRC

uint32_t BigEndian32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

}  // namespace

bool PngChunksFit(const uint8_t* data, size_t size, std::string& why) {
    if (size < sizeof Signature || std::memcmp(data, Signature, sizeof Signature) != 0) return true;
    size_t at = sizeof Signature;
    // Bytes after the last whole chunk are the decoder's to refuse; only lengths matter here.
    while (size - at >= ChunkFrame) {
        const uint32_t length = BigEndian32(data + at);
        if (length > size - at - ChunkFrame) {
            why = "PNG chunk \"" + std::string(reinterpret_cast<const char*>(data + at + 4), 4) + "\" at byte " +
                  std::to_string(at) + " claims " + std::to_string(length) + " bytes, more than the file holds";
            return false;
        }
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += ChunkFrame + length;
    }
    return true;
}

}  // namespace plat
