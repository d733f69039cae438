#include "view/view.h"

#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTimer>
#include <QWheelEvent>

#include "doc/document.h"
#include "track/xbase.h"

namespace {
const char* const contextFailure = "Unable to Create OpenGL context";

DragState dragState(const QMouseEvent* event)
{
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return DragState::Other;
    if (event->buttons() == Qt::LeftButton)
        return DragState::LeftOnly;
    if (event->buttons() == Qt::RightButton)
        return DragState::RightOnly;
    return DragState::Other;
}
} // namespace

CRavloViewerView::CRavloViewerView(CRavloViewerDoc* doc, QWidget* parent) : QOpenGLWidget(parent), doc(doc)
{
    setFormat(viewFormat());
    scene.doc = doc;
}

CRavloViewerView::~CRavloViewerView() = default;

QSurfaceFormat CRavloViewerView::viewFormat()
{
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setAlphaBufferSize(0);
    f.setDepthBufferSize(24);
    f.setStencilBufferSize(8);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return f;
}

bool CRavloViewerView::openGLAvailable()
{
    QOpenGLContext probe;
    probe.setFormat(viewFormat());
    if (!probe.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(probe.format());
    surface.create();
    if (!surface.isValid() || !probe.makeCurrent(&surface))
        return false;
    const bool fixedPipeline = probe.format().profile() != QSurfaceFormat::CoreProfile;
    probe.doneCurrent();
    return fixedPipeline;
}

void CRavloViewerView::initializeGL()
{
    const QOpenGLContext* c = context();
    // A core profile has no display lists, selection buffer or fixed pipeline.
    const bool coreOnly = c && c->format().profile() == QSurfaceFormat::CoreProfile;
    contextUsable = c && c->isValid() && !coreOnly && scene.initializeGL();
    if (!contextUsable)
        QTimer::singleShot(0, this, [this] { reportContextFailure(); });
}

void CRavloViewerView::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    // The widget makes its context on the first show; when that fails it
    // never calls initializeGL.
    QTimer::singleShot(0, this, [this] {
        if (!context() || !context()->isValid())
            reportContextFailure();
    });
}

void CRavloViewerView::reportContextFailure()
{
    if (failureReported)
        return;
    failureReported = true;
    if (isSignalConnected(QMetaMethod::fromSignal(&CRavloViewerView::openGLFailed)))
        emit openGLFailed(QString::fromLatin1(contextFailure));
    else
        QMessageBox::warning(this, QString(), QString::fromLatin1(contextFailure));
}

int CRavloViewerView::devicePixels(double logical) const
{
    return static_cast<int>(logical * devicePixelRatioF());
}

void CRavloViewerView::resizeGL(int w, int h)
{
    if (contextUsable)
        scene.resize(devicePixels(w), devicePixels(h));
    else
        scene.aspect = h == 0 ? w : static_cast<double>(w) / h;
}

void CRavloViewerView::paintGL()
{
    if (contextUsable)
        scene.paint();
}

bool CRavloViewerView::openLayout(const std::string& path)
{
    makeCurrent();
    const bool opened = doc && doc->onOpenDocument(path);
    doneCurrent();
    if (opened)
        onInitialUpdate();
    return opened;
}

void CRavloViewerView::onInitialUpdate()
{
    scene.initialUpdate();
    emit statusTextsChanged();
    update();
}

void CRavloViewerView::setNavigationMode(int mode)
{
    scene.camera.navigationMode = mode;
    emit statusTextsChanged();
}

void CRavloViewerView::fit()
{
    scene.fit();
    emit statusTextsChanged();
    update();
}

void CRavloViewerView::setUseCentimetres(bool on)
{
    scene.useCentimetres = on;
    emit statusTextsChanged();
    update();
}

void CRavloViewerView::setDrawTunnels(bool on)
{
    scene.drawTunnels = on ? DrawTunnels : 0;
    update();
}

void CRavloViewerView::setDrawGrades(bool on)
{
    scene.drawGrades = on ? DrawGrades : 0;
    update();
}

void CRavloViewerView::setColourByLayer(bool on)
{
    scene.colourByLayer = on ? ColourByLayer : 0;
    update();
}

QString CRavloViewerView::modeStatusText() const
{
    return QString::fromStdString(::modeStatusText(scene.camera.navigationMode));
}

QString CRavloViewerView::unitStatusText() const
{
    return QString::fromStdString(::unitStatusText(scene.useCentimetres));
}

CXBase* CRavloViewerView::pickItem(int x, int y)
{
    if (!contextUsable)
        return nullptr;
    makeCurrent();
    CXBase* item = scene.pickItem(devicePixels(x), devicePixels(y));
    doneCurrent();
    return item;
}

void CRavloViewerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const QPoint p = event->position().toPoint();
        scene.camera.pressButton(p.x(), p.y());
    }
}

void CRavloViewerView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        scene.camera.dragging = false;
}

void CRavloViewerView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (scene.camera.dragStep(p.x(), p.y(), dragState(event)))
        update();
}

void CRavloViewerView::wheelEvent(QWheelEvent* event)
{
    scene.camera.wheel(event->angleDelta().y());
    update();
}

void CRavloViewerView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        flyToItemAt(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        describeItemAt(p.x(), p.y());
}

void CRavloViewerView::flyToItemAt(int x, int y)
{
    CXBase* item = pickItem(x, y);
    if (!item)
        return;
    scene.camera.flyTo(item->centre());
    update();
}

void CRavloViewerView::describeItemAt(int x, int y)
{
    CXBase* item = pickItem(x, y);
    if (!item || !describeHost)
        return;
    // An edit in the properties dialog rebuilds display lists: keep the
    // view's context current while it runs.
    makeCurrent();
    item->describe(scene.useCentimetres, *describeHost);
    doneCurrent();
    update();
}
