#pragma once

#include "track/turn_out_item.h"

// A straight piece between start and end.
class StraightTrack : public TurnOutItem {
public:
    StraightTrack() = default;
    // Reads an "S" line: colour, width, start x y, end x y (single precision).
    // Throws ParseError on a missing or bad field.
    explicit StraightTrack(const std::string& bodyLine);

    // Sets start and end, the normals (left of the direction, zero when the
    // ends coincide in plan) and the middle. Length and grade are not touched.
    void setEnds(const Point3& from, const Point3& to);

    void buildMeshes(const Placement& placement, OutlineVertices& vertices, int colour) override;

    Point3 startNormal;
    Point3 endNormal;
};

// (-dy, dx, 0) divided by the plan length of the way from a to b; (0, 0, 0)
// when a and b coincide in plan.
Point3 leftNormal(const Point3& a, const Point3& b);
