#include <QStatusBar>
#include <algorithm>
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

#include "doc/document.h"
#include "frame_fixture.h"
#include "modal_helper.h"
#include "track/xbase.h"
#include "ui/base_plane_dialog.h"
#include "ui/describe_dialog.h"
#include "ui/layers_dialog.h"

namespace {

// The texts of a menu's items, "-" for a separator, "Units>" for a submenu.
QStringList itemTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            texts << "-";
        else if (a->menu())
            texts << a->text() + ">";
        else
            texts << a->text();
    }
    return texts;
}

TEST_F(FrameTest, MenusHoldTheirItemsAndSeparators)
{
    EXPECT_EQ(itemTexts(frame->menu("&File")),
              QStringList({"&New", "&Open...", "Export VRML", "-", "&Print...", "Print Pre&view",
                           "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(itemTexts(frame->menu("&Edit")), QStringList({"&Copy", "-"}));
    EXPECT_EQ(itemTexts(frame->menu("&View")),
              QStringList({"&Status Bar", "Elevations", "Draw Tunnel", "Draw Structures",
                           "Track Color by Layer", "-", "Manage Layers", "Units>", "-", "Base Plane"}));
    EXPECT_EQ(itemTexts(frame->menu("Units")), QStringList({"cm", "inch"}));
    EXPECT_EQ(itemTexts(frame->menu("&Help")), QStringList({"&About RavloViewer..."}));
    EXPECT_EQ(frame->action(CmdFileNew)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame->action(CmdFileOpen)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame->action(CmdPrint)->shortcut(), QKeySequence("Ctrl+P"));
    // The empty recent-file list shows its grey placeholder.
    EXPECT_FALSE(frame->action(CmdRecentFile)->isEnabled());
}

TEST_F(FrameTest, StartsEmptyWithZoomAndCentimetres)
{
    EXPECT_EQ(frame->windowTitle(), QString("Untitled - RavloViewer"));
    EXPECT_EQ(frame->messagePaneText(), QString("Ready"));
    EXPECT_EQ(frame->unitsPaneText(), QString("[cm]"));
    EXPECT_EQ(frame->modePaneText(), QString("Zoom"));
    EXPECT_TRUE(frame->action(CmdZoom)->isChecked());
    for (int c : {CmdPan, CmdTurn, CmdRoll})
        EXPECT_FALSE(frame->action(c)->isChecked());
    EXPECT_TRUE(frame->action(CmdCentimetres)->isChecked());
    EXPECT_FALSE(frame->action(CmdInches)->isChecked());
    EXPECT_TRUE(frame->action(CmdStatusBar)->isChecked());
}

TEST_F(FrameTest, MenuChecksFollowTheToggles)
{
    struct Toggle {
        int command;
        bool initially;
        std::function<bool(CMainFrame&)> state;
    };
    const Toggle toggles[] = {
        {CmdElevations, true, [](CMainFrame& f) { return f.view().drawGrades(); }},
        {CmdDrawTunnel, true, [](CMainFrame& f) { return f.view().drawTunnels(); }},
        {CmdDrawStructures, false, [](CMainFrame& f) { return f.document().drawStructures; }},
        {CmdColourByLayer, false, [](CMainFrame& f) { return f.view().colourByLayer(); }},
    };
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.command);
        QAction* item = frame->action(t.command);
        EXPECT_EQ(item->isChecked(), t.initially);
        EXPECT_EQ(t.state(*frame), t.initially);
        item->trigger();
        EXPECT_EQ(item->isChecked(), !t.initially);
        EXPECT_EQ(t.state(*frame), !t.initially);
        item->trigger();
        EXPECT_EQ(item->isChecked(), t.initially);
        EXPECT_EQ(t.state(*frame), t.initially);
    }
    // The draw flags the items get follow: grades 2, tunnels 1, colour 4.
    EXPECT_EQ(frame->view().renderer().drawFlags(), 3);
    frame->action(CmdColourByLayer)->trigger();
    frame->action(CmdElevations)->trigger();
    EXPECT_EQ(frame->view().renderer().drawFlags(), 5);

    frame->action(CmdStatusBar)->trigger();
    EXPECT_FALSE(frame->action(CmdStatusBar)->isChecked());
    frame->action(CmdStatusBar)->trigger();
    EXPECT_TRUE(frame->action(CmdStatusBar)->isChecked());
}

// Resting on a command shows its prompt in the status bar; the mode buttons
// have none.
TEST_F(FrameTest, CommandsShowTheirPromptsInTheStatusBar)
{
    const std::pair<int, const char*> prompts[] = {
        {CmdFileOpen, "Open an existing document"},
        {CmdDrawTunnel, "Draw tunnel profile"},
        {CmdDrawStructures, "Draw non-track structures"},
        {CmdAbout, "Display program information, version number and copyright"},
        {CmdZoom, ""},
    };
    for (const auto& [command, prompt] : prompts) {
        SCOPED_TRACE(command);
        frame->statusBar()->clearMessage();
        frame->action(command)->showStatusText(frame.get());
        EXPECT_EQ(frame->statusBar()->currentMessage(), QString::fromLatin1(prompt));
    }
}

TEST_F(FrameTest, ModeButtonsAreCheckedByMode)
{
    const std::pair<int, const char*> modes[] = {
        {CmdPan, "Pan "}, {CmdTurn, "Turn"}, {CmdRoll, "Roll"}, {CmdZoom, "Zoom"}};
    for (const auto& [command, text] : modes) {
        frame->action(command)->trigger();
        EXPECT_EQ(frame->modePaneText(), QString(text));
        for (int c : {CmdZoom, CmdPan, CmdTurn, CmdRoll})
            EXPECT_EQ(frame->action(c)->isChecked(), c == command) << text << " " << c;
    }
    frame->action(CmdTurn)->trigger();
    frame->action(CmdFit)->trigger();
    EXPECT_EQ(frame->modePaneText(), QString("Zoom"));
    EXPECT_TRUE(frame->action(CmdZoom)->isChecked());
}

TEST_F(FrameTest, EditCopyIsAlwaysGreyAndCtrlCDoesNothing)
{
    QAction* copy = frame->action(CmdEditCopy);
    EXPECT_FALSE(copy->isEnabled());
    int fired = 0;
    QObject::connect(copy, &QAction::triggered, [&fired] { ++fired; });
    QTest::keyClick(frame.get(), Qt::Key_C, Qt::ControlModifier);
    frame->updateCommandStates();
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(fired, 0);
}

TEST_F(FrameTest, UnitSwitchRefreshesTheBasePlaneDialog)
{
    frame->document().basePlaneLevel = 1.0;
    frame->action(CmdBasePlane)->trigger();
    auto* dialog = dynamic_cast<FloorLevel*>(frame->document().basePlaneDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->levelEdit->text(), QString("2.54"));
    EXPECT_EQ(dialog->unitLabel->text(), QString("[cm]"));

    frame->action(CmdInches)->trigger();
    EXPECT_EQ(dialog->levelEdit->text(), QString("1"));
    EXPECT_EQ(dialog->unitLabel->text(), QString("[inch]"));
    EXPECT_EQ(frame->unitsPaneText(), QString("[inch]"));
    EXPECT_TRUE(frame->action(CmdInches)->isChecked());
    EXPECT_FALSE(frame->action(CmdCentimetres)->isChecked());
    EXPECT_FALSE(frame->view().useCentimetres());

    // A height typed in inches is stored as it is.
    dialog->levelEdit->setText("3");
    dialog->applyLevel();
    EXPECT_DOUBLE_EQ(frame->document().basePlaneLevel, 3.0);

    frame->action(CmdBasePlane)->trigger();
    EXPECT_EQ(frame->document().basePlaneDialog, dialog);
    frame->action(CmdCentimetres)->trigger();
    EXPECT_EQ(dialog->levelEdit->text(), QString("7.62"));
    EXPECT_EQ(frame->unitsPaneText(), QString("[cm]"));
}

TEST_F(FrameTest, ManageLayersTwiceGivesOneDialog)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("layers.mrv", twoLayerLayout())));
    frame->action(CmdManageLayers)->trigger();
    CLayers* first = dynamic_cast<CLayers*>(frame->document().layersDialog);
    ASSERT_NE(first, nullptr);
    frame->action(CmdManageLayers)->trigger();
    EXPECT_EQ(frame->document().layersDialog, first);
    EXPECT_EQ(frame->view().findChildren<CLayers*>().size(), 1);
    EXPECT_EQ(first->rows().size(), 2u);
}

