#include "ui/main_frame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "doc/document.h"
#include "doc/scale_profile.h"
#include "export/vrml_export.h"
#include "ui/about_dialog.h"
#include "ui/base_plane_dialog.h"
#include "ui/gl_message_boxes.h"
#include "ui/layers_dialog.h"
#include "ui/print_view.h"
#include "ui/toolbar_pictures.h"
#include "view/view.h"

namespace {
const char* const AppTitle = "RavloViewer";
const char* const OpenFilter = "Morvane files(*.mrv);;All Files (*.*)";
// The indicator texts, by LockKeys::Key.
const char* const LockTexts[3] = {"CAP", "NUM", "SCRL"};

// A status pane whose width is fixed by its initial text.
QLabel* fixedPane(const QString& initial, QWidget* parent)
{
    auto* pane = new QLabel(initial, parent);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(initial) + 8);
    pane->setAlignment(Qt::AlignCenter);
    return pane;
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), doc(std::make_unique<CRavloViewerDoc>(programFolder())), describeHost(this),
      loadMessages(describeHost), printerSetup(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    doc->messageSink = &loadMessages;
    showGlMessagesOver(this);
    viewWidget = new CRavloViewerView(doc.get());
    viewWidget->setDescribeHost(&describeHost);
    if (CRavloViewerView::openGLAvailable()) {
        setCentralWidget(viewWidget);
    } else {
        viewWithoutContext.reset(viewWidget);
        setCentralWidget(new QWidget(this));
        // Shown once the window is up; the program keeps running without a
        // picture.
        QTimer::singleShot(0, this, [this] {
            QMessageBox::warning(this, AppTitle, QStringLiteral("Unable to Create OpenGL context"));
        });
    }
    setWindowIcon(programIcon());

    createMenus();
    createToolbar();
    createStatusBar();
    connect(viewWidget, &CRavloViewerView::statusTextsChanged, this, &CMainFrame::updateCommandStates);
    connect(viewWidget, &CRavloViewerView::openGLFailed, this,
            [this](const QString& message) { QMessageBox::warning(this, AppTitle, message); });
    resize(1000, 720);
    updateTitle();
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The dialogs and the view refer to the document: they go first.
    stopGlMessagesOver(this);
    doc->onCloseDocument();
    delete takeCentralWidget();
    viewWithoutContext.reset();
    viewWidget = nullptr;
}

QAction* CMainFrame::addCommand(QMenu* menu, int command, const QString& text)
{
    QAction* action = menu->addAction(text);
    commands[command] = action;
    return action;
}

void CMainFrame::setStandardPrompts()
{
    // What the status bar says while the pointer rests on a standard command.
    const std::pair<int, const char*> prompts[] = {
        {CmdFileNew, "Create a new document"},
        {CmdFileOpen, "Open an existing document"},
        {CmdExportVrml, "Export the model as a VRML world"},
        {CmdPrint, "Print the active document"},
        {CmdPrintPreview, "Display full pages"},
        {CmdPrintSetup, "Change the printer and printing options"},
        {CmdExit, "Quit the application"},
        {CmdEditCopy, "Copy the selection and put it on the Clipboard"},
        {CmdStatusBar, "Show or hide the status bar"},
        {CmdAbout, "Display program information, version number and copyright"},
    };
    for (const auto& [command, prompt] : prompts)
        commands[command]->setStatusTip(QString::fromLatin1(prompt));
}

void CMainFrame::createMenus()
{
    createFileMenu();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    menus["&Edit"] = edit;
    QAction* copy = addCommand(edit, CmdEditCopy, QStringLiteral("&Copy"));
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    copy->setEnabled(false);
    edit->addSeparator();

    createViewMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    menus["&Help"] = help;
    connect(addCommand(help, CmdAbout, QStringLiteral("&About RavloViewer...")), &QAction::triggered, this,
            &CMainFrame::onAbout);
    setStandardPrompts();
}

