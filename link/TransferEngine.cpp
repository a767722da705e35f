#include "link/TransferEngine.h"

#include <cmath>

#include "link/LinkTexts.h"

namespace k7x {

// ---- Prompts held while open ----

std::string TransferEngine::GuardedPrompts::text(int number) const {
    return engine_.env_.prompts.text(number);
}

Answer TransferEngine::GuardedPrompts::message(const std::string& text, Buttons buttons, Icon icon,
                                               const std::string& title) {
    ++engine_.promptDepth_;
    Answer answer = engine_.env_.prompts.message(text, buttons, icon, title);
    --engine_.promptDepth_;
    return answer;
}

Answer TransferEngine::GuardedPrompts::ask(Question question, const std::string& text,
                                           Buttons buttons, Icon icon) {
    ++engine_.promptDepth_;
    Answer answer = engine_.env_.prompts.ask(question, text, buttons, icon);
    --engine_.promptDepth_;
    return answer;
}

std::optional<std::string> TransferEngine::GuardedPrompts::askPassword() {
    ++engine_.promptDepth_;
    std::optional<std::string> password = engine_.env_.prompts.askPassword();
    --engine_.promptDepth_;
    return password;
}

TransferEngine::EventScope::EventScope(TransferEngine& e) : engine(e) {
    ++engine.eventDepth_;
}

TransferEngine::EventScope::~EventScope() {
    if (--engine.eventDepth_ == 0) engine.afterEvent();
}

// ---- Starting ----

TransferEngine::TransferEngine(LinkEnvironment env) : env_(std::move(env)) {}

bool TransferEngine::isBusy() const {
    return state_.operation != Operation::Idle || phase_ == TransferPhase::WriteDue ||
           phase_ == TransferPhase::Unpacking;
}

void TransferEngine::setStoredPassword(const std::string& password) {
    storedPassword_ = TrimField(password);
}

bool TransferEngine::start(Operation operation, bool confirm) {
    if (operation == Operation::Idle || isBusy()) return false;
    EventScope scope(*this);

    switch (operation) {
        case Operation::ImageWrite:
            // The editing windows commit their edits first; the write starts on the timer.
            enterPhase(TransferPhase::WriteDue);
            confirmWrite_ = confirm;
            env_.timers.start(TimerId::WaitSaveDataTimer, kWaitSaveDataTimerMs);
            break;
        case Operation::ImageRead:
            beginOperation(operation);
            readUse_ = ReadUse::Document;
            if (!openPort()) break;
            // The port is not held while the user decides.
            env_.serial.close();
            if (confirm && prompts_.message(kTextConfirmRead, Buttons::OkCancel, Icon::Question) !=
                               Answer::Ok) {
                finish(false, FailureReason::Cancelled, {});
                break;
            }
            startImageTransfer();
            break;
        case Operation::InformationRead:
            beginOperation(operation);
            if (!openPort()) break;
            // The information read fills only the information area; the image is scratch.
            env_.doc.MemImage.fill(0);
            state_.handshakeAttempts = 0;
            sendHandshake();
            break;
        case Operation::Idle:
            break;
    }
    return true;
}

bool TransferEngine::startComparisonRead(ReadUse use) {
    if (use == ReadUse::Document || isBusy()) return false;
    EventScope scope(*this);
    beginOperation(Operation::ImageRead);
    readUse_ = use;
    startImageTransfer();
    return true;
}

void TransferEngine::startWrite() {
    beginOperation(Operation::ImageWrite);
    if (!openPort()) return;
    env_.serial.close();
    if (confirmWrite_ &&
        prompts_.message(kTextConfirmWrite, Buttons::OkCancel, Icon::Question) != Answer::Ok) {
        finish(false, FailureReason::Cancelled, {});
        return;
    }
    startImageTransfer();
}

void TransferEngine::beginOperation(Operation operation) {
    state_.operation = operation;
    state_.step = link_step::kIdle;
    state_.blockSize = static_cast<std::int32_t>(kBlockSize);
    if (operation == Operation::InformationRead) {
        state_.address = kInformationAreaStart;
        state_.endLimit = kInformationEndLimit;
    } else {
        state_.address = kImageStartAddress - state_.blockSize;
        state_.endLimit = kImageEndLimit;
    }
    state_.lastPercent = 0;
    env_.timers.stop(TimerId::WaitTimer);
    enterPhase(TransferPhase::Opening);
    state_.handshakeAttempts = 0;
    state_.informationRetries = kInformationRetries;
    const auto blocks = std::lround(static_cast<double>(state_.endLimit) / state_.blockSize);
    state_.blockRetries.assign(static_cast<std::size_t>(blocks) + 1, kBlockRetries);
    resendsInRow_ = 0;
    answerRefused_ = false;
    portLostPending_ = false;
    cancelPending_ = false;
    exchangeOpen_ = false;
    handshakeSent_ = false;
    blocksWritten_ = false;
    writeBackupKept_ = false;
    checkReason_ = FailureReason::None;
    checkMessage_.clear();
}

// Bytes from the radio are looked at only in the phases that wait for them. Whether a handshake
// or a write block actually went out is kept beside the phase: a request meant to go out is held
// back once the transfer is stopping.
void TransferEngine::enterPhase(TransferPhase phase) {
    phase_ = phase;
    state_.awaitingReply = phase == TransferPhase::Exchanging || phase == TransferPhase::Cancelling;
}

bool TransferEngine::openPort() {
    if (env_.serial.isOpen()) env_.serial.close();
    const std::optional<std::string> error = env_.serial.open();
    if (!error) {
        state_.receiveThreshold = 1;
        return true;
    }
    const std::string message = showWithDetail(kTextPortCannotOpen, *error, Icon::Critical);
    finish(false, FailureReason::PortError, message);
    return false;
}

void TransferEngine::startImageTransfer() {
    env_.doc.MemImage.fill(0);
    if (state_.operation == Operation::ImageWrite) {
        PackImage(env_.doc);
        keepBackup(Operation::ImageWrite);
    }
    env_.progress.show(state_.operation);
    progressShown_ = true;
    if (!env_.serial.isOpen() && !openPort()) return;
    state_.handshakeAttempts = 0;
    sendHandshake();
}

// ---- Requests ----

void TransferEngine::send(const Request& request) {
    // Nothing more goes to a device known to be gone, and nothing but END once the user has
    // asked to stop; the transfer ends as soon as the current event is handled.
    if (portLostPending_ || (cancelPending_ && request.kind != RequestKind::End)) return;
    state_.echoLength = EchoLength(request, state_.echoFree);
    state_.receiveThreshold = ReceiveThreshold(request, state_.echoFree);
    env_.timers.start(TimerId::WaitTimer, kWaitTimerMs);
    env_.serial.setReceiveThreshold(state_.receiveThreshold);
    env_.serial.clearBuffers();
    env_.serial.write(request.bytes);
    exchangeOpen_ = true;
    answerRefused_ = false;
    if (request.kind == RequestKind::Handshake) handshakeSent_ = true;
    if (request.kind == RequestKind::WriteBlock) blocksWritten_ = true;
}

void TransferEngine::sendHandshake() {
    state_.step = link_step::kHandshake;
    enterPhase(TransferPhase::Exchanging);
    send(HandshakeRequest());
}

void TransferEngine::sendReadBlock(int address) {
    send(ReadBlockRequest(address));
}

void TransferEngine::sendWriteBlock() {
    // The chain keeps the address inside the image; a block outside it is never sent.
    if (std::optional<Request> request = WriteBlockRequest(state_.address, env_.doc.MemImage)) {
        send(*request);
    }
}

void TransferEngine::sendEnd() {
    send(EndRequest());
}

// Sent only between exchanges: emptying the buffers while a request were still going out
// would cut it short and the radio would take END for the rest of it, and the answer to that
// request could be taken for the answer to END.
void TransferEngine::sendEndOnCancel() {
    state_.step = link_step::kEnd;
    sendEnd();
}

void TransferEngine::nextReadBlock() {
    state_.address += state_.blockSize;
    if (state_.address >= state_.endLimit) {
        state_.step = link_step::kEnd;
        sendEnd();
        return;
    }
    sendReadBlock(state_.address);
}

void TransferEngine::nextWriteBlock() {
    state_.address += state_.blockSize;
    resendsInRow_ = 0;
    if (state_.address >= state_.endLimit) {
        state_.step = link_step::kEnd;
        sendEnd();
        return;
    }
    updateProgress();
    sendWriteBlock();
}

// ---- Backup copies and messages ----

void TransferEngine::keepBackup(Operation operation) {
    if (env_.backups == nullptr) return;
    const std::optional<std::string> problem =
        operation == Operation::ImageRead
            ? env_.backups->keepRead(
                  env_.doc, env_.doc.RadioCountryMode,
                  readUse_ == ReadUse::BeforeWrite ? BackupKind::BeforeWrite : BackupKind::Read)
            : env_.backups->keepWrite(env_.doc);
    if (operation == Operation::ImageWrite) writeBackupKept_ = !problem;
    if (problem) showWithDetail(kTextBackupNotKept, *problem, Icon::Warning);
}

std::string TransferEngine::showWithDetail(int text, const std::string& detail, Icon icon) {
    std::string message = prompts_.text(text);
    if (!detail.empty()) message += "\n" + detail;
    prompts_.show(message, Buttons::Ok, icon);
    return message;
}

// ---- Events ----

void TransferEngine::onBytesReceived(std::span<const Byte> bytes) {
    if (promptDepth_ > 0 || !state_.awaitingReply) return;
    EventScope scope(*this);
    const bool imageTransfer =
        state_.operation == Operation::ImageRead || state_.operation == Operation::ImageWrite;
    ReplyExpectation expected;
    expected.echoLength = state_.echoLength;
    expected.threshold = state_.receiveThreshold;
    expected.informationStep = imageTransfer && state_.step == link_step::kInformationBlock;
    expected.currentAddress = state_.address;
    const Reply reply = ClassifyReply(bytes, expected);
    if (reply.kind == ReplyKind::None) {
        // A whole answer arrived, but damaged: noted for what the user is told if the block
        // does not get through.
        if (state_.step == link_step::kReadBlock) answerRefused_ = true;
        return;
    }
    exchangeOpen_ = false;
    handleReply(reply);
}

void TransferEngine::onTimer(TimerId id) {
    EventScope scope(*this);
    env_.timers.stop(id);
    switch (id) {
        case TimerId::WaitTimer:
            exchangeOpen_ = false;
            // A reply timer cannot run while a prompt is open; a stray expiry changes nothing.
            if (promptDepth_ == 0 && state_.operation != Operation::Idle &&
                state_.step != link_step::kIdle) {
                handleReplyTimeout();
            }
            break;
        case TimerId::ReadOKTimer:
            handleReadOk();
            break;
        case TimerId::WaitSaveDataTimer:
            if (phase_ == TransferPhase::WriteDue) startWrite();
            break;
    }
}

void TransferEngine::onPortLost(const std::string& detail) {
    // Only a transfer that holds the port is affected; during a confirmation it is closed.
    if (state_.operation == Operation::Idle || state_.step == link_step::kIdle) return;
    EventScope scope(*this);
    portLostPending_ = true;
    portLostDetail_ = detail;
}

}  // namespace k7x