TEST_F(FrameTest, ClearingALayerHidesItsItemsInTheNextFrame)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("layers.mrv", twoLayerLayout())));
    frame->document().showBasePlane = false;
    const int both = countNonWhite(frame->view().grabFramebuffer());

    frame->action(CmdManageLayers)->trigger();
    auto* dialog = dynamic_cast<CLayers*>(frame->document().layersDialog);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QCheckBox* branch = dialog->rows()[1].checkBox;
    QTest::mouseClick(branch, Qt::LeftButton, {}, QPoint(6, branch->height() / 2));
    EXPECT_FALSE(frame->document().tables.layerVisible[1]);
    const int mainOnly = countNonWhite(frame->view().grabFramebuffer());

    QCheckBox* main = dialog->rows()[0].checkBox;
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(6, main->height() / 2));
    const int none = countNonWhite(frame->view().grabFramebuffer());

    EXPECT_GT(both, mainOnly);
    EXPECT_GT(mainOnly, none);
    // Checking it again brings the branch back.
    QTest::mouseClick(branch, Qt::LeftButton, {}, QPoint(6, branch->height() / 2));
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(6, main->height() / 2));
    EXPECT_EQ(countNonWhite(frame->view().grabFramebuffer()), both);
}

TEST_F(FrameTest, OpeningSetsTitleAndRecentFiles)
{
    const QString first = writeLayout("first.mrv", twoLayerLayout());
    const QString second = writeLayout("second.mrv", twoLayerLayout());
    ASSERT_TRUE(frame->openLayout(first));
    EXPECT_EQ(frame->windowTitle(), QString("first.mrv - RavloViewer"));
    EXPECT_EQ(frame->documentPath(), first);
    ASSERT_TRUE(frame->openLayout(second));
    EXPECT_EQ(frame->modePaneText(), QString("Zoom"));

    const QStringList texts = itemTexts(frame->menu("&File"));
    const int recent = texts.indexOf(QRegularExpression("^&1 .*second\\.mrv$"));
    ASSERT_GE(recent, 0) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.value(recent + 1).contains("first.mrv"));
    EXPECT_FALSE(texts.contains("Recent File"));

    // Kept in the settings store under the program's key, newest first.
    QSettings store("Local AppWizard-Generated Applications", "RavloViewer");
    EXPECT_TRUE(store.value("Recent File List/File1").toString().endsWith("second.mrv"));
    EXPECT_TRUE(store.value("Recent File List/File2").toString().endsWith("first.mrv"));

    // File New keeps the layout but starts the title anew.
    frame->newDocument();
    EXPECT_EQ(frame->windowTitle(), QString("Untitled - RavloViewer"));
    EXPECT_NE(frame->document().trackItems, nullptr);
}

