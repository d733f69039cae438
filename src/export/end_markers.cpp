#include "export/end_markers.h"

#include <cmath>

#include "doc/end_point.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

const char* const RailShapeHead = "  Shape {\n   appearance USE RAIL \n   geometry IndexedFaceSet{\n"
                                  "    coord Coordinate {\n     point [\n";
const char* const ShapeTail = "    ]\n   }\n  }\n ]\n}\n";

// Writes points across the end of r: lateral offset L from its position along
// the unit vector across the track, at height h, in VRML axes.
class AcrossEnd {
public:
    explicit AcrossEnd(const EndPoint& r) : p_(r.position)
    {
        const double a = r.angle * Pi / 180.0;
        ux_ = -std::cos(a);
        uy_ = std::sin(a);
    }

    void put(std::ostream& out, double l, double h) const
    {
        out << p_.x + l * ux_ << " " << h << " " << -(p_.y + l * uy_);
    }

private:
    Point3 p_;
    double ux_;
    double uy_;
};

} // namespace

void writeEmbankmentEndFace(std::ostream& out, const EndPoint& r)
{
    const AcrossEnd at(r);
    const double top = r.position.z - r.railHeight;
    const double bottom = r.position.z - r.embankmentHeight;
    out << "Transform {children [\n";
    out << "  Shape {\n   appearance USE TRACK_END \n   geometry IndexedFaceSet{\n"
           "    coord Coordinate {\n     point [\n";
    out << "      ";
    at.put(out, r.halfTopWidth, top);
    out << " ";
    at.put(out, -r.halfTopWidth, top);
    out << " ";
    at.put(out, -r.halfBottomWidth, bottom);
    out << " ";
    at.put(out, r.halfBottomWidth, bottom);
    out << "\n     ]\n    }\n    coordIndex [\n";
    out << "     0 1 2 3 -1 -1\n";
    out << ShapeTail;
}

void writeRailEndFaces(std::ostream& out, const EndPoint& r, bool turnedInwards)
{
    const AcrossEnd at(r);
    const double g2 = r.gauge / 2;
    const double w = r.railWidth;
    const double z = r.position.z;
    const double low = z - r.railHeight;
    const double points[8][2] = {{g2, z},      {g2, low},      {g2 + w, low}, {g2 + w, z},
                                 {-g2 - w, z}, {-g2 - w, low}, {-g2, low},    {-g2, z}};
    out << "Transform {children [\n" << RailShapeHead << "      ";
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            out << " ";
        at.put(out, points[i][0], points[i][1]);
    }
    out << "\n     ]\n    }\n    coordIndex [\n";
    out << (turnedInwards ? "     0 3 2 1 -1 4 7 6 5 -1\n" : "     0 1 2 3 -1 4 5 6 7 -1\n");
    out << ShapeTail;
}

void writeBufferStop(std::ostream& out, const EndPoint& r)
{
    const double g = r.gauge;
    const double g2 = g / 2;
    const double w = r.railWidth;
    const double a = r.angle * Pi / 180.0;

    // The bumper beam, in a frame placed and turned at the end.
    out << "Transform {\n";
    out << "translation " << r.position.x << " " << r.position.z << " " << -r.position.y << "\n";
    out << " rotation 0 1 0 " << -a << "\n";
    out << " children [\n";
    out << "  Shape {\n   appearance Appearance{material Material{ emissiveColor 0.1 0.1 0.1 "
           "diffuseColor 1 0.2 0.2 transparency 0.0 }}\n";
    out << "   geometry Extrusion {\n";
    out << "   scale " << 0.2 * g << " " << 0.1 * g << "\n";
    out << "    spine [\n";
    out << "     " << -0.9 * g << " " << 0.65 * g << " " << 0.7 * g << "\n";
    out << "     " << 0.9 * g << " " << 0.65 * g << " " << 0.7 * g << "\n";
    out << "     ]\n";
    out << "   }\n";
    out << "  }\n";

    // The frame of the stop, in the same local frame: seven rows of four
    // points across both rails.
    const double rows[7][2] = {{0, 0},       {0, 0.1 * g},       {0.6 * g, 0.5 * g}, {0, 0.5 * g},
                               {0, 0.6 * g}, {0.7 * g, 0.6 * g}, {0.7 * g, 0.5 * g}};
    const double across[4] = {-g2 - w, -g2, g2, g2 + w};
    out << "Transform {children [\n" << RailShapeHead;
    for (const auto& row : rows) {
        out << "      ";
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                out << "  ";
            out << across[i] << " " << row[0] << " " << row[1];
        }
        out << "\n";
    }
    out << "\n     ]\n    }\n    coordIndex [\n";
    out << "     0 4 8 12 16 20 24 -1  1 25 21 17 13 9 5 -1 2 6 10 14 18 22 26 -1 3 27 23 19 15 11 7 -1\n";
    out << "     16 17 21 20 -1 18 19 23 22 -1 4 5 9 8 -1 6 7 11 10 -1 1 0 24 25 -1 3 2 26 27 -1";
    out << "     24 20 21 25 -1 26 22 23 27 -1 13 12 8 9 -1 15 14 10 11 -1\n";
    out << ShapeTail;
    out << " ]\n}\n";
}

void writeEndMarker(std::ostream& out, const EndPoint& r)
{
    if (r.other < 0 && !r.onTurntable) {
        writeEmbankmentEndFace(out, r);
        writeRailEndFaces(out, r, false);
        writeBufferStop(out, r);
    } else if (r.other > 0 && r.onTurntable) {
        writeRailEndFaces(out, r, true);
    }
}