void CMainFrame::createFileMenu()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    menus["&File"] = fileMenu;
    QAction* newFile = addCommand(fileMenu, CmdFileNew, QStringLiteral("&New"));
    newFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newFile, &QAction::triggered, this, &CMainFrame::newDocument);
    QAction* open = addCommand(fileMenu, CmdFileOpen, QStringLiteral("&Open..."));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &CMainFrame::onFileOpen);
    connect(addCommand(fileMenu, CmdExportVrml, QStringLiteral("Export VRML")), &QAction::triggered, this,
            &CMainFrame::onExportVrml);
    fileMenu->addSeparator();
    QAction* print = addCommand(fileMenu, CmdPrint, QStringLiteral("&Print..."));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &CMainFrame::onPrint);
    connect(addCommand(fileMenu, CmdPrintPreview, QStringLiteral("Print Pre&view")), &QAction::triggered,
            this, &CMainFrame::onPrintPreview);
    connect(addCommand(fileMenu, CmdPrintSetup, QStringLiteral("P&rint Setup...")), &QAction::triggered, this,
            &CMainFrame::onPrintSetup);
    fileMenu->addSeparator();
    // Placeholder shown grey while the list is empty; the entries go here.
    QAction* recent = addCommand(fileMenu, CmdRecentFile, QStringLiteral("Recent File"));
    recent->setEnabled(false);
    recentSeparator = fileMenu->addSeparator();
    connect(addCommand(fileMenu, CmdExit, QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    rebuildRecentFiles();
    // Ctrl+S (Save) has no command: the layout file is never written.
}

void CMainFrame::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    menus["&View"] = view;
    QAction* statusBarItem = addCommand(view, CmdStatusBar, QStringLiteral("&Status Bar"));
    statusBarItem->setCheckable(true);
    connect(statusBarItem, &QAction::triggered, this, [this](bool on) {
        statusBar()->setVisible(on);
        updateCommandStates();
    });

    auto toggle = [this, view](int command, const QString& text, std::function<void(bool)> apply) {
        QAction* item = addCommand(view, command, text);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, apply](bool on) {
            apply(on);
            updateCommandStates();
        });
    };
    toggle(CmdElevations, "Elevations", [this](bool on) { viewWidget->setDrawGrades(on); });
    toggle(CmdDrawTunnel, "Draw Tunnel", [this](bool on) { viewWidget->setDrawTunnels(on); });
    toggle(CmdDrawStructures, "Draw Structures", [this](bool on) { doc->drawStructures = on; });
    toggle(CmdColourByLayer, "Track Color by Layer", [this](bool on) { viewWidget->setColourByLayer(on); });
    commands[CmdDrawTunnel]->setStatusTip(QStringLiteral("Draw tunnel profile"));
    commands[CmdDrawTunnel]->setToolTip(QStringLiteral("Tunnel profile"));
    commands[CmdDrawStructures]->setStatusTip(QStringLiteral("Draw non-track structures"));
    commands[CmdDrawStructures]->setToolTip(QStringLiteral("structures"));
    view->addSeparator();

    connect(addCommand(view, CmdManageLayers, QStringLiteral("Manage Layers")), &QAction::triggered, this,
            &CMainFrame::onManageLayers);
    QMenu* units = view->addMenu(QStringLiteral("Units"));
    menus["Units"] = units;
    QAction* cm = addCommand(units, CmdCentimetres, QStringLiteral("cm"));
    QAction* inch = addCommand(units, CmdInches, QStringLiteral("inch"));
    cm->setCheckable(true);
    inch->setCheckable(true);
    connect(cm, &QAction::triggered, this, [this] { onUnits(true); });
    connect(inch, &QAction::triggered, this, [this] { onUnits(false); });
    view->addSeparator();
    connect(addCommand(view, CmdBasePlane, QStringLiteral("Base Plane")), &QAction::triggered, this,
            &CMainFrame::onBasePlane);

    for (QMenu* menu : {view, units})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createToolbar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setIconSize(QSize(16, 15));
    bar->setMovable(false);
    struct Button {
        int command;
        QIcon (*picture)();
    };
    const Button modes[] = {
        {CmdZoom, zoomPicture}, {CmdPan, panPicture}, {CmdTurn, turnPicture}, {CmdRoll, rollPicture}};
    int mode = 1;
    for (const Button& b : modes) {
        QAction* button = bar->addAction(b.picture(), QString());
        button->setCheckable(true);
        commands[b.command] = button;
        connect(button, &QAction::triggered, this, [this, mode] {
            viewWidget->setNavigationMode(mode);
            updateCommandStates();
        });
        ++mode;
    }
    bar->addSeparator();
    QAction* fit = bar->addAction(fitPicture(), QString());
    commands[CmdFit] = fit;
    connect(fit, &QAction::triggered, this, [this] { viewWidget->fit(); });
}

