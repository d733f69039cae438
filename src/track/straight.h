#pragma once

#include "track/track_obj.h"

class StraightTrack;
class TurnOutItem;

// A straight piece of track between two ends (a STRAIGHT record). Its
// geometry is one straight segment between the solved end points.
class Straight : public CTrackObj {
public:
    Straight(const std::string& line, LayoutTables& tables, LayoutStream& in);
    ~Straight() override;

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override;
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    double lengthBetween(int endA, int endB) override;
    void buildDisplayLists(OutlineVertices& vertices) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;

    // The one segment after initDraw, or null.
    StraightTrack* segment() const;

    TurnOutItem* segments = nullptr;

private:
    void drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct);
};