TEST_F(FrameTest, RecentFileListKeepsFourEntries)
{
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths << writeLayout(qPrintable(QString("layout%1.mrv").arg(i)), "VERSION 1\n");
        ASSERT_TRUE(frame->openLayout(paths.back()));
    }
    QSettings store("Local AppWizard-Generated Applications", "RavloViewer");
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(store.value(QString("Recent File List/File%1").arg(k))
                        .toString()
                        .endsWith(QString("layout%1.mrv").arg(6 - k)));
    EXPECT_FALSE(store.contains("Recent File List/File5"));
    // Opening one again moves it to the front without doubling it.
    ASSERT_TRUE(frame->openLayout(paths[3]));
    EXPECT_TRUE(store.value("Recent File List/File1").toString().endsWith("layout3.mrv"));
    EXPECT_TRUE(store.value("Recent File List/File2").toString().endsWith("layout5.mrv"));
    EXPECT_TRUE(store.value("Recent File List/File4").toString().endsWith("layout2.mrv"));
}

TEST_F(FrameTest, FileThatCannotBeOpenedIsReportedAndChangesNothing)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("kept.mrv", twoLayerLayout())));
    QString message;
    ModalWatcher watcher([&message](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            message = box->text();
        modal->close();
    });
    EXPECT_FALSE(frame->openLayout(files.filePath("missing.mrv")));
    EXPECT_TRUE(message.contains("missing.mrv")) << message.toStdString();
    EXPECT_EQ(frame->windowTitle(), QString("kept.mrv - RavloViewer"));
    EXPECT_NE(frame->document().trackItems, nullptr);
}