void CMainFrame::createStatusBar()
{
    messagePane = new QLabel(QStringLiteral("Ready"), this);
    statusBar()->addWidget(messagePane, 1);
    unitsPane = fixedPane(QStringLiteral("[cm] "), this);
    modePane = fixedPane(QStringLiteral("Zoom  "), this);
    statusBar()->addPermanentWidget(unitsPane);
    statusBar()->addPermanentWidget(modePane);

    // The lock indicators keep the width of their text when the lock is off.
    lockState = new LockKeys(this);
    for (int key = LockKeys::CapsLock; key <= LockKeys::ScrollLock; ++key) {
        lockPanes[key] = fixedPane(QString::fromLatin1(LockTexts[key]), this);
        statusBar()->addPermanentWidget(lockPanes[key]);
    }
    connect(lockState, &LockKeys::changed, this, &CMainFrame::updateLockPanes);
    // What happened to the locks while another program had the keyboard shows
    // with the next key event; the panes are brought up to date on the way.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &CMainFrame::updateLockPanes);
    updateLockPanes();
}

void CMainFrame::updateLockPanes()
{
    for (int key = LockKeys::CapsLock; key <= LockKeys::ScrollLock; ++key) {
        const bool on = lockState->isOn(static_cast<LockKeys::Key>(key));
        lockPanes[key]->setText(on ? QString::fromLatin1(LockTexts[key]) : QString());
        lockPanes[key]->setEnabled(on);
    }
}

QAction* CMainFrame::action(int command) const
{
    const auto it = commands.find(command);
    return it == commands.end() ? nullptr : it->second;
}

QMenu* CMainFrame::menu(const QString& title) const
{
    const auto it = menus.find(title);
    return it == menus.end() ? nullptr : it->second;
}

QString CMainFrame::messagePaneText() const
{
    return messagePane->text();
}

QString CMainFrame::unitsPaneText() const
{
    return unitsPane->text();
}

QString CMainFrame::modePaneText() const
{
    return modePane->text();
}

QString CMainFrame::lockPaneText(LockKeys::Key key) const
{
    return lockPanes[key]->text();
}

void CMainFrame::updateCommandStates()
{
    if (!viewWidget)
        return;
    commands[CmdStatusBar]->setChecked(!statusBar()->isHidden());
    commands[CmdElevations]->setChecked(viewWidget->drawGrades());
    commands[CmdDrawTunnel]->setChecked(viewWidget->drawTunnels());
    commands[CmdDrawStructures]->setChecked(doc->drawStructures);
    commands[CmdColourByLayer]->setChecked(viewWidget->colourByLayer());
    commands[CmdCentimetres]->setChecked(viewWidget->useCentimetres());
    commands[CmdInches]->setChecked(!viewWidget->useCentimetres());
    const int mode = viewWidget->navigationMode();
    commands[CmdZoom]->setChecked(mode == 1);
    commands[CmdPan]->setChecked(mode == 2);
    commands[CmdTurn]->setChecked(mode == 3);
    commands[CmdRoll]->setChecked(mode == 4);
    unitsPane->setText(viewWidget->unitStatusText());
    modePane->setText(viewWidget->modeStatusText());
    updateLockPanes();
    viewWidget->update();
}

