#include <GL/gl.h>

#include "mesh/rail_mesh.h"

namespace {

void drawTriangles(const std::vector<double>& vertices, const std::vector<double>& normals,
                   const std::vector<double>& colours, const std::vector<int>& indices)
{
    if (indices.empty() || vertices.empty())
        return;
    glVertexPointer(3, GL_DOUBLE, 0, vertices.data());
    glNormalPointer(GL_DOUBLE, 0, normals.data());
    glColorPointer(3, GL_DOUBLE, 0, colours.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}

} // namespace

void RailMesh::drawArrays(int level, bool byLayer) const
{
    if (railVertices.empty() || level < 0 || level > 2)
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    if (level <= 1)
        drawTriangles(railVertices, railNormals, railColours, railIndices[level]);
    drawTriangles(embankmentVertices, embankmentNormals, byLayer ? embankmentLayerColours : embankmentColours,
                  embankmentIndices[level]);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void RailMesh::drawHelixFrame() const
{
    if (helixFrameIndices.empty())
        return;
    glColor4d(0.7, 0.7, 0.9, 1.0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, helixFrameVertices.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(helixFrameIndices.size()), GL_UNSIGNED_INT,
                   helixFrameIndices.data());
    glDisableClientState(GL_VERTEX_ARRAY);
}
