#include "cli/TerminalProgress.h"

#include <algorithm>
#include <string>

#include "cli/CliTexts.h"

namespace k7x::cli {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

void TerminalProgress::show(Operation operation) {
    label_ = text_(operation == Operation::ImageWrite ? kTextProgressWrite : kTextProgressRead);
    shown_ = true;
    if (terminal_) {
        draw(0);
    } else {
        err_ << label_ << '\n' << std::flush;
    }
}

void TerminalProgress::setValue(int percent) {
    if (!shown_) return;
    percent = std::clamp(percent, 0, 100);
    if (terminal_) {
        draw(percent);
    } else {
        err_ << percent << "%\n" << std::flush;
    }
}

void TerminalProgress::close() {
    if (!shown_) return;
    shown_ = false;
    breakLine();
}

void TerminalProgress::breakLine() {
    if (!onLine_) return;
    onLine_ = false;
    err_ << '\n' << std::flush;
}

void TerminalProgress::draw(int percent) {
    const int filled = percent * kBarWidth / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '-');
    // \r returns to the start of the line; the bar overwrites the previous one.
    err_ << '\r' << label_ << " [" << bar << "] " << percent << "%" << std::flush;
    onLine_ = true;
}

}  // namespace k7x::cli