TEST_F(FrameTest, CtrlSWritesNothing)
{
    const QString path = writeLayout("unchanged.mrv", twoLayerLayout());
    ASSERT_TRUE(frame->openLayout(path));
    const QDateTime modified = QFileInfo(path).lastModified();
    ModalWatcher watcher([](QWidget* modal) { modal->close(); });
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_FALSE(watcher.fired());
    std::ifstream in(path.toStdString());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, twoLayerLayout());
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(FrameTest, AboutShowsTheVersion)
{
    QString title;
    bool versionShown = false;
    ModalWatcher watcher([&](QWidget* modal) {
        title = modal->windowTitle();
        for (QLabel* label : modal->findChildren<QLabel*>())
            versionShown |= label->text() == "RavloViewer, Version 1.0.7";
        modal->close();
    });
    frame->action(CmdAbout)->trigger();
    EXPECT_EQ(title, QString("About RavloViewer"));
    EXPECT_TRUE(versionShown);
}

TEST_F(FrameTest, ReadFileDialogFollowsAnOpenWithMessages)
{
    QStringList lines;
    ModalWatcher watcher([&lines](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QString("Read File"));
        for (QLabel* label : modal->findChildren<QLabel*>())
            lines << label->text();
        modal->close();
    });
    ASSERT_TRUE(frame->openLayout(writeLayout("undefined.mrv", "TURNTABLE 7 4 0 0 0 HO 1 0 0 0 6\nEND\n")));
    EXPECT_TRUE(watcher.fired());
    EXPECT_TRUE(lines.contains("Item 7: Layer 4 undefined ")) << lines.join("|").toStdString();
}

// Answers the "Save VRML File As" dialog with a path; records any message
// box that follows.
struct ExportAnswer {
    QString title;
    QStringList filters;
    QString message;
};

// The action for the file dialog's watcher: records the dialog, starts
// watching for a message box, and saves to the target.
std::function<void(QWidget*)> answerExport(ExportAnswer& answer, const QString& target,
                                           std::unique_ptr<ModalWatcher>& messages)
{
    return [&answer, target, &messages](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        answer.title = dialog->windowTitle();
        answer.filters = dialog->nameFilters();
        messages = std::make_unique<ModalWatcher>([&answer](QWidget* box) {
            if (auto* m = qobject_cast<QMessageBox*>(box))
                answer.message = m->text();
            box->close();
        });
        dialog->selectFile(target);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

TEST_F(FrameTest, ExportVrmlWritesTheChosenFile)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("export.mrv", twoLayerLayout())));
    ExportAnswer answer;
    std::unique_ptr<ModalWatcher> messages;
    ModalWatcher fileDialog(answerExport(answer, files.filePath("world"), messages));
    frame->action(CmdExportVrml)->trigger();
    EXPECT_EQ(answer.title, QString("Save VRML File As"));
    EXPECT_EQ(answer.filters, QStringList({"VRML Files (*.wrl)", "All Files (*.*)"}));
    QTest::qWait(50);
    EXPECT_TRUE(answer.message.isEmpty()) << answer.message.toStdString();
    // The default extension is added to a name typed without one.
    std::ifstream in(files.filePath("world.wrl").toStdString());
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "#VRML V2.0 utf8");
}

