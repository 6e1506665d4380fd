#pragma once
// A floating-point RGBA canvas with anti-aliased shape drawing by signed distance,
// for the pictures the generator writes. Straight (not premultiplied) alpha.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gen {

struct RGBA {
    float r = 0, g = 0, b = 0, a = 0;
};

RGBA Hex(uint32_t rgb, float alpha = 1.0f);   // 0xRRGGBB
RGBA Mix(const RGBA& a, const RGBA& b, float t);
RGBA Shade(const RGBA& c, float amount);       // >0 lighter toward white, <0 darker toward black

// Signed distances in pixels: negative inside.
float SdCircle(float px, float py, float cx, float cy, float r);
float SdBox(float px, float py, float x0, float y0, float x1, float y1, float radius = 0);
float SdSegment(float px, float py, float ax, float ay, float bx, float by, float halfWidth);
float SdPolygon(float px, float py, const std::vector<float>& xy);   // x0,y0,x1,y1,...
float SdTriangle(float px, float py, float ax, float ay, float bx, float by, float cx, float cy);

using Sdf = std::function<float(float x, float y)>;
using Paint = std::function<RGBA(float x, float y)>;

class Canvas {
public:
    Canvas(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }

    RGBA& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
    const RGBA& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

    // Composites paint over the canvas where sdf < 0, with one pixel of anti-aliasing,
    // limited to the box (x0, y0)-(x1, y1) (exclusive right/bottom).
    void Fill(int x0, int y0, int x1, int y1, const Sdf& sdf, const Paint& paint);
    void Fill(int x0, int y0, int x1, int y1, const Sdf& sdf, const RGBA& colour);
    // Plain rectangle fill (replaces pixels, no blending).
    void Clear(int x0, int y0, int x1, int y1, const RGBA& colour);
    // Composites a pixel over the canvas.
    void Blend(int x, int y, const RGBA& c);
    // A soft drop shadow of the shape, offset by (dx, dy), blurred by `softness` pixels.
    void Shadow(int x0, int y0, int x1, int y1, const Sdf& sdf, float dx, float dy, float softness, float opacity);
    // Copies another canvas in at (x, y) (replaces pixels).
    void Paste(const Canvas& src, int x, int y);

    uint32_t ARGB(int x, int y) const;
    bool SavePng(const std::string& path) const;
    // Uncompressed 32-bit DDS (A8R8G8B8: bytes B, G, R, A per texel).
    bool SaveDds(const std::string& path) const;

private:
    int w_, h_;
    std::vector<RGBA> px_;
};

// Makes the folders of a file path.
void EnsureParentDir(const std::string& path);

}  // namespace gen
