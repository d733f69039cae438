#include "mesh/band.h"

#include <GL/gl.h>

#include <vector>

#include "mesh/gl_messages.h"
#include "mesh/tessellator.h"

namespace {

struct BandVertex {
    double x, y, z;
};

// Each path is one polygon with a single contour, closed by its first point
// once more, drawn facing up and then facing down.
void drawBandPolygons(const Band& band, int red, int green, int blue)
{
    glColor3ub(static_cast<GLubyte>(red), static_cast<GLubyte>(green), static_cast<GLubyte>(blue));
    PolygonTessellator tess;
    for (const ZPath& path : band.paths) {
        if (path.empty())
            continue;
        std::vector<BandVertex> points;
        points.reserve(path.size() + 1);
        for (const ZPoint& p : path)
            points.push_back({p.X / 1000.0, p.Y / 1000.0, p.Z / 1000.0});
        points.push_back(points.front());

        tess.beginPolygon(0, 0, 1);
        for (const BandVertex& v : points)
            tess.addVertex(v.x, v.y, v.z);
        tess.endPolygon();
        tess.beginPolygon(0, 0, -1);
        for (auto it = points.rbegin(); it != points.rend(); ++it)
            tess.addVertex(it->x, it->y, it->z);
        tess.endPolygon();
    }
}

} // namespace

void addBandPoint(Band& band, double x, double y, double z)
{
    if (band.paths.empty())
        band.paths.emplace_back();
    band.paths.front().push_back({toThousandths(x), toThousandths(y), toThousandths(z)});
}

void buildBandList(Band& band, int red, int green, int blue)
{
    if (!prepareDisplayList(band.list))
        return;
    glNewList(band.list, GL_COMPILE);
    drawBandPolygons(band, red, green, blue);
    glEndList();
}

void drawBand(const Band& band, int red, int green, int blue)
{
    drawBandPolygons(band, red, green, blue);
}

void callBandList(const Band& band)
{
    if (band.list != 0)
        glCallList(band.list);
}
