#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "doc/describe.h"
#include "doc/layout_stream.h"
#include "track/track_obj.h"

class StraightTrack;
class TurnOutItem;
struct LayoutTables;

// An easement between straight and curved track, shown as one straight piece
// from its first end to its second, with the embankment squared to the
// directions of the two ends.
class Joint : public CTrackObj {
public:
    // Reads a JOINT record: the common header, then the end lines of the body.
    Joint(const std::string& line, LayoutTables& tables, LayoutStream& in);
    ~Joint() override;

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override { return centrePoint; }
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    // The plan distance between the two ends, at least 0.001.
    double lengthBetween(int endA, int endB) override;
    void buildDisplayLists(OutlineVertices& vertices) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;

    // Fills the rows of the properties dialog in the dialog's unit.
    void fillRows(CDescribe& dialog) const;
    // The one piece, or null before initDraw (or when it could not be laid).
    StraightTrack* piece() const;

    // Owned pieces, newest first: none after reading, one after initDraw.
    TurnOutItem* segments = nullptr;

private:
    void buildPiece(OutlineVertices& vertices);
};

// Adds the rows "Pt 1:", "Pt 2:", ... with every end's position in the
// dialog's unit, from the given position on; returns the next position.
int addEndPointRows(CDescribe& dialog, const LayoutTables& tables, const std::vector<int>& ends, int top);

// Left-of-travel lateral vectors for the ends of a piece running from start to
// end, squared to the ends' directions (degrees clockwise from north).
void squaredNormals(const Point3& start, const Point3& end, double angleA, double angleB, Point3& startNormal,
                    Point3& endNormal);
