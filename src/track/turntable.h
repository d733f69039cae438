#pragma once

#include <ostream>
#include <string>

#include "doc/describe.h"
#include "doc/layout_stream.h"
#include "track/track_obj.h"

struct LayoutTables;

// A turntable: a circular pit with tracks ending at its rim. It has no rails
// and no outline; its height is the mean height of its ends, and it marks
// those ends so that the end markers treat them apart.
class TurnTable : public CTrackObj {
public:
    // Reads a TURNTABLE record: the common header, the origin (tokens 8, 9)
    // and the radius (token 11), then the end lines of the body.
    TurnTable(const std::string& line, LayoutTables& tables, LayoutStream& in);

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override { return {originX, originY, height}; }
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    double lengthBetween(int endA, int endB) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;

    // Fills the rows of the properties dialog in the dialog's unit (without
    // showing it).
    void fillRows(CDescribe& dialog) const;

    double originX = 0.0;
    double originY = 0.0;
    double height = 0.0;
    double radius = 0.0;
    double pitRadius = 0.0;
    double rimRadius = 0.0;
    double rimDepth = 0.0;
    double pitDepth = 0.0;

private:
    void computeDimensions();
};
