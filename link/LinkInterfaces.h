// What the transfer engine needs from outside: the serial port, the timers, the progress display,
// whoever reacts to the end of a transfer and whoever keeps the backup copies. The desktop program,
// the CLI and the unit tests each plug in their own. Messages, questions and the password dialog go
// through Prompts, the start of another program version through a VersionLauncher
// (codeplug/CodeplugFile.h).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "codeplug/Backups.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Records.h"

namespace k7x {

enum class Operation : Int { Idle = 0, ImageRead = 1, ImageWrite = 2, InformationRead = 3 };

// What a completed image read is for.
enum class ReadUse {
    Document,     // the image becomes the working document
    Compare,      // compared with the document, which stays as it is
    BeforeWrite,  // the same, just before a write: the copy kept is what the radio held
};

// The serial port. The adapter owns the device choice (port number or path) and the line
// settings (9600, no parity, 8 data bits, 1 stop bit, no flow control, raw bytes).
//
// Receive threshold: once at least `threshold` bytes are buffered, the adapter hands every
// buffered byte to LinkEvents::onBytesReceived in one call and empties its buffer. When the
// device disappears while open (cable pulled), it calls LinkEvents::onPortLost.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the port with the line settings and a receive threshold of 1. Returns nullopt when
    // the port is open, otherwise what the user can do about it (device path, permissions, who
    // may hold it); the engine shows that text after its own "port cannot be opened" message.
    virtual std::optional<std::string> open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Empties the receive and the transmit buffers (bytes not yet sent are discarded).
    virtual void clearBuffers() = 0;
    virtual void write(std::span<const Byte> bytes) = 0;
    virtual void setReceiveThreshold(std::size_t threshold) = 0;
};

// The engine's one-shot timers, by their names in the main window.
enum class TimerId {
    WaitTimer,          // reply timer, 150 ms after each request
    ReadOKTimer,        // 500 ms after a completed read: the image becomes the document
    WaitSaveDataTimer,  // 100 ms after the write command: the write starts
};

inline constexpr int kWaitTimerMs = 150;
inline constexpr int kReadOKTimerMs = 500;
inline constexpr int kWaitSaveDataTimerMs = 100;

// One-shot timers. start() (re)arms a timer; when it expires the owner calls
// LinkEvents::onTimer once. stop() disarms it; stopping a stopped timer does nothing.
class LinkTimers {
public:
    virtual ~LinkTimers() = default;
    virtual void start(TimerId id, int milliseconds) = 0;
    virtual void stop(TimerId id) = 0;
};

// The progress window of an image read or write. show() must return at once (the window is
// modal for the user, but the engine keeps receiving events); it starts at 0 %.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void show(Operation operation) = 0;
    // A rounded percentage 0..100; 0 again when the transfer restarts from the first block.
    virtual void setValue(int percent) = 0;
    virtual void close() = 0;
};

// Why a transfer ended without completing.
enum class FailureReason {
    None,                 // completed
    PortError,            // the port could not be opened
    PortLost,             // the device vanished during the transfer
    Cancelled,            // the user declined the confirmation or stopped the transfer
    NoAnswer,             // the radio stopped answering and the user gave up
    PasswordFailure,      // wrong radio password
    OtherModel,           // the radio is of another model
    CountryModeMismatch,  // writing a document of another country mode
    CountryModeError,     // the radio reported a country mode outside 0..2
    OtherVersion,         // this program version is not meant for the radio's version
};

struct TransferOutcome {
    Operation operation = Operation::Idle;
    bool completed = false;
    FailureReason reason = FailureReason::None;
    std::string message;  // the text the user was shown about the failure, if any
    // A write that failed after blocks had gone out: the radio holds part of the new data.
    bool radioPartlyWritten = false;
};

// Whoever reacts to the course of a transfer: the main window, the CLI, a test.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    // A completed image read: close every editing window, the document is about to be replaced.
    virtual void closeChildWindows() {}
    // A completed information read: the radio information record is filled; show it.
    virtual void showRadioInformation() {}
    // 500 ms after a completed image read the image has become the working document (an
    // untitled "new.dat"); reload the caption, texts and the channel grid. `ok` is false when
    // the image could not be unpacked (the document is then unchanged).
    virtual void imageUnpacked(bool /*ok*/) {}
    // The user accepted starting another program version: end this program at once.
    virtual void endProgram() {}
    // Every start that was accepted ends here exactly once, with no transfer running any more.
    // After a completed read, imageUnpacked follows (or, when a message box's event loop let
    // the timer through, has already happened); the engine refuses new starts until then.
    virtual void transferFinished(const TransferOutcome& /*outcome*/) {}
};

// Keeps a copy of every image read from the radio and of every image about to be written, so
// the user can put the radio back as it was. Each returns nullopt when the copy was kept, else
// what went wrong; the engine tells the user and the transfer goes on.
class BackupKeeper {
public:
    virtual ~BackupKeeper() = default;
    // A completed read: doc.MemImage holds the radio's image in the country mode given; `kind`
    // is Read or BeforeWrite.
    virtual std::optional<std::string> keepRead(const DocumentState& doc, Int countryMode,
                                                BackupKind kind) = 0;
    // doc.MemImage holds the image packed for the write that is starting.
    virtual std::optional<std::string> keepWrite(const DocumentState& doc) = 0;
    // The write whose copy was kept last ended before its first block went out: the radio is
    // unchanged, and the copy goes.
    virtual void dropWrite() = 0;
};

// The events that drive the engine; the serial adapter, the timers and tests call these.
class LinkEvents {
public:
    virtual ~LinkEvents() = default;
    // Every byte the port had buffered once the receive threshold was reached.
    virtual void onBytesReceived(std::span<const Byte> bytes) = 0;
    virtual void onTimer(TimerId id) = 0;
    // The device vanished; `detail` says which (may be empty).
    virtual void onPortLost(const std::string& detail) = 0;
};

}  // namespace k7x
