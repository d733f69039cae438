#pragma once

#include <array>

#include "mesh/placement.h"

// A 4x4 matrix of doubles in column-major order (entry m[4 * j + i] is row i
// of column j), the order in which OpenGL hands matrices over. The same type
// places the pieces of track items.
using Matrix4 = Placement;

using Vector4 = std::array<double, 4>;

// A matrix read back from OpenGL: each float widened, order kept.
Matrix4 matrixFromGL(const float gl[16]);

// The product M x (x, y, z, w); points pass w = 1, directions w = 0.
Vector4 transformPoint(const Matrix4& m, const Vector4& v);

// The adjugate divided by the determinant. A singular matrix (determinant 0)
// gives the adjugate itself, so the call never fails and never divides by 0.
Matrix4 invertMatrix(const Matrix4& m);