void CMainFrame::updateTitle()
{
    const QString name = documentTitle.isEmpty() ? QStringLiteral("Untitled") : documentTitle;
    setWindowTitle(name + QStringLiteral(" - ") + AppTitle);
}

void CMainFrame::rebuildRecentFiles()
{
    for (QAction* a : recentActions) {
        fileMenu->removeAction(a);
        a->deleteLater();
    }
    recentActions.clear();
    QAction* placeholder = commands[CmdRecentFile];
    placeholder->setVisible(recentFiles.entries().isEmpty());
    for (int i = 0; i < recentFiles.entries().size(); ++i) {
        auto* entry = new QAction(recentFiles.menuText(i), fileMenu);
        const QString path = recentFiles.entries()[i];
        connect(entry, &QAction::triggered, this, [this, path] { openLayout(path); });
        fileMenu->insertAction(recentSeparator, entry);
        recentActions.push_back(entry);
    }
}

bool CMainFrame::openLayout(const QString& path)
{
    waitForContext();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = viewWidget->openLayout(path.toStdString());
    QApplication::restoreOverrideCursor();
    if (!opened) {
        QMessageBox::warning(
            this, AppTitle,
            QStringLiteral("Cannot open the layout file \"%1\".").arg(QDir::toNativeSeparators(path)));
        if (recentFiles.entries().contains(path)) {
            recentFiles.remove(path);
            rebuildRecentFiles();
        }
        return false;
    }
    layoutPath = path;
    documentTitle = QFileInfo(path).fileName();
    recentFiles.add(path);
    rebuildRecentFiles();
    updateTitle();
    updateCommandStates();
    return true;
}

bool CMainFrame::openAtStart(const QString& path)
{
    return openLayout(path);
}

void CMainFrame::newDocument()
{
    layoutPath.clear();
    documentTitle.clear();
    updateTitle();
    viewWidget->onInitialUpdate();
    updateCommandStates();
}

void CMainFrame::waitForContext()
{
    // The view makes its context when it is first shown; the document's
    // display lists must be built on it.
    for (int i = 0; i < 200 && isVisible() && !viewWidget->context(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void CMainFrame::onFileOpen()
{
    const QString dir = layoutPath.isEmpty() ? QString() : QFileInfo(layoutPath).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), dir, OpenFilter);
    if (!path.isEmpty())
        openLayout(path);
}

void CMainFrame::onExportVrml()
{
    QFileDialog dialog(this, QStringLiteral("Save VRML File As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("VRML Files (*.wrl)"), QStringLiteral("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("wrl"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const VrmlExportResult result =
        exportVrml(*doc, dialog.selectedFiles().first().toStdString(), layoutPath.toStdString());
    QApplication::restoreOverrideCursor();
    if (!result.ok)
        QMessageBox::warning(this, AppTitle, QString::fromStdString(result.error));
}

void CMainFrame::printTo(QPrinter& target, bool preview)
{
    printView(*viewWidget, target, preview);
}

void CMainFrame::onPrint()
{
    QPrintDialog dialog(printerSetup.get(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    printTo(*printerSetup, false);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::onPrintPreview()
{
    QPrintPreviewDialog preview(printerSetup.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printTo(*target, true); });
    preview.exec();
}

void CMainFrame::onPrintSetup()
{
    QPageSetupDialog dialog(printerSetup.get(), this);
    dialog.exec();
}

void CMainFrame::onManageLayers()
{
    CLayers::open(*doc, viewWidget);
}

void CMainFrame::onBasePlane()
{
    FloorLevel::open(*doc, viewWidget, viewWidget->useCentimetres());
}

void CMainFrame::onUnits(bool centimetres)
{
    viewWidget->setUseCentimetres(centimetres);
    if (auto* basePlane = dynamic_cast<FloorLevel*>(doc->basePlaneDialog))
        basePlane->refreshUnits(centimetres);
    updateCommandStates();
}

void CMainFrame::onAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    doc->onCloseDocument();
    QMainWindow::closeEvent(event);
}
