#pragma once

#include "mesh/placement.h"
#include "track/track_obj.h"

class TurnOutItem;

// A turnout, crossing or sectional track piece (a TURNOUT record): straight
// and curved segments in its own coordinates, placed by an origin and a
// clockwise rotation, with its ends in layout coordinates. Two ends make it
// sectional track.
class Turnout : public CTrackObj {
public:
    Turnout(const std::string& line, LayoutTables& tables, LayoutStream& in);
    ~Turnout() override;

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override { return centrePoint; }
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    double lengthBetween(int endA, int endB) override;
    void buildDisplayLists(OutlineVertices& vertices) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;
    void readBodyLine(const std::string& line) override;

    bool isSectional() const { return ends.size() == 2; }
    // Rotation clockwise by `rotation` degrees, then translation to the
    // origin, in single-precision entries as the graphics stack holds them.
    Placement placement() const;

    double originX = 0.0;
    double originY = 0.0;
    double rotation = 0.0;
    TurnOutItem* segments = nullptr;

private:
    void uniteSegmentOutlines(OutlineVertices& vertices);
    void drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct);
};

// The inverse of a placement made of a rotation about the vertical axis and
// a translation.
Placement invertPlacement(const Placement& p);
