#pragma once

#include <QOpenGLWidget>
#include <QString>
#include <string>

#include "view/scene_renderer.h"

class CRavloViewerDoc;
class DescribeHost;

// The one view of the document: a window with its own compatibility-profile
// OpenGL context in which the layout is drawn in perspective and navigated
// with the mouse. The document's display lists belong to this context, so a
// layout is opened through openLayout (or with the context made current).
// Create the view inside its frame before showing it: moving it to another
// top-level window would give it a new context without the lists.
class CRavloViewerView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit CRavloViewerView(CRavloViewerDoc* doc, QWidget* parent = nullptr);
    ~CRavloViewerView() override;

    // The surface format the view asks for: compatibility profile 2.1, 24-bit
    // colour, no alpha, depth, stencil, double buffer.
    static QSurfaceFormat viewFormat();
    // Whether a context of that format, with the fixed pipeline, can be made
    // here at all. A window holding the view needs one to be painted.
    static bool openGLAvailable();

    // Opens a layout with the view's context current, then runs the initial
    // update. False when the file cannot be opened (nothing changes then).
    bool openLayout(const std::string& path);
    // Fit, then the base plane 0.2 inch below the layout's lowest point.
    void onInitialUpdate();

    int navigationMode() const { return scene.camera.navigationMode; }
    void setNavigationMode(int mode);
    void fit();
    bool useCentimetres() const { return scene.useCentimetres; }
    void setUseCentimetres(bool on);
    bool drawTunnels() const { return scene.drawTunnels != 0; }
    void setDrawTunnels(bool on);
    bool drawGrades() const { return scene.drawGrades != 0; }
    void setDrawGrades(bool on);
    bool colourByLayer() const { return scene.colourByLayer != 0; }
    void setColourByLayer(bool on);

    // Texts of the navigation-mode and unit panes of the status bar.
    QString modeStatusText() const;
    QString unitStatusText() const;

    // Where a right double-click shows the picked item's properties.
    void setDescribeHost(DescribeHost* host) { describeHost = host; }
    // The item under window position (x, y), with the context made current.
    CXBase* pickItem(int x, int y);

    // True once the context is made and usable.
    bool hasUsableContext() const { return contextUsable; }

    SceneRenderer& renderer() { return scene; }
    CRavloViewerDoc* document() const { return doc; }

signals:
    void statusTextsChanged();
    // "Unable to Create OpenGL context"; shown in a message box when nothing
    // is connected.
    void openGLFailed(const QString& message);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void reportContextFailure();
    void flyToItemAt(int x, int y);
    void describeItemAt(int x, int y);
    int devicePixels(double logical) const;

    CRavloViewerDoc* doc;
    SceneRenderer scene;
    DescribeHost* describeHost = nullptr;
    bool contextUsable = false;
    bool failureReported = false;
};
