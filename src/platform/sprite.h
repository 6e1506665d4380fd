#pragma once
// The sprite batch: textured quads in virtual-screen units, transformed by a 2D matrix,
// tinted by an ARGB colour, alpha blended, and sent to the GPU in few draw calls.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/matrix.h"
#include "platform/types.h"

namespace plat {

class Device;
class Texture;

constexpr uint32_t SPRITE_ALPHABLEND = 16;
// With SPRITE_ALPHABLEND: the textures hold colour already multiplied by alpha (pictures
// drawn off-screen by this batch).
constexpr uint32_t SPRITE_PREMULTIPLIED = 32;

class Sprite {
public:
    ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    static HRESULT Create(Device* device, std::unique_ptr<Sprite>& out);
    // A sprite without a device: it counts and records draws but renders nothing.
    // Lets the game's drawing logic run in tests without a GPU.
    static std::unique_ptr<Sprite> CreateRecorder();

    HRESULT Begin(uint32_t flags);
    HRESULT End();
    // Sends what is queued to the GPU (End does it too); needed before 3D drawing.
    void Flush();
    // Begin's flags, and a change of them for the draws that follow (what is queued is sent
    // with the old ones).
    uint32_t flags() const { return flags_; }
    void SetFlags(uint32_t flags);

    void SetTransform(const Matrix& m) { transform_ = m; }
    const Matrix& GetTransform() const { return transform_; }

    // src: source rectangle in texels (whole texture when null); center: point of the source
    // rectangle placed at the position (0,0 when null); pos: position before the transform
    // ((0,0,0) when null). color multiplies the texels.
    HRESULT Draw(const Texture* texture, const Rect* src, const Vec3* center, const Vec3* pos, uint32_t color);

    // Statistics for tests and benchmarks.
    struct DrawRecord {
        const Texture* texture;
        Rect src;
        float x, y;        // transformed top-left of the quad
        uint32_t color;
    };
    uint64_t drawCount() const { return drawCount_; }
    uint64_t batchCount() const { return batchCount_; }
    void resetCounters() { drawCount_ = batchCount_ = 0; records_.clear(); }
    // Recorded draws (only a recorder keeps them).
    const std::vector<DrawRecord>& records() const { return records_; }

private:
    Sprite() = default;
    struct Vertex {
        float x, y, u, v;
        uint32_t rgba;
    };
    // A stretch of the vertex array drawn with one primitive kind: one-pixel draws are points
    // (one vertex instead of four), the rest quads; runs keep the order of the draws.
    struct Run {
        bool points;
        uint32_t first;   // index of its first vertex
    };
    void StartRun(bool points) {
        if (runs_.empty() || runs_.back().points != points) runs_.push_back(Run{points, uint32_t(vertexCount_)});
    }
    Device* device_ = nullptr;
    bool recorder_ = false;
    bool begun_ = false;
    uint32_t flags_ = 0;   // Begin's flags (alpha blending)
    Matrix transform_ = MatrixIdentity();
    const Texture* batchTexture_ = nullptr;
    // The queued vertices are the first vertexCount_ of vertices_, whose whole length is
    // room: a draw writes its corners through a pointer instead of four push_backs.
    Vertex* AddVertices(size_t n) {
        if (vertices_.size() - vertexCount_ < n) vertices_.resize(vertices_.size() * 2 + n);
        Vertex* v = vertices_.data() + vertexCount_;
        vertexCount_ += n;
        return v;
    }
    std::vector<Vertex> vertices_;
    size_t vertexCount_ = 0;
    size_t verticesSinceGpuFlush_ = 0;
    std::vector<Run> runs_;
    bool points_ = false;   // one-pixel draws may go as points (not while multisampling)
    std::vector<DrawRecord> records_;
    uint64_t drawCount_ = 0;
    uint64_t batchCount_ = 0;
    unsigned program_ = 0, vbo_ = 0, whiteTex_ = 0;
    int pixelToClip_ = -1;   // uniform location
};

}  // namespace plat
