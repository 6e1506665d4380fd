#pragma once
// 4x4 float matrices in the row-vector convention (v' = v * M), translation in row 3.
#include "platform/types.h"

namespace plat {

struct Matrix {
    float m[4][4] = {};
};

Matrix MatrixIdentity();
Matrix MatrixScaling(float sx, float sy, float sz);
Matrix MatrixTranslation(float tx, float ty, float tz);
Matrix MatrixRotationX(float radians);
Matrix MatrixRotationY(float radians);
Matrix MatrixRotationZ(float radians);
// a * b: applies a first, then b.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
// Left-handed perspective: camera looks along +z, depth mapped to 0..1.
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);
Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up);
// Transforms a point (w = 1) and returns x, y, z without the perspective divide.
Vec3 TransformPoint(const Vec3& p, const Matrix& m);

}  // namespace plat
