#pragma once

#include "mesh/outline_vertex.h"
#include "mesh/zpaths.h"

class OutlineMesh;

// Fills every path of an outline set through the GLU tessellator, once facing
// up and once facing down. Points whose record has |dz| below 0.01 are left
// out (an embankment no deeper than the rail foot draws nothing).
void tessellate(const ZPaths& set, const OutlineVertices& vertices);

// Draws a tunnel wall, both faces, from every edge of the set whose two ends
// are roof vertices (dz < 0) down by the mesh's tunnel height, and records
// those edges, two points each, in the mesh's wallEdges (emptied first).
void drawWalls(const ZPaths& set, const OutlineVertices& vertices, OutlineMesh& mesh);

// The record a polygon point refers to, or nullptr for an index outside the
// table.
inline const OutlineVertex* recordAt(const ZPoint& p, const OutlineVertices& vertices)
{
    if (p.Z < 0 || static_cast<std::size_t>(p.Z) >= vertices.size())
        return nullptr;
    return &vertices[static_cast<std::size_t>(p.Z)];
}
