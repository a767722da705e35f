// The serial trace of the last transfer, kept in the user's state folder for a problem report.
// Each transfer replaces the trace of the one before, once it first touches the port (a read
// the user declines leaves the previous trace alone), and ends it with a line that says how the
// transfer went. The file is bounded: past half the limit only the latest lines are kept, and
// they follow a line that says how many were left out, so the start of the exchange and what
// led to its end both survive a transfer that goes round in retries for hours.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "link/LinkInterfaces.h"
#include "link/TraceExcerpt.h"
#include "link/serial/SerialTrace.h"

namespace k7x {

inline constexpr std::size_t kLastTraceLimit = 2 * 1024 * 1024;
inline constexpr const char* kLastTraceName = "last-transfer.trace";

// $XDG_STATE_HOME/korvan7x/last-transfer.trace when that is an absolute path, else
// home/.local/state/korvan7x/last-transfer.trace; "" when neither is usable.
std::string LastTraceFileFor(std::string_view xdgStateHome, std::string_view home);
// LastTraceFileFor with the process's XDG_STATE_HOME and HOME.
std::string LastTraceFileOfProcess();

// The local time now, as the trace's and the report's headings give it:
// "2026-12-09 17:08:49 +0000".
std::string LocalTimeNow();
// The note that ends a kept trace, on one line: "outcome: write failed (no answer): ...".
std::string OutcomeNote(const TransferOutcome& outcome);
// "read", "write", "information read".
std::string OperationName(Operation operation);

class BoundedTraceFile;

class LastTransferTrace {
public:
    // An empty path keeps nothing; the trace then goes nowhere.
    explicit LastTransferTrace(std::string path, std::size_t limit = kLastTraceLimit);
    ~LastTransferTrace();
    LastTransferTrace(const LastTransferTrace&) = delete;
    LastTransferTrace& operator=(const LastTransferTrace&) = delete;

    // The trace of a new transfer of that kind; the one given before is gone. The file is
    // replaced when the first line is written.
    SerialTrace& begin(Operation operation);
    // Writes the outcome note and closes the file; lines traced after it are dropped.
    void end(const TransferOutcome& outcome);

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::size_t limit_;
    std::unique_ptr<BoundedTraceFile> file_;
    std::unique_ptr<std::ostream> stream_;
    std::unique_ptr<SerialTrace> trace_;
};

}  // namespace k7x
