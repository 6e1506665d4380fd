// The desktop icon: two of the intro's alphabet blocks, the orange "Т" leaning behind the red
// "С", on a clear background. Drawn once large and scaled down by area averaging, so the small
// sizes keep the same shapes instead of thickened outlines.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "canvas.h"
#include "gen_model_parts.h"
#include "generators.h"

namespace gen {

namespace {

constexpr int kMasterSize = 512;

// Composites a block face onto the icon with rounded corners and a soft shadow below right.
void PlaceBlock(Canvas& icon, const LogoBlock& block, int x, int y, int side) {
    const Canvas face = DrawBlockFace(block, side);
    const float radius = side * 0.14f;
    const float fx = float(x), fy = float(y), fs = float(side);
    icon.Shadow(0, 0, icon.width(), icon.height(),
                [&](float px, float py) { return SdBox(px, py, fx, fy, fx + fs, fy + fs, radius); },
                side * 0.035f, side * 0.05f, side * 0.05f, 0.45f);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            const float inside = std::clamp(0.5f - SdBox(i + 0.5f, j + 0.5f, 0, 0, fs, fs, radius), 0.0f, 1.0f);
            if (inside <= 0) continue;
            RGBA c = face.at(i, j);
            c.a *= inside;
            icon.Blend(x + i, y + j, c);
        }
}

// Area average over factor x factor pixels, weighting colour by coverage.
Canvas Downsample(const Canvas& big, int size) {
    const int factor = big.width() / size;
    Canvas small(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            RGBA sum;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const RGBA& p = big.at(x * factor + i, y * factor + j);
                    sum.r += p.r * p.a;
                    sum.g += p.g * p.a;
                    sum.b += p.b * p.a;
                    sum.a += p.a;
                }
            RGBA& out = small.at(x, y);
            out.a = sum.a / float(factor * factor);
            if (sum.a > 0) out = RGBA{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, out.a};
        }
    return small;
}

}  // namespace

void WriteIcons(const std::string& outDir, const std::string& appId) {
    Canvas master(kMasterSize, kMasterSize);
    const int back = kMasterSize * 54 / 100, front = kMasterSize * 70 / 100;
    PlaceBlock(master, LogoBlocks[1], kMasterSize - back - kMasterSize * 4 / 100, kMasterSize * 3 / 100, back);
    PlaceBlock(master, LogoBlocks[0], kMasterSize * 3 / 100, kMasterSize - front - kMasterSize * 6 / 100, front);
    for (int size : {48, 64, 128, 256}) {
        const std::string dir = outDir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::filesystem::create_directories(dir);
        const std::string path = dir + "/" + appId + ".png";
        if (!Downsample(master, size).SavePng(path)) throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace gen
