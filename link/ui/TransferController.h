// Runs the radio transfers of the desktop program: the transfer engine on the serial port and
// Qt timers, the progress window, the password and port dialogs, and what the rest of the
// program sees of a transfer (commands disabled while one runs, the read document, the radio
// information). The main window reaches it through RadioCommands and its signals.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "codeplug/DocumentState.h"
#include "codeplug/ImageCompare.h"
#include "codeplug/Prompts.h"
#include "link/RadioDifferences.h"
#include "link/TransferEngine.h"
#include "link/serial/LastTransferTrace.h"
#include "link/serial/PortCheck.h"
#include "link/serial/QtLinkTimers.h"
#include "link/serial/QtSerialLink.h"
#include "link/ui/FrmProgress.h"
#include "link/ui/PortScan.h"
#include "shell/AppSettings.h"
#include "shell/WriteChecks.h"
#include "shell/ui/RadioCommands.h"

class QWidget;

namespace k7x {

struct TransferControllerServices {
    AppSettings& settings;
    DocumentState& doc;
    Prompts& prompts;
    // Starts the program version meant for a radio's data version; true when it runs, and only
    // then does this program end. Empty: LaunchProgramVersion in the installation.
    std::function<bool(const std::string& dataVersion)> launchVersion;
    // The device of the chosen port at the moment of opening. Empty: the port numbers of the
    // setup file and the system, for ComPortNo.
    DeviceResolver resolver;
    // The port numbers the port dialog offers. Empty: the setup file and the system.
    PortScan portScan;
    // What the port dialog's check finds about a device. Empty: the real system.
    PortChecker portCheck = {};
    // Who the device behind each offered port is. Empty: the real system.
    PortIdentifier portIdentify = {};
    // Keeps the backup copies of reads and writes; none: no copies.
    BackupKeeper* backups = nullptr;
    // Where the choices around a write are kept; none: a write neither shows its changes first
    // nor checks the radio afterwards.
    WriteCheckStore* writeChecks = nullptr;
    // How the lists of differences name a setting; empty: by its name in the records.
    SettingNamer settingName = {};
    // Keeps the serial trace of the last transfer; none: no trace.
    LastTransferTrace* lastTrace = nullptr;
};

class TransferController : public QObject, public RadioCommands, private TransferListener {
    Q_OBJECT
public:
    explicit TransferController(TransferControllerServices services, QObject* parent = nullptr);
    ~TransferController() override;

    // Each returns false, and changes nothing, while another transfer runs. A read and a write
    // ask first; a write starts 100 ms after the editing windows committed their edits.
    bool startRead();
    bool startWrite();
    bool startInfo();
    // Reads the radio and shows what differs from the document; the document stays as it is.
    bool startCompare();

    // RadioCommands
    void readFromRadio() override { startRead(); }
    void writeToRadio() override { startWrite(); }
    void readRadioInfo() override { startInfo(); }
    void compareWithRadio() override { startCompare(); }
    WriteChecks writeChecks() const override;
    void setWriteChecks(const WriteChecks& checks) override;
    void choosePort(QWidget* parent) override;
    void enterPassword(QWidget* parent) override;
    // Stops a transfer still running (END to the radio), then closes the port.
    void closePort() override;
    bool busy() const override;

    // The window the progress window and the dialogs stand over.
    void setDialogParent(QWidget* window) { dialogParent_ = window; }

    std::string storedPassword() const { return engine_->storedPassword(); }
    const TransferOutcome& lastOutcome() const { return lastOutcome_; }
    TransferEngine& engine() { return *engine_; }
    QtLinkTimers& timers() { return timers_; }
    QtSerialLink& serial() { return *serial_; }
    // The progress window while an image transfer runs, else nullptr.
    FrmProgress* progressWindow() const { return progress_->window(); }

signals:
    // A transfer started or ended (for a read, once its image has become the document).
    void busyChanged(bool busy);
    // Before a read or write: the open editing windows commit any edit still open.
    void commitEditsRequested(bool forWrite);
    // A read completed: every editing window closes, the document is about to be replaced.
    void closeChildWindowsRequested();
    // The read image has become the document ("new.dat", untitled): caption, texts, grid.
    void documentReplaced();
    // An information read completed; the radio information record holds its data.
    void radioInformationReady();
    // The user chose to start the program version meant for the radio, and it runs.
    void programEndRequested();
    void transferEnded(const k7x::TransferOutcome& outcome);

private:
    // TransferListener
    void closeChildWindows() override;
    void showRadioInformation() override;
    void imageUnpacked(bool ok) override;
    void endProgram() override;
    void transferFinished(const TransferOutcome& outcome) override;

    bool start(Operation operation);
    // The kept trace follows the transfer about to start.
    void traceTransfer(Operation operation);
    // The reads around a write and the comparison (TransferChecksFlow.cpp).
    enum class Stage { None, Comparing, Previewing, Writing, Checking };
    bool beginStage(Stage stage);
    void startStageRead(ReadUse use);
    void startWriteStage(bool confirm);
    void afterTransfer(const TransferOutcome& outcome);
    ImageComparison radioAgainstDocument() const;
    void showComparison();
    bool previewAllowsWrite();
    void reportCheck();
    void updateBusy();
    QWidget* dialogParent() const { return dialogParent_; }

    TransferControllerServices s_;
    QPointer<QWidget> dialogParent_;
    QtLinkTimers timers_;
    std::unique_ptr<QtSerialLink> serial_;
    std::unique_ptr<ProgressWindowDisplay> progress_;
    std::unique_ptr<TransferEngine> engine_;
    TransferOutcome lastOutcome_;
    Stage stage_ = Stage::None;
    MemoryImage written_{};  // the image of the last write, for the check after it
    bool lastBusy_ = false;
    bool versionStarted_ = false;
    bool reportingEnd_ = false;  // inside endProgram: the engine ends the transfer itself

    // Closing while a transfer runs: the engine's own stop takes at most two reply times; after
    // this long it is asked again, which ends it at once, and after the deadline nobody waits.
    static constexpr int kCancelGraceMs = 2 * kWaitTimerMs + 200;
    static constexpr int kCancelDeadlineMs = 2000;
};

}  // namespace k7x
