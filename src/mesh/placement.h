#pragma once

#include "doc/point3.h"

// A 4x4 matrix of doubles in column-major order (translation in elements 12
// to 14), placing points (w = 1) and directions (w = 0) of a track piece.
struct Placement {
    double m[16];

    Point3 placePoint(const Point3& p) const
    {
        return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
    }
    Point3 placeDirection(const Point3& d) const
    {
        return {m[0] * d.x + m[4] * d.y + m[8] * d.z, m[1] * d.x + m[5] * d.y + m[9] * d.z,
                m[2] * d.x + m[6] * d.y + m[10] * d.z};
    }
};

// A matrix with the value on the diagonal and 0 elsewhere.
inline Placement identityPlacement(double diagonal = 1.0)
{
    Placement p{};
    for (double& v : p.m)
        v = 0.0;
    p.m[0] = p.m[5] = p.m[10] = p.m[15] = diagonal;
    return p;
}
