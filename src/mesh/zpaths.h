#pragma once

#include <cstdint>
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
