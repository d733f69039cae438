// The window on a display that offers no OpenGL: the program says so in a
// message box and keeps running, with its menus, instead of going down.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include "../support/temp_layout.h"

TEST(WindowWithoutOpenGL, KeepsRunning)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs a display";
    TempLayout layout("LAYERS 0 1 0 0 1 0 0 0 0 \"Main\"\n"
                      "STRAIGHT 1 0 0 0 0 HO 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND\n");
    // The toolkit's own options are the window's, not layout names.
    for (const QStringList& args :
         {QStringList(), QStringList({"layout"}), QStringList({"-style", "fusion", "layout", "-reverse"})}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The X11 platform without its OpenGL integration: no context can be made.
        env.insert("QT_XCB_GL_INTEGRATION", "none");
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        QStringList arguments = args;
        arguments.replaceInStrings(QStringLiteral("layout"), QString::fromStdString(layout.path()));
        program.start(QStringLiteral(RAVLO_EXE), arguments);
        ASSERT_TRUE(program.waitForStarted(5000));
        // It would have gone down within this time when painting its window.
        EXPECT_FALSE(program.waitForFinished(2500))
            << "exit code " << program.exitCode() << ", " << program.readAllStandardError().toStdString();
        program.kill();
        program.waitForFinished(5000);
    }
}
