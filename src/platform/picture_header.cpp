#include "platform/picture_header.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace plat {

namespace {

constexpr uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t DdsSignature[4] = {'D', 'D', 'S', ' '};
// Deflate cannot shrink data by more than about 1032 to 1; a little slack for the chunks.
constexpr uint64_t MaxDeflateRatio = 1100;
// Headers, palettes and notes of a small picture.
constexpr uint64_t SmallFileAllowance = 1u << 20;

uint32_t BigEndian32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint32_t LittleEndian32(const uint8_t* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }

std::string Extension(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

// Bits per pixel of a PNG colour type and bit depth, 0 for a combination PNG does not have.
uint32_t PngBitsPerPixel(uint8_t colourType, uint8_t depth) {
    const bool anyDepth = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    switch (colourType) {
        case 0: return anyDepth ? depth : 0;
        case 3: return anyDepth && depth <= 8 ? depth : 0;
        case 2: return depth == 8 || depth == 16 ? 3u * depth : 0;
        case 4: return depth == 8 || depth == 16 ? 2u * depth : 0;
        case 6: return depth == 8 || depth == 16 ? 4u * depth : 0;
        default: return 0;
    }
}

bool ReadPngHeader(const uint8_t* head, size_t headSize, PictureHeader& header, uint32_t& bitsPerPixel,
                   std::string& why) {
    if (headSize < 33 || BigEndian32(head + 8) != 13 || std::memcmp(head + 12, "IHDR", 4) != 0) {
        why = "the PNG file has no image header";
        return false;
    }
    header.width = BigEndian32(head + 16);
    header.height = BigEndian32(head + 20);
    bitsPerPixel = PngBitsPerPixel(head[25], head[24]);
    if (bitsPerPixel == 0) {
        why = "unsupported PNG colour type " + std::to_string(head[25]) + " with depth " + std::to_string(head[24]);
        return false;
    }
    return true;
}

bool ReadDdsHeader(const uint8_t* head, size_t headSize, PictureHeader& header, std::string& why) {
    if (headSize < 20) {
        why = "file is too short for a DDS header";
        return false;
    }
    header.dds = true;
    header.height = LittleEndian32(head + 12);
    header.width = LittleEndian32(head + 16);
    return true;
}

}  // namespace

bool CheckPictureHeader(const std::string& name, const uint8_t* head, size_t headSize, uint64_t fileSize,
                        PictureHeader& header, std::string& why) {
    header = PictureHeader{};
    const bool png = headSize >= sizeof PngSignature && std::memcmp(head, PngSignature, sizeof PngSignature) == 0;
    const bool dds = headSize >= sizeof DdsSignature && std::memcmp(head, DdsSignature, sizeof DdsSignature) == 0;
    const std::string ext = Extension(name);
    if (ext == ".png" && !png) {
        why = "not a PNG file";
        return false;
    }
    if (ext == ".dds" && !dds) {
        why = "not a DDS file";
        return false;
    }
    if (!png && !dds) {
        why = "neither a PNG nor a DDS file";
        return false;
    }
    uint32_t bitsPerPixel = 0;
    if (png ? !ReadPngHeader(head, headSize, header, bitsPerPixel, why) : !ReadDdsHeader(head, headSize, header, why))
        return false;
    if (header.width == 0 || header.height == 0 || header.width > MaxPictureDimension ||
        header.height > MaxPictureDimension) {
        why = "bad picture size " + std::to_string(header.width) + " x " + std::to_string(header.height);
        return false;
    }
    // The filtered rows a PNG's compressed data must unpack to.
    const uint64_t rawBytes = uint64_t(header.height) * (1 + (uint64_t(header.width) * bitsPerPixel + 7) / 8);
    if (png && rawBytes > fileSize * MaxDeflateRatio) {
        why = "the PNG file is too short for a " + std::to_string(header.width) + " x " +
              std::to_string(header.height) + " picture";
        return false;
    }
    const uint64_t decodedBytes = uint64_t(header.width) * header.height * 4;
    if (fileSize > 2 * decodedBytes + SmallFileAllowance) {
        why = "the file is larger than any " + std::to_string(header.width) + " x " + std::to_string(header.height) +
              " picture";
        return false;
    }
    return true;
}

}  // namespace plat
