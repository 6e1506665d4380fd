// Picture decoding: hand-made DDS files (uncompressed with masks, DXT1/3/5 blocks), damaged
// files that must be refused without reading past the data, and PNG through the same entry.
#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/image.h"

namespace {

constexpr uint32_t AlphaPixels = 0x1, FourCCFlag = 0x4, RgbFlag = 0x40;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

uint32_t FourCC(const char* s) { return uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24; }

// A 128-byte DDS header followed by `data`.
std::vector<uint8_t> MakeDds(uint32_t w, uint32_t h, uint32_t pfFlags, uint32_t fourCC, uint32_t bits, uint32_t r,
                             uint32_t g, uint32_t b, uint32_t a, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> f(128 + data.size(), 0);
    Put32(f, 0, FourCC("DDS "));
    Put32(f, 4, 124);
    Put32(f, 8, 0x1007);
    Put32(f, 12, h);
    Put32(f, 16, w);
    Put32(f, 76, 32);
    Put32(f, 80, pfFlags);
    Put32(f, 84, fourCC);
    Put32(f, 88, bits);
    Put32(f, 92, r);
    Put32(f, 96, g);
    Put32(f, 100, b);
    Put32(f, 104, a);
    std::copy(data.begin(), data.end(), f.begin() + 128);
    return f;
}

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
    std::vector<uint8_t> out;
    for (uint32_t w : words)
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(w >> (8 * i)));
    return out;
}

bool Decode(const std::vector<uint8_t>& file, plat::Image& img, std::string& err) {
    return plat::DecodeDds(file.data(), file.size(), img, err);
}

TEST(PlatformDds, Uncompressed32BitHonoursTheChannelMasks) {
    plat::Image img;
    std::string err;
    // A8R8G8B8: the stored words are the pixels.
    auto argb = MakeDds(2, 2, RgbFlag | AlphaPixels, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000,
                        Words({0x80FF0000, 0xFF00FF00, 0x000000FF, 0x12345678}));
    ASSERT_TRUE(Decode(argb, img, err)) << err;
    ASSERT_EQ(img.width, 2);
    ASSERT_EQ(img.height, 2);
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{0x80FF0000, 0xFF00FF00, 0x000000FF, 0x12345678}));

    // A8B8G8R8: red in the low byte.
    auto abgr = MakeDds(1, 1, RgbFlag | AlphaPixels, 0, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, Words({0x40332211}));
    ASSERT_TRUE(Decode(abgr, img, err)) << err;
    EXPECT_EQ(img.pixels[0], 0x40112233u);

    // X8R8G8B8: no alpha flag, so every pixel is opaque whatever the spare byte holds.
    auto xrgb = MakeDds(2, 1, RgbFlag, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0, Words({0x00ABCDEF, 0x7F010203}));
    ASSERT_TRUE(Decode(xrgb, img, err)) << err;
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{0xFFABCDEF, 0xFF010203}));
}

TEST(PlatformDds, SixteenBitMasksAreWidenedToFullRange) {
    plat::Image img;
    std::string err;
    // R5G6B5: white, pure red, pure green.
    std::vector<uint8_t> data = {0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07};
    auto f = MakeDds(3, 1, RgbFlag, 0, 16, 0xF800, 0x07E0, 0x001F, 0, data);
    ASSERT_TRUE(Decode(f, img, err)) << err;
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00}));
}

// One DXT colour block: two 565 end points and 2-bit indices, pixel 0 in the lowest bits.
std::vector<uint8_t> ColourBlock(uint16_t c0, uint16_t c1, uint32_t indices) {
    return {uint8_t(c0), uint8_t(c0 >> 8), uint8_t(c1), uint8_t(c1 >> 8), uint8_t(indices), uint8_t(indices >> 8),
            uint8_t(indices >> 16), uint8_t(indices >> 24)};
}

