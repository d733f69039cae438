#pragma once

#include <cmath>

#include "doc/point3.h"

// Small vector helpers of the primitives' geometry.
inline double distance3(const Point3& a, const Point3& b)
{
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) + (b.z - a.z) * (b.z - a.z));
}

inline Point3 midpoint(const Point3& a, const Point3& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

inline Point3 offsetPoint(const Point3& p, const Point3& offset)
{
    return {p.x + offset.x, p.y + offset.y, p.z + offset.z};
}
