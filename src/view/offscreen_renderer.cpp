#include "view/offscreen_renderer.h"

#include <GL/gl.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include "doc/document.h"
#include "view/view.h"

OffscreenRenderer::OffscreenRenderer()
{
    const QSurfaceFormat format = CRavloViewerView::viewFormat();
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(format);
    if (!context->create())
        return;
    surface = std::make_unique<QOffscreenSurface>();
    surface->setFormat(context->format());
    surface->create();
    if (!surface->isValid() || !context->makeCurrent(surface.get()))
        return;
    if (context->format().profile() == QSurfaceFormat::CoreProfile ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects())
        return;
    bindTarget(64, 64);
    usable = target && target->isValid() && scene.initializeGL();
}

OffscreenRenderer::~OffscreenRenderer()
{
    if (context && surface && surface->isValid()) {
        context->makeCurrent(surface.get());
        target.reset();
        context->doneCurrent();
    }
}

void OffscreenRenderer::makeCurrent()
{
    if (context && surface)
        context->makeCurrent(surface.get());
}

void OffscreenRenderer::bindTarget(int w, int h)
{
    if (!target || target->width() != w || target->height() != h) {
        target.reset();
        QOpenGLFramebufferObjectFormat f;
        f.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
        // No alpha, like the window: blended colours are then read back as
        // they are, not divided by a destination alpha.
        f.setInternalTextureFormat(GL_RGB8);
        target = std::make_unique<QOpenGLFramebufferObject>(w, h, f);
    }
    target->bind();
}

bool OffscreenRenderer::openLayout(CRavloViewerDoc& doc, const std::string& path, int w, int h)
{
    makeCurrent();
    scene.doc = &doc;
    if (!doc.onOpenDocument(path))
        return false;
    bindTarget(w, h);
    scene.resize(w, h);
    scene.initialUpdate();
    return true;
}

void OffscreenRenderer::paintFrame(int w, int h)
{
    makeCurrent();
    bindTarget(w, h);
    scene.resize(w, h);
    scene.paint();
    glFinish();
}

QImage OffscreenRenderer::image()
{
    makeCurrent();
    glFinish();
    return target->toImage().convertToFormat(QImage::Format_RGB32);
}

QImage OffscreenRenderer::render(int w, int h)
{
    paintFrame(w, h);
    return image();
}
