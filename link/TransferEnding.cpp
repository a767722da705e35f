// How a transfer ends: completed, refused, given up, cut off by a lost port or stopped by the
// user, who may ask at any moment, also from inside an event or an open prompt.
#include "link/LinkTexts.h"
#include "link/TransferEngine.h"

namespace k7x {

// ---- Ending ----

void TransferEngine::endFailed(FailureReason reason, const std::string& message) {
    // The radio is told to leave programming mode; its answer is not waited for.
    if (env_.serial.isOpen()) sendEnd();
    finish(false, reason, message);
}

void TransferEngine::endCompleted() {
    // The END of a cancel was answered or its time ran out.
    if (phase_ == TransferPhase::Cancelling) {
        finishCancelled();
        return;
    }
    finish(true, FailureReason::None, {});
}

void TransferEngine::finishCancelled() {
    // Blocks read so far are no document: none of them survives.
    if (state_.operation == Operation::ImageRead) env_.doc.MemImage.fill(0);
    finish(false, FailureReason::Cancelled, {});
}

void TransferEngine::finish(bool completed, FailureReason reason, const std::string& message) {
    const Operation operation = state_.operation;
    const bool partlyWritten = operation == Operation::ImageWrite && !completed && blocksWritten_;
    exchangeOpen_ = false;
    // No reply timer while the closing messages are shown.
    env_.timers.stop(TimerId::WaitTimer);
    enterPhase(TransferPhase::Ending);
    if (env_.serial.isOpen()) env_.serial.close();
    if (progressShown_) {
        progressShown_ = false;
        env_.progress.close();
    }
    if (operation == Operation::ImageWrite && writeBackupKept_ && !completed && !blocksWritten_) {
        env_.backups->dropWrite();
    }
    writeBackupKept_ = false;
    if (completed) {
        const auto sayComplete = [this, operation] {
            prompts_.message(kTextTransferCompleteBase + static_cast<int>(operation), Buttons::Ok,
                             Icon::None);
        };
        switch (operation) {
            case Operation::ImageRead:
                keepBackup(Operation::ImageRead);
                // A read for a comparison leaves its image to whoever asked for it.
                if (readUse_ != ReadUse::Document) break;
                env_.listener.closeChildWindows();
                enterPhase(TransferPhase::Unpacking);
                env_.timers.start(TimerId::ReadOKTimer, kReadOKTimerMs);
                sayComplete();
                break;
            case Operation::ImageWrite:
                sayComplete();
                break;
            case Operation::InformationRead:
                UnpackInfoArea(infoArea_, env_.doc.RadioInfo);
                env_.listener.showRadioInformation();
                break;
            case Operation::Idle:
                break;
        }
    }
    env_.timers.stop(TimerId::WaitTimer);
    state_.operation = Operation::Idle;
    state_.step = link_step::kIdle;
    // A completed read stays Unpacking (unless it was unpacked while its message was open).
    if (phase_ == TransferPhase::Ending) enterPhase(TransferPhase::Idle);
    env_.listener.transferFinished({operation, completed, reason, message, partlyWritten});
}

// ---- Cancel and lost port ----

// A lost port and a cancel are acted on once the engine has left every handler and prompt (the
// adapter may report a loss from inside a write, a desktop may cancel from a message box's event
// loop), so the transfer never goes on asking about a device that is gone, and never ends twice.
void TransferEngine::afterEvent() {
    if (eventDepth_ > 0 || promptDepth_ > 0) return;
    if (cancelPending_) {
        cancelPending_ = false;
        EventScope scope(*this);
        stopForCancel();
        return;
    }
    if (!portLostPending_) return;
    portLostPending_ = false;
    if (state_.operation == Operation::Idle || state_.step == link_step::kIdle) return;
    if (phase_ == TransferPhase::Cancelling) {
        // Gone while it was being told END: the user asked to stop, and it has stopped.
        finishCancelled();
        return;
    }
    failPortLost(portLostDetail_);
}

bool TransferEngine::cancel() {
    if (!isBusy()) return false;
    EventScope scope(*this);
    cancelPending_ = true;
    return true;
}

void TransferEngine::stopForCancel() {
    if (phase_ == TransferPhase::WriteDue) {
        enterPhase(TransferPhase::Idle);
        env_.timers.stop(TimerId::WaitSaveDataTimer);
        TransferOutcome outcome;
        outcome.operation = Operation::ImageWrite;
        outcome.reason = FailureReason::Cancelled;
        env_.listener.transferFinished(outcome);
        return;
    }
    if (phase_ == TransferPhase::Unpacking) {
        // The read is over; only the step that makes its image the document is left out.
        enterPhase(TransferPhase::Idle);
        env_.timers.stop(TimerId::ReadOKTimer);
        env_.doc.MemImage.fill(0);
        env_.listener.imageUnpacked(false);
        return;
    }
    // Ended meanwhile (the last answer came in the same event).
    if (state_.operation == Operation::Idle) return;
    if (phase_ == TransferPhase::Cancelling) {
        // Asked again: no more waiting. END at least goes out, behind whatever is on its way.
        if (state_.step != link_step::kEnd && env_.serial.isOpen()) {
            env_.serial.write(EndRequest().bytes);
        }
        finishCancelled();
        return;
    }
    // Any handshake sent may have put the radio into programming mode, even one whose answer
    // was not taken (a cable whose echo was not yet known).
    if (handshakeSent_ && env_.serial.isOpen() && !portLostPending_) {
        enterPhase(TransferPhase::Cancelling);
        // With a request out, END follows its answer or its reply time (handleReply,
        // handleReplyTimeout); at the last step that request is END itself.
        if (!exchangeOpen_) sendEndOnCancel();
        return;
    }
    finishCancelled();
}

void TransferEngine::failPortLost(const std::string& detail) {
    env_.timers.stop(TimerId::WaitTimer);
    enterPhase(TransferPhase::Ending);
    const std::string message = showWithDetail(kTextPortCannotOpen, detail, Icon::Critical);
    finish(false, FailureReason::PortLost, message);
}

}  // namespace k7x
