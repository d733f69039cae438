#include "track/turntable.h"

#include <cmath>
#include <initializer_list>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"

TurnTable::TurnTable(const std::string& line, LayoutTables& tables, LayoutStream& in) : CTrackObj(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    readHeader(t);
    originX = parseDouble(tokenAt(t, 8));
    originY = parseDouble(tokenAt(t, 9));
    radius = parseDouble(tokenAt(t, 11));
    readBody(in, "TURNTABLE");
    computeDimensions();
}

// The pit reaches past the rails at the bridge ends; the rim is as wide as the
// embankment's slope. A negative radius describes the same turntable; one
// whose pit would be infinite is read as radius 0.
void TurnTable::computeDimensions()
{
    const ScaleProfile& p = tables->profile(scale);
    radius = std::fabs(radius);
    const double halfGauge = p.gauge() / 2;
    pitRadius = std::sqrt(radius * radius + halfGauge * halfGauge);
    if (!std::isfinite(pitRadius)) {
        tables->addMessage(L"Item %d: TurnTable radius out of range, taken as 0 ", number);
        radius = 0.0;
        pitRadius = std::fabs(halfGauge);
    }
    rimRadius = radius + (p.embankmentBottomWidth() - p.embankmentTopWidth());
    rimDepth = 0.9 * p.railHeight();
    pitDepth = p.embankmentHeight();
}

double TurnTable::lengthBetween(int, int)
{
    const double d = radius / 1000;
    return d > 0.001 ? d : 0.001;
}

void TurnTable::initDraw(OutlineVertices&)
{
    height = 0.0;
    for (int e : ends) {
        EndPoint& r = tables->endPoints[static_cast<std::size_t>(e)];
        height += r.position.z;
        r.onTurntable = true;
    }
    if (!ends.empty())
        height /= static_cast<double>(ends.size());
}

void TurnTable::fillRows(CDescribe& d) const
{
    const double f = d.centimetres ? 2.54 : 1.0;
    int top = d.addNumberRow(0, "Origin: X", originX * f);
    top = d.addNumberRow(top - 8, "Y", originY * f);
    top = d.addNumberRow(top - 8, "Z", height * f);
    top = d.addNumberRow(top, "Diameter", 2 * radius * f);
    top = d.addIntegerRow(top, "# End Pt", static_cast<int>(ends.size()));
    d.setTitle(itemTitle(number) + " TurnTable");
    d.addTextRow(top, "Layer", tables->layerNames[layer], 300);
}

void TurnTable::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    fillRows(dialog);
    dialog.show(host);
}

namespace {

// Rotates a planar offset counter-clockwise by the angle of (c, s).
void rotate(double& u, double& v, double c, double s)
{
    const double nu = u * c - v * s;
    v = u * s + v * c;
    u = nu;
}

void writeFace(std::ostream& out, std::initializer_list<int> points)
{
    for (int p : points)
        out << p << ' ';
    out << "-1\n";
}

} // namespace

// The pit as one face set: point 0 is the centre of the floor, then for every
// 4-degree step the rim foot, the rim top, the pit edge and the pit foot.
std::ostream& TurnTable::writeVrml(std::ostream& out, OutlineVertices&)
{
    const double floor = height - pitDepth;
    const double top = height - rimDepth;
    out << "\n#________________________________\n";
    out << "Transform { #TurnTable (T" << number << ") " << name << "\n";
    out << " translation " << originX << " 0 " << -originY << "\n children [\n";
    out << "  Shape {\n   appearance USE TURNTABLE\n   geometry IndexedFaceSet{\n    coord Coordinate {\n"
           "     point [\n";
    out << "      0 " << floor << " 0\n";
    const double step = 4.0 * M_PI / 180.0;
    const double c = std::cos(step), s = std::sin(step);
    double u = rimRadius, v = 0.0, p = pitRadius, q = 0.0;
    for (int k = 1; k <= 90; ++k) {
        rotate(u, v, c, s);
        rotate(p, q, c, s);
        out << "      " << u << ' ' << floor << ' ' << -v << '\n';
        out << "      " << u << ' ' << top << ' ' << -v << '\n';
        out << "      " << p << ' ' << top << ' ' << -q << '\n';
        out << "      " << p << ' ' << floor << ' ' << -q << '\n';
    }
    out << "     ]\n    }\n    coordIndex [\n";
    for (int k = 1; k <= 89; ++k) {
        const int b = 4 * k - 3;
        writeFace(out, {b, b + 4, b + 5, b + 1});
        writeFace(out, {b + 1, b + 5, b + 6, b + 2});
        writeFace(out, {b + 2, b + 6, b + 7, b + 3});
        writeFace(out, {b + 7, 0, b + 3});
        writeFace(out, {b, 0, b + 4});
    }
    writeFace(out, {357, 1, 2, 358});
    writeFace(out, {358, 2, 3, 359});
    writeFace(out, {359, 3, 4, 360});
    writeFace(out, {4, 0, 360});
    writeFace(out, {357, 0, 1});
    out << "    ]\n   }\n  }\n";
    out << " ]\n} # (T" << number << ")\n";
    return out;
}
