#pragma once

#include <string>

#include "drawing/draw_item.h"

// A filled disc ("G") lying flat at the container's height.
class Circle3 : public DrawItem {
public:
    explicit Circle3(const std::string& line);

    void draw(CGL3DText& text) override;
    void drawDirect(CGL3DText& text) override { draw(text); }
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    void writeVrml(std::ostream& out, double height, bool defined) override;
    Point3 centre() override { return {middle.x, middle.y, 0.0}; }

    PlanPoint middle;
    double radius = 0.0;
};
