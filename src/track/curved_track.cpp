#include "track/curved_track.h"

#include <cmath>
#include <numbers>

#include "doc/tokenizer.h"

namespace {
constexpr double degrees = std::numbers::pi / 180.0;
}

CurvedTrack::CurvedTrack(const std::string& bodyLine) : TurnOutItem(bodyLine)
{
    const std::vector<std::string> t = LineTokenizer(bodyLine).splitTokens(" \t");
    colour = parseInt(tokenAt(t, 1));
    width = parseFloat(tokenAt(t, 2));
    radius = std::fabs(parseFloat(tokenAt(t, 3)));
    centreX = parseFloat(tokenAt(t, 4));
    centreY = parseFloat(tokenAt(t, 5));
    startAngle = parseFloat(tokenAt(t, 6));
    sweep = parseFloat(tokenAt(t, 7));
    const double s = sweep < 0.0 ? sweep + 360.0 : sweep;
    start = pointAt(startAngle);
    end = pointAt(startAngle + s);
    middle = pointAt(startAngle + s / 2.0);
    length = radius * s * degrees;
    grade = 0.0;
    turns = 0;
}

Point3 CurvedTrack::pointAt(double angleDegrees) const
{
    const double a = angleDegrees * degrees;
    return {centreX + radius * std::sin(a), centreY + radius * std::cos(a), 0.0};
}

double CurvedTrack::totalSweep() const
{
    if (turns == 0 && sweep < 0.0)
        return sweep + 360.0;
    return sweep;
}
