// The three transfers with the radio (read the image, write the image, read the information
// area) as one state machine fed with events: bytes received, a timer expired, the port lost.
// User answers come synchronously through Prompts. One engine per program; the echo setting and
// the stored password outlive single transfers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codeplug/CodeplugFile.h"
#include "codeplug/DocumentState.h"
#include "codeplug/MemoryImage.h"
#include "codeplug/Prompts.h"
#include "codeplug/Versions.h"
#include "link/Frames.h"
#include "link/LinkInterfaces.h"

namespace k7x {

// Positions in the chain of requests. The same number may name different requests in
// different operations: step 3 is the information block of an image transfer and the
// identify request of an information read.
namespace link_step {
inline constexpr Int kIdle = 0;
inline constexpr Int kHandshake = 1;
inline constexpr Int kIdentify = 2;          // image read and write
inline constexpr Int kInformationBlock = 3;  // image read and write
inline constexpr Int kInfoIdentify = 3;      // information read
inline constexpr Int kWriteBlock = 4;        // image write
inline constexpr Int kReadBlock = 5;         // image read and information read
inline constexpr Int kEnd = 69;
}  // namespace link_step

inline constexpr Int kHandshakeAttemptLimit = 3;  // unanswered handshakes before the question
inline constexpr Int kInformationRetries = 3;
inline constexpr Int kBlockRetries = 3;
// A radio that answers every write of a block with a resend request would hold the transfer
// forever; past this many in a row the block counts as unanswered.
inline constexpr int kResendRequestsInRow = 8;
inline constexpr int kInformationAreaStart = 0x3DF0;  // one block before the information area

// Where the engine stands. Exactly one phase at a time; TransferEngine::enterPhase is the only
// place it changes.
enum class TransferPhase {
    Idle,        // no transfer; a new one may start
    WriteDue,    // an image write waits for the editing windows to commit (WaitSaveDataTimer)
    Opening,     // the operation is chosen: the port is tried and the user asked; nothing sent
    Exchanging,  // requests go out and replies are looked at (LinkState::step says which)
    Asking,      // the radio stopped answering: the user decides whether to try again
    Cancelling,  // stopping for the user: END goes out after the exchange in hand
    Ending,      // the port closes and the closing messages are shown; nothing more is looked at
    Unpacking,   // a completed read waits to become the document (ReadOKTimer)
};

// Where the radio stopped answering, which says what usually helps.
enum class StallStage {
    Handshake,       // never answered: the cable's plug, the radio's power, the port chosen
    AfterHandshake,  // answered the handshake, then fell silent before the data: the link
    Block,           // fell silent at a block: the cable or its adapter lost the link
    BlockRefused,    // kept refusing a block or answering it damaged: noise on the line
};

// The one transfer state of the program.
struct LinkState {
    Operation operation = Operation::Idle;
    Int step = link_step::kIdle;
    std::int32_t address = 0;   // the block in hand; starts one block before the area
    std::int32_t endLimit = 0;  // the chain ends when the next address is not below it
    std::int32_t blockSize = static_cast<std::int32_t>(kBlockSize);

    bool echoFree = false;             // survives from one transfer to the next
    std::size_t echoLength = 0;        // E of the request just sent
    bool awaitingReply = false;        // received bytes are only looked at while set
    std::size_t receiveThreshold = 1;  // N of the request just sent

    Int handshakeAttempts = 0;
    Int informationRetries = kInformationRetries;
    std::vector<Int> blockRetries;  // one counter per block index, not reset by a restart
    Int lastPercent = 0;

    std::string RadioModel;
    std::string RadioVersion;
    bool RadioCtcssDcs = false;
    Int RadioCountryMode = 0;  // becomes the document's once the radio has been accepted
};

// What the engine reaches outside itself.
struct LinkEnvironment {
    DocumentState& doc;
    Prompts& prompts;
    const VersionTable& versions;
    VersionLauncher launchProgramVersion;  // LaunchProgramVersion for a data version
    SerialLink& serial;
    LinkTimers& timers;
    ProgressDisplay& progress;
    TransferListener& listener;
    BackupKeeper* backups = nullptr;  // none: no backup copies
    // What a check of the port in use finds that may keep the radio from answering, worded for
    // the user; asked when the handshake goes unanswered. Empty (or none): nothing to add.
    std::function<std::string()> portFindings = {};
};

class TransferEngine : public LinkEvents {
public:
    explicit TransferEngine(LinkEnvironment env);

    // Starts an operation (not Idle). Refused (false, nothing changes) while another transfer
    // runs, a write waits to start or a completed read waits to become the document. With
    // `confirm` the user is asked before an image read or write (the CLI's command is its own
    // confirmation). An image write starts 100 ms later, after the editing windows have
    // committed their edits. Every accepted start ends in TransferListener::transferFinished.
    bool start(Operation operation, bool confirm = true);
    // Starts an image read for a use other than the document: it is not asked about, leaves
    // the document as it is and ends without a completion message; the image read is in
    // doc.MemImage (in the country mode doc.RadioCountryMode) when transferFinished reports it
    // completed. Refused like start().
    bool startComparisonRead(ReadUse use);
    bool isBusy() const;

