// One radio transfer on the command line: the transfer engine on the serial port, its timers
// on QTimer, the progress on stderr, all driven by a Qt event loop until the transfer is over
// (and, after a read, until the image has become the document).
#pragma once

#include <map>
#include <optional>
#include <string>

#include "codeplug/DocumentState.h"
#include "link/LinkInterfaces.h"
#include "link/serial/PortMap.h"

namespace k7x::cli {

struct CliContext;

struct RadioSessionSettings {
    PortChoice port;
    std::map<int, std::string> configuredPorts;  // the "ports" section of the setup file
    std::string traceFile;                       // empty: no trace
    std::optional<std::string> password;
    int retries = 0;
    bool interactive = false;         // questions can be asked on the terminal
    bool progressTerminal = false;    // stderr is a terminal: draw a bar
    BackupKeeper* backups = nullptr;  // keeps the copies of reads and writes; none: no copies
    // What an image read is for; other than the document, the read leaves it as it is and its
    // image is in doc.MemImage afterwards.
    ReadUse readUse = ReadUse::Document;
};

struct RadioSessionResult {
    TransferOutcome outcome;
    bool imageUnpacked = false;  // after a completed read: the image became the document
    bool endProgram = false;     // the user chose to start another program version
    std::string problem;         // set up failed (trace file, ...) or the session was stopped
    // SIGINT or SIGTERM stopped the session (0: none). outcome.completed is then false, also
    // when the stop came after the transfer, before its image became the document, and
    // `problem` says so.
    int stopSignal = 0;
};

// Runs one operation against `doc`; blocks until it is over. Needs a QCoreApplication.
RadioSessionResult RunRadioSession(Operation operation, DocumentState& doc,
                                   const RadioSessionSettings& settings, CliContext& ctx);

}  // namespace k7x::cli
