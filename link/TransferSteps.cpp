// How the transfer moves on: an accepted reply advances the chain, silence resends within the
// retry budgets and then asks the user.
#include <algorithm>

#include "link/LinkTexts.h"
#include "link/TransferEngine.h"

namespace k7x {

using namespace link_step;

// ---- Accepted replies ----

void TransferEngine::handleReply(const Reply& reply) {
    // Stopping: the exchange in hand is over, whatever it brought; the radio is told END.
    if (phase_ == TransferPhase::Cancelling && state_.step != kEnd) {
        env_.timers.stop(TimerId::WaitTimer);
        sendEndOnCancel();
        return;
    }
    if (state_.operation == Operation::InformationRead) {
        handleInformationReply(reply);
    } else {
        handleImageReply(reply);
    }
}

// A reply that does not fit the step is dropped and leaves the reply timer running, so a
// stray answer can never stall the transfer.
void TransferEngine::handleImageReply(const Reply& reply) {
    const bool reading = state_.operation == Operation::ImageRead;
    const Int step = state_.step;

    if (step == kHandshake && reply.kind == ReplyKind::HandshakeAck) {
        env_.timers.stop(TimerId::WaitTimer);
        state_.step = kIdentify;
        send(IdentifyRequest());
    } else if (step == kIdentify && reply.kind == ReplyKind::Identification) {
        env_.timers.stop(TimerId::WaitTimer);
        const Identification& id = reply.identification;
        state_.RadioModel = id.RadioModel;
        state_.RadioCountryMode = id.RadioCountryMode;
        state_.RadioVersion = id.RadioVersion;
        state_.RadioCtcssDcs = id.RadioCtcssDcs;
        state_.step = kInformationBlock;
        sendReadBlock(kInformationBlockAddress);
    } else if (step == kInformationBlock && reply.kind == ReplyKind::InformationBlock) {
        env_.timers.stop(TimerId::WaitTimer);
        acceptInformationBlock(reply);
    } else if (reading && step == kReadBlock && reply.kind == ReplyKind::BlockReply) {
        env_.timers.stop(TimerId::WaitTimer);
        MemoryImage& image = env_.doc.MemImage;
        if (reply.address >= 0 &&
            static_cast<std::size_t>(reply.address) + kBlockSize <= image.size()) {
            std::copy(reply.data.begin(), reply.data.end(), image.begin() + reply.address);
        }
        updateProgress();
        nextReadBlock();
    } else if (!reading && step == kWriteBlock && reply.kind == ReplyKind::Acknowledgement) {
        env_.timers.stop(TimerId::WaitTimer);
        nextWriteBlock();
    } else if (!reading && step == kWriteBlock && reply.kind == ReplyKind::ResendRequest) {
        env_.timers.stop(TimerId::WaitTimer);
        handleResendRequest();
    } else if (step == kEnd && reply.kind == ReplyKind::Acknowledgement) {
        env_.timers.stop(TimerId::WaitTimer);
        endCompleted();
    }
}

void TransferEngine::handleInformationReply(const Reply& reply) {
    const Int step = state_.step;
    if (step == kHandshake && reply.kind == ReplyKind::HandshakeAck) {
        env_.timers.stop(TimerId::WaitTimer);
        state_.step = kInfoIdentify;
        send(IdentifyRequest());
    } else if (step == kInfoIdentify && reply.kind == ReplyKind::Identification) {
        // The information read does not look at the identification.
        env_.timers.stop(TimerId::WaitTimer);
        state_.step = kReadBlock;
        nextReadBlock();
    } else if (step == kReadBlock && reply.kind == ReplyKind::BlockReply) {
        env_.timers.stop(TimerId::WaitTimer);
        const int offset = reply.address - kInfoAreaAddress;
        if (offset >= 0 && static_cast<std::size_t>(offset) + kBlockSize <= infoArea_.size()) {
            std::copy(reply.data.begin(), reply.data.end(), infoArea_.begin() + offset);
        }
        nextReadBlock();
    } else if (step == kEnd && reply.kind == ReplyKind::Acknowledgement) {
        env_.timers.stop(TimerId::WaitTimer);
        endCompleted();
    }
}

// The radio asks for the block again. That uses none of the block's retry budget, but a radio
// that never stops asking is treated like one that does not answer.
void TransferEngine::handleResendRequest() {
    if (++resendsInRow_ <= kResendRequestsInRow) {
        sendWriteBlock();
        return;
    }
    resendsInRow_ = 0;
    answerRefused_ = true;
    retryBlock();
}

// ---- Silence ----

void TransferEngine::handleReplyTimeout() {
    const Int step = state_.step;
    const bool information = state_.operation == Operation::InformationRead;

    if (phase_ == TransferPhase::Cancelling && step != kEnd) {
        sendEndOnCancel();
        return;
    }
    if (step == kEnd) {
        // The radio has everything; a lost answer to END does not undo that.
        endCompleted();
    } else if (step == kHandshake) {
        if (++state_.handshakeAttempts > kHandshakeAttemptLimit) {
            if (information) {
                askRetry();
            } else {
                askRestart();
            }
            return;
        }
        // Alternate between a link that echoes and one that does not.
        state_.echoFree = !state_.echoFree;
        sendHandshake();
    } else if (information) {
        askRetry();
    } else if (step == kIdentify) {
        askRestart();
    } else if (step == kInformationBlock) {
        if (--state_.informationRetries > 0) {
            sendReadBlock(kInformationBlockAddress);
        } else {
            askRestart();
        }
    } else if (step == kReadBlock || step == kWriteBlock) {
        retryBlock();
    }
}

// Sends the block in hand again while its retry counter allows, else asks the user.
void TransferEngine::retryBlock() {
    const auto index = static_cast<std::size_t>(state_.address / state_.blockSize);
    if (index >= state_.blockRetries.size() || state_.blockRetries[index] < 1) {
        askRestart();
        return;
    }
    --state_.blockRetries[index];
    if (state_.operation == Operation::ImageRead) {
        sendReadBlock(state_.address);
    } else {
        sendWriteBlock();
    }
}

// Image read and write: start over from the first block, or give up.
void TransferEngine::askRestart() {
    enterPhase(TransferPhase::Asking);
    state_.handshakeAttempts = 0;
    state_.informationRetries = kInformationRetries;
    const std::string stall = stallMessage();
    const std::string question = stall + "\n" + prompts_.text(kTextTryAgain);
    const Answer answer =
        prompts_.ask(Question::RadioStoppedAnswering, question, Buttons::OkCancel, Icon::Question);
    // A port lost or a cancel while the question was open decides, not the answer.
    if (stopPending()) return;
    if (answer != Answer::Ok) {
        endFailed(FailureReason::NoAnswer, stall);
        return;
    }
    // The block retry counters keep their values: a block that stalled before gets fewer
    // attempts this time.
    state_.address = kImageStartAddress - state_.blockSize;
    resendsInRow_ = 0;
    state_.lastPercent = 0;
    if (progressShown_) env_.progress.setValue(0);
    sendHandshake();
}

// Information read: read the area again from its first block, or give up.
void TransferEngine::askRetry() {
    enterPhase(TransferPhase::Asking);
    const std::string stall = stallMessage();
    const std::string question = stall + "\n" + prompts_.text(kTextTryAgain);
    const Answer answer =
        prompts_.ask(Question::RadioStoppedAnswering, question, Buttons::RetryCancel, Icon::None);
    if (stopPending()) return;
    if (answer != Answer::Retry) {
        endFailed(FailureReason::NoAnswer, stall);
        return;
    }
    // The handshake attempts are not reset: an unanswered handshake asks again at once.
    state_.address = kInformationAreaStart;
    sendHandshake();
}

// ---- Progress and the end of a read ----

void TransferEngine::updateProgress() {
    if (state_.endLimit <= 0) return;
    // Rounded to the nearest integer: address 0x30 gives 1, 0x1CF0 gives 100.
    const long long twice = 200LL * state_.address + state_.endLimit;
    const Int percent = static_cast<Int>(twice / (2LL * state_.endLimit));
    if (percent - state_.lastPercent < 1) return;
    state_.lastPercent = percent;
    if (progressShown_) env_.progress.setValue(percent);
}

void TransferEngine::handleReadOk() {
    if (phase_ != TransferPhase::Unpacking) return;
    enterPhase(TransferPhase::Idle);
    const bool ok = TakeImageAsUntitledDocument(env_.doc, prompts_);
    env_.listener.imageUnpacked(ok);
}

}  // namespace k7x
