#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "render_test_support.h"

namespace {

struct ProgramRun {
    int status;
    QString errors;
};

ProgramRun runProgram(const QStringList& args,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(RAVLO_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(RenderCommand, WritesTheFittedViewAtTheGivenSize)
{
    TempLayout layout(std::string(kMainLayer) + straightRecord(1, 0, 0, 0, 20, 0, 0) +
                      straightRecord(2, 0, 10, 0, 20, 10, 0));
    TempLayout picture("", ".png");
    const ProgramRun r = runProgram({"--render", QString::fromStdString(picture.path()), "--size", "320x200",
                                     QString::fromStdString(layout.path())});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    const QImage image(QString::fromStdString(picture.path()));
    ASSERT_EQ(image.size(), QSize(320, 200));
    // Between the two tracks, in the middle, the base plane (198 grey).
    EXPECT_TRUE(near(image.pixel(160, 100), 198, 198, 198, 2)) << std::hex << image.pixel(160, 100);
    EXPECT_GT(countPixels(image, [](QRgb p) { return near(p, 147, 140, 133, 4); }), 100);
}

TEST(RenderCommand, DefaultSizeIs1280By800)
{
    TempLayout layout{std::string(kMainLayer)};
    TempLayout picture("", ".png");
    const ProgramRun r = runProgram(
        {"--render", QString::fromStdString(picture.path()), QString::fromStdString(layout.path())});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    EXPECT_EQ(QImage(QString::fromStdString(picture.path())).size(), QSize(1280, 800));
}

TEST(RenderCommand, FailuresExitWithStatusTwo)
{
    TempLayout picture("", ".png");
    const ProgramRun missing =
        runProgram({"--render", QString::fromStdString(picture.path()), "/nonexistent/none.mrv"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.errors.contains("cannot open")) << missing.errors.toStdString();

    // Without any display no OpenGL context can be made.
    TempLayout layout{std::string(kMainLayer)};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const ProgramRun noGl = runProgram(
        {"--render", QString::fromStdString(picture.path()), QString::fromStdString(layout.path())}, env);
    EXPECT_EQ(noGl.status, 2);
    EXPECT_TRUE(noGl.errors.contains("Unable to Create OpenGL context")) << noGl.errors.toStdString();
}
