#pragma once

#include <string>

#include "doc/describe.h"
#include "doc/point3.h"

// Unit factor of the properties rows: lengths are shown in centimetres when chosen.
inline double unitFactor(bool centimetres)
{
    return centimetres ? 2.54 : 1.0;
}

// A point row showing (p + offset) times the unit factor.
inline int addScaledPointRow(CDescribe& dialog, int top, const std::string& label, const Point3& p,
                             const Point3& offset, double f)
{
    return dialog.addPointRow(top, label, (p.x + offset.x) * f, (p.y + offset.y) * f, (p.z + offset.z) * f);
}

// "T<number>" followed by the kind text, the title of a properties dialog.
std::string describeTitle(int number, const std::string& kind);