TEST_F(FrameTest, ExportVrmlFailureIsShownInAMessageBox)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("export.mrv", twoLayerLayout())));
    ExportAnswer answer;
    std::unique_ptr<ModalWatcher> messages;
    // A folder that does not exist: no file can be made there.
    const QString target = files.filePath("no-such-folder/world.wrl");
    ModalWatcher fileDialog(answerExport(answer, target, messages));
    frame->action(CmdExportVrml)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answer.message.isEmpty(); }));
    // The export's own reason, naming the file.
    EXPECT_TRUE(answer.message.contains("world.wrl")) << answer.message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
}

// Widgets top to bottom, left to right within a row.
template <typename W> QList<W*> inReadingOrder(QList<W*> widgets)
{
    std::sort(widgets.begin(), widgets.end(),
              [](W* a, W* b) { return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x()); });
    return widgets;
}

// A window position over the track item with the given number, found by
// picking down the middle column; (-1, -1) when there is none.
QPoint positionOfItem(CRavloViewerView& view, int number)
{
    const int x = view.width() / 2;
    for (int y = 0; y < view.height(); ++y) {
        CXBase* item = view.pickItem(x, y);
        if (item && item->number == number)
            return QPoint(x, y);
    }
    return QPoint(-1, -1);
}

TEST_F(FrameTest, RightDoubleClickShowsTheItemInTheChosenUnit)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("describe.mrv", twoLayerLayout())));
    const QPoint over = positionOfItem(frame->view(), 2);
    ASSERT_GE(over.y(), 0);
    for (bool centimetres : {true, false}) {
        SCOPED_TRACE(centimetres);
        frame->action(centimetres ? CmdCentimetres : CmdInches)->trigger();
        QString title, unit;
        QStringList labels, values;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* dialog = qobject_cast<CDescribeDialog*>(modal);
            if (dialog) {
                title = dialog->windowTitle();
                unit = dialog->unitLabel()->text();
                for (QLabel* label : inReadingOrder(dialog->findChildren<QLabel*>()))
                    if (label != dialog->unitLabel() && label->isVisible())
                        labels << label->text();
                for (QLineEdit* field : inReadingOrder(dialog->findChildren<QLineEdit*>()))
                    if (field->isVisible())
                        values << field->text();
            }
            modal->close();
        });
        QTest::mouseDClick(&frame->view(), Qt::RightButton, {}, over);
        EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.fired(); }));
        EXPECT_EQ(title, QString("T2 Straight Track"));
        EXPECT_EQ(unit, centimetres ? QString("[cm]") : QString("[inch]"));
        EXPECT_EQ(labels, QStringList({"Pt 1:", "Pt 2:", "Length", "Grade", "Layer"}));
        // The track runs 40 inches (101.60 cm) along y = 20 on the flat.
        if (centimetres)
            EXPECT_EQ(values, QStringList({"(0.00 , 50.80 , 0.00)", "(101.60 , 50.80 , 0.00)", "101.60",
                                           "0.00", "2 - Branch"}));
        else
            EXPECT_EQ(values, QStringList({"(0.00 , 20.00 , 0.00)", "(40.00 , 20.00 , 0.00)", "40.00", "0.00",
                                           "2 - Branch"}));
    }
}

} // namespace
