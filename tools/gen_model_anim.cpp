// The blocks' flight: one after another they fall in from above and behind, tumbling, land
// with a squash and a little bounce in their place in the word, and when all have landed a
// wave of hops runs along the word. Keys are 1/24 s apart.
//
// Model coordinates: x to the right, z up, +y towards the viewer (the game turns the model by
// -1.5 rad about x and scales it by 0.45; the camera sits 600 units in front of the origin).
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gen_model_parts.h"

namespace gen {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr float Pitch = 156.0f;       // block centre to centre
constexpr float Tilt = -0.30f;        // tips the tops towards the viewer
constexpr float Yaw = 0.07f;          // alternate blocks turn a little left and right
constexpr int FirstStart = 6;         // key at which the first block sets off
constexpr int StartGap = 20;          // keys between two blocks
constexpr int FallKeys = 30;
constexpr int BounceKeys = 10;
constexpr int SettleKeys = 6;
constexpr float BounceHeight = 42.0f;
constexpr int WaveStart = 198;
constexpr int WaveGap = 5;
constexpr int HopKeys = 12;
constexpr float HopHeight = 34.0f;

struct Pose {
    float x = 0, y = 0, z = 0;
    float spinX = 0, spinY = 0;   // tumbling, on top of the resting turn
    float squash = 0;             // 0 = none; flattens the block towards its bottom
};

float RestX(int i) { return (i - (LogoBlockCount - 1) / 2.0f) * Pitch; }

float EaseOut(float t) { return 1 - (1 - t) * (1 - t); }

plat::Matrix PoseMatrix(int i, const Pose& p) {
    using namespace plat;
    float sz = 1 - p.squash, sxy = 1 + p.squash * 0.5f;
    Matrix m = MatrixScaling(sxy, sxy, sz);
    m = MatrixMultiply(m, MatrixTranslation(0, 0, -BlockHalfSize * p.squash));   // keep the bottom down
    m = MatrixMultiply(m, MatrixRotationX(p.spinX));
    m = MatrixMultiply(m, MatrixRotationY(p.spinY));
    m = MatrixMultiply(m, MatrixRotationZ(i % 2 ? -Yaw : Yaw));
    m = MatrixMultiply(m, MatrixRotationX(Tilt));
    return MatrixMultiply(m, MatrixTranslation(p.x, p.y, p.z));
}

Pose PoseAt(int i, int key) {
    Pose p;
    const float restX = RestX(i);
    // Out of sight above and behind, a little towards the middle.
    const float startX = restX * 0.55f, startY = -520.0f, startZ = 1050.0f;
    const float turns = 1.25f + 0.25f * (i % 3);
    const float side = (i % 2) ? 1.0f : -1.0f;
    int k = key - (FirstStart + i * StartGap);

    if (k <= 0) {
        p = {startX, startY, startZ, 2 * Pi * turns, side * Pi, 0};
    } else if (k < FallKeys) {
        float t = float(k) / FallKeys;
        float e = EaseOut(t);
        p.x = startX + (restX - startX) * e;
        p.y = startY * (1 - e);
        p.z = startZ * (1 - t * t);   // falls faster and faster
        p.spinX = 2 * Pi * turns * (1 - e);
        p.spinY = side * Pi * (1 - e) * (1 - e);
    } else {
        p.x = restX;
        int b = k - FallKeys;
        if (b < BounceKeys) {
            float u = float(b) / BounceKeys;
            p.z = BounceHeight * std::sin(Pi * u);
            p.squash = std::max(0.0f, 0.22f * (1 - u * 4));
        } else if (b < BounceKeys + SettleKeys) {
            float v = float(b - BounceKeys) / SettleKeys;
            p.squash = 0.10f * std::sin(Pi * v) * (1 - v);
        }
    }

    int w = key - (WaveStart + i * WaveGap);
    if (w > 0 && w < HopKeys) {
        float u = float(w) / HopKeys;
        p.z += HopHeight * std::sin(Pi * u);
        p.spinX += 0.12f * std::sin(2 * Pi * u);
    }
    return p;
}

}  // namespace

plat::Matrix RestPose(int index) { return PoseMatrix(index, Pose{RestX(index), 0, 0, 0, 0, 0}); }

std::vector<plat::Matrix> BlockKeys(int index, int count) {
    std::vector<plat::Matrix> keys;
    keys.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) keys.push_back(PoseMatrix(index, PoseAt(index, k)));
    return keys;
}

}  // namespace gen