TEST(PlatformDds, Dxt1FourAndThreeColourBlocks) {
    plat::Image img;
    std::string err;
    // Red to blue, pixels 0..3 use indices 0, 1, 2, 3; the rest index 0.
    auto four = MakeDds(4, 4, FourCCFlag, FourCC("DXT1"), 0, 0, 0, 0, 0, ColourBlock(0xF800, 0x001F, 0b11100100));
    ASSERT_TRUE(Decode(four, img, err)) << err;
    EXPECT_EQ(img.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(img.pixels[1], 0xFF0000FFu);
    EXPECT_EQ(img.pixels[2], 0xFFAA0055u);   // two thirds red
    EXPECT_EQ(img.pixels[3], 0xFF5500AAu);   // two thirds blue
    EXPECT_EQ(img.pixels[15], 0xFFFF0000u);

    // c0 <= c1: three colours and transparent black.
    auto three = MakeDds(4, 4, FourCCFlag, FourCC("DXT1"), 0, 0, 0, 0, 0, ColourBlock(0x001F, 0xF800, 0b11100100));
    ASSERT_TRUE(Decode(three, img, err)) << err;
    EXPECT_EQ(img.pixels[2], 0xFF7F007Fu);
    EXPECT_EQ(img.pixels[3], 0x00000000u);
}

TEST(PlatformDds, Dxt1SizesBelowOneBlockKeepTheTopLeftPixels) {
    plat::Image img;
    std::string err;
    // Index of pixel (x, y) is bit pair 4y + x: make pixel (1, 1) index 1 (blue).
    auto f = MakeDds(2, 2, FourCCFlag, FourCC("DXT1"), 0, 0, 0, 0, 0, ColourBlock(0xF800, 0x001F, 1u << (2 * 5)));
    ASSERT_TRUE(Decode(f, img, err)) << err;
    ASSERT_EQ(img.pixels.size(), 4u);
    EXPECT_EQ(img.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(img.pixels[3], 0xFF0000FFu);
}

TEST(PlatformDds, Dxt3ExplicitAlphaAndFourColourMode) {
    plat::Image img;
    std::string err;
    // Alpha nibbles 0, 1, ..., 15 for pixels 0..15.
    std::vector<uint8_t> block;
    for (int i = 0; i < 8; ++i) block.push_back(uint8_t((2 * i) | (2 * i + 1) << 4));
    // Even with c0 <= c1 the colour part has four colours (no transparent index).
    auto colour = ColourBlock(0x001F, 0xF800, 0xFFFFFFFF);
    block.insert(block.end(), colour.begin(), colour.end());
    auto f = MakeDds(4, 4, FourCCFlag, FourCC("DXT3"), 0, 0, 0, 0, 0, block);
    ASSERT_TRUE(Decode(f, img, err)) << err;
    for (int i = 0; i < 16; ++i) EXPECT_EQ(img.pixels[i] >> 24, uint32_t(i * 17)) << i;
    EXPECT_EQ(img.pixels[0] & 0xFFFFFF, 0xAA0055u);   // index 3: two thirds of c1 (red)
}

TEST(PlatformDds, Dxt5InterpolatedAlphaBothModes) {
    plat::Image img;
    std::string err;
    auto make = [](uint8_t a0, uint8_t a1, std::initializer_list<int> firstIndices) {
        std::vector<uint8_t> block = {a0, a1};
        uint64_t bits = 0;
        int i = 0;
        for (int idx : firstIndices) bits |= uint64_t(idx) << (3 * i++);
        for (int k = 0; k < 6; ++k) block.push_back(uint8_t(bits >> (8 * k)));
        auto colour = ColourBlock(0xFFFF, 0xFFFF, 0);
        block.insert(block.end(), colour.begin(), colour.end());
        return MakeDds(4, 4, FourCCFlag, FourCC("DXT5"), 0, 0, 0, 0, 0, block);
    };
    // a0 > a1: eight levels between the end points.
    ASSERT_TRUE(Decode(make(210, 0, {0, 1, 2, 7}), img, err)) << err;
    EXPECT_EQ(img.pixels[0], 0xD2FFFFFFu);
    EXPECT_EQ(img.pixels[1] >> 24, 0u);
    EXPECT_EQ(img.pixels[2] >> 24, 180u);   // (6 * 210 + 0) / 7
    EXPECT_EQ(img.pixels[3] >> 24, 30u);    // (1 * 210 + 6 * 0) / 7
    // a0 <= a1: six levels, then 0 and 255.
    ASSERT_TRUE(Decode(make(50, 100, {2, 1, 6, 7}), img, err)) << err;
    EXPECT_EQ(img.pixels[0] >> 24, 60u);    // (4 * 50 + 1 * 100) / 5
    EXPECT_EQ(img.pixels[1] >> 24, 100u);
    EXPECT_EQ(img.pixels[2] >> 24, 0u);
    EXPECT_EQ(img.pixels[3] >> 24, 255u);
}

TEST(PlatformDds, DamagedFilesAreRefusedAndLeaveTheImageAlone) {
    plat::Image img;
    img.width = 7;
    img.pixels = {1, 2, 3};
    std::string err;
    const auto good = MakeDds(4, 4, RgbFlag, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0, std::vector<uint8_t>(64, 0x11));

    // Every cut of a good file is refused, including one byte short of the last pixel.
    for (size_t len : {size_t(0), size_t(3), size_t(4), size_t(100), size_t(127), size_t(128), good.size() - 1}) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + len);
        // Copy into an exact-size heap block so a read past it would be caught by sanitizers.
        std::unique_ptr<uint8_t[]> exact(new uint8_t[len + 1]);
        if (len) std::memcpy(exact.get(), cut.data(), len);
        EXPECT_FALSE(plat::DecodeDds(exact.get(), len, img, err)) << len;
        EXPECT_FALSE(err.empty());
    }
    EXPECT_EQ(img.width, 7);
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{1, 2, 3}));

    auto bad = good;
    bad[0] = 'X';
    EXPECT_FALSE(Decode(bad, img, err));
    bad = good;
    Put32(bad, 4, 100);   // header size
    EXPECT_FALSE(Decode(bad, img, err));
    bad = good;
    Put32(bad, 16, 0);   // zero width
    EXPECT_FALSE(Decode(bad, img, err));
    bad = good;
    Put32(bad, 12, 0x40000000);   // absurd height
    EXPECT_FALSE(Decode(bad, img, err));
    bad = good;
    Put32(bad, 88, 12);   // bit count not a whole byte count
    EXPECT_FALSE(Decode(bad, img, err));

    // Compressed data shorter than its block count.
    auto dxt = MakeDds(8, 8, FourCCFlag, FourCC("DXT5"), 0, 0, 0, 0, 0, std::vector<uint8_t>(63, 0));
    EXPECT_FALSE(Decode(dxt, img, err));
    EXPECT_NE(err.find("truncated"), std::string::npos);
    auto unknown = MakeDds(4, 4, FourCCFlag, FourCC("ATI2"), 0, 0, 0, 0, 0, std::vector<uint8_t>(16, 0));
    EXPECT_FALSE(Decode(unknown, img, err));
    EXPECT_EQ(img.width, 7);
}

class PlatformImageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("stroylik_img_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(PlatformImageFiles, ErrorsNameTheFile) {
    plat::Image img;
    std::string err;
    const std::string missing = Path("no_such_sheet.dds");
    EXPECT_FALSE(plat::LoadImageFile(missing, img, err));
    EXPECT_NE(err.find(missing), std::string::npos) << err;

    const std::string cut = Path("cut.dds");
    auto good = MakeDds(4, 4, RgbFlag, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0, std::vector<uint8_t>(64, 0));
    std::ofstream(cut, std::ios::binary).write(reinterpret_cast<const char*>(good.data()), 150);
    EXPECT_FALSE(plat::LoadImageFile(cut, img, err));
    EXPECT_NE(err.find(cut), std::string::npos) << err;

    const std::string junk = Path("junk.png");
    std::ofstream(junk) << "not a picture";
    EXPECT_FALSE(plat::LoadImageFile(junk, img, err));
    EXPECT_NE(err.find(junk), std::string::npos) << err;
}

TEST_F(PlatformImageFiles, PngAndDdsFilesDecodeToArgb) {
    const std::string png = Path("two.png");
    const uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 128, 10, 20, 30, 0, 255, 255, 255, 255};
    ASSERT_NE(stbi_write_png(png.c_str(), 2, 2, 4, rgba, 8), 0);
    plat::Image img;
    std::string err;
    ASSERT_TRUE(plat::LoadImageFile(png, img, err)) << err;
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{0xFFFF0000, 0x800000FF, 0x000A141E, 0xFFFFFFFF}));

    const std::string dds = Path("one.dds");
    auto file = MakeDds(1, 1, RgbFlag | AlphaPixels, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, Words({0xC0102030}));
    std::ofstream(dds, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    ASSERT_TRUE(plat::LoadImageFile(dds, img, err)) << err;
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{0xC0102030}));
}

// The peak resident memory (KiB) of a child process that runs `work`, from a fork of this one.
long ChildPeakKiB(const std::function<void()>& work) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        struct rusage usage {};
        ::getrusage(RUSAGE_SELF, &usage);
        const long peak = usage.ru_maxrss;
        const ssize_t n = ::write(fds[1], &peak, sizeof peak);
        ::_exit(n == sizeof peak ? 0 : 1);
    }
    long peak = -1;
    if (::read(fds[0], &peak, sizeof peak) != sizeof peak) peak = -1;
    ::close(fds[0]);
    ::close(fds[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return peak;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A PNG signature and IHDR chunk (the CRC is not checked before the size is).
std::vector<uint8_t> PngHead(uint32_t w, uint32_t h, uint8_t depth, uint8_t colourType) {
    std::vector<uint8_t> f = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8) f.push_back(uint8_t(v >> shift));
    for (uint8_t b : {depth, colourType, uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0)})
        f.push_back(b);
    return f;
}

