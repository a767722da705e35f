// The desktop program as a whole: the objects the windows share, the start routine with the
// splash window, and the main window it opens.
#pragma once

#include <QApplication>
#include <memory>

#include "channels/ChannelWindows.h"
#include "codeplug/Backups.h"
#include "codeplug/DocumentState.h"
#include "link/BackupKeeper.h"
#include "link/ui/TransferController.h"
#include "settings/SettingsWindows.h"
#include "shell/AppSettings.h"
#include "shell/RecentFiles.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/ChildWindows.h"
#include "shell/ui/DesktopPrompts.h"
#include "shell/ui/FileChooser.h"
#include "shell/ui/MainWindow.h"

namespace k7x {

class DesktopProgram {
public:
    DesktopProgram();
    ~DesktopProgram();

    // The start routine: settings, language, the first document, the splash window. A file
    // named by startFile opens once the main window shows.
    void start(const std::string& startFile = {});
    // Runs until the main window has closed; the process exit status.
    int exec();

    // The main window once the splash window has opened it, else nullptr.
    frmMain* mainWindow() const { return main_.get(); }

private:
    void openMainWindow();
    bool launchVersion(const std::string& dataVersion, const std::string& filePath);

    AppSettings settings_;
    DocumentState doc_;
    std::unique_ptr<DesktopPrompts> prompts_;
    DialogFileChooser files_;
    ChildWindowFactory children_;
    ChannelWindowState channelState_;
    std::unique_ptr<ChannelWindowServices> channelServices_;
    std::unique_ptr<SettingsWindowServices> settingsServices_;
    std::unique_ptr<WindowPlacementStore> placement_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::string startFile_;
    // The backup copies of the transfers; they outlive the transfer controller.
    BackupStore backups_{BackupFolderOfProcess()};
    StoreBackupKeeper backupKeeper_{backups_};
    WriteCheckStore writeChecks_ = WriteCheckStore::forUser();
    // The trace of the last transfer, for a problem report; it outlives the controller too.
    LastTransferTrace lastTrace_{LastTraceFileOfProcess()};
    std::unique_ptr<TransferController> transfers_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace k7x
