#pragma once
// The intro logo: eight bevelled alphabet blocks that tumble in and spell the game's name.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/matrix.h"

namespace gen {

struct BlockVertex {
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    float u = 0, v = 0;
};

struct BlockMesh {
    std::vector<BlockVertex> vertices;
    std::vector<std::array<uint16_t, 3>> faces;   // clockwise seen from outside
};

// A cube of the given half size around the origin whose edges are chamfered by `bevel`; each of
// its six faces is a grid x grid patch showing the whole texture, upright when the face is seen
// with the model's z axis up (the top face is read from the front, the bottom from below).
// Bevels and corners take the texture's corner texel, the plain block colour.
BlockMesh BuildBevelledBlock(float halfSize, float bevel, int grid);

struct LogoBlock {
    const char* letter;   // UTF-8
    uint32_t face;        // 0xRRGGBB of the block
    uint32_t ink;         // letter colour
};

constexpr int LogoBlockCount = 8;
extern const std::array<LogoBlock, LogoBlockCount> LogoBlocks;

class Canvas;
// The block's face: its colour with a raised panel and the letter. Throws on failure.
Canvas DrawBlockFace(const LogoBlock& block, int size);
// The block's texture: the face as a PNG file. Throws on failure.
void WriteBlockTexture(const std::string& path, const LogoBlock& block, int size);

// The animation: block `index` rests at RestPose(index); keys 0 .. count-1 at 24 per second.
constexpr float BlockHalfSize = 68.0f;
plat::Matrix RestPose(int index);
std::vector<plat::Matrix> BlockKeys(int index, int count);

}  // namespace gen
