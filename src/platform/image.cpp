// Picture decoding: PNG through stb_image, DDS by hand (the mask and figure sheets are DDS).
// Every size read from a file is checked against the bytes actually present before use, and
// the header of a file is checked before any of it is decoded.
#include "platform/image.h"
#include "platform/png_chunks.h"

#include <stb_image.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/picture_header.h"

namespace plat {

namespace {

constexpr uint32_t MaxDimension = MaxPictureDimension;

constexpr uint32_t DdsMagic = 0x20534444;   // "DDS "
constexpr uint32_t DdsHeaderSize = 124;
constexpr uint32_t DdsPixelFormatSize = 32;
constexpr size_t DdsDataOffset = 4 + DdsHeaderSize;

constexpr uint32_t PfAlphaPixels = 0x1;
constexpr uint32_t PfFourCC = 0x4;
constexpr uint32_t PfRgb = 0x40;

constexpr uint32_t FourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Extracts the channel under `mask` and scales it to 0..255.
uint32_t Channel(uint32_t value, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const uint32_t max = mask >> shift;
    const uint32_t v = (value & mask) >> shift;
    return (v * 255u + max / 2) / max;
}

struct DdsInfo {
    uint32_t width, height;
    uint32_t pfFlags, fourCC, bitCount;
    uint32_t rMask, gMask, bMask, aMask;
};

bool DecodeMasked(const uint8_t* data, size_t size, const DdsInfo& info, Image& out, std::string& error) {
    const uint32_t bytes = info.bitCount / 8;
    if (info.bitCount % 8 != 0 || bytes < 1 || bytes > 4) {
        error = "unsupported DDS bit count " + std::to_string(info.bitCount);
        return false;
    }
    const uint64_t pitch = uint64_t(info.width) * bytes;
    const uint64_t needed = pitch * info.height;
    if (needed > size - DdsDataOffset) {
        error = "DDS pixel data is truncated";
        return false;
    }
    const bool hasAlpha = (info.pfFlags & PfAlphaPixels) != 0 && info.aMask != 0;
    out.width = int(info.width);
    out.height = int(info.height);
    out.pixels.assign(size_t(info.width) * info.height, 0);
    const uint8_t* src = data + DdsDataOffset;
    for (uint32_t y = 0; y < info.height; ++y) {
        const uint8_t* row = src + pitch * y;
        uint32_t* dst = out.pixels.data() + size_t(y) * info.width;
        for (uint32_t x = 0; x < info.width; ++x) {
            uint32_t v = 0;
            for (uint32_t b = 0; b < bytes; ++b) v |= uint32_t(row[x * bytes + b]) << (8 * b);
            const uint32_t a = hasAlpha ? Channel(v, info.aMask) : 255u;
            dst[x] = a << 24 | Channel(v, info.rMask) << 16 | Channel(v, info.gMask) << 8 | Channel(v, info.bMask);
        }
    }
    return true;
}

uint32_t Expand565(uint16_t c) {
    const uint32_t r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    return 0xFF000000u | ((r << 3) | (r >> 2)) << 16 | ((g << 2) | (g >> 4)) << 8 | ((b << 3) | (b >> 2));
}

// Mixes two opaque colours channel by channel: (wa * a + wb * b) / (wa + wb).
uint32_t Mix(uint32_t a, uint32_t b, uint32_t wa, uint32_t wb) {
    uint32_t r = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        r |= ((wa * ca + wb * cb) / (wa + wb)) << shift;
    }
    return r;
}

// A 4x4 colour block. DXT1 has a 3-colour mode with transparent black; the colour part of
// DXT3 and DXT5 blocks always uses four colours.
void DecodeColorBlock(const uint8_t* block, bool allowThreeColour, uint32_t out[16]) {
    const uint16_t c0 = ReadU16(block), c1 = ReadU16(block + 2);
    uint32_t palette[4];
    palette[0] = Expand565(c0);
    palette[1] = Expand565(c1);
    if (c0 > c1 || !allowThreeColour) {
        palette[2] = Mix(palette[0], palette[1], 2, 1);
        palette[3] = Mix(palette[0], palette[1], 1, 2);
    } else {
        palette[2] = Mix(palette[0], palette[1], 1, 1);
        palette[3] = 0x00000000u;
    }
    const uint32_t indices = ReadU32(block + 4);
    for (int i = 0; i < 16; ++i) out[i] = palette[(indices >> (2 * i)) & 3];
}

void ApplyExplicitAlpha(const uint8_t* block, uint32_t px[16]) {
    for (int i = 0; i < 16; ++i) {
        const uint32_t a4 = (block[i / 2] >> ((i % 2) * 4)) & 0xF;
        px[i] = (px[i] & 0x00FFFFFFu) | (a4 * 17) << 24;
    }
}

void ApplyInterpolatedAlpha(const uint8_t* block, uint32_t px[16]) {
    const uint32_t a0 = block[0], a1 = block[1];
    uint32_t palette[8] = {a0, a1};
    if (a0 > a1) {
        for (uint32_t i = 1; i < 7; ++i) palette[i + 1] = ((7 - i) * a0 + i * a1) / 7;
    } else {
        for (uint32_t i = 1; i < 5; ++i) palette[i + 1] = ((5 - i) * a0 + i * a1) / 5;
        palette[6] = 0;
        palette[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) bits |= uint64_t(block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i) {
        const uint32_t a = palette[(bits >> (3 * i)) & 7];
        px[i] = (px[i] & 0x00FFFFFFu) | a << 24;
    }
}

bool DecodeCompressed(const uint8_t* data, size_t size, const DdsInfo& info, Image& out, std::string& error) {
    int kind = 0;
    if (info.fourCC == FourCC('D', 'X', 'T', '1')) kind = 1;
    else if (info.fourCC == FourCC('D', 'X', 'T', '3')) kind = 3;
    else if (info.fourCC == FourCC('D', 'X', 'T', '5')) kind = 5;
    if (kind == 0) {
        error = "unsupported DDS compression";
        return false;
    }
    const uint32_t blockBytes = kind == 1 ? 8 : 16;
    const uint32_t blocksX = (info.width + 3) / 4, blocksY = (info.height + 3) / 4;
    const uint64_t needed = uint64_t(blocksX) * blocksY * blockBytes;
    if (needed > size - DdsDataOffset) {
        error = "DDS pixel data is truncated";
        return false;
    }
    out.width = int(info.width);
    out.height = int(info.height);
    out.pixels.assign(size_t(info.width) * info.height, 0);
    const uint8_t* block = data + DdsDataOffset;
    for (uint32_t by = 0; by < blocksY; ++by) {
        for (uint32_t bx = 0; bx < blocksX; ++bx, block += blockBytes) {
            uint32_t px[16];
            const uint8_t* colour = kind == 1 ? block : block + 8;
            DecodeColorBlock(colour, kind == 1, px);
            if (kind == 3) ApplyExplicitAlpha(block, px);
            if (kind == 5) ApplyInterpolatedAlpha(block, px);
            for (uint32_t i = 0; i < 16; ++i) {
                const uint32_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < info.width && y < info.height) out.pixels[size_t(y) * info.width + x] = px[i];
            }
        }
    }
    return true;
}

bool DecodePng(const std::string& path, const std::vector<uint8_t>& bytes, const PictureHeader& header, Image& out,
               std::string& error) {
    std::string why;
    if (!PngChunksFit(bytes.data(), bytes.size(), why)) {
        error = path + ": " + why;
        return false;
    }
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &channels, 4);
    if (rgba == nullptr) {
        error = path + ": " + (stbi_failure_reason() ? stbi_failure_reason() : "cannot decode the picture");
        return false;
    }
    if (uint32_t(w) != header.width || uint32_t(h) != header.height) {
        stbi_image_free(rgba);
        error = path + ": the picture's size differs from its header";
        return false;
    }
    out.width = w;
    out.height = h;
    out.pixels.resize(size_t(w) * h);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const stbi_uc* p = rgba + 4 * i;
        out.pixels[i] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | uint32_t(p[2]);
    }
    stbi_image_free(rgba);
    return true;
}

}  // namespace

