#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

// A polygon point in thousandths of an inch with the index of its
// OutlineVertex (or, for drawing bands, a height in thousandths) beside it.
// Clipper's own points carry no third coordinate, so the index travels here.
struct ZPoint {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    std::int64_t Z = 0;
};

inline bool operator==(const ZPoint& a, const ZPoint& b)
{
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

using ZPath = std::vector<ZPoint>;
using ZPaths = std::vector<ZPath>;

// Inches to thousandths of an inch, truncated toward zero. A value beyond the
// 64-bit range is held at the range's end, and a value that is not a number
// at its top, so that the clipping rejects it as out of range instead of the
// conversion being undefined.
inline std::int64_t toThousandths(double inches)
{
    const double v = inches * 1000.0;
    constexpr double limit = 9.2e18;
    if (std::isnan(v) || v >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (v <= -limit)
        return -std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(v);
}
