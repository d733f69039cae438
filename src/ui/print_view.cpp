#include "ui/print_view.h"

#include <GL/gl.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
        // 24-bit colour without alpha, as the window's own surface.
        format.setInternalTextureFormat(GL_RGB8);
        QOpenGLFramebufferObject target(size, format);
        if (!target.isValid() || !target.bind())
            return QImage();

        // The window's scene, settings and camera, with every item drawn
        // directly: the window's display lists do not exist on this context.
        SceneRenderer print;
        print.copyViewOf(view.renderer());
        print.itemDrawing = ItemDrawing::Direct;
        if (!print.initializeGL())
            return QImage();
        // The axis letters of the print are a size larger than the window's.
        createFont(print.axisText, 14);
        print.setProjection(size.width(), size.height());
        print.paint();
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
