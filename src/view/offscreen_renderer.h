#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "view/scene_renderer.h"

class CRavloViewerDoc;
class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

// The view's scene on an off-screen context, drawn into a framebuffer object
// of any size: used to render a layout to a picture, by the tests and by the
// benchmarks. Needs a QGuiApplication.
class OffscreenRenderer {
public:
    OffscreenRenderer();
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // False when no usable compatibility context could be made.
    bool ok() const { return usable; }
    void makeCurrent();

    // Opens the layout with this context current (its display lists live
    // here) and runs the view's initial update for a w x h picture.
    bool openLayout(CRavloViewerDoc& doc, const std::string& path, int w, int h);
    // Draws one frame at w x h and returns it without alpha.
    QImage render(int w, int h);
    // Draws one frame and leaves it in the framebuffer (for timing and picking).
    void paintFrame(int w, int h);
    // The picture now in the framebuffer, without alpha (after paintFrame and
    // any drawing of one's own).
    QImage image();

    SceneRenderer scene;

private:
    void bindTarget(int w, int h);

    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLContext> context;
    std::unique_ptr<QOpenGLFramebufferObject> target;
    bool usable = false;
};
