#include "drawing/line3.h"

#include <GL/gl.h>

#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/line_geometry.h"
#include "drawing/vrml_format.h"
#include "mesh/mesh_vrml.h"
#include "mesh/gl_messages.h"

Line3::Line3(const std::string& line) : DrawItem(line)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    letter = tokenAt(t, 0);
    setColour(parseInt(tokenAt(t, 1)));
    width = parseFloat(tokenAt(t, 2));
    p1 = {parseFloat(tokenAt(t, 3)), parseFloat(tokenAt(t, 4)), 0.0};
    p2 = {parseFloat(tokenAt(t, 6)), parseFloat(tokenAt(t, 7)), 0.0};
}

double Line3::length()
{
    return std::sqrt((p2.x - p1.x) * (p2.x - p1.x) + (p2.y - p1.y) * (p2.y - p1.y));
}

Point3 Line3::centre()
{
    return midpoint(p1, p2);
}

std::vector<Point3> Line3::bandCorners() const
{
    const double l = distance3(p1, p2);
    if (l < 0.01)
        return {};
    const double m = width / 2;
    const Point3 n{-(p2.y - p1.y) / l, (p2.x - p1.x) / l, 0.0};
    return {{p1.x + m * n.x, p1.y + m * n.y, p1.z},
            {p2.x + m * n.x, p2.y + m * n.y, p2.z},
            {p2.x - m * n.x, p2.y - m * n.y, p2.z},
            {p1.x - m * n.x, p1.y - m * n.y, p1.z}};
}

void Line3::buildGeometry()
{
    thick = width > 0.01;
    if (thick) {
        const std::vector<Point3> corners = bandCorners();
        if (corners.empty()) {
            // Too short to have a direction: the line shows nothing.
            thick = false;
            return;
        }
        band.paths.clear();
        for (const Point3& c : corners)
            addBandPoint(band, c.x, c.y, c.z);
        buildBandList(band, red, green, blue);
        return;
    }
    if (!prepareDisplayList(list))
        return;
    glNewList(list, GL_COMPILE);
    glBegin(GL_LINES);
    glVertex3d(p1.x, p1.y, p1.z);
    glVertex3d(p2.x, p2.y, p2.z);
    glEnd();
    glEndList();
}

void Line3::draw(CGL3DText&)
{
    applyColour();
    if (thick)
        callBandList(band);
    else if (list != 0)
        glCallList(list);
}

void Line3::drawDirect(CGL3DText&)
{
    applyColour();
    if (thick) {
        drawBand(band, red, green, blue);
        return;
    }
    // A wide line too short to have a direction shows nothing.
    if (width > 0.01)
        return;
    glBegin(GL_LINES);
    glVertex3d(p1.x, p1.y, p1.z);
    glVertex3d(p2.x, p2.y, p2.z);
    glEnd();
}

void Line3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                     DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = addScaledPointRow(dialog, 0, "Pt 1:", p1, offset, f);
    top = addScaledPointRow(dialog, top, "Pt 2:", p2, offset, f);
    top = dialog.addNumberRow(top, "Length", distance3(p1, p2) * f);
    top = dialog.addNumberRow(top, "Line width", width * f);
    top = dialog.addTextRow(top, "Layer", layerName, 300);
    dialog.setTitle(describeTitle(number, letter.rfind("Q", 0) == 0 ? " Table Edge" : " Straight Line"));
    dialog.pointOffset = offset;
    std::vector<Point3> points{p1, p2};
    dialog.addPointEdits(top, points);
    if (!dialog.show(host))
        return;
    p1 = points[0];
    p2 = points[1];
    buildGeometry();
}

void Line3::writeVrml(std::ostream& out, double height, bool defined)
{
    if (thick) {
        writeBandShape(out, band, colour, red, green, blue, defined);
        return;
    }
    out << "  Transform { # Line -- " << line << "\n";
    out << "   translation 0 " << height << " 0\n   children [\n";
    out << "    Shape{\n";
    vrml::colourAppearance(out, colour, red, green, blue, defined, 1.0f / 256.0f, false);
    out << "     geometry IndexedLineSet{\n"
        << "      coord Coordinate {\n       point [\n";
    for (const Point3& p : {p1, p2}) {
        out << "        ";
        vrml::point(out, p);
        out << "\n";
    }
    out << "       ]\n      }\n      coordIndex [\n"
        << "       0 1 -1\n"
        << "      ]\n     }\n    }\n"
        << "   ]\n  }\n";
}
