#include "render.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "doc/document.h"
#include "doc/scale_profile.h"
#include "view/offscreen_renderer.h"

namespace {

// Without any display Qt's default platform would abort the program; the
// off-screen platform starts and then simply has no OpenGL context to offer.
void chooseHeadlessPlatform()
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int runRender(const CommandLine& c)
{
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        chooseHeadlessPlatform();
        static int argc = 1;
        static char name[] = "ravloviewer";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    OffscreenRenderer renderer;
    if (!renderer.ok()) {
        std::cerr << "ravloviewer: Unable to Create OpenGL context (--render needs an OpenGL display, "
                     "for example under xvfb-run)\n";
        return 2;
    }
    CRavloViewerDoc doc(programFolder());
    if (!renderer.openLayout(doc, c.layout, c.width, c.height)) {
        std::cerr << "ravloviewer: cannot open layout file " << c.layout << "\n";
        return 2;
    }
    const QImage picture = renderer.render(c.width, c.height);
    if (!picture.save(QString::fromStdString(c.output), "PNG")) {
        std::cerr << "ravloviewer: cannot write " << c.output << "\n";
        return 2;
    }
    return 0;
}
