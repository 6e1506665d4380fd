// Matrix helpers: row-vector convention, multiply order, the camera and projection the intro uses.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/matrix.h"

namespace {

using plat::Matrix;
using plat::Vec3;

void ExpectVec(const Vec3& v, float x, float y, float z, float eps = 1e-4f) {
    EXPECT_NEAR(v.x, x, eps);
    EXPECT_NEAR(v.y, y, eps);
    EXPECT_NEAR(v.z, z, eps);
}

// Full projective transform with the divide, for checking where points land on screen.
void Project(const Vec3& p, const Matrix& m, float& x, float& y, float& z) {
    const float w = p.x * m.m[0][3] + p.y * m.m[1][3] + p.z * m.m[2][3] + m.m[3][3];
    const Vec3 t = plat::TransformPoint(p, m);
    x = t.x / w;
    y = t.y / w;
    z = t.z / w;
}

TEST(PlatformMatrix, MultiplyAppliesLeftOperandFirst) {
    const Matrix s = plat::MatrixScaling(2, 3, 4);
    const Matrix t = plat::MatrixTranslation(10, 20, 30);
    // Scale, then move.
    ExpectVec(plat::TransformPoint({1, 1, 1}, plat::MatrixMultiply(s, t)), 12, 23, 34);
    // Move, then scale.
    ExpectVec(plat::TransformPoint({1, 1, 1}, plat::MatrixMultiply(t, s)), 22, 63, 124);
    // Identity on either side changes nothing.
    const Matrix st = plat::MatrixMultiply(s, t);
    const Matrix again = plat::MatrixMultiply(plat::MatrixIdentity(), plat::MatrixMultiply(st, plat::MatrixIdentity()));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_FLOAT_EQ(again.m[i][j], st.m[i][j]);
}

TEST(PlatformMatrix, RotationsFollowTheLeftHandedRowVectorConvention) {
    const float q = float(M_PI / 2);
    ExpectVec(plat::TransformPoint({1, 0, 0}, plat::MatrixRotationZ(q)), 0, 1, 0);
    ExpectVec(plat::TransformPoint({0, 1, 0}, plat::MatrixRotationX(q)), 0, 0, 1);
    ExpectVec(plat::TransformPoint({0, 0, 1}, plat::MatrixRotationY(q)), 1, 0, 0);
    // A rotation and its opposite cancel.
    const Matrix both = plat::MatrixMultiply(plat::MatrixRotationY(0.7f), plat::MatrixRotationY(-0.7f));
    ExpectVec(plat::TransformPoint({3, -2, 5}, both), 3, -2, 5);
}

TEST(PlatformMatrix, LookAtPutsTheEyeAtTheOriginLookingDownPlusZ) {
    // The intro camera: 600 units in front of the model.
    const Matrix view = plat::MatrixLookAtLH({0, 0, -600}, {0, 0, 0}, {0, 1, 0});
    ExpectVec(plat::TransformPoint({0, 0, 0}, view), 0, 0, 600);
    ExpectVec(plat::TransformPoint({0, 0, -600}, view), 0, 0, 0);
    ExpectVec(plat::TransformPoint({5, 7, 0}, view), 5, 7, 600);

    // A camera off axis: the eye maps to the origin, the target onto +z at its distance,
    // and the up direction stays up.
    const Vec3 eye{100, 50, -200}, at{-20, 10, 40};
    const Matrix v2 = plat::MatrixLookAtLH(eye, at, {0, 1, 0});
    const float dist = std::sqrt(120.f * 120 + 40 * 40 + 240 * 240);
    ExpectVec(plat::TransformPoint(eye, v2), 0, 0, 0, 1e-3f);
    ExpectVec(plat::TransformPoint(at, v2), 0, 0, dist, 1e-3f);
    const Vec3 above = plat::TransformPoint({eye.x, eye.y + 10, eye.z}, v2);
    EXPECT_GT(above.y, 9.0f);
    EXPECT_NEAR(above.x, 0.0f, 1e-3f);
}

TEST(PlatformMatrix, PerspectiveMapsTheFrustumToUnitDepthAndEdges) {
    const float fov = 0.8f, aspect = 1.3333f, zn = 10.0f, zf = 5000.0f;
    const Matrix proj = plat::MatrixPerspectiveFovLH(fov, aspect, zn, zf);
    EXPECT_FLOAT_EQ(proj.m[2][3], 1.0f);
    EXPECT_FLOAT_EQ(proj.m[3][3], 0.0f);
    float x, y, z;
    Project({0, 0, zn}, proj, x, y, z);
    EXPECT_NEAR(z, 0.0f, 1e-5f);
    Project({0, 0, zf}, proj, x, y, z);
    EXPECT_NEAR(z, 1.0f, 1e-5f);
    // A point on the top edge of the field of view lands on y = 1; on the right edge, x = 1.
    const float d = 300.0f, half = d * std::tan(fov / 2);
    Project({0, half, d}, proj, x, y, z);
    EXPECT_NEAR(y, 1.0f, 1e-5f);
    Project({half * aspect, 0, d}, proj, x, y, z);
    EXPECT_NEAR(x, 1.0f, 1e-5f);
}

TEST(PlatformMatrix, ScalingMapsTheVirtualScreenOntoTheBackBuffer) {
    const Matrix s = plat::MatrixScaling(0.625f, 0.585f, 1.0f);
    ExpectVec(plat::TransformPoint({1280, 1024, 0}, s), 800, 599.04f, 0, 1e-3f);
}

}  // namespace