TEST_F(PlatformImageFiles, HeadersAreCheckedBeforeAnythingIsDecoded) {
    plat::Image img;
    std::string err;
    // 259 bytes of an uncompressed true-colour TGA claiming 16000 x 16000 pixels, named .png.
    std::vector<uint8_t> tga(259, 0x7F);
    const uint8_t tgaHead[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x3E, 0x80, 0x3E, 32, 8};
    std::copy(std::begin(tgaHead), std::end(tgaHead), tga.begin());
    const std::string fake = Path("fake.png");
    WriteBytes(fake, tga);
    const long base = ChildPeakKiB([] {});
    const long loading = ChildPeakKiB([&] {
        plat::Image image;
        std::string why;
        plat::LoadImageFile(fake, image, why);
    });
    ASSERT_GT(base, 0);
    EXPECT_LT(loading - base, 8 * 1024) << "KiB more than a process that loads nothing";
    EXPECT_FALSE(plat::LoadImageFile(fake, img, err));
    EXPECT_NE(err.find("not a PNG file"), std::string::npos) << err;

    // The format the name promises, and nothing but PNG and DDS under other names.
    const std::string ddsAsPng = Path("sheet.png"), pngAsDds = Path("mask.dds"), tgaAsOther = Path("pic.tga");
    WriteBytes(ddsAsPng, MakeDds(1, 1, RgbFlag, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0, Words({1})));
    auto png = PngHead(1, 1, 8, 6);
    png.resize(80, 0);
    WriteBytes(pngAsDds, png);
    WriteBytes(tgaAsOther, tga);
    for (const std::string& path : {ddsAsPng, pngAsDds, tgaAsOther}) {
        EXPECT_FALSE(plat::LoadImageFile(path, img, err)) << path;
        EXPECT_NE(err.find(path), std::string::npos) << err;
    }
    EXPECT_NE(err.find("neither a PNG nor a DDS"), std::string::npos) << err;

    // Sizes: beyond the limit, too big for the data present, or a file far larger than its pixels.
    const std::string huge = Path("huge.png"), tiny = Path("tiny.png"), padded = Path("padded.png"), odd = Path("odd.png");
    auto hugeHead = PngHead(20000, 10, 8, 6);
    hugeHead.resize(200, 0);
    WriteBytes(huge, hugeHead);
    auto tinyHead = PngHead(16000, 16000, 8, 6);
    tinyHead.resize(300, 0);
    WriteBytes(tiny, tinyHead);
    auto paddedHead = PngHead(2, 2, 8, 6);
    paddedHead.resize(2u << 20, 0);
    WriteBytes(padded, paddedHead);
    auto oddHead = PngHead(2, 2, 3, 2);   // depth 3 exists for no colour type
    oddHead.resize(100, 0);
    WriteBytes(odd, oddHead);
    const char* expected[] = {"bad picture size 20000 x 10", "too short", "larger than any", "unsupported PNG"};
    int k = 0;
    for (const std::string& path : {huge, tiny, padded, odd}) {
        EXPECT_FALSE(plat::LoadImageFile(path, img, err)) << path;
        EXPECT_NE(err.find(expected[k++]), std::string::npos) << err;
    }
    EXPECT_EQ(img.width, 0) << "no refused file touches the image";
}

TEST_F(PlatformImageFiles, AShippedSheetDecodesWithinAFewTimesItsSize) {
    const std::string sheet = std::string(STROYLIK_GAME_DIR) + "/textures/menu.png";
    plat::Image img;
    std::string err;
    ASSERT_TRUE(plat::LoadImageFile(sheet, img, err)) << err;
    const long finalKiB = long(img.pixels.size() * 4 / 1024);
    const long base = ChildPeakKiB([] {});
    const long loading = ChildPeakKiB([&] {
        plat::Image image;
        std::string why;
        plat::LoadImageFile(sheet, image, why);
    });
    EXPECT_LT(loading - base, 4 * finalKiB + 1024) << "final picture " << finalKiB << " KiB";
}

}  // namespace
