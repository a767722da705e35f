#include "link/ui/TransferController.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "link/LinkTexts.h"
#include "link/ui/FrmSetComm.h"
#include "shell/VersionLoader.h"
#include "shell/ui/FrmPassWord.h"

namespace k7x {

TransferController::TransferController(TransferControllerServices services, QObject* parent)
    : QObject(parent), s_(std::move(services)) {
    // What the serial port tells the user is worded in the program's current language.
    const TextLookup texts = [&prompts = s_.prompts](int number) { return prompts.text(number); };
    if (!s_.resolver) s_.resolver = DesktopPortResolver(s_.settings, texts);
    if (!s_.portScan) s_.portScan = SystemPortScan(s_.settings);
    if (!s_.portCheck) s_.portCheck = SystemPortChecker();
    if (!s_.launchVersion) {
        s_.launchVersion = [this](const std::string& dataVersion) {
            return LaunchProgramVersion(s_.settings.Versions, dataVersion, {},
                                        s_.settings.InstallRoot, s_.prompts);
        };
    }

    serial_ = std::make_unique<QtSerialLink>(s_.resolver, texts);
    progress_ =
        std::make_unique<ProgressWindowDisplay>(s_.prompts, [this] { return dialogParent(); });
    LinkEnvironment env{
        s_.doc, s_.prompts, s_.settings.Versions,
        // Only a program that really started may take over from this one.
        [this](const std::string& dataVersion) { versionStarted_ = s_.launchVersion(dataVersion); },
        *serial_, timers_, *progress_, *this, s_.backups};
    // An unanswered handshake is explained by what the port check finds about the device in use.
    env.portFindings = [this, texts] {
        return NoAnswerFindings(texts, s_.portCheck(serial_->devicePath()));
    };
    engine_ = std::make_unique<TransferEngine>(std::move(env));
    serial_->setEvents(engine_.get());
    timers_.setEvents(engine_.get());
}

TransferController::~TransferController() {
    // Nothing may reach the engine or the kept trace while it goes.
    serial_->setEvents(nullptr);
    serial_->setTrace(nullptr);
    timers_.setEvents(nullptr);
    for (TimerId id : {TimerId::WaitTimer, TimerId::ReadOKTimer, TimerId::WaitSaveDataTimer})
        timers_.stop(id);
    serial_->close();
}

bool TransferController::busy() const {
    return engine_->isBusy() || stage_ != Stage::None;
}

bool TransferController::start(Operation operation) {
    // A second start while one runs is refused before any window is touched.
    if (engine_->isBusy()) return false;
    if (operation != Operation::InformationRead)
        emit commitEditsRequested(operation == Operation::ImageWrite);
    versionStarted_ = false;
    // Commands are disabled before the first question, so none can start a second transfer
    // from inside the confirmation's event loop.
    lastBusy_ = true;
    emit busyChanged(true);
    traceTransfer(operation);
    const bool accepted = engine_->start(operation);
    updateBusy();
    return accepted;
}

bool TransferController::startRead() {
    return start(Operation::ImageRead);
}

bool TransferController::startWrite() {
    const WriteChecks checks = writeChecks();
    if (!checks.previewChanges && !checks.checkAfterWrite) return start(Operation::ImageWrite);
    if (busy()) return false;
    if (!checks.previewChanges) {
        if (!beginStage(Stage::Writing)) return false;
        startWriteStage(true);
        return true;
    }
    // The user agrees to the write before the radio is read for its preview.
    if (s_.prompts.message(kTextConfirmWrite, Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return true;
    if (!beginStage(Stage::Previewing)) return false;
    startStageRead(ReadUse::BeforeWrite);
    return true;
}

bool TransferController::startInfo() {
    return start(Operation::InformationRead);
}

void TransferController::choosePort(QWidget* parent) {
    FrmSetComm dialog(s_.settings, s_.prompts, s_.portScan, s_.portCheck, s_.portIdentify, parent);
    dialog.exec();
}

void TransferController::enterPassword(QWidget* parent) {
    FrmPassWord dialog(s_.prompts, engine_->storedPassword(), parent);
    if (dialog.exec() == QDialog::Accepted) engine_->setStoredPassword(dialog.password());
}

void TransferController::closePort() {
    // A transfer still running (an information read leaves the main window usable) is stopped
    // the way the radio expects: END once the request in hand is answered or its reply time has
    // passed, then the port closes. The engine needs at most two reply times for that; should
    // it still run after them, a second cancel ends it at once. When the engine itself asked the
    // program to end, it is inside one of its own steps and finishes the transfer on its way
    // out, so there is nothing to wait for here.
    if (!reportingEnd_ && engine_->cancel() && engine_->isBusy()) {
        QEventLoop wait;
        const auto quitWhenIdle = [this, &wait] {
            if (!engine_->isBusy()) wait.quit();
        };
        connect(this, &TransferController::busyChanged, &wait, quitWhenIdle);
        connect(this, &TransferController::transferEnded, &wait, quitWhenIdle);
        QTimer again;
        again.setSingleShot(true);
        connect(&again, &QTimer::timeout, &wait, [this] { engine_->cancel(); });
        again.start(kCancelGraceMs);
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &wait, &QEventLoop::quit);
        deadline.start(kCancelDeadlineMs);
        if (engine_->isBusy()) wait.exec();
    }
    serial_->close();
}

void TransferController::updateBusy() {
    const bool now = busy();
    if (now == lastBusy_) return;
    lastBusy_ = now;
    emit busyChanged(now);
}

// ---- the engine's reports ----

void TransferController::closeChildWindows() {
    emit closeChildWindowsRequested();
}

void TransferController::showRadioInformation() {
    emit radioInformationReady();
}

void TransferController::imageUnpacked(bool ok) {
    if (ok) emit documentReplaced();
    updateBusy();
}

void TransferController::endProgram() {
    if (!versionStarted_) return;
    reportingEnd_ = true;
    emit programEndRequested();
    reportingEnd_ = false;
}

void TransferController::traceTransfer(Operation operation) {
    if (s_.lastTrace) serial_->setTrace(&s_.lastTrace->begin(operation));
}

void TransferController::transferFinished(const TransferOutcome& outcome) {
    lastOutcome_ = outcome;
    if (s_.lastTrace) s_.lastTrace->end(outcome);
    emit transferEnded(outcome);
    if (stage_ != Stage::None) {
        // The next step starts once the engine has finished this transfer.
        QTimer::singleShot(0, this, [this, outcome] { afterTransfer(outcome); });
        return;
    }
    updateBusy();
}

}  // namespace k7x
