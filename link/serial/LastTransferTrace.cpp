#include "link/serial/LastTransferTrace.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <streambuf>

#include "codeplug/XdgFolders.h"

namespace k7x {

// The file behind a kept trace: opened (and so replaced) at the first character, written
// through the file's own buffer up to half the limit, then only the latest lines are held, up
// to the other half, and written when the trace ends.
class BoundedTraceFile : public std::streambuf {
    // Room for the line the start ends in and for the line that counts the lines left out.
    static constexpr std::size_t kSlack = 256;

public:
    BoundedTraceFile(std::string path, std::size_t limit, std::string heading)
        : path_(std::move(path)),
          headLimit_(limit / 2),
          tailLimit_(limit - limit / 2 - std::min(limit / 2, kSlack)),
          heading_(std::move(heading)),
          failed_(path_.empty()) {}

    // Something has been traced: the file has been replaced.
    bool started() const { return file_.is_open(); }

    void finish() {
        if (ended_) return;
        ended_ = true;
        if (!file_.is_open()) return;
        if (dropped_ > 0) file_ << "-- " << dropped_ << " lines left out --\n";
        for (const std::string& line : tail_) file_ << line;
        file_ << partial_;
        file_.close();
    }

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        for (std::streamsize i = 0; i < count; ++i) put(text[i]);
        return count;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) put(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override {
        if (file_.is_open()) file_.flush();
        return 0;
    }

private:
    void put(char c) {
        if (ended_ || !open()) return;
        if (!inTail_ && lineStart_ && written_ >= headLimit_) inTail_ = true;
        lineStart_ = c == '\n';
        if (!inTail_) {
            file_.put(c);
            ++written_;
            return;
        }
        partial_.push_back(c);
        if (c != '\n') return;
        tailBytes_ += partial_.size();
        tail_.push_back(std::move(partial_));
        partial_.clear();
        while (tailBytes_ > tailLimit_ && !tail_.empty()) {
            tailBytes_ -= tail_.front().size();
            tail_.pop_front();
            ++dropped_;
        }
    }

    bool open() {
        if (file_.is_open()) return true;
        if (failed_) return false;
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
        file_.open(path_, std::ios::out | std::ios::trunc | std::ios::binary);
        failed_ = !file_.is_open();
        if (!failed_) file_ << heading_;
        written_ = heading_.size();
        return !failed_;
    }

    std::string path_;
    std::size_t headLimit_;
    std::size_t tailLimit_;
    std::string heading_;
    // The file cannot be written (or there is none): the transfer goes on untraced.
    bool failed_ = false;
    std::ofstream file_;
    bool ended_ = false;
    bool lineStart_ = true;
    bool inTail_ = false;
    std::size_t written_ = 0;
    std::deque<std::string> tail_;
    std::size_t tailBytes_ = 0;
    std::string partial_;
    std::size_t dropped_ = 0;
};

namespace {

constexpr std::string_view kStateBelowHome = "/.local/state";

std::string TraceIn(const std::string& stateFolder) {
    return stateFolder.empty() ? stateFolder : stateFolder + "/korvan7x/" + kLastTraceName;
}

std::string ReasonName(FailureReason reason) {
    switch (reason) {
        case FailureReason::PortError:
            return "the port could not be opened";
        case FailureReason::PortLost:
            return "the port was lost";
        case FailureReason::Cancelled:
            return "cancelled";
        case FailureReason::NoAnswer:
            return "no answer";
        case FailureReason::PasswordFailure:
            return "wrong password";
        case FailureReason::OtherModel:
            return "another model";
        case FailureReason::CountryModeMismatch:
            return "another country mode";
        case FailureReason::CountryModeError:
            return "unknown country mode";
        case FailureReason::OtherVersion:
            return "another version";
        case FailureReason::None:
            break;
    }
    return "not completed";
}

}  // namespace

std::string LocalTimeNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %z", &local);
    return text;
}

std::string LastTraceFileFor(std::string_view xdgStateHome, std::string_view home) {
    return TraceIn(XdgFolderFor(xdgStateHome, home, kStateBelowHome));
}

std::string LastTraceFileOfProcess() {
    return TraceIn(XdgFolderOfProcess("XDG_STATE_HOME", kStateBelowHome));
}

std::string OperationName(Operation operation) {
    switch (operation) {
        case Operation::ImageRead:
            return "read";
        case Operation::ImageWrite:
            return "write";
        case Operation::InformationRead:
            return "information read";
        case Operation::Idle:
            break;
    }
    return "transfer";
}

std::string OutcomeNote(const TransferOutcome& outcome) {
    std::string text = kOutcomeNote + OperationName(outcome.operation);
    if (outcome.completed) return text + " completed";
    text += " failed (" + ReasonName(outcome.reason) + ")";
    if (outcome.radioPartlyWritten) text += ", the radio is partly written";
    if (!outcome.message.empty()) text += ": " + outcome.message;
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

LastTransferTrace::LastTransferTrace(std::string path, std::size_t limit)
    : path_(std::move(path)), limit_(limit) {}

LastTransferTrace::~LastTransferTrace() {
    if (file_) file_->finish();
}

SerialTrace& LastTransferTrace::begin(Operation operation) {
    // The trace goes before the stream it writes to, the stream before its file.
    trace_.reset();
    stream_.reset();
    if (file_) file_->finish();
    file_ = std::make_unique<BoundedTraceFile>(
        path_, limit_, "# korvan7x " + OperationName(operation) + ", " + LocalTimeNow() + "\n");
    stream_ = std::make_unique<std::ostream>(file_.get());
    // Buffered: the kept trace must not slow the transfer down.
    trace_ =
        std::make_unique<SerialTrace>(*stream_, SerialTrace::Clock(), SerialTrace::Flush::Notes);
    return *trace_;
}

void LastTransferTrace::end(const TransferOutcome& outcome) {
    if (!trace_) return;
    // A transfer that never reached the port leaves the trace before it.
    if (file_->started()) trace_->note(OutcomeNote(outcome));
    file_->finish();
}

}  // namespace k7x
