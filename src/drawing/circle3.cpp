#include "drawing/circle3.h"

#include <GL/gl.h>
#include <cmath>
#include <numbers>
#include <vector>

#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/vrml_format.h"

Circle3::Circle3(const std::string& line) : DrawItem(line)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    setColour(parseInt(tokenAt(t, 1)));
    width = parseFloat(tokenAt(t, 2));
    radius = parseFloat(tokenAt(t, 3));
    middle = {parseFloat(tokenAt(t, 4)), parseFloat(tokenAt(t, 5))};
}

void Circle3::draw(CGL3DText&)
{
    // The 90 rim points after (radius, 0), each turned on by 4 degrees.
    std::vector<PlanPoint> rim;
    const double step = 2 * std::numbers::pi / 90;
    PlanPoint p{radius, 0.0};
    for (int i = 0; i < 90; ++i) {
        p = {p.x * std::cos(step) - p.y * std::sin(step), p.y * std::cos(step) + p.x * std::sin(step)};
        rim.push_back(p);
    }
    glNormal3d(0, 0, 1);
    glPushMatrix();
    glTranslated(middle.x, middle.y, 0);
    glColor4ub(red, green, blue, 1);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2d(0, 0);
    glVertex2d(radius, 0);
    for (const PlanPoint& q : rim)
        glVertex2d(q.x, q.y);
    glEnd();
    glBegin(GL_TRIANGLE_FAN);
    glVertex2d(0, 0);
    for (auto q = rim.rbegin(); q != rim.rend(); ++q)
        glVertex2d(q->x, q->y);
    glVertex2d(radius, 0);
    glEnd();
    glPopMatrix();
}

void Circle3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                       DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = dialog.addNumberRow(0, "Center: X", (middle.x + offset.x) * f);
    top = dialog.addNumberRow(top - 8, "Y", (middle.y + offset.y) * f);
    top = dialog.addNumberRow(top, "Radius", radius * f);
    dialog.addTextRow(top, "Layer", layerName, 300);
    dialog.setTitle(describeTitle(number, " Filled Circle "));
    dialog.show(host);
}

void Circle3::writeVrml(std::ostream& out, double height, bool defined)
{
    out << "  Transform { # Filled Circle -- " << line << "\n"
        << "   translation " << middle.x << " " << height << " " << 0.0 - middle.y << "\n children [\n"
        << "    Shape{\n";
    vrml::colourAppearance(out, colour, red, green, blue, defined, 1.0f / 256.0f, true);
    out << "     geometry IndexedFaceSet{\n      solid FALSE\n"
        << "      coord Coordinate {\n       point [\n";
    const double turn = 0.13962634015954636;
    double x = radius, y = 0.0;
    for (int i = 0; i < 90; ++i) {
        const double nx = x * std::cos(turn) - y * std::sin(turn);
        y = y * std::cos(turn) + x * std::sin(turn);
        x = nx;
        for (int twice = 0; twice < 2; ++twice) {
            out << "        ";
            vrml::point(out, Point3{x, y, 0.0});
            out << "\n";
        }
    }
    out << "       ]\n      }\n      coordIndex [\n";
    for (int k = 1; k <= 89; ++k)
        out << k << " ";
    out << "      ]\n     }\n    }\n"
        << "   ]\n  }\n";
}
