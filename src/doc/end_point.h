#pragma once

#include <string>
#include <utility>
#include <vector>

#include "doc/point3.h"

struct ScaleProfile;

// One track end, built from a "T" (joined) or "E" (open) body line and shared
// by the two items of a connection once registered.
struct EndPoint {
    std::string line;
    int connection = -2;
    Point3 position;
    float angle = 0.0f;
    int owner = 0;
    int other = 0;
    std::vector<std::pair<int, double>> neighbours;
    bool elevationDefined = false;
    bool elevationGiven = false;
    bool onTurntable = false;
    double halfTopWidth = 19.0 / 25.4;
    double embankmentHeight = 9.0 / 25.4;
    double halfBottomWidth = 29.5 / 25.4;
    double railHeight = 2.0 / 25.4;
    double railWidth = 0.9 / 25.4;
    double gauge = 16.5 / 25.4;

    EndPoint() = default;
    // Reads an end line; throws ParseError when a field it needs is missing or
    // does not convert.
    explicit EndPoint(const std::string& endLine);

    void applyProfile(const ScaleProfile& profile);
};
