#include "mesh/mesh_drawing.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "mesh/outline_mesh.h"
#include "mesh/tessellator.h"

void tessellate(const ZPaths& set, const OutlineVertices& vertices)
{
    PolygonTessellator tess;
    std::vector<const OutlineVertex*> drawn;
    for (const ZPath& path : set) {
        drawn.clear();
        tess.beginPolygon(0, 0, 1);
        for (const ZPoint& p : path) {
            const OutlineVertex* v = recordAt(p, vertices);
            if (!v || std::abs(v->dz) < 0.01)
                continue;
            tess.addVertex(v->x, v->y, v->z);
            drawn.push_back(v);
        }
        tess.endPolygon();
        tess.beginPolygon(0, 0, -1);
        for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
            tess.addVertex((*it)->x, (*it)->y, (*it)->z);
        tess.endPolygon();
    }
}

void drawWalls(const ZPaths& set, const OutlineVertices& vertices, OutlineMesh& mesh)
{
    mesh.wallEdges.clear();
    const double H = mesh.crossSection.size() > OutlineMesh::TunnelHeight
                         ? mesh.crossSection[OutlineMesh::TunnelHeight]
                         : 0;
    glBegin(GL_QUADS);
    for (const ZPath& path : set) {
        for (std::size_t i = 0; i < path.size(); ++i) {
            const OutlineVertex* a = recordAt(path[i], vertices);
            const OutlineVertex* b = recordAt(path[(i + 1) % path.size()], vertices);
            if (!a || !b || !(a->dz < 0) || !(b->dz < 0))
                continue;
            glVertex3d(a->x, a->y, a->z - H);
            glVertex3d(b->x, b->y, b->z - H);
            glVertex3d(b->x, b->y, b->z);
            glVertex3d(a->x, a->y, a->z);

            glVertex3d(a->x, a->y, a->z);
            glVertex3d(b->x, b->y, b->z);
            glVertex3d(b->x, b->y, b->z - H);
            glVertex3d(a->x, a->y, a->z - H);
            mesh.wallEdges.push_back({a->x, a->y, a->z, a->w});
            mesh.wallEdges.push_back({b->x, b->y, b->z, b->w});
        }
    }
    glEnd();
}
