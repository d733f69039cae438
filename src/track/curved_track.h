#pragma once

#include "track/turn_out_item.h"

// A circular arc, or a helix climbing through whole turns, running clockwise
// (by increasing angle) from start to end.
class CurvedTrack : public TurnOutItem {
public:
    // Most steps one piece builds; a longer sweep is a broken piece and gets
    // no meshes.
    static constexpr int maxSteps = 20000;

    CurvedTrack() = default;
    // Reads a "C" line: colour, width, radius, centre x y, start angle, sweep
    // (single precision). Throws ParseError on a missing or bad field.
    explicit CurvedTrack(const std::string& bodyLine);

    // The point of the circle at an angle in degrees, z = 0.
    Point3 pointAt(double angleDegrees) const;
    // The sweep the meshes follow: for an arc the sweep raised by 360 when
    // negative, for a helix the total sweep its owner set.
    double totalSweep() const;

    void buildMeshes(const Placement& placement, OutlineVertices& vertices, int colour) override;

    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
    double startAngle = 0.0;
    double sweep = 0.0;
    int turns = 0;
};
