// Properties and VRML node of a polygon.
#include <algorithm>

#include "drawing/describe_rows.h"
#include "drawing/poly_line3.h"
#include "drawing/vrml_format.h"

void PolyLine3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                         DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    // Extents of no points are shown as 0.
    double left = 0, right = 0, top = 0, bottom = 0;
    if (!points.empty()) {
        left = right = points.front().x;
        top = bottom = points.front().y;
        for (const Point3& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
    }
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int row = filled ? dialog.setBaseOption(hasBase, baseHeight) : 0;
    row = dialog.addIntegerRow(row, "Point Count", static_cast<int>(points.size()));
    row = dialog.addNumberRow(row, "left", left * f);
    row = dialog.addNumberRow(row - 8, "top", top * f);
    row = dialog.addNumberRow(row - 8, "right", right * f);
    row = dialog.addNumberRow(row - 8, "bottom", bottom * f);
    if (!filled)
        row = dialog.addNumberRow(row, "Line width", width * f);
    row = dialog.addTextRow(row, "Layer", layerName, 300);
    dialog.setTitle(describeTitle(number, filled ? " Filled Polygon" : " Polygon"));
    std::vector<Point3> edited = points;
    dialog.addPointEdits(row, edited);
    if (!dialog.show(host))
        return;
    points = edited;
    if (filled) {
        hasBase = dialog.baseOption(baseHeight);
    }
    buildGeometry();
}

void PolyLine3::writeIndices(std::ostream& out) const
{
    const std::size_t n = points.size();
    out << "       ]\n      }\n      coordIndex [\n        ";
    for (std::size_t k = 0; k < n; ++k)
        out << k << " ";
    if (!filled && n > 0)
        out << " 0 ";
    out << "-1\n";
    if (!hasBase || n == 0)
        return;
    for (std::size_t j = 0; j + 1 < n; ++j)
        out << "        " << j << " " << j + 1 << " " << j + 1 + n << " " << j + n << " -1\n";
    out << "        " << n - 1 << " " << 0 << " " << n << " " << 2 * n - 1 << " -1\n";
}

void PolyLine3::writeVrml(std::ostream& out, double height, bool defined)
{
    out << "  Transform { # Line -- " << line << "\n"
        << "   translation 0 " << height << " 0\n   children [\n"
        << "    Shape{\n";
    vrml::colourAppearance(out, colour, red, green, blue, defined, 1.0f / 512.0f, true);
    if (filled)
        out << "     geometry IndexedFaceSet{\n      solid FALSE\n";
    else
        out << "     geometry IndexedLineSet{\n";
    out << "      coord Coordinate {\n       point [\n";
    for (const Point3& p : points) {
        out << "        ";
        vrml::point(out, p);
        out << "\n";
    }
    if (hasBase) {
        for (const Point3& p : points) {
            out << "        ";
            vrml::point(out, Point3{p.x, p.y, baseHeight});
            out << "\n";
        }
    }
    writeIndices(out);
    out << "      ]\n     }\n    }\n"
        << "  ]\n  }\n";
}
