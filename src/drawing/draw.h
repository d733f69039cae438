#pragma once

#include <ostream>
#include <string>

#include "doc/layout_stream.h"
#include "drawing/primitive_list.h"
#include "drawing/xobj.h"

// A DRAW record: free lines, benchwork, arcs, polygons, circles and texts,
// placed 0.01 inch below the plane of its origin. Its properties are those of
// its newest primitive.
class Draw : public CXObj {
public:
    Draw(const std::string& line, LayoutTables& tables, LayoutStream& in);

    void describe(bool centimetres, DescribeHost& host) override;
    Point3 centre() override;
    void draw(bool flag, CGL3DText& text) override;
    void drawDirect(bool flag, CGL3DText& text) override;
    void buildGeometry() override;
    std::ostream& writeVrml(std::ostream& out) override;

    int sequence = 0;
    double originX = 0.0;
    double originY = 0.0;
    double angle = 0.0;
    PrimitiveList primitives;

private:
    void drawPlaced(bool direct, CGL3DText& text);
};
