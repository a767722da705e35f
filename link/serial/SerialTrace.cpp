#include "link/serial/SerialTrace.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace k7x {

namespace {

constexpr std::size_t kBytesPerLine = 16;

SerialTrace::Clock steadyClockFromNow() {
    const auto start = std::chrono::steady_clock::now();
    return [start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
}

}  // namespace

SerialTrace::SerialTrace(std::ostream& out, Clock clock, Flush flush)
    : out_(out), clock_(clock ? std::move(clock) : steadyClockFromNow()), flush_(flush) {}

SerialTrace::SerialTrace(std::unique_ptr<std::ofstream> file, Clock clock)
    : file_(std::move(file)), out_(*file_), clock_(std::move(clock)) {}

std::unique_ptr<SerialTrace> SerialTrace::toFile(const std::string& path, std::string& problem) {
    auto file = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc);
    if (!*file) {
        problem = "cannot write the trace file " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<SerialTrace>(new SerialTrace(std::move(file), steadyClockFromNow()));
}

std::string SerialTrace::stamp() const {
    char text[32];
    std::snprintf(text, sizeof text, "%10.3f", clock_());
    return text;
}

void SerialTrace::sent(std::span<const Byte> bytes) {
    line("TX", bytes);
    if (next_ != nullptr) next_->sent(bytes);
}

void SerialTrace::received(std::span<const Byte> bytes) {
    line("RX", bytes);
    if (next_ != nullptr) next_->received(bytes);
}

void SerialTrace::note(const std::string& text) {
    out_ << stamp() << " -- " << text << '\n' << std::flush;
    if (next_ != nullptr) next_->note(text);
}

void SerialTrace::line(const char* direction, std::span<const Byte> bytes) {
    const std::string when = stamp();
    // Long deliveries wrap; every line carries the time so lines can be sorted and grepped.
    for (std::size_t start = 0; start < bytes.size(); start += kBytesPerLine) {
        const std::span<const Byte> part =
            bytes.subspan(start, std::min(kBytesPerLine, bytes.size() - start));
        std::string hex;
        std::string ascii;
        for (Byte b : part) {
            char cell[4];
            std::snprintf(cell, sizeof cell, "%02X ", b);
            hex += cell;
            ascii += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.';
        }
        hex.resize(kBytesPerLine * 3, ' ');
        out_ << when << ' ' << direction << ' ' << hex << ' ' << ascii << '\n';
    }
    if (flush_ == Flush::EachLine) out_ << std::flush;
}

}  // namespace k7x
