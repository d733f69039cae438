#include "mesh/tessellator.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

namespace {

using TessCallback = void (*)();

void beginCallback(GLenum mode)
{
    glBegin(mode);
}

void vertexCallback(void* data)
{
    glVertex3dv(static_cast<const GLdouble*>(data));
}

void endCallback()
{
    glEnd();
}

// Only the position is interpolated for a vertex made where edges cross.
void combineCallback(GLdouble coords[3], void* /*vertexData*/[4], GLfloat /*weight*/[4], void** outData,
                     void* polygonData)
{
    auto* self = static_cast<PolygonTessellator*>(polygonData);
    *outData = self->keepVertex(coords[0], coords[1], coords[2]);
}

void errorCallback(GLenum code)
{
    std::fprintf(stderr, "GL error: %s\n", reinterpret_cast<const char*>(gluErrorString(code)));
}

} // namespace

PolygonTessellator::PolygonTessellator() : tess_(gluNewTess())
{
    if (!tess_)
        return;
    gluTessCallback(tess_, GLU_TESS_BEGIN, reinterpret_cast<TessCallback>(beginCallback));
    gluTessCallback(tess_, GLU_TESS_VERTEX, reinterpret_cast<TessCallback>(vertexCallback));
    gluTessCallback(tess_, GLU_TESS_END, reinterpret_cast<TessCallback>(endCallback));
    gluTessCallback(tess_, GLU_TESS_COMBINE_DATA, reinterpret_cast<TessCallback>(combineCallback));
    gluTessCallback(tess_, GLU_TESS_ERROR, reinterpret_cast<TessCallback>(errorCallback));
    gluTessProperty(tess_, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessProperty(tess_, GLU_TESS_BOUNDARY_ONLY, GL_FALSE);
}

PolygonTessellator::~PolygonTessellator()
{
    if (tess_)
        gluDeleteTess(tess_);
    vertices_.clear();
}

void PolygonTessellator::beginPolygon(double nx, double ny, double nz)
{
    if (!tess_)
        return;
    gluTessNormal(tess_, nx, ny, nz);
    gluTessBeginPolygon(tess_, this);
    gluTessBeginContour(tess_);
}

void PolygonTessellator::addVertex(double x, double y, double z)
{
    if (!tess_)
        return;
    double* v = keepVertex(x, y, z);
    gluTessVertex(tess_, v, v);
}

void PolygonTessellator::endPolygon()
{
    if (!tess_)
        return;
    gluTessEndContour(tess_);
    gluTessEndPolygon(tess_);
}

double* PolygonTessellator::keepVertex(double x, double y, double z)
{
    vertices_.push_back({x, y, z});
    return vertices_.back().data();
}
