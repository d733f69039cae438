#include <GL/gl.h>
#include <GL/glu.h>

#include <QFont>
#include <QPainterPath>
#include <QRawFont>
#include <cmath>
#include <cstdio>
#include <deque>
#include <vector>

#include "view/gl_text.h"

namespace {

// Outlines are taken at this pixel size and scaled to an em of 1, so that
// curves are flattened finely whatever the nominal character height.
constexpr double outlineSize = 256.0;
constexpr double extrusion = 0.1;

struct Vertex2 {
    double x, y;
};
using Contour = std::vector<Vertex2>;

// Collects the tessellator's output as plain triangles (the edge-flag
// callback keeps it from making strips and fans).
struct TessResult {
    std::vector<Vertex2> triangles;
    std::deque<std::array<GLdouble, 3>> extra;
};

void GLAPIENTRY tessBegin(GLenum, void*) {}
void GLAPIENTRY tessEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY tessVertex(void* vertex, void* data)
{
    const GLdouble* v = static_cast<const GLdouble*>(vertex);
    static_cast<TessResult*>(data)->triangles.push_back({v[0], v[1]});
}
void GLAPIENTRY tessCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data)
{
    auto* result = static_cast<TessResult*>(data);
    result->extra.push_back({coords[0], coords[1], coords[2]});
    *out = result->extra.back().data();
}
void GLAPIENTRY tessError(GLenum error, void*)
{
    std::fprintf(stderr, "GL error: %s\n", reinterpret_cast<const char*>(gluErrorString(error)));
}

double signedArea(const Contour& c)
{
    double a = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Vertex2& p = c[i];
        const Vertex2& q = c[(i + 1) % c.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}

// The glyph's contours in em units, y up, without repeated closing points.
std::vector<Contour> glyphContours(const QRawFont& font, quint32 glyph)
{
    std::vector<Contour> contours;
    const QPainterPath path = font.pathForGlyph(glyph);
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        Contour c;
        for (const QPointF& p : poly) {
            const Vertex2 v{p.x() / outlineSize, -p.y() / outlineSize};
            if (c.empty() || c.back().x != v.x || c.back().y != v.y)
                c.push_back(v);
        }
        while (c.size() > 1 && c.front().x == c.back().x && c.front().y == c.back().y)
            c.pop_back();
        if (c.size() >= 3)
            contours.push_back(std::move(c));
    }
    return contours;
}

std::vector<Vertex2> tessellate(GLUtesselator* tess, const std::vector<Contour>& contours)
{
    TessResult result;
    std::deque<std::array<GLdouble, 3>> coords;
    gluTessBeginPolygon(tess, &result);
    for (const Contour& c : contours) {
        gluTessBeginContour(tess);
        for (const Vertex2& v : c) {
            coords.push_back({v.x, v.y, 0.0});
            gluTessVertex(tess, coords.back().data(), coords.back().data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    if (result.triangles.size() % 3)
        result.triangles.resize(result.triangles.size() / 3 * 3);
    return result.triangles;
}

// Front face at z = 0 facing +z, back face at z = -depth facing -z; each
// triangle is wound counter-clockwise as seen from its side.
void emitFaces(const std::vector<Vertex2>& tris)
{
    glBegin(GL_TRIANGLES);
    for (int side = 0; side < 2; ++side) {
        glNormal3d(0, 0, side ? -1 : 1);
        const double z = side ? -extrusion : 0.0;
        for (std::size_t i = 0; i + 2 < tris.size(); i += 3) {
            const Contour t{tris[i], tris[i + 1], tris[i + 2]};
            const bool ccw = signedArea(t) > 0;
            const bool keep = ccw != (side == 1);
            const Vertex2& b = keep ? t[1] : t[2];
            const Vertex2& c = keep ? t[2] : t[1];
            glVertex3d(t[0].x, t[0].y, z);
            glVertex3d(b.x, b.y, z);
            glVertex3d(c.x, c.y, z);
        }
    }
    glEnd();
}

// Side walls between the faces, facing out of the solid. The largest contour
// is an outer one and tells which way round the font winds its outers.
void emitWalls(const std::vector<Contour>& contours)
{
    double largest = 0;
    for (const Contour& c : contours)
        if (std::fabs(signedArea(c)) > std::fabs(largest))
            largest = signedArea(c);
    const bool outwardLeft = largest < 0;
    glBegin(GL_QUADS);
    for (const Contour& c : contours)
        for (std::size_t i = 0; i < c.size(); ++i) {
            Vertex2 a = c[i], b = c[(i + 1) % c.size()];
            if (!outwardLeft)
                std::swap(a, b);
            const double dx = b.x - a.x, dy = b.y - a.y;
            glNormal3d(-dy, dx, 0);
            glVertex3d(a.x, a.y, 0);
            glVertex3d(b.x, b.y, 0);
            glVertex3d(b.x, b.y, -extrusion);
            glVertex3d(a.x, a.y, -extrusion);
        }
    glEnd();
}

} // namespace

void createFont(CGL3DText& text, int height)
{
    text.listBase = glGenLists(256);
    QFont font("Arial");
    font.setPixelSize(height > 0 ? height : 12);
    font.setWeight(QFont::Normal);
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(outlineSize);
    if (text.listBase == 0)
        return;

    GLUtesselator* tess = gluNewTess();
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(tessBegin));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(tessEdgeFlag));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(tessVertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(tessCombine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(tessError));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);

    for (int code = 0; code < 255; ++code) {
        CGL3DText::GlyphMetrics& m = text.metrics[code];
        m = {};
        const char16_t ch = ansiToUnicode(static_cast<unsigned char>(code));
        std::vector<Contour> contours;
        if (ch >= 0x20 && raw.isValid()) {
            const QList<quint32> glyphs = raw.glyphIndexesForString(QString(QChar(ch)));
            const quint32 glyph = glyphs.isEmpty() ? 0 : glyphs.front();
            if (glyph != 0) {
                const QList<QPointF> advances = raw.advancesForGlyphIndexes(QList<quint32>{glyph});
                const QRectF box = raw.boundingRect(glyph);
                m.cellIncX =
                    static_cast<float>(advances.isEmpty() ? 0.0 : advances.front().x() / outlineSize);
                m.blackBoxX = static_cast<float>(box.width() / outlineSize);
                m.blackBoxY = static_cast<float>(box.height() / outlineSize);
                m.originX = static_cast<float>(box.left() / outlineSize);
                m.originY = static_cast<float>(-box.top() / outlineSize);
                contours = glyphContours(raw, glyph);
            }
        }
        glNewList(text.listBase + code, GL_COMPILE);
        if (!contours.empty()) {
            emitFaces(tessellate(tess, contours));
            emitWalls(contours);
        }
        glTranslated(m.cellIncX, 0, 0);
        glEndList();
    }
    text.metrics[255] = {};
    gluDeleteTess(tess);
}
