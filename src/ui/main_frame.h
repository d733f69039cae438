#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "ui/describe_dialog.h"
#include "ui/lock_keys.h"
#include "ui/read_file_messages.h"
#include "ui/recent_files.h"

class CRavloViewerDoc;
class CRavloViewerView;
class QAction;
class QLabel;
class QMenu;
class QPrinter;

// Command numbers of the menu and toolbar items.
enum Command {
    CmdZoom = 32771,
    CmdPan = 32772,
    CmdTurn = 32773,
    CmdRoll = 32774,
    CmdFit = 32775,
    CmdDrawTunnel = 32776,
    CmdDrawStructures = 32777,
    CmdElevations = 32778,
    CmdManageLayers = 32779,
    CmdCentimetres = 32781,
    CmdInches = 32782,
    CmdColourByLayer = 32783,
    CmdBasePlane = 32784,
    CmdFileNew = 57600,
    CmdFileOpen = 57601,
    CmdExportVrml = 57604,
    CmdPrintSetup = 57606,
    CmdPrint = 57607,
    CmdPrintPreview = 57609,
    CmdRecentFile = 57616,
    CmdEditCopy = 57634,
    CmdAbout = 57664,
    CmdExit = 57665,
    CmdStatusBar = 59393,
};

// The main window: menu, toolbar and status bar around the one view of the
// one document. It routes the commands, keeps their check marks and enabled
// states, the window title and the recent-file list.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a layout through the view; a file that cannot be opened is
    // reported and leaves everything as it was.
    bool openLayout(const QString& path);
    // The layout named on the command line, once the window is shown.
    bool openAtStart(const QString& path);
    // File New: the loaded layout stays; the title and the view start anew.
    void newDocument();

    CRavloViewerDoc& document() { return *doc; }
    CRavloViewerView& view() { return *viewWidget; }
    QAction* action(int command) const;
    QMenu* menu(const QString& title) const;
    QString messagePaneText() const;
    QString unitsPaneText() const;
    QString modePaneText() const;
    // The text of a lock indicator pane: "CAP", "NUM" or "SCRL" while the
    // lock is on, empty while it is off.
    QString lockPaneText(LockKeys::Key key) const;
    LockKeys& lockKeys() { return *lockState; }
    const QString& documentPath() const { return layoutPath; }
    QPrinter& printer() { return *printerSetup; }

    // Printing without the dialogs: one page drawn by the view.
    void printTo(QPrinter& target, bool preview);

public slots:
    // Sets every check mark, enabled state and status pane from the view
    // and the document, and asks the view to redraw.
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createFileMenu();
    void createViewMenu();
    void createToolbar();
    void createStatusBar();
    void setStandardPrompts();
    void updateLockPanes();
    QAction* addCommand(QMenu* menu, int command, const QString& text);
    void rebuildRecentFiles();
    void updateTitle();

    void onFileOpen();
    void onExportVrml();
    void onPrint();
    void onPrintPreview();
    void onPrintSetup();
    void onManageLayers();
    void onBasePlane();
    void onUnits(bool centimetres);
    void onAbout();
    void waitForContext();

    std::unique_ptr<CRavloViewerDoc> doc;
    CRavloViewerView* viewWidget = nullptr;
    // Without OpenGL the view stays out of the window (a window holding it
    // could not be painted) and an empty area takes its place.
    std::unique_ptr<CRavloViewerView> viewWithoutContext;
    QtDescribeHost describeHost;
    ReadFileMessages loadMessages;
    RecentFileList recentFiles;
    std::unique_ptr<QPrinter> printerSetup;
    std::map<int, QAction*> commands;
    std::map<QString, QMenu*> menus;
    QMenu* fileMenu = nullptr;
    QAction* recentSeparator = nullptr;
    std::vector<QAction*> recentActions;
    QLabel* messagePane = nullptr;
    QLabel* unitsPane = nullptr;
    QLabel* modePane = nullptr;
    LockKeys* lockState = nullptr;
    std::array<QLabel*, 3> lockPanes{};
    QString layoutPath;
    QString documentTitle;
};
