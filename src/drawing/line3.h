#pragma once

#include <string>
#include <vector>

#include "drawing/draw_item.h"
#include "mesh/band.h"

// A straight line ("L") or table edge ("Q"); wider than 0.01 inch it is drawn
// as a filled band, otherwise as a single segment.
class Line3 : public DrawItem {
public:
    explicit Line3(const std::string& line);

    void draw(CGL3DText& text) override;
    void drawDirect(CGL3DText& text) override;
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    void buildGeometry() override;
    void writeVrml(std::ostream& out, double height, bool defined) override;
    Point3 endPosition(int end) override { return end == 0 ? p1 : p2; }
    void setEndHeight(int end, double z) override { (end == 0 ? p1 : p2).z = z; }
    double length() override;
    Point3 centre() override;

    // The corners of the band of a thick line, in drawing order; empty when
    // the line is shorter than 0.01 inch.
    std::vector<Point3> bandCorners() const;

    Band band;
    unsigned list = 0;
    bool thick = false;
    std::string letter;
    Point3 p1;
    Point3 p2;
};
