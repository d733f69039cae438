#include "drawing/poly_line3.h"

#include <GL/gl.h>
#include <algorithm>

#include "doc/tokenizer.h"
#include "mesh/gl_messages.h"

PolyLine3::PolyLine3(const std::string& line) : DrawItem(line)
{
    filled = !line.empty() && line[0] == 'F';
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    setColour(parseInt(tokenAt(t, 1)));
    width = parseFloat(tokenAt(t, 2));
    acceptsPoints = true;
}

void PolyLine3::addPoint(const std::string& pointLine)
{
    const std::vector<std::string> t = LineTokenizer(pointLine).splitTokens(" \t");
    const Point3 p{parseFloat(tokenAt(t, 0)), parseFloat(tokenAt(t, 1)), parseFloat(tokenAt(t, 2))};
    points.push_back(p);
}

Point3 PolyLine3::centre()
{
    if (points.empty())
        return {};
    Point3 sum;
    for (const Point3& p : points) {
        sum.x += p.x;
        sum.y += p.y;
        sum.z += p.z;
    }
    const double n = static_cast<double>(points.size());
    return {sum.x / n, sum.y / n, sum.z / n};
}

void PolyLine3::lineLoop(const double* z) const
{
    glBegin(GL_LINE_STRIP);
    for (const Point3& p : points)
        glVertex3d(p.x, p.y, z ? *z : p.z);
    glVertex3d(points.front().x, points.front().y, z ? *z : points.front().z);
    glEnd();
}

void PolyLine3::drawPrismWalls() const
{
    const bool culling = glIsEnabled(GL_CULL_FACE);
    glDisable(GL_CULL_FACE);
    glBegin(GL_TRIANGLE_STRIP);
    for (const Point3& p : points) {
        glVertex3d(p.x, p.y, p.z);
        glVertex3d(p.x, p.y, baseHeight);
    }
    glVertex3d(points.front().x, points.front().y, points.front().z);
    glVertex3d(points.front().x, points.front().y, baseHeight);
    glEnd();
    glColor3ub(255 - red, 255 - green, 255 - blue);
    glBegin(GL_LINES);
    for (const Point3& p : points) {
        glVertex3d(p.x, p.y, p.z);
        glVertex3d(p.x, p.y, baseHeight);
    }
    glEnd();
    lineLoop(nullptr);
    lineLoop(&baseHeight);
    if (culling)
        glEnable(GL_CULL_FACE);
}

void PolyLine3::buildGeometry()
{
    band.paths.clear();
    if (points.empty())
        return;
    if (filled) {
        for (const Point3& p : points)
            addBandPoint(band, p.x, p.y, p.z);
        buildBandList(band, red, green, blue);
        if (!hasBase)
            return;
    }
    if (!prepareDisplayList(list))
        return;
    glNewList(list, GL_COMPILE);
    if (filled)
        drawPrismWalls();
    else
        lineLoop(nullptr);
    glEndList();
}

void PolyLine3::draw(CGL3DText&)
{
    applyColour();
    if (filled) {
        callBandList(band);
        if (hasBase && list != 0 && !points.empty())
            glCallList(list);
    } else if (list != 0 && !points.empty()) {
        glCallList(list);
    }
}

void PolyLine3::drawDirect(CGL3DText&)
{
    applyColour();
    if (points.empty())
        return;
    if (!filled) {
        lineLoop(nullptr);
        return;
    }
    drawBand(band, red, green, blue);
    if (hasBase)
        drawPrismWalls();
}
