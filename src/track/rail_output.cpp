#include "track/rail_output.h"

#include <iomanip>

#include <GL/gl.h>

#include "mesh/rail_mesh.h"

int detailLevel(double distance)
{
    if (!(distance < 600.0))
        return 3;
    if (distance < 0.0)
        return 0;
    return static_cast<int>(distance / 200.0);
}

namespace {

void drawTriangles(const std::vector<int>& indices)
{
    if (!indices.empty())
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}

} // namespace

void RailMesh::drawArrays(int level, bool byLayer) const
{
    const RailMesh& mesh = *this;
    if (mesh.railVertices.empty() || level < 0 || level > 2)
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    if (level < 2) {
        glVertexPointer(3, GL_DOUBLE, 0, mesh.railVertices.data());
        glNormalPointer(GL_DOUBLE, 0, mesh.railNormals.data());
        glColorPointer(3, GL_DOUBLE, 0, mesh.railColours.data());
        drawTriangles(mesh.railIndices[level]);
    }
    if (!mesh.embankmentVertices.empty()) {
        glVertexPointer(3, GL_DOUBLE, 0, mesh.embankmentVertices.data());
        glNormalPointer(GL_DOUBLE, 0, mesh.embankmentNormals.data());
        glColorPointer(3, GL_DOUBLE, 0,
                       byLayer ? mesh.embankmentLayerColours.data() : mesh.embankmentColours.data());
        drawTriangles(mesh.embankmentIndices[level]);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void RailMesh::drawHelixFrame() const
{
    const RailMesh& mesh = *this;
    if (mesh.helixFrameVertices.empty() || mesh.helixFrameIndices.empty())
        return;
    glColor4d(0.7, 0.7, 0.9, 1.0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, mesh.helixFrameVertices.data());
    drawTriangles(mesh.helixFrameIndices);
    glDisableClientState(GL_VERTEX_ARRAY);
}

std::ostream& writeShape(std::ostream& out, const std::string& appearance, const std::vector<double>& vertices,
                         const std::vector<int>& indices)
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
        out << "   " << std::setw(9) << vertices[i] << " " << std::setw(9) << vertices[i + 2] << " " << std::setw(9)
            << -vertices[i + 1];
    }
    out << "\n";
    out << "     ]\n    }\n    coordIndex [\n    ";
    counter = 0;
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        if (++counter > 4) {
            out << "\n    ";
            counter = 1;
        }
        out << " " << std::setw(4) << indices[i] << " " << std::setw(4) << indices[i + 1] << " " << std::setw(4)
            << indices[i + 2] << "   -1";
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
