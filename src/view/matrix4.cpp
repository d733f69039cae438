#include "view/matrix4.h"

Matrix4 matrixFromGL(const float gl[16])
{
    Matrix4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = static_cast<double>(gl[i]);
    return r;
}

Vector4 transformPoint(const Matrix4& m, const Vector4& v)
{
    Vector4 r{};
    for (int row = 0; row < 4; ++row)
        r[row] = m.m[row] * v[0] + m.m[4 + row] * v[1] + m.m[8 + row] * v[2] + m.m[12 + row] * v[3];
    return r;
}

namespace {

// The determinant of the 3x3 minor that leaves out row `skipRow` and column
// `skipCol` of m.
double minor3(const Matrix4& m, int skipRow, int skipCol)
{
    double a[3][3];
    int r = 0;
    for (int i = 0; i < 4; ++i) {
        if (i == skipRow)
            continue;
        int c = 0;
        for (int j = 0; j < 4; ++j) {
            if (j == skipCol)
                continue;
            a[r][c++] = m.m[4 * j + i];
        }
        ++r;
    }
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
           a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
}

} // namespace

Matrix4 invertMatrix(const Matrix4& m)
{
    // cofactor[i][j] = (-1)^(i+j) * minor(i, j); the inverse's entry (i, j)
    // is cofactor[j][i] / det.
    double cofactor[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            cofactor[i][j] = (((i + j) & 1) ? -1.0 : 1.0) * minor3(m, i, j);
    double det = 0.0;
    for (int j = 0; j < 4; ++j)
        det += m.m[4 * j] * cofactor[0][j];
    const double scale = det != 0.0 ? 1.0 / det : 1.0;
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[4 * j + i] = cofactor[j][i] * scale;
    return r;
}
