#include "view/end_marker.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "drawing/gl_3d_text.h"

namespace {

// Places marker geometry relative to the end: `lat` across the track (along
// p), `back` behind the end (along -d) and `up` above the rail top. The three
// axes form a right-handed frame.
struct EndFrame {
    double x, y, z;
    double dx, dy; // d, the direction of the end
    double px, py; // p, across it

    void vertex(double lat, double back, double up) const
    {
        glVertex3d(x + lat * px - back * dx, y + lat * py - back * dy, z + up);
    }
};

struct Corner {
    double back, up;
};

// A bar along the lateral axis from lat0 to lat1 with a four-cornered
// section, its long faces as one quad strip wound to face outwards, and
// optionally its end faces.
void drawBar(const EndFrame& f, double lat0, double lat1, const Corner (&section)[4], bool cap0, bool cap1)
{
    double area = 0;
    for (int k = 0; k < 4; ++k) {
        const Corner& a = section[k];
        const Corner& b = section[(k + 1) % 4];
        area += a.back * b.up - b.back * a.up;
    }
    // With lat growing, a section traversed clockwise (back right, up up)
    // makes outward faces.
    const bool reverse = (area > 0) == (lat1 > lat0);
    Corner s[4];
    for (int k = 0; k < 4; ++k)
        s[k] = section[reverse ? 3 - k : k];
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k <= 4; ++k) {
        f.vertex(lat0, s[k % 4].back, s[k % 4].up);
        f.vertex(lat1, s[k % 4].back, s[k % 4].up);
    }
    glEnd();
    // s runs so that the strip faces outwards; the cap at lat1 takes it
    // reversed and the cap at lat0 as it is, which turns both caps outwards.
    if (cap1) {
        glBegin(GL_QUADS);
        for (int k = 3; k >= 0; --k)
            f.vertex(lat1, s[k].back, s[k].up);
        glEnd();
    }
    if (cap0) {
        glBegin(GL_QUADS);
        for (int k = 0; k < 4; ++k)
            f.vertex(lat0, s[k].back, s[k].up);
        glEnd();
    }
}

// The two rail end faces, from g/2 to g/2 + w on either side, rail top down
// to the rail foot, both facing along the end's direction.
void drawRailFaces(const EndFrame& f, const EndPoint& r)
{
    glColor4d(0.2, 0.2, 0.4, 1);
    const double g = r.gauge, w = r.railWidth, h = r.railHeight;
    const double spans[2][2] = {{g / 2, g / 2 + w}, {-(g / 2 + w), -g / 2}};
    for (const auto& span : spans) {
        glBegin(GL_POLYGON);
        f.vertex(span[0], 0, -h);
        f.vertex(span[1], 0, -h);
        f.vertex(span[1], 0, 0);
        f.vertex(span[0], 0, 0);
        glEnd();
    }
}

void drawJointCircle(const EndPoint& r)
{
    glColor4ub(0, 0, 255, 1);
    const double step = 2 * M_PI / 30;
    const double c = std::cos(step), s = std::sin(step);
    double u = 0.05, v = 0.0;
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < 30; ++i) {
        glVertex3d(r.position.x + u, r.position.y + v, r.position.z);
        const double nu = u * c - v * s;
        v = u * s + v * c;
        u = nu;
    }
    glEnd();
}

void drawEmbankmentFace(const EndFrame& f, const EndPoint& r)
{
    glColor4d(0.5, 0.5, 0.5, 1);
    const double T = r.halfTopWidth, U = r.halfBottomWidth;
    glBegin(GL_POLYGON);
    f.vertex(T, 0, -r.railHeight);
    f.vertex(-T, 0, -r.railHeight);
    f.vertex(-U, 0, -r.embankmentHeight);
    f.vertex(U, 0, -r.embankmentHeight);
    glEnd();
}

void drawBufferStop(const EndFrame& f, const EndPoint& r)
{
    const double g = r.gauge, w = r.railWidth;
    const Corner beam[4] = {{0.5 * g, 0.5 * g}, {0.7 * g, 0.5 * g}, {0.7 * g, 0.8 * g}, {0.5 * g, 0.8 * g}};
    glColor3d(0.95, 0.95, 0.95);
    drawBar(f, -0.4 * g, 0.4 * g, beam, false, false);
    glColor3d(1, 0, 0);
    drawBar(f, 0.4 * g, 0.9 * g, beam, false, true);
    drawBar(f, -0.4 * g, -0.9 * g, beam, false, true);
    // Struts: foot on the rail top from the end to 0.1 g behind it, head
    // under the beam from 0.5 g to 0.6 g behind.
    const Corner strut[4] = {{0, 0}, {0.1 * g, 0}, {0.6 * g, 0.5 * g}, {0.5 * g, 0.5 * g}};
    glColor3d(1, 0.6, 0);
    drawBar(f, g / 2, g / 2 + w, strut, true, true);
    drawBar(f, -g / 2, -(g / 2 + w), strut, true, true);
}

void drawLabel(const EndPoint& r, const CGL3DText& text, const Point3& eye, bool centimetres)
{
    const double ex = eye.x - r.position.x, ey = eye.y - r.position.y, ez = eye.z - r.position.z;
    if (std::sqrt(ex * ex + ey * ey + ez * ez) >= 100 || !endHasLabel(r))
        return;
    if (r.elevationGiven)
        glColor3d(1, 0, 0);
    else
        glColor3d(0, 1, 0);
    glPushMatrix();
    glTranslated(r.position.x, r.position.y, r.position.z + r.gauge);
    const double angle = r.angle;
    glRotated(angle < 180 ? angle - 90 : angle + 90, 0, 0, -1);
    text.drawText(0.5, heightLabel(r.position.z, centimetres));
    glPopMatrix();
}

} // namespace

bool endHasLabel(const EndPoint& r)
{
    return r.elevationGiven || !(r.neighbours.size() == 2 && r.neighbours[0].second < 1.0);
}

std::string heightLabel(double z, bool centimetres)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", centimetres ? z * 2.54 : z);
    return buffer;
}

void drawEndMarker(const EndPoint& r, bool labelsOn, const CGL3DText& text, const Point3& eye,
                   bool centimetres)
{
    const double a = r.angle * M_PI / 180.0;
    const EndFrame f{r.position.x, r.position.y, r.position.z, std::sin(a),
                     std::cos(a),  -std::cos(a), std::sin(a)};
    if (r.onTurntable) {
        if (r.other < 1)
            return;
        drawRailFaces(f, r);
    } else if (r.other >= 0) {
        drawJointCircle(r);
    } else {
        drawEmbankmentFace(f, r);
        drawRailFaces(f, r);
        drawBufferStop(f, r);
    }
    if (labelsOn)
        drawLabel(r, text, eye, centimetres);
}
