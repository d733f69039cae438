#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "doc/point3.h"

class CGL3DText;
class DescribeHost;

// A point of the plan, inches.
struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
};

// One drawing primitive of a structure, Bezier line or drawing, built from a
// body line of its container's record. Coordinates are local to the container.
class DrawItem {
public:
    explicit DrawItem(const std::string& line) : line(line) {}
    DrawItem(const DrawItem&) = delete;
    DrawItem& operator=(const DrawItem&) = delete;
    virtual ~DrawItem() = default;

    // A point line following a polygon; other kinds ignore it.
    virtual void addPoint(const std::string& pointLine) {}
    virtual void draw(CGL3DText& text) {}
    virtual void drawDirect(CGL3DText& text) {}
    // Shows the primitive's properties for container number `number`, with its
    // points moved by `offset`, through the host.
    virtual void describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                          DescribeHost& host)
    {
    }
    virtual void buildGeometry() {}
    virtual void writeVrml(std::ostream& out, double height, bool defined) {}
    virtual Point3 endPosition(int end) { return {}; }
    virtual void setEndHeight(int end, double z) {}
    virtual double length() { return 0.0; }
    virtual Point3 centre() { return {}; }
    // False for a kind that writes no VRML node and so defines no appearance.
    virtual bool writesVrml() const { return true; }

    std::string line;
    DrawItem* next = nullptr;
    int colour = 0;
    double width = 0.0;
    bool acceptsPoints = false;
    std::uint8_t red = 0, green = 0, blue = 0;

protected:
    // Sets `colour` and splits it into its channels.
    void setColour(int value);
    // Sets the OpenGL colour from the channels.
    void applyColour() const;
};
