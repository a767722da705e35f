// The main window: the area that holds the editing windows, with the menus, the toolbar, the
// status bar, the navigation pane and the tiled background around it. It runs the document
// commands and hands the radio commands to the transfer machinery.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"
#include "shell/PrintSections.h"
#include "shell/ui/ChildWindows.h"
#include "shell/ui/DocumentCommands.h"
#include "shell/ui/DocumentHistory.h"
#include "shell/ui/FileChooser.h"
#include "shell/ui/QtDialogLanguage.h"
#include "shell/ui/RadioCommands.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace k7x {

class ChannelCsvCommands;
class ChildWindowArea;
class CsvImportChoices;
class HistoryActions;
class NavigationPane;
class PrintCommands;
class RecentFiles;
class RecentFilesMenu;
class WindowPlacementStore;

// Everything the main window works with; the application owns these objects.
struct MainWindowServices {
    AppSettings& settings;
    DocumentState& doc;
    Prompts& prompts;
    FileChooser& files;
    ChildWindowFactory& children;
    RadioCommands* radio = nullptr;
    WindowPlacementStore* placement = nullptr;
    // Writes Setting.ini; the last step when the main window closes.
    std::function<void()> shutdownDuties;
    // Starts the program version for a data version with the file to open (empty: none); true
    // when it runs.
    std::function<bool(const std::string& dataVersion, const std::string& filePath)> launchVersion;
    // Where the backup copies of the transfers are kept (File > Open backup).
    std::string backupFolder = {};
    // What Help > Save problem report takes in besides: the last transfer's trace and the
    // devices the setup file names for port numbers.
    std::string traceFile = {};
    std::function<std::map<int, std::string>()> configuredPorts = {};
    // The files shown in the File menu; none are shown without a store.
    RecentFiles* recentFiles = nullptr;
    // The questions of File > Import channels; the dialogs when none is given.
    CsvImportChoices* csvChoices = nullptr;
    // The parts of the document File > Print and File > Export PDF put on the pages.
    PrintSectionSource printSections = {};
};

class frmMain : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    static constexpr int kNewDocInterval = 100;  // ms

    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- operations other windows use ----
    void Change_Language();
    void CloseCurAllWindows() override;
    void ShowCHInfo(bool show);
    void ShowMainTxt() override;
    void LoadTree();
    void LoadBKPic();
    void LoadNewDoc2();
    void LoadNewDoc() override;
    // Brings the editing window of that name forward, or opens it; returns it.
    QWidget* ShowChildWindow(const QString& name);
    void CloseWindowByName(const QString& name);
    void arrangeCascade();
    // The open editing window of that name, or nullptr.
    QWidget* childWindow(const QString& name) const;
    QList<QWidget*> childWindows() const;
    // Commits the edits still open in the editing windows into the document.
    void commitOpenEdits();

    // ---- events ----
    // Rebuilds the texts when the language changed since they were built.
    void Form_Activate();
    void NewDocTimer_Timer();
    // Commands that start a transfer are disabled while one runs.
    void setTransferRunning(bool running);

    DocumentCommands& documentCommands() { return *commands_; }
    PrintCommands& printCommands() { return *print_; }
    DocumentHistory& history() { return *history_; }
    NavigationPane& navigationPane() { return *Picture1; }
    QMdiArea& mdiArea() { return *mdi_; }
    QTimer& newDocTimer() { return NewDocTimer; }

    // DocumentHost
    void documentOpened() override;
    void documentKept() override;
    void endProgram() override;
    QWidget* dialogParent() override { return this; }
    void rememberFile(const std::string& path) override;
    void forgetFile(const std::string& path) override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A .dat file dropped onto the window opens as File > Open does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildCentralArea();
    void connectCommands();
    void SetCaptions();
    void restorePlacement();
    void storePlacement();
    QAction* action(const char* name) const;

    // Menu and toolbar commands.
    void TreeView1_NodeClick(const QString& key);
    void tbToolBar_ButtonClick(QAction* button);
    void MnuLocalInfo_Click();
    void mnuInit_Click();
    void mnuModelInfo_Click();
    void mnuLanguage_Click();
    void mnuHelpAbout_Click();
    void mnuHelpReport_Click();
    void mnuTreeView_Click();
    void hideNavigationPane();
    // Undo or redo put the document back.
    void documentRestored(bool modeChanged);
    // Runs a command and ends it quietly should it fail.
    void runCommand(const std::function<void()>& command);
    // Tells the user and stderr that a command failed unexpectedly.
    void reportFault(const char* what);
    // Commits the open edits first.
    void runDocumentCommand(const std::function<void()>& command);

    MainWindowServices s_;
    std::unique_ptr<DocumentCommands> commands_;
    std::unique_ptr<DocumentHistory> history_;
    std::unique_ptr<CsvImportChoices> csvDialogs_;
    std::unique_ptr<ChannelCsvCommands> csv_;
    std::unique_ptr<PrintCommands> print_;
    QtDialogLanguage qtLanguage_;
    HistoryActions* historyActions_ = nullptr;
    RecentFilesMenu* recentMenu_ = nullptr;

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QList<QAction*> channelEditButtons_;  // toolbar positions 11..19
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* panels_[3] = {};
    NavigationPane* Picture1 = nullptr;
    QMdiArea* mdi_ = nullptr;
    ChildWindowArea* windows_ = nullptr;
    QTimer NewDocTimer{this};
    bool ending_ = false;
};

}  // namespace k7x
