#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include <stb_image_write.h>

namespace gen {

RGBA Hex(uint32_t rgb, float alpha) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, alpha};
}

RGBA Mix(const RGBA& a, const RGBA& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

RGBA Shade(const RGBA& c, float amount) {
    RGBA target = amount >= 0 ? RGBA{1, 1, 1, c.a} : RGBA{0, 0, 0, c.a};
    return Mix(c, target, std::fabs(amount));
}

float SdCircle(float px, float py, float cx, float cy, float r) {
    return std::hypot(px - cx, py - cy) - r;
}

float SdBox(float px, float py, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    float hx = (x1 - x0) * 0.5f - radius, hy = (y1 - y0) * 0.5f - radius;
    float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    float inside = std::min(std::max(qx, qy), 0.0f);
    return outside + inside - radius;
}

float SdSegment(float px, float py, float ax, float ay, float bx, float by, float halfWidth) {
    float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(pax - bax * h, pay - bay * h) - halfWidth;
}

float SdPolygon(float px, float py, const std::vector<float>& v) {
    size_t n = v.size() / 2;
    float d = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float xi = v[2 * i], yi = v[2 * i + 1], xj = v[2 * j], yj = v[2 * j + 1];
        float ex = xj - xi, ey = yj - yi, wx = px - xi, wy = py - yi;
        float len2 = ex * ex + ey * ey;
        float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
        d = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
        if (((yi > py) != (yj > py)) && (px < (xj - xi) * (py - yi) / (yj - yi) + xi)) inside = !inside;
    }
    return inside ? -d : d;
}

float SdTriangle(float px, float py, float ax, float ay, float bx, float by, float cx, float cy) {
    return SdPolygon(px, py, {ax, ay, bx, by, cx, cy});
}

Canvas::Canvas(int width, int height) : w_(width), h_(height), px_(static_cast<size_t>(width) * height) {}

void Canvas::Blend(int x, int y, const RGBA& c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || c.a <= 0) return;
    RGBA& d = at(x, y);
    float a = c.a + d.a * (1 - c.a);
    if (a <= 0) {
        d = {};
        return;
    }
    d.r = (c.r * c.a + d.r * d.a * (1 - c.a)) / a;
    d.g = (c.g * c.a + d.g * d.a * (1 - c.a)) / a;
    d.b = (c.b * c.a + d.b * d.a * (1 - c.a)) / a;
    d.a = a;
}

void Canvas::Fill(int x0, int y0, int x1, int y1, const Sdf& sdf, const Paint& paint) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, w_);
    y1 = std::min(y1, h_);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            float fx = x + 0.5f, fy = y + 0.5f;
            float cover = std::clamp(0.5f - sdf(fx, fy), 0.0f, 1.0f);
            if (cover <= 0) continue;
            RGBA c = paint(fx, fy);
            c.a *= cover;
            Blend(x, y, c);
        }
    }
}

void Canvas::Fill(int x0, int y0, int x1, int y1, const Sdf& sdf, const RGBA& colour) {
    Fill(x0, y0, x1, y1, sdf, [&](float, float) { return colour; });
}

void Canvas::Clear(int x0, int y0, int x1, int y1, const RGBA& colour) {
    for (int y = std::max(y0, 0); y < std::min(y1, h_); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, w_); ++x) at(x, y) = colour;
}

void Canvas::Shadow(int x0, int y0, int x1, int y1, const Sdf& sdf, float dx, float dy, float softness,
                    float opacity) {
    Fill(x0, y0, x1, y1,
         [&](float x, float y) { return sdf(x - dx, y - dy) - softness; },
         [&](float x, float y) {
             float d = sdf(x - dx, y - dy);
             float t = std::clamp(0.5f - d / (2 * softness + 1e-3f), 0.0f, 1.0f);
             return RGBA{0.1f, 0.08f, 0.12f, opacity * t * t};
         });
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i)
            if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_) at(x + i, y + j) = src.at(i, j);
}

static uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

uint32_t Canvas::ARGB(int x, int y) const {
    const RGBA& c = at(x, y);
    return (uint32_t(ToByte(c.a)) << 24) | (uint32_t(ToByte(c.r)) << 16) | (uint32_t(ToByte(c.g)) << 8) | ToByte(c.b);
}

void EnsureParentDir(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
}

bool Canvas::SavePng(const std::string& path) const {
    EnsureParentDir(path);
    std::vector<uint8_t> bytes(static_cast<size_t>(w_) * h_ * 4);
    for (size_t i = 0; i < px_.size(); ++i) {
        bytes[i * 4 + 0] = ToByte(px_[i].r);
        bytes[i * 4 + 1] = ToByte(px_[i].g);
        bytes[i * 4 + 2] = ToByte(px_[i].b);
        bytes[i * 4 + 3] = ToByte(px_[i].a);
    }
    return stbi_write_png(path.c_str(), w_, h_, 4, bytes.data(), w_ * 4) != 0;
}

bool Canvas::SaveDds(const std::string& path) const {
    EnsureParentDir(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    uint32_t header[32] = {};
    header[0] = 0x20534444;            // "DDS "
    header[1] = 124;                   // header size
    header[2] = 0x1 | 0x2 | 0x4 | 0x1000 | 0x8;   // CAPS, HEIGHT, WIDTH, PIXELFORMAT, PITCH
    header[3] = static_cast<uint32_t>(h_);
    header[4] = static_cast<uint32_t>(w_);
    header[5] = static_cast<uint32_t>(w_) * 4;   // pitch
    header[19] = 32;                   // pixel format size
    header[20] = 0x41;                 // RGB | ALPHAPIXELS
    header[22] = 32;                   // bit count
    header[23] = 0x00FF0000;           // red mask
    header[24] = 0x0000FF00;           // green mask
    header[25] = 0x000000FF;           // blue mask
    header[26] = 0xFF000000;           // alpha mask
    header[27] = 0x1000;               // CAPS_TEXTURE
    bool ok = std::fwrite(header, 4, 32, f) == 32;
    std::vector<uint8_t> row(static_cast<size_t>(w_) * 4);
    for (int y = 0; y < h_ && ok; ++y) {
        for (int x = 0; x < w_; ++x) {
            const RGBA& c = at(x, y);
            row[x * 4 + 0] = ToByte(c.b);
            row[x * 4 + 1] = ToByte(c.g);
            row[x * 4 + 2] = ToByte(c.r);
            row[x * 4 + 3] = ToByte(c.a);
        }
        ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace gen
