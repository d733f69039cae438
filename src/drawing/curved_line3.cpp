#include "drawing/curved_line3.h"

#include <GL/gl.h>
#include <cmath>
#include <numbers>

#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/vrml_format.h"
#include "mesh/mesh_vrml.h"
#include "mesh/gl_messages.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

CurvedLine3::CurvedLine3(const std::string& line) : DrawItem(line)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    setColour(parseInt(tokenAt(t, 1)));
    width = parseFloat(tokenAt(t, 2));
    radius = std::fabs(parseFloat(tokenAt(t, 3)));
    middle = {parseFloat(tokenAt(t, 4)), parseFloat(tokenAt(t, 5))};
    startAngle = parseFloat(tokenAt(t, 7));
    sweep = parseFloat(tokenAt(t, 8));
    arcLength = extent() * kDegree * radius;
}

int CurvedLine3::segmentCount() const
{
    const double half = extent() / 2.0;
    // Far outside any drawing's range the count is capped so that a broken
    // sweep cannot ask for more points than memory holds.
    if (!(half >= 1.0))
        return 1;
    return half > 1.0e5 ? 100000 : static_cast<int>(half);
}

Point3 CurvedLine3::arcPoint(int i, int n, double r) const
{
    const double a = startAngle * kDegree + i * (extent() * kDegree) / n;
    const double z = startHeight + i * (endHeight - startHeight) / n;
    return {middle.x + r * std::sin(a), middle.y + r * std::cos(a), z};
}

std::vector<Point3> CurvedLine3::bandOutline() const
{
    const int n = segmentCount();
    Point3 d{startPoint.x - endPoint.x, startPoint.y - endPoint.y, startPoint.z - endPoint.z};
    const double l = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    // A closed circle's ends meet up to rounding: it has no chord to follow.
    if (l > 1e-9)
        d = {d.x / l, d.y / l, d.z / l};
    else
        d = {};
    d = {0.04 * d.x, 0.04 * d.y, 0.04 * d.z};
    const double outer = radius + width / 2;
    const double inner = radius - width / 2;

    std::vector<Point3> outline;
    std::vector<Point3> innerStack;
    for (int i = 0; i <= n; ++i) {
        Point3 o = arcPoint(i, n, outer);
        Point3 in = arcPoint(i, n, inner);
        const double s = i == 0 ? 1.0 : i == n ? -1.0 : 0.0;
        o = {o.x + s * d.x, o.y + s * d.y, o.z + s * d.z};
        in = {in.x + s * d.x, in.y + s * d.y, in.z + s * d.z};
        outline.push_back(o);
        innerStack.push_back(in);
    }
    outline.insert(outline.end(), innerStack.rbegin(), innerStack.rend());
    return outline;
}

void CurvedLine3::buildGeometry()
{
    const int n = segmentCount();
    const double a0 = startAngle * kDegree;
    const double s = extent() * kDegree;
    startPoint = {middle.x + radius * std::sin(a0), middle.y + radius * std::cos(a0), startHeight};
    endPoint = {middle.x + radius * std::sin(a0 + s), middle.y + radius * std::cos(a0 + s), endHeight};
    thick = width > 0.01;
    points.clear();
    band.paths.clear();
    if (thick) {
        for (const Point3& p : bandOutline())
            addBandPoint(band, p.x, p.y, p.z);
        buildBandList(band, red, green, blue);
        return;
    }
    for (int i = 0; i <= n; ++i)
        points.push_back(arcPoint(i, n, radius));
    compileLine();
}

void CurvedLine3::compileLine()
{
    if (!prepareDisplayList(list))
        return;
    glNewList(list, GL_COMPILE);
    glBegin(GL_LINE_STRIP);
    for (const Point3& p : points)
        glVertex3d(p.x, p.y, p.z);
    glEnd();
    glEndList();
}

void CurvedLine3::draw(CGL3DText&)
{
    applyColour();
    if (thick)
        callBandList(band);
    else if (list != 0)
        glCallList(list);
}

void CurvedLine3::drawDirect(CGL3DText&)
{
    applyColour();
    if (thick) {
        drawBand(band, red, green, blue);
        return;
    }
    glBegin(GL_LINE_STRIP);
    for (const Point3& p : points)
        glVertex3d(p.x, p.y, p.z);
    glEnd();
}

void CurvedLine3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                           DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    const bool fullCircle = sweep > 359.9999999999;
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = dialog.addNumberRow(0, "Center: X", (middle.x + offset.x) * f);
    top = dialog.addNumberRow(top - 8, "Y", (middle.y + offset.y) * f);
    top = dialog.addNumberRow(top, "Radius", radius * f);
    if (!fullCircle) {
        top = dialog.addNumberRow(top, "CCW angle", startAngle);
        top = dialog.addNumberRow(top, "CW angle", sweep);
    }
    top = dialog.addTextRow(top, "Layer", layerName, 300);
    top = dialog.addNumberRow(top, "Line width", width * f);
    dialog.setTitle(describeTitle(number, fullCircle ? " Circle" : " Curved Line"));
    dialog.pointOffset = offset;
    std::vector<Point3> ends{startPoint, endPoint};
    dialog.addPointEdits(top, ends);
    if (!dialog.show(host))
        return;
    startHeight = ends[0].z;
    endHeight = ends[1].z;
    buildGeometry();
}

void CurvedLine3::writeVrml(std::ostream& out, double height, bool defined)
{
    if (thick) {
        writeBandShape(out, band, colour, red, green, blue, defined);
        return;
    }
    out << "  Transform { # Line -- " << line << "\n";
    out << "   translation 0 " << height << " 0\n   children [\n";
    out << "    Shape{\n";
    vrml::colourAppearance(out, colour, red, green, blue, defined, 1.0f / 256.0f, true);
    out << "     geometry IndexedLineSet{\n"
        << "      coord Coordinate {\n       point [\n     ";
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (k > 0 && k % 4 == 0)
            out << "\n     ";
        out << "  ";
        vrml::point(out, points[k]);
    }
    out << "\n";
    out << "       ]\n      }\n      coordIndex [\n        ";
    for (std::size_t k = 0; k < points.size(); ++k)
        out << k << " ";
    out << "-1\n"
        << "      ]\n     }\n    }\n"
        << "   ]\n  }\n";
}
