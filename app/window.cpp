#include "window.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSurfaceFormat>
#include <fstream>
#include <iostream>

#include "ui/main_frame.h"
#include "ui/toolbar_pictures.h"
#include "view/view.h"

int runWindow(int argc, char** argv, const CommandLine& c)
{
    QSurfaceFormat::setDefaultFormat(CRavloViewerView::viewFormat());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("RavloViewer"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.7"));
    QApplication::setDesktopFileName(QStringLiteral("ravloviewer"));
    QApplication::setWindowIcon(programIcon());

    const QString layout = QString::fromLocal8Bit(c.layout.c_str());
    // A layout that cannot be read ends the program before any window shows.
    if (!c.layout.empty() && !std::ifstream(c.layout, std::ios::binary)) {
        const QString message = QStringLiteral("Cannot open the layout file \"%1\".").arg(layout);
        std::cerr << "ravloviewer: cannot open layout file " << c.layout << "\n";
        QMessageBox::critical(nullptr, QStringLiteral("RavloViewer"), message);
        return 2;
    }

    CMainFrame frame;
    frame.show();
    if (c.layout.empty())
        frame.newDocument();
    else if (!frame.openAtStart(layout))
        return 2;
    return app.exec();
}
