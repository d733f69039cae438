#include "track/straight_track.h"

#include <cmath>

#include "doc/tokenizer.h"

Point3 leftNormal(const Point3& a, const Point3& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double planar = std::hypot(dx, dy);
    if (!(planar > 0.0))
        return {};
    return {-dy / planar, dx / planar, 0.0};
}

StraightTrack::StraightTrack(const std::string& bodyLine) : TurnOutItem(bodyLine)
{
    const std::vector<std::string> t = LineTokenizer(bodyLine).splitTokens(" \t");
    colour = parseInt(tokenAt(t, 1));
    width = parseFloat(tokenAt(t, 2));
    const Point3 from{parseFloat(tokenAt(t, 3)), parseFloat(tokenAt(t, 4)), 0.0};
    const Point3 to{parseFloat(tokenAt(t, 5)), parseFloat(tokenAt(t, 6)), 0.0};
    setEnds(from, to);
    length = std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y));
    grade = 0.0;
}

void StraightTrack::setEnds(const Point3& from, const Point3& to)
{
    start = from;
    end = to;
    startNormal = endNormal = leftNormal(from, to);
    middle = {(from.x + to.x) / 2.0, (from.y + to.y) / 2.0, (from.z + to.z) / 2.0};
}
