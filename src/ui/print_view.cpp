#include "ui/print_view.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "doc/document.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"
#include "view/end_marker.h"
#include "view/scene_renderer.h"
#include "view/view.h"

QSize printBitmapSize(QSize client, QSize page, bool preview)
{
    if (preview)
        return client;
    const double r = client.width() > 0 && client.height() > 0
                         ? static_cast<double>(client.height()) / client.width()
                         : 1.0;
    long long width = page.width();
    long long height = std::llround(width * r);
    if (height > page.height()) {
        height = page.height();
        width = std::llround(height / r);
    }
    while (width * height > MaxPrintPixels) {
        width /= 2;
        height /= 2;
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QRect printDestination(QSize bitmap, QSize page)
{
    if (bitmap.isEmpty())
        return QRect();
    const double q = static_cast<double>(bitmap.height()) / bitmap.width();
    double width = page.width();
    double height = width * q;
    if (height > page.height()) {
        height = page.height();
        width = height / q;
    }
    const int w = static_cast<int>(std::lround(width));
    const int h = static_cast<int>(std::lround(height));
    return QRect((page.width() - w) / 2, (page.height() - h) / 2, w, h);
}

namespace {

bool layerShown(const CRavloViewerDoc& doc, int layer)
{
    const auto it = doc.tables.layerVisible.find(layer);
    return it != doc.tables.layerVisible.end() && it->second;
}

Point3 eyePosition()
{
    float mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    const Vector4 e = transformPoint(invertMatrix(matrixFromGL(mv)), {0, 0, 0, 1});
    return {e[0], e[1], e[2]};
}

// The scene as the window draws it, with every item drawn directly.
void drawSceneDirect(SceneRenderer& print)
{
    CRavloViewerDoc& doc = *print.doc;
    const Point3 eye = eyePosition();
    for (CTrackObj* t = doc.trackItems; t; t = t->nextTrack())
        if (layerShown(doc, t->layer))
            t->drawDirect(print.drawFlags(), print.labelText, eye, doc.outlineVertices);
    if (doc.drawStructures)
        for (CXObj* o = doc.otherItems; o; o = o->nextOther())
            if (layerShown(doc, o->layer))
                o->drawDirect(print.drawTunnels != 0, print.labelText);

    glColor3d(1, 0, 0);
    auto itemOf = [&doc](int number) -> CTrackObj* {
        const auto it = doc.tables.itemsByNumber.find(number);
        return it == doc.tables.itemsByNumber.end() ? nullptr : it->second;
    };
    for (const EndPoint& r : doc.tables.endPoints) {
        CTrackObj* a = itemOf(r.owner);
        CTrackObj* b = r.other > 0 ? itemOf(r.other) : a;
        if (!b)
            b = a;
        if ((a && layerShown(doc, a->layer)) || (b && layerShown(doc, b->layer)))
            drawEndMarker(r, print.drawGrades != 0, print.labelText, eye, print.useCentimetres);
    }
}

// Copies what the picture depends on from the window's renderer.
void copySettings(SceneRenderer& print, const SceneRenderer& window)
{
    print.doc = window.doc;
    print.camera.placement = window.camera.placement;
    print.camera.rotation = window.camera.rotation;
    print.aspect = window.aspect;
    print.nearPlane = window.nearPlane;
    print.farPlane = window.farPlane;
    print.drawTunnels = window.drawTunnels;
    print.drawGrades = window.drawGrades;
    print.colourByLayer = window.colourByLayer;
    print.useCentimetres = window.useCentimetres;
}

// Makes the print context current and puts the previous one back when done.
class PrintContext {
public:
    PrintContext()
    {
        previous = QOpenGLContext::currentContext();
        previousSurface = previous ? previous->surface() : nullptr;
        context.setFormat(CRavloViewerView::viewFormat());
        if (!context.create())
            return;
        surface.setFormat(context.format());
        surface.create();
        ready = surface.isValid() && context.makeCurrent(&surface) &&
                context.format().profile() != QSurfaceFormat::CoreProfile;
    }
    ~PrintContext()
    {
        if (previous && previousSurface)
            previous->makeCurrent(previousSurface);
        else if (QOpenGLContext::currentContext() == &context)
            context.doneCurrent();
    }
    bool ready = false;

private:
    QOpenGLContext* previous = nullptr;
    QSurface* previousSurface = nullptr;
    QOpenGLContext context;
    QOffscreenSurface surface;
};

} // namespace

QImage renderViewDirect(CRavloViewerView& view, QSize size)
{
    if (size.isEmpty() || !view.document())
        return QImage();
    PrintContext context;
    if (!context.ready)
        return QImage();

    // A picture larger than the context can hold is made at half the size
    // until it fits; it is stretched onto the same area all the same.
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    GLint maxViewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, maxViewport);
    const int limit = std::min<int>(maxSize, std::min(maxViewport[0], maxViewport[1]));
    while (limit > 0 && (size.width() > limit || size.height() > limit))
        size /= 2;
    if (size.isEmpty())
        return QImage();

    QImage picture;
    {
        QOpenGLFramebufferObjectFormat format;
        format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
        QOpenGLFramebufferObject target(size, format);
        if (!target.isValid() || !target.bind())
            return QImage();

        SceneRenderer print;
        copySettings(print, view.renderer());
        if (!print.initializeGL())
            return QImage();
        // The axis letters of the print are a size larger than the window's.
        createFont(print.axisText, 14);

        glViewport(0, 0, size.width(), size.height());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(35.0, print.aspect, print.nearPlane, print.farPlane);
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        glMultMatrixf(print.camera.placement.m.data());
        glMultMatrixf(print.camera.rotation.m.data());

        print.drawAxes(print.axisText);
        drawSceneDirect(print);
        if (print.doc->showBasePlane)
            print.drawBasePlane();
        glFinish();
        picture = target.toImage(false).convertToFormat(QImage::Format_RGB32);
        target.release();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    return picture;
}

namespace {

// White pixels let the page show through; the rest is drawn as it is.
QImage whiteAsTransparent(const QImage& picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                line[x] = 0;
    }
    return result;
}

} // namespace

void printView(CRavloViewerView& view, QPaintDevice& page, bool preview)
{
    const qreal ratio = view.devicePixelRatioF();
    const QSize client(static_cast<int>(view.width() * ratio), static_cast<int>(view.height() * ratio));
    const QSize pageSize(page.width(), page.height());
    const QImage picture = renderViewDirect(view, printBitmapSize(client, pageSize, preview));
    if (picture.isNull())
        return;
    const QRect destination = printDestination(picture.size(), pageSize);

    QPainter painter(&page);
    if (!painter.isActive())
        return;
    painter.drawRect(destination);
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(destination, picture);
    } else {
        // Printers and PDF files take no raster operations: leaving the white
        // out has the same effect on white paper.
        painter.drawImage(destination, whiteAsTransparent(picture));
    }
}
