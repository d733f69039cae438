#pragma once

#include <vector>

#include "doc/point3.h"
#include "drawing/gl_3d_text.h"
#include "view/camera.h"
#include "view/gl_text.h"

class CRavloViewerDoc;
class CXBase;
struct GLUquadric;

// How the items draw themselves: from their display lists, which exist only
// on the context they were built on (the window's), or directly, on any
// context (the print target's).
enum class ItemDrawing { DisplayLists, Direct };

// Everything the view draws with, apart from the window: the OpenGL state,
// the projection, the camera, the text renderers and the scene itself. The
// window, the off-screen renderer and the tests share it.
class SceneRenderer {
public:
    SceneRenderer() = default;
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // Sets the OpenGL state and makes the quadric and the fonts on the
    // current context. False when OpenGL reports an error afterwards or the
    // context has no display lists.
    bool initializeGL();
    // Aspect, viewport and perspective for a drawing area of w x h pixels.
    void resize(int w, int h);
    // Viewport and perspective for w x h pixels, keeping the aspect.
    void setProjection(int w, int h);
    // One frame: clear, camera, axes, scene, base plane.
    void paint();
    // Every item on a visible layer (structures only while they are shown),
    // drawn as itemDrawing says; with picking, each under a name of its own
    // and nothing else; otherwise then the end markers.
    void drawScene(bool picking);
    void drawAxes(const CGLText& text);
    void drawBasePlane();
    // The item drawn under window pixel (x, y), y growing downwards; null when
    // there is none, no document, or more hits than the selection buffer holds.
    CXBase* pickItem(int x, int y);

    // The view's initial update: fit, then the base plane 0.2 below the bounds.
    void initialUpdate();
    void fit();

    int drawFlags() const { return colourByLayer | drawGrades | drawTunnels; }
    // Takes the document, camera, projection and draw settings of another
    // renderer, so that this one draws the same picture.
    void copyViewOf(const SceneRenderer& other);

    CRavloViewerDoc* doc = nullptr;
    ViewCamera camera;
    double aspect = 1.0;
    double nearPlane = 0.01;
    double farPlane = 1000.0;
    int drawTunnels = 1;
    int drawGrades = 2;
    int colourByLayer = 0;
    bool useCentimetres = true;
    ItemDrawing itemDrawing = ItemDrawing::DisplayLists;
    CGL3DText labelText;
    CGLText axisText;

private:
    void loadCamera();
    Point3 eyePosition() const;
    bool layerVisible(int layer) const;
    void drawEndMarkers(const Point3& eye);
    void nameForPicking(CXBase* item);

    GLUquadric* quadric = nullptr;
    // Items drawn in the current picking pass; name i + 1 stands for item i.
    std::vector<CXBase*> pickNames;
};
