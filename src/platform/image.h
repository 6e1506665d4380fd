#pragma once
// Decoding picture files into plain 32-bit pixels (no GPU involved).
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// Pixels are 0xAARRGGBB, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// PNG or DDS (uncompressed, DXT1, DXT3, DXT5), as the header says and the name promises.
// On failure returns false and a message naming the file and the cause in `error`.
bool LoadImageFile(const std::string& path, Image& out, std::string& error);
bool DecodeDds(const uint8_t* data, size_t size, Image& out, std::string& error);

}  // namespace plat