    // Stops the transfer for the user (Ctrl+C, closing the program). Once a handshake has gone
    // out the radio may be in programming mode, so while the port works it is told END: after
    // the answer to the request in hand (or its reply time), and given one reply time to
    // answer END, so at most two reply times; then the port closes and the transfer ends as
    // failed (FailureReason::Cancelled). The document stays as it was; a cancelled read leaves
    // MemImage cleared. A write still waiting to start ends at once; a completed read still
    // waiting to become the document is dropped (imageUnpacked(false)). Called while idle it
    // does nothing and returns false. From inside an event or an open prompt it takes effect
    // once that is over. A second call ends the transfer at once (END still goes out).
    bool cancel();

    void onBytesReceived(std::span<const Byte> bytes) override;
    void onTimer(TimerId id) override;
    void onPortLost(const std::string& detail) override;

    const LinkState& state() const { return state_; }
    // The radio's information area (addresses 0x3E00..0x3EFF) of the last information read.
    const InfoArea& informationArea() const { return infoArea_; }

    // The password compared with the radio's; kept for the program's run.
    const std::string& storedPassword() const { return storedPassword_; }
    void setStoredPassword(const std::string& password);

private:
    // Forwards to the environment's Prompts and counts open prompts: in the desktop program a
    // modal message box runs a nested event loop, and events arriving meanwhile are held off.
    class GuardedPrompts : public Prompts {
    public:
        explicit GuardedPrompts(TransferEngine& engine) : engine_(engine) {}
        std::string text(int number) const override;
        Answer message(const std::string& text, Buttons buttons, Icon icon,
                       const std::string& title) override;
        std::optional<std::string> askPassword() override;
        using Prompts::message;
        Answer ask(Question question, const std::string& text, Buttons buttons, Icon icon) override;
        Answer show(const std::string& text, Buttons buttons, Icon icon) {
            return message(text, buttons, icon, {});
        }

    private:
        TransferEngine& engine_;
    };

    // Marks the engine as handling an event; when the outermost one ends, a port lost meanwhile
    // is acted on.
    struct EventScope {
        explicit EventScope(TransferEngine& engine);
        ~EventScope();
        TransferEngine& engine;
    };

    // Start and the chain of requests (TransferEngine.cpp).
    void beginOperation(Operation operation);
    void enterPhase(TransferPhase phase);
    bool openPort();
    void startWrite();
    void startImageTransfer();
    void sendHandshake();
    void send(const Request& request);
    void sendReadBlock(int address);
    void sendWriteBlock();
    void sendEnd();
    void sendEndOnCancel();
    void nextReadBlock();
    void nextWriteBlock();

    // Reactions to replies and to silence (TransferSteps.cpp).
    void handleReply(const Reply& reply);
    void handleImageReply(const Reply& reply);
    void handleInformationReply(const Reply& reply);
    void handleResendRequest();
    void handleReplyTimeout();
    void retryBlock();
    void handleReadOk();
    void askRestart();
    void askRetry();
    // Where the radio stopped answering (TransferStalls.cpp), and what the user is told about it.
    StallStage stallStage() const;
    std::string stallMessage() const;
    void updateProgress();

    // Radio checks at the information block (TransferChecks.cpp).
    bool passwordCheck(std::span<const Byte, kBlockSize> informationBlock);
    bool compatibilityCheck();
    void acceptInformationBlock(const Reply& reply);

    // Ending, cancel and lost port (TransferEnding.cpp).
    void endFailed(FailureReason reason, const std::string& message);
    void endCompleted();
    void finish(bool completed, FailureReason reason, const std::string& message);
    void failPortLost(const std::string& detail);
    void afterEvent();
    void stopForCancel();
    void finishCancelled();
    // Backup copies (TransferEngine.cpp): a failure is shown once and the transfer goes on.
    void keepBackup(Operation operation);
    // Shows the text with the detail, when there is one, on a line of its own; returns what
    // was shown.
    std::string showWithDetail(int text, const std::string& detail, Icon icon);
    // The transfer is about to end for a lost port or a cancel: nothing more is asked or sent
    // (except END), the end comes when the current event is over.
    bool stopPending() const { return portLostPending_ || cancelPending_; }

    LinkEnvironment env_;
    GuardedPrompts prompts_{*this};
    LinkState state_;
    TransferPhase phase_ = TransferPhase::Idle;
    InfoArea infoArea_{};
    std::string storedPassword_;

    // Facts that hold across phases.
    bool confirmWrite_ = true;             // the write due asks the user first
    ReadUse readUse_ = ReadUse::Document;  // what the image read in hand is for
    bool progressShown_ = false;  // opened with the image transfer, closed once when it ends
    int promptDepth_ = 0;
    int eventDepth_ = 0;
    int resendsInRow_ = 0;  // resend requests for the block in hand
    // The request in hand was answered, but with a resend request or a reply that could not be
    // taken: a line that spoils data rather than one that has gone quiet.
    bool answerRefused_ = false;
    bool portLostPending_ = false;
    std::string portLostDetail_;
    bool cancelPending_ = false;    // cancel() called inside an event or prompt
    bool exchangeOpen_ = false;     // a request is out; neither its answer nor its time has come
    bool handshakeSent_ = false;    // the radio may be in programming mode
    bool blocksWritten_ = false;    // a write block went out: the radio holds part of the data
    bool writeBackupKept_ = false;  // the image of the write in hand has its backup copy
    // Why the radio checks refused the radio, and what the user was shown.
    FailureReason checkReason_ = FailureReason::None;
    std::string checkMessage_;
};

}  // namespace k7x
