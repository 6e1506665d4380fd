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

// PNG (and what else stb_image reads) or DDS (uncompressed 32-bit, DXT1, DXT3, DXT5).
// On failure returns false and a message naming the file in `error`.
bool LoadImageFile(const std::string& path, Image& out, std::string& error);
bool DecodeDds(const uint8_t* data, size_t size, Image& out, std::string& error);

}  // namespace plat
