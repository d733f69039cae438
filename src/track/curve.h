#pragma once

#include <vector>

#include "track/track_obj.h"

class TurnOutItem;

// A circular arc of track between two ends (a CURVE record), running
// clockwise from the first end to the second; with a positive number of
// turns a helix climbing through whole turns around the same centre.
class Curve : public CTrackObj {
public:
    // Helices of more turns than this are refused as out of range.
    static constexpr int maxTurns = 100;

    Curve(const std::string& line, LayoutTables& tables, LayoutStream& in);
    ~Curve() override;

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override { return centrePoint; }
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    double lengthBetween(int endA, int endB) override;
    void buildDisplayLists(OutlineVertices& vertices) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;
    void readBodyLine(const std::string& line) override;

    bool isHelix() const { return turns >= 1; }

    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
    int turns = 0;
    std::vector<double> endAngles;
    TurnOutItem* segments = nullptr;

private:
    // Checks the record before any geometry is built; false (with a load
    // message) when there is nothing to build.
    bool canBuild(double sweepBetweenEnds);
    void drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct);
};

// The direction from a centre to a point in degrees clockwise from north,
// between -90 and 270.
double angleAround(double centreX, double centreY, const Point3& p);
