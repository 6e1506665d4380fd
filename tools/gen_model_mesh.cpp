// The block's geometry: six flat faces, twelve chamfer strips and eight corner triangles. The
// strips carry the normals of the two faces they join, so Gouraud shading rounds the edges.
#include <cmath>

#include "gen_model_parts.h"

namespace gen {

namespace {

struct V3 {
    float x = 0, y = 0, z = 0;
};

V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

V3 Axis(int axis, float sign) {
    V3 v;
    (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = sign;
    return v;
}

// Plain block colour: the corner of the texture.
constexpr float EdgeU = 0.02f, EdgeV = 0.02f;

class Builder {
public:
    explicit Builder(BlockMesh& mesh) : mesh_(mesh) {}

    uint16_t Add(V3 p, V3 n, float u, float v) {
        mesh_.vertices.push_back({p.x, p.y, p.z, n.x, n.y, n.z, u, v});
        return static_cast<uint16_t>(mesh_.vertices.size() - 1);
    }

    // Front faces are the clockwise ones as seen from outside: with our left-handed
    // coordinates that is when (b - a) x (c - a) points outwards. The block is convex and
    // centred, so "outwards" is the direction of the triangle's centre.
    void Triangle(uint16_t a, uint16_t b, uint16_t c) {
        V3 pa = P(a), pb = P(b), pc = P(c);
        V3 centre = (pa + pb + pc) * (1.0f / 3.0f);
        if (Dot(Cross(pb - pa, pc - pa), centre) < 0) std::swap(b, c);
        mesh_.faces.push_back({a, b, c});
    }

    void Quad(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
        Triangle(a, b, c);
        Triangle(a, c, d);
    }

private:
    V3 P(uint16_t i) const {
        const BlockVertex& v = mesh_.vertices[i];
        return {v.x, v.y, v.z};
    }
    BlockMesh& mesh_;
};

struct FaceFrame {
    V3 normal, up;
};

// Up directions that make every letter upright as the face is usually seen.
const FaceFrame Faces[6] = {
    {{0, 1, 0}, {0, 0, 1}},  {{0, -1, 0}, {0, 0, 1}}, {{1, 0, 0}, {0, 0, 1}},
    {{-1, 0, 0}, {0, 0, 1}}, {{0, 0, 1}, {0, -1, 0}}, {{0, 0, -1}, {0, 1, 0}},
};

}  // namespace

BlockMesh BuildBevelledBlock(float h, float bevel, int grid) {
    BlockMesh mesh;
    Builder b(mesh);
    const float inner = h - bevel;

    for (const FaceFrame& f : Faces) {
        // Seen from outside with `up` up, n x up points to the viewer's right.
        V3 right = Cross(f.normal, f.up);
        uint16_t first = static_cast<uint16_t>(mesh.vertices.size());
        for (int j = 0; j <= grid; ++j) {
            for (int i = 0; i <= grid; ++i) {
                float s = -inner + 2 * inner * i / grid, t = inner - 2 * inner * j / grid;
                V3 p = f.normal * h + right * s + f.up * t;
                b.Add(p, f.normal, float(i) / grid, float(j) / grid);
            }
        }
        auto at = [&](int i, int j) { return static_cast<uint16_t>(first + j * (grid + 1) + i); };
        for (int j = 0; j < grid; ++j)
            for (int i = 0; i < grid; ++i) b.Quad(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
    }

    // Edge strips between face A (along axis a) and face B (along axis c), running along axis e.
    for (int a = 0; a < 3; ++a) {
        for (int c = a + 1; c < 3; ++c) {
            int e = 3 - a - c;
            for (float sa : {-1.0f, 1.0f}) {
                for (float sc : {-1.0f, 1.0f}) {
                    V3 na = Axis(a, sa), nc = Axis(c, sc);
                    V3 onA = na * h + nc * inner, onC = nc * h + na * inner;
                    V3 lo = Axis(e, -inner), hi = Axis(e, inner);
                    b.Quad(b.Add(onA + lo, na, EdgeU, EdgeV), b.Add(onA + hi, na, EdgeU, EdgeV),
                           b.Add(onC + hi, nc, EdgeU, EdgeV), b.Add(onC + lo, nc, EdgeU, EdgeV));
                }
            }
        }
    }

    for (float sx : {-1.0f, 1.0f}) {
        for (float sy : {-1.0f, 1.0f}) {
            for (float sz : {-1.0f, 1.0f}) {
                V3 corner{sx * inner, sy * inner, sz * inner};
                uint16_t px = b.Add(corner + V3{sx * bevel, 0, 0}, {sx, 0, 0}, EdgeU, EdgeV);
                uint16_t py = b.Add(corner + V3{0, sy * bevel, 0}, {0, sy, 0}, EdgeU, EdgeV);
                uint16_t pz = b.Add(corner + V3{0, 0, sz * bevel}, {0, 0, sz}, EdgeU, EdgeV);
                b.Triangle(px, py, pz);
            }
        }
    }
    return mesh;
}

}  // namespace gen
