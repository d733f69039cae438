#pragma once

#include <string>
#include <vector>

#include "drawing/draw_item.h"
#include "mesh/band.h"

// A polygon, outlined ("Y") or filled ("F"), whose points come from the point
// lines that follow it. A filled polygon with a base becomes a prism whose
// walls run from every point to the base height.
class PolyLine3 : public DrawItem {
public:
    explicit PolyLine3(const std::string& line);

    void addPoint(const std::string& pointLine) override;
    void draw(CGL3DText& text) override;
    void drawDirect(CGL3DText& text) override;
    void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                  DescribeHost& host) override;
    void buildGeometry() override;
    void writeVrml(std::ostream& out, double height, bool defined) override;
    // The mean of the points; the local origin when there are none.
    Point3 centre() override;

    std::vector<Point3> points;
    bool filled = false;
    Band band;
    double baseHeight = 0.0;
    bool hasBase = false;
    unsigned list = 0;

private:
    // The closed outline through the points at their own heights or at z.
    void lineLoop(const double* z) const;
    void drawPrismWalls() const;
    void writeIndices(std::ostream& out) const;
};