bool DecodeDds(const uint8_t* data, size_t size, Image& out, std::string& error) {
    if (data == nullptr || size < DdsDataOffset) {
        error = "file is too short for a DDS header";
        return false;
    }
    if (ReadU32(data) != DdsMagic) {
        error = "not a DDS file";
        return false;
    }
    const uint8_t* h = data + 4;
    if (ReadU32(h) != DdsHeaderSize || ReadU32(h + 72) != DdsPixelFormatSize) {
        error = "bad DDS header size";
        return false;
    }
    DdsInfo info{};
    info.height = ReadU32(h + 8);
    info.width = ReadU32(h + 12);
    const uint8_t* pf = h + 72;
    info.pfFlags = ReadU32(pf + 4);
    info.fourCC = ReadU32(pf + 8);
    info.bitCount = ReadU32(pf + 12);
    info.rMask = ReadU32(pf + 16);
    info.gMask = ReadU32(pf + 20);
    info.bMask = ReadU32(pf + 24);
    info.aMask = ReadU32(pf + 28);
    if (info.width == 0 || info.height == 0 || info.width > MaxDimension || info.height > MaxDimension) {
        error = "bad DDS size " + std::to_string(info.width) + "x" + std::to_string(info.height);
        return false;
    }
    Image decoded;
    bool ok = false;
    if (info.pfFlags & PfFourCC) {
        ok = DecodeCompressed(data, size, info, decoded, error);
    } else if (info.pfFlags & PfRgb) {
        ok = DecodeMasked(data, size, info, decoded, error);
    } else {
        error = "unsupported DDS pixel format";
    }
    if (ok) out = std::move(decoded);
    return ok;
}

bool LoadImageFile(const std::string& path, Image& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open the picture file (" + std::strerror(errno) + ")";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff end = file.tellg();
    file.seekg(0, std::ios::beg);
    const uint64_t fileSize = end > 0 ? uint64_t(end) : 0;
    uint8_t head[HeaderProbeBytes] = {};
    file.read(reinterpret_cast<char*>(head), std::streamsize(std::min<uint64_t>(fileSize, sizeof head)));
    // Nothing is decoded, and nothing sized by the file is allocated, before the header passes.
    PictureHeader header;
    std::string why;
    if (!CheckPictureHeader(path, head, size_t(std::min<uint64_t>(fileSize, sizeof head)), fileSize, header, why)) {
        error = path + ": " + why;
        return false;
    }
    file.seekg(0, std::ios::beg);
    std::vector<uint8_t> bytes(static_cast<size_t>(fileSize));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()))) {
        error = path + ": the picture file cannot be read";
        return false;
    }
    if (header.dds) {
        if (!DecodeDds(bytes.data(), bytes.size(), out, why)) {
            error = path + ": " + why;
            return false;
        }
        return true;
    }
    return DecodePng(path, bytes, header, out, error);
}

}  // namespace plat
