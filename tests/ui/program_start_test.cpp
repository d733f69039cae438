#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace {

// The program opens a layout named on its command line at start: it keeps
// running with the window up and the layout enters the recent-file list.
TEST(ProgramStart, OpensTheLayoutNamedOnTheCommandLine)
{
    QTemporaryDir home;
    const QString layout = home.filePath("start.mrv");
    std::ofstream(layout.toStdString()) << "LAYERS 0 1 0 0 0 255 0 0 0 0 \"Main\"\n"
                                           "STRAIGHT 1 0 0 0 0 HO 1\nE 0 0 90\nE 10 0 90\nEND\n";
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    program.setProcessEnvironment(env);
    program.start(RAVLO_EXE, {layout});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString store = home.filePath("Local AppWizard-Generated Applications/RavloViewer.conf");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(store); }, 15000));
    EXPECT_EQ(program.state(), QProcess::Running);
    program.terminate();
    program.waitForFinished(10000);
    QSettings settings(store, QSettings::IniFormat);
    EXPECT_TRUE(settings.value("Recent File List/File1").toString().endsWith("start.mrv"));
}

} // namespace
