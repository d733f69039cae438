// The turntable pit in OpenGL immediate mode: a floor disc seen from both
// sides, the rim's top and underside, and the outer and pit walls. Faces are
// wound counter-clockwise as seen from the side they show.
#include <GL/gl.h>

#include <cmath>

#include "track/turntable.h"

namespace {

constexpr int kCircleSteps = 90;

double stepAngle(int i)
{
    return 2.0 * M_PI * i / kCircleSteps;
}

void drawDisc(double x, double y, double z, double r)
{
    glNormal3d(0, 0, 1);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(x, y, z);
    for (int i = 0; i <= kCircleSteps; ++i)
        glVertex3d(x + r * std::cos(stepAngle(i)), y + r * std::sin(stepAngle(i)), z);
    glEnd();
    glNormal3d(0, 0, -1);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(x, y, z);
    for (int i = kCircleSteps; i >= 0; --i)
        glVertex3d(x + r * std::cos(stepAngle(i)), y + r * std::sin(stepAngle(i)), z);
    glEnd();
}

// A flat ring between two radii at one height; up chooses the side it shows.
void drawRing(double x, double y, double z, double inner, double outer, bool up)
{
    glNormal3d(0, 0, up ? 1 : -1);
    const double first = up ? inner : outer;
    const double second = up ? outer : inner;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= kCircleSteps; ++i) {
        const double c = std::cos(stepAngle(i)), s = std::sin(stepAngle(i));
        glVertex3d(x + first * c, y + first * s, z);
        glVertex3d(x + second * c, y + second * s, z);
    }
    glEnd();
}

// A cylinder wall between two heights; outwards chooses the side it shows.
void drawWall(double x, double y, double r, double low, double high, bool outwards)
{
    const double first = outwards ? high : low;
    const double second = outwards ? low : high;
    const double sign = outwards ? 1.0 : -1.0;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= kCircleSteps; ++i) {
        const double c = std::cos(stepAngle(i)), s = std::sin(stepAngle(i));
        glNormal3d(sign * c, sign * s, 0);
        glVertex3d(x + r * c, y + r * s, first);
        glVertex3d(x + r * c, y + r * s, second);
    }
    glEnd();
}

} // namespace

void TurnTable::draw(int, CGL3DText&, Point3)
{
    const double floor = height - 1.05 * pitDepth;
    const double top = height - rimDepth;
    glColor3ub(180, 180, 180);
    drawDisc(originX, originY, floor, pitRadius);
    glColor3ub(170, 158, 149);
    drawRing(originX, originY, top, pitRadius, rimRadius, true);
    drawRing(originX, originY, floor, pitRadius, rimRadius, false);
    glColor3ub(152, 126, 103);
    drawWall(originX, originY, rimRadius, floor, top, true);
    drawWall(originX, originY, pitRadius, floor, top, false);
}

void TurnTable::drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices&)
{
    draw(flags, text, eye);
}
