#include "view/scene_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "doc/document.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"
#include "view/end_marker.h"
#include "view/matrix4.h"

SceneRenderer::~SceneRenderer()
{
    // The quadric is plain memory of GLU; it needs no context to go.
    if (quadric)
        gluDeleteQuadric(quadric);
}

bool SceneRenderer::initializeGL()
{
    while (glGetError() != GL_NO_ERROR) {
    }
    // The system font's bitmaps at list 1000 come first, before any list
    // names are handed out, so that no later list can take their names.
    buildSystemFontBitmaps(1000);
    glListBase(1000);

    glEnable(GL_LINE_SMOOTH);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_NORMALIZE);
    glClearColor(1, 1, 1, 1);
    glClearDepth(1);
    glShadeModel(GL_SMOOTH);

    if (!quadric)
        quadric = gluNewQuadric();
    createFont(labelText, 12);
    createFont(axisText, 12);
    const bool ok = glGetError() == GL_NO_ERROR && labelText.listBase != 0 && axisText.listBase != 0;
    while (glGetError() != GL_NO_ERROR) {
    }
    return ok;
}

void SceneRenderer::resize(int w, int h)
{
    aspect = h == 0 ? static_cast<double>(w) : static_cast<double>(w) / h;
    setProjection(w, h);
}

void SceneRenderer::setProjection(int w, int h)
{
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(35.0, aspect, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
}

void SceneRenderer::loadCamera()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixf(camera.placement.m.data());
    glMultMatrixf(camera.rotation.m.data());
}

void SceneRenderer::paint()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    loadCamera();
    float mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    camera.lastModelView = matrixFromGL(mv);
    drawAxes(axisText);
    drawScene(false);
    if (doc && doc->showBasePlane)
        drawBasePlane();
    glGetError();
}

Point3 SceneRenderer::eyePosition() const
{
    float mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    const Vector4 e = transformPoint(invertMatrix(matrixFromGL(mv)), {0, 0, 0, 1});
    return {e[0], e[1], e[2]};
}

bool SceneRenderer::layerVisible(int layer) const
{
    const auto it = doc->tables.layerVisible.find(layer);
    return it != doc->tables.layerVisible.end() && it->second;
}

void SceneRenderer::nameForPicking(CXBase* item)
{
    pickNames.push_back(item);
    glLoadName(static_cast<GLuint>(pickNames.size()));
}

void SceneRenderer::drawScene(bool picking)
{
    if (!doc)
        return;
    const Point3 eye = eyePosition();
    const int flags = drawFlags();
    const bool direct = itemDrawing == ItemDrawing::Direct;
    for (CTrackObj* t = doc->trackItems; t; t = t->nextTrack()) {
        if (!layerVisible(t->layer))
            continue;
        if (picking)
            nameForPicking(t);
        if (direct)
            t->drawDirect(flags, labelText, eye, doc->outlineVertices);
        else
            t->draw(flags, labelText, eye);
    }
    if (doc->drawStructures)
        for (CXObj* o = doc->otherItems; o; o = o->nextOther()) {
            if (!layerVisible(o->layer))
                continue;
            if (picking)
                nameForPicking(o);
            if (direct)
                o->drawDirect(drawTunnels != 0, labelText);
            else
                o->draw(drawTunnels != 0, labelText);
        }
    if (!picking)
        drawEndMarkers(eye);
}

void SceneRenderer::drawEndMarkers(const Point3& eye)
{
    glColor3d(1, 0, 0);
    const auto& items = doc->tables.itemsByNumber;
    auto itemOf = [&items](int number) -> CTrackObj* {
        const auto it = items.find(number);
        return it == items.end() ? nullptr : it->second;
    };
    for (const EndPoint& r : doc->tables.endPoints) {
        CTrackObj* a = itemOf(r.owner);
        CTrackObj* b = r.other > 0 ? itemOf(r.other) : a;
        if (!b)
            b = a;
        if ((a && layerVisible(a->layer)) || (b && layerVisible(b->layer)))
            drawEndMarker(r, drawGrades != 0, labelText, eye, useCentimetres);
    }
}

void SceneRenderer::drawAxes(const CGLText& text)
{
    const bool lighting = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    struct Axis {
        double x, y, z;
        double angle, rx, ry, rz;
        const char* letter;
    };
    static const Axis axes[3] = {
        {1, 0, 0, 90, 0, 1, 0, "x"}, {0, 1, 0, 90, -1, 0, 0, "y"}, {0, 0, 1, 0, 0, 0, 1, "z"}};
    for (const Axis& a : axes) {
        glColor3d(a.x, a.y, a.z);
        glBegin(GL_LINES);
        glVertex3d(0, 0, 0);
        glVertex3d(a.x, a.y, a.z);
        glEnd();
        glPushMatrix();
        glTranslated(a.x, a.y, a.z);
        if (a.angle != 0)
            glRotated(a.angle, a.rx, a.ry, a.rz);
        gluCylinder(quadric, 0.01, 0, 0.05, 12, 8);
        glRotated(180, 0, 1, 0);
        glColor3d(0.4 * a.x, 0.4 * a.y, 0.4 * a.z);
        gluCylinder(quadric, 0.01, 0, 0.001, 12, 1);
        glPopMatrix();
        glRasterPos3d(1.07 * a.x, 1.07 * a.y, 1.07 * a.z);
        text.drawText(a.letter);
    }
    if (lighting)
        glEnable(GL_LIGHTING);
}

void SceneRenderer::drawBasePlane()
{
    const auto& b = doc->tables.bounds;
    const unsigned c = doc->basePlaneColor;
    glPushMatrix();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTranslated(0, 0, doc->basePlaneLevel);
    glColor4d((c & 0xFF) / 256.0, (c & 0xFF00) / 65536.0, ((c >> 16) & 0xFF) / 256.0,
              doc->basePlaneOpacity / 100.0);
    const double corners[4][2] = {{b[0], b[1]}, {b[0], b[4]}, {b[3], b[4]}, {b[3], b[1]}};
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < 4; ++i)
        glVertex3d(corners[i][0], corners[i][1], 0);
    glEnd();
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 3; i >= 0; --i)
        glVertex3d(corners[i][0], corners[i][1], 0);
    glEnd();
    glDisable(GL_BLEND);
    glPopMatrix();
}

void SceneRenderer::copyViewOf(const SceneRenderer& other)
{
    doc = other.doc;
    camera.placement = other.camera.placement;
    camera.rotation = other.camera.rotation;
    aspect = other.aspect;
    nearPlane = other.nearPlane;
    farPlane = other.farPlane;
    drawTunnels = other.drawTunnels;
    drawGrades = other.drawGrades;
    colourByLayer = other.colourByLayer;
    useCentimetres = other.useCentimetres;
}

void SceneRenderer::fit()
{
    camera.fit(doc ? doc->tables.bounds : std::array<double, 6>{}, aspect);
}

void SceneRenderer::initialUpdate()
{
    fit();
    if (doc)
        doc->basePlaneLevel = doc->tables.bounds[2] - 0.2;
}
