#pragma once

#include <string>
#include <vector>

#include "drawing/draw_item.h"
#include "mesh/band.h"

// An arc or full circle drawn as a line ("A"); wider than 0.01 inch it is a
// filled band. Heights run linearly from the start to the end of the arc.
class CurvedLine3 : public DrawItem {
public:
    explicit CurvedLine3(const std::string& line);

    void draw(CGL3DText& text) override;
    void drawDirect(CGL3DText& text) override;
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    void buildGeometry() override;
    void writeVrml(std::ostream& out, double height, bool defined) override;
    Point3 endPosition(int end) override { return end == 0 ? startPoint : endPoint; }
    void setEndHeight(int end, double z) override { (end == 0 ? startHeight : endHeight) = z; }
    double length() override { return arcLength; }
    Point3 centre() override { return {middle.x, middle.y, 0.0}; }

    // The clockwise extent in degrees: a negative sweep counts from 360.
    double extent() const { return sweep < 0 ? sweep + 360.0 : sweep; }
    // Number of straight pieces: about one per 2 degrees, at least one.
    int segmentCount() const;
    // The band outline of a thick arc: outer points from start to end, then
    // the inner points back, both end pairs pushed 0.04 inch past the arc.
    std::vector<Point3> bandOutline() const;

    PlanPoint middle;
    double startHeight = 0.0;
    double endHeight = 0.0;
    Point3 startPoint;
    Point3 endPoint;
    double arcLength = 0.0;
    double radius = 0.0;
    double startAngle = 0.0;
    double sweep = 0.0;
    std::vector<Point3> points;
    Band band;
    unsigned list = 0;
    bool thick = false;

private:
    // Point i of n along the arc at the given radius.
    Point3 arcPoint(int i, int n, double r) const;
    void compileLine();
};
