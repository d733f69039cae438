#pragma once

// A point or direction of the layout in inches: x grows east, y north, z up.
struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline bool operator==(const Point3& a, const Point3& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
