#pragma once

#include <string>

#include "drawing/draw_item.h"

// A benchwork line ("B"): shown in the properties dialog, never drawn or exported.
class BenchWork3 : public DrawItem {
public:
    explicit BenchWork3(const std::string& line);

    void draw(CGL3DText& text) override { applyColour(); }
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    Point3 centre() override;
    bool writesVrml() const override { return false; }

    int option = 0;
    Point3 p1;
    Point3 p2;
};
