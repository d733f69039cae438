#pragma once

#include <ostream>
#include <string>

#include "doc/layout_stream.h"
#include "drawing/primitive_list.h"
#include "drawing/xobj.h"

// A STRUCTURE record: a placed set of drawing primitives with a title drawn
// one inch above its origin.
class Structure : public CXObj {
public:
    Structure(const std::string& line, LayoutTables& tables, LayoutStream& in);

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
    int primitiveCount = 0;

protected:
    // Takes the next running number; the caller reads header and body.
    explicit Structure(LayoutTables& tables);

    // The primitives inside the placement, then the title.
    void drawPlaced(bool direct, CGL3DText& text);
};
