#include "track/rail_output.h"

#include <iomanip>

#include "mesh/rail_mesh.h"

int detailLevel(double distance)
{
    if (!(distance < 600.0))
        return 3;
    if (distance < 0.0)
        return 0;
    return static_cast<int>(distance / 200.0);
}

std::ostream& writeShape(std::ostream& out, const std::string& appearance,
                         const std::vector<double>& vertices, const std::vector<int>& indices)
{
    out << std::fixed << std::setprecision(4);
    out << "  Shape {\n   appearance USE " << appearance
        << "\n   geometry IndexedFaceSet{\n    coord Coordinate {\n     point [\n   ";
    int counter = 0;
    for (std::size_t i = 0; i + 2 < vertices.size(); i += 3) {
        if (++counter > 4) {
            out << "\n   ";
            counter = 1;
        }
        out << "   " << std::setw(9) << vertices[i] << " " << std::setw(9) << vertices[i + 2] << " "
            << std::setw(9) << -vertices[i + 1];
    }
    out << "\n";
    out << "     ]\n    }\n    coordIndex [\n    ";
    counter = 0;
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        if (++counter > 4) {
            out << "\n    ";
            counter = 1;
        }
        out << " " << std::setw(4) << indices[i] << " " << std::setw(4) << indices[i + 1] << " "
            << std::setw(4) << indices[i + 2] << "   -1";
    }
    out << "\n";
    out << "    ]\n   }\n  }\n";
    return out;
}

std::ostream& writeVrmlShapes(std::ostream& out, const RailMesh& mesh, int level)
{
    if (level < 0 || level > 2)
        return out;
    writeShape(out, "RAIL", mesh.railVertices, mesh.railIndices[level]);
    return writeShape(out, "TRACK_EMBANKMENT", mesh.embankmentVertices, mesh.embankmentIndices[level]);
}

std::ostream& writeHelixFrame(std::ostream& out, const RailMesh& mesh)
{
    return writeShape(out, "HIDDEN", mesh.helixFrameVertices, mesh.helixFrameIndices);
}
