#include <GL/gl.h>

#include <polyclipping/clipper.hpp>

#include "mesh/gl_messages.h"
#include "mesh/mesh_drawing.h"
#include "mesh/outline_mesh.h"
#include "track/track_obj.h"

namespace {

void setTunnelColour()
{
    glColor4d(0.7, 0.7, 0.9, 1.0);
}

void setBodyColour(const double (&layerColour)[3], bool byLayer)
{
    if (byLayer)
        glColor3dv(layerColour);
    else
        glColor4d(0.578, 0.551, 0.52, 1.0);
}

} // namespace

ZPaths OutlineMesh::wallOutline(OutlineVertices& vertices) const
{
    ZPaths walls = subtractPaths(footprint, clearance, vertices);
    for (const CTrackObj* linked : linkedItems)
        if (linked)
            walls = subtractPaths(walls, linked->outline.clearance, vertices);
    return walls;
}

namespace {

// The walls of the tunnel; a tunnel whose outline Clipper cannot take (a
// coordinate out of its range) gets no walls rather than stopping the drawing.
void drawTunnelWalls(OutlineMesh& mesh, OutlineVertices& vertices)
{
    ZPaths walls;
    try {
        walls = mesh.wallOutline(vertices);
    } catch (const ClipperLib::clipperException&) {
        walls.clear();
    }
    drawWalls(walls, vertices, mesh);
}

} // namespace

void OutlineMesh::buildLists(OutlineVertices& vertices, int colour)
{
    layerColour[0] = ((colour >> 16) & 255) / 255.0;
    layerColour[1] = ((colour >> 8) & 255) / 255.0;
    layerColour[2] = (colour & 255) / 255.0;
    if (!glContextCurrent())
        return;

    if (!prepareDisplayList(tunnelList))
        return;
    glNewList(tunnelList, GL_COMPILE);
    tessellate(footprint, vertices);
    drawTunnelWalls(*this, vertices);
    glEndList();

    bodyList = glGenLists(1);
    if (bodyList == 0) {
        showGlMessage(kNoDisplayListMessage);
        return;
    }
    glNewList(bodyList, GL_COMPILE);
    tessellate(embankmentTop, vertices);
    tessellate(embankmentBottom, vertices);
    glEndList();
}

void OutlineMesh::drawBody(bool byLayer) const
{
    setBodyColour(layerColour, byLayer);
    if (bodyList != 0)
        glCallList(bodyList);
}

void OutlineMesh::drawTunnel() const
{
    setTunnelColour();
    if (tunnelList != 0)
        glCallList(tunnelList);
}

void OutlineMesh::drawBodyDirect(OutlineVertices& vertices, bool byLayer) const
{
    setBodyColour(layerColour, byLayer);
    tessellate(embankmentTop, vertices);
    tessellate(embankmentBottom, vertices);
}

void OutlineMesh::drawTunnelDirect(OutlineVertices& vertices)
{
    setTunnelColour();
    tessellate(footprint, vertices);
    drawTunnelWalls(*this, vertices);
}
