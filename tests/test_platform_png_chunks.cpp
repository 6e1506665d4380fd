// PNG chunk lengths are checked against the file before the decoder sizes anything from them:
// a 17 KB file whose data chunk claimed 1 GB made the decoder ask for all of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/image.h"
#include "platform/png_chunks.h"

namespace {

void Chunk(std::vector<uint8_t>& png, uint32_t length, const char* type, size_t bytesPresent) {
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(uint8_t(length >> shift));
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), bytesPresent, uint8_t(0x5A));
    png.insert(png.end(), 4, uint8_t(0));   // CRC: not checked here
}

// Signature, a 256 x 256 RGBA header, then a data chunk of `claimed` bytes of which
// `present` are in the file, and an end chunk.
std::vector<uint8_t> Png(uint32_t claimed, size_t present) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(png, 13, "IHDR", 0);
    const uint8_t header[13] = {0, 0, 1, 0, 0, 0, 1, 0, 8, 6, 0, 0, 0};
    png.insert(png.end() - 4, header, header + 13);
    Chunk(png, claimed, "IDAT", present);
    Chunk(png, 0, "IEND", 0);
    return png;
}

TEST(PngChunks, LengthsInsideTheFilePassAndOneByteTooManyIsRefused) {
    std::string why;
    const std::vector<uint8_t> whole = Png(100, 100);
    EXPECT_TRUE(plat::PngChunksFit(whole.data(), whole.size(), why)) << why;
    // Without its end chunk the data chunk is the last one: exactly the bytes left pass, one
    // byte short does not.
    std::vector<uint8_t> last = Png(100, 100);
    last.resize(last.size() - 12);
    EXPECT_TRUE(plat::PngChunksFit(last.data(), last.size(), why)) << why;
    last.pop_back();
    EXPECT_FALSE(plat::PngChunksFit(last.data(), last.size(), why));
    EXPECT_NE(why.find("\"IDAT\" at byte 33 claims 100 bytes"), std::string::npos) << why;
    // Not a PNG: left to the decoder.
    const uint8_t tga[18] = {0, 0, 2};
    EXPECT_TRUE(plat::PngChunksFit(tga, sizeof tga, why));
}

TEST(PngChunks, AHugeClaimIsRefusedNamingTheFileAndARealPictureStillLoads) {
    char pattern[] = "/tmp/stroylik_png_XXXXXX";
    const int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    close(fd);
    const std::vector<uint8_t> bomb = Png(0x3E004541, 16000);
    std::ofstream(pattern, std::ios::binary).write(reinterpret_cast<const char*>(bomb.data()), std::streamsize(bomb.size()));
    plat::Image image;
    std::string error;
    EXPECT_FALSE(plat::LoadImageFile(pattern, image, error));
    EXPECT_NE(error.find(pattern), std::string::npos) << error;
    EXPECT_NE(error.find("claims 1040205121 bytes, more than the file holds"), std::string::npos) << error;
    EXPECT_TRUE(image.pixels.empty());
    std::remove(pattern);

    ASSERT_TRUE(plat::LoadImageFile(std::string(STROYLIK_GAME_DIR) + "/textures/cursor.png", image, error)) << error;
    EXPECT_GT(image.width, 0);
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * size_t(image.height));
}

}  // namespace
