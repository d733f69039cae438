#pragma once

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "ui/main_frame.h"
#include "view/view.h"

// Two straight tracks: "Main" (layer 0) along y = 0 and "Branch" (layer 1)
// along y = 20, both 40 inches long.
inline const char* twoLayerLayout()
{
    return "LAYERS 0 1 0 0 255 0 0 0 0 \"Main\"\n"
           "LAYERS 1 1 0 0 16711680 0 0 0 0 \"Branch\"\n"
           "STRAIGHT 1 0 0 0 0 HO 1\n"
           "E 0 0 90\n"
           "E 40 0 90\n"
           "END\n"
           "STRAIGHT 2 1 0 0 0 HO 1\n"
           "E 0 20 90\n"
           "E 40 20 90\n"
           "END\n";
}

// A shown main frame whose settings store lives in a folder of the test's.
struct FrameTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        settingsDir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir->path());
    }
    static void TearDownTestSuite() { settingsDir.reset(); }

    void SetUp() override
    {
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("RavloViewer"))
            .clear();
        frame = std::make_unique<CMainFrame>();
        frame->resize(800, 600);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view().context() != nullptr; }));
        frame->newDocument();
    }
    void TearDown() override
    {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Writes a layout into the test's folder and returns its path.
    QString writeLayout(const char* name, const char* text)
    {
        const QString path = files.filePath(QString::fromLatin1(name));
        std::ofstream(path.toStdString()) << text;
        return path;
    }

    static inline std::unique_ptr<QTemporaryDir> settingsDir;
    QTemporaryDir files;
    std::unique_ptr<CMainFrame> frame;
};

// Pixels that are not (nearly) white.
inline int countNonWhite(const QImage& image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240)
                ++count;
        }
    return count;
}
