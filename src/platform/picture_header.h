#pragma once
// The first bytes of a picture file, checked before anything is decoded: the format must be
// the one the name promises and the size must be one a game picture can have, so a damaged
// or foreign file can never make the decoder ask for more memory than a real picture needs.
#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {

// Enough of the file for the PNG signature and IHDR chunk and the DDS header.
constexpr size_t HeaderProbeBytes = 128;
// Pictures larger than this are not game data.
constexpr uint32_t MaxPictureDimension = 16384;

struct PictureHeader {
    bool dds = false;   // else PNG
    uint32_t width = 0;
    uint32_t height = 0;
};

// `head` holds the first `headSize` bytes of the file `name`, which is `fileSize` bytes long.
// PNG and DDS only; a ".png" name must hold a PNG, a ".dds" name a DDS. The file size must fit
// the dimensions: no more than twice the decoded pixels (plus room for small pictures), and for
// PNG no less than the most compressed data of that size can take.
bool CheckPictureHeader(const std::string& name, const uint8_t* head, size_t headSize, uint64_t fileSize,
                        PictureHeader& header, std::string& why);

}  // namespace plat
