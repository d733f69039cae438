#pragma once

#include <array>
#include <deque>

struct GLUtesselator;

// One GLU polygon tessellator with the odd winding rule, drawing through
// glBegin / glVertex3dv / glEnd. Every vertex handed in is copied, and the
// vertices the tessellator makes where edges cross are allocated here too;
// all of them are freed after the tessellator object has been deleted.
// Errors are written to the standard error stream as "GL error: %s\n".
class PolygonTessellator {
public:
    PolygonTessellator();
    ~PolygonTessellator();
    PolygonTessellator(const PolygonTessellator&) = delete;
    PolygonTessellator& operator=(const PolygonTessellator&) = delete;

    // Begins a polygon of one contour with the given normal.
    void beginPolygon(double nx, double ny, double nz);
    void addVertex(double x, double y, double z);
    // Ends the contour and the polygon; the tessellated triangles are drawn.
    void endPolygon();

    // Keeps a new vertex alive until the tessellator is gone.
    double* keepVertex(double x, double y, double z);

private:
    GLUtesselator* tess_ = nullptr;
    std::deque<std::array<double, 3>> vertices_;
};
