#include "mesh/mesh_vrml.h"

#include <cmath>
#include <iomanip>
#include <vector>

#include "mesh/mesh_drawing.h"
#include "mesh/outline_mesh.h"

namespace {

// One coordinate in its 9-character field. VRML readers reject "nan" and
// "inf", so a value that is not finite is written as 0.
void writeField(std::ostream& out, double value)
{
    out << std::setw(9) << (std::isfinite(value) ? value : 0.0);
}

// A point (x, y, z) of the layout as the VRML point (x, z, -y).
void writePoint(std::ostream& out, double x, double y, double z)
{
    writeField(out, x);
    out << " ";
    writeField(out, z);
    out << " ";
    writeField(out, -y);
}

// The points of one shape as written: four to a line, numbered from 0, with
// the face index list (-1 closing every face).
struct ShapePoints {
    int lineCounter = 0;
    long count = 0;
    std::vector<long> indices;

    // Before each point the counter goes up; past 4 a new line begins.
    void beginPoint(std::ostream& out)
    {
        if (++lineCounter > 4) {
            out << "\n   ";
            lineCounter = 1;
        }
        indices.push_back(count++);
    }
    // A point outside the four-to-a-line rule (tunnel walls).
    void addIndex() { indices.push_back(count++); }
    void endFace() { indices.push_back(-1); }
    void writeIndices(std::ostream& out) const
    {
        for (long i : indices)
            out << i << " ";
    }
};

// Every path of the set as one face.
void writeOutlineFaces(std::ostream& out, const ZPaths& set, const OutlineVertices& vertices,
                       ShapePoints& points)
{
    static const OutlineVertex none;
    for (const ZPath& path : set) {
        for (const ZPoint& p : path) {
            const OutlineVertex* found = recordAt(p, vertices);
            const OutlineVertex& r = found ? *found : none;
            points.beginPoint(out);
            out << "   ";
            writePoint(out, r.x, r.y, r.z);
        }
        points.endFace();
    }
}

void writeOutlineShapeStart(std::ostream& out, const std::string& appearance)
{
    out << std::fixed << std::setprecision(4);
    out << "  Shape {\n   appearance USE " << appearance
        << "\n   geometry IndexedFaceSet{\n    solid FALSE\n    coord Coordinate {\n     point [\n   ";
}

void writeOutlineShapeEnd(std::ostream& out, const ShapePoints& points)
{
    out << "     ]\n    }\n    coordIndex [\n     ";
    points.writeIndices(out);
    out << "\n    ]\n   }\n  }\n";
}

} // namespace

void writeEmbankment(std::ostream& out, const std::string& appearance, const ZPaths& top,
                     const ZPaths& bottom, const OutlineVertices& vertices)
{
    writeOutlineShapeStart(out, appearance);
    ShapePoints points;
    writeOutlineFaces(out, top, vertices, points);
    writeOutlineFaces(out, bottom, vertices, points);
    out << "\n";
    writeOutlineShapeEnd(out, points);
}

void writeHidden(std::ostream& out, const OutlineMesh& mesh, const OutlineVertices& vertices)
{
    const double H = mesh.crossSection.size() > OutlineMesh::TunnelHeight
                         ? mesh.crossSection[OutlineMesh::TunnelHeight]
                         : 0;
    writeOutlineShapeStart(out, "HIDDEN");
    ShapePoints points;
    writeOutlineFaces(out, mesh.footprint, vertices, points);
    out << "\n";
    for (std::size_t i = 0; i + 1 < mesh.wallEdges.size(); i += 2) {
        const std::vector<double>& a = mesh.wallEdges[i];
        const std::vector<double>& b = mesh.wallEdges[i + 1];
        if (a.size() < 3 || b.size() < 3)
            continue;
        out << "      ";
        writePoint(out, a[0], a[1], a[2]);
        out << "   ";
        writePoint(out, a[0], a[1], a[2] - H);
        out << "   ";
        writePoint(out, b[0], b[1], b[2] - H);
        out << "   ";
        writePoint(out, b[0], b[1], b[2]);
        out << "\n";
        for (int k = 0; k < 4; ++k)
            points.addIndex();
        points.endFace();
    }
    writeOutlineShapeEnd(out, points);
}

void writeBandShape(std::ostream& out, const Band& band, int colour, int red, int green, int blue,
                    bool alreadyDefined)
{
    out << "  Shape{\n";
    if (alreadyDefined) {
        out << "     appearance USE C" << colour << "\n";
    } else {
        const float byte = 1.0f / 256;
        out << "     appearance DEF C" << colour << " Appearance{\n      material Material{\n";
        out << "     emissiveColor " << red * byte << " " << green * byte << " " << blue * byte << "\n";
        out << "     diffuseColor 0 0 0";
        out << "     transparency 0.0\n";
        out << "     ambientIntensity 0.0\n";
        out << "     shininess 0.0\n    }\n   }\n";
    }
    out << "   geometry IndexedFaceSet{\n    solid FALSE\n";
    out << "    coord Coordinate {\n     point [\n   ";
    ShapePoints points;
    for (const ZPath& path : band.paths) {
        for (const ZPoint& p : path) {
            points.beginPoint(out);
            out << "    ";
            writePoint(out, p.X / 1000.0, p.Y / 1000.0, p.Z / 1000.0);
        }
        points.endFace();
    }
    out << "\n";
    out << "     ]\n    }\n    coordIndex [\n      ";
    points.writeIndices(out);
    out << "\n     ]\n   }\n  }\n";
}
