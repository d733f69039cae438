#pragma once

#include <string>

#include "drawing/draw_item.h"

// A text ("Z"), drawn at the container's origin, turned and sized by its font size.
class Text3 : public DrawItem {
public:
    explicit Text3(const std::string& line);

    void draw(CGL3DText& text) override;
    void drawDirect(CGL3DText& text) override { draw(text); }
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    void writeVrml(std::ostream& out, double height, bool defined) override;
    Point3 centre() override { return {position.x, position.y, 0.0}; }

    PlanPoint position;
    double angle = 0.0;
    double fontSize = 0.0;
    std::string text;
};
