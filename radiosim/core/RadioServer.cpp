#include "radiosim/core/RadioServer.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "codeplug/FileIo.h"

namespace k7x::sim {

namespace {

using std::chrono::duration_cast;
using std::chrono::nanoseconds;

// How often a line that nobody holds is looked at again.
constexpr nanoseconds kClosedLinePoll = std::chrono::milliseconds(10);
// How long the line must be quiet before the idle hook runs (again).
constexpr nanoseconds kIdleInterval = std::chrono::seconds(1);
// A request whose bytes stop arriving for this long is given up.
constexpr nanoseconds kPartialRequestAge = std::chrono::milliseconds(100);

timespec toTimespec(nanoseconds d) {
    if (d.count() < 0) d = nanoseconds(0);
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(d.count() / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(d.count() % 1'000'000'000);
    return ts;
}

std::string hex4(int address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", address & 0xFFFF);
    return text;
}

}  // namespace

RadioServer::RadioServer(SimulatedRadio& radio, WireSchedule& wire, int terminalFd,
                         ServerSettings settings, std::ostream& log)
    : radio_(radio), wire_(wire), fd_(terminalFd), settings_(std::move(settings)), log_(log) {}

void RadioServer::run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask) {
    lastInput_ = lastIdleCall_ = WireClock::now();
    while (!stop) serveOnce(waitMask);
}

void RadioServer::serveOnce(const sigset_t* waitMask,
                            std::optional<std::chrono::nanoseconds> maxWait) {
    sendDue();

    const WireTime now = WireClock::now();
    std::optional<WireTime> wake = wire_.nextDue();
    if (!wake && idleHook_) {
        const WireTime quietSince = std::max(lastInput_, lastIdleCall_);
        if (now - quietSince >= kIdleInterval) {
            idleHook_();
            lastIdleCall_ = now;
        }
        wake = std::max(lastInput_, lastIdleCall_) + kIdleInterval;
    }
    if (maxWait && (!wake || *wake > now + *maxWait)) wake = now + *maxWait;
    pollfd pfd{fd_, POLLIN, 0};
    timespec timeout{};
    if (wake) timeout = toTimespec(duration_cast<nanoseconds>(*wake - now));
    const int ready = ::ppoll(&pfd, 1, wake ? &timeout : nullptr, waitMask);
    if (ready <= 0) return;  // something is due, or a signal

    if (pfd.revents & POLLIN) {
        receive();
    } else if (pfd.revents & (POLLHUP | POLLERR)) {
        // Nobody holds the terminal (it is normally held open on this side): look again later
        // instead of spinning.
        const timespec pause = toTimespec(kClosedLinePoll);
        ::ppoll(nullptr, 0, &pause, waitMask);
    }
}

void RadioServer::sendDue() {
    const std::vector<Byte> due = wire_.takeDue(WireClock::now());
    std::size_t sent = 0;
    while (sent < due.size()) {
        const ssize_t n = ::write(fd_, due.data() + sent, due.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        // A full or closed line loses the rest, as a real one would.
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
}

void RadioServer::receive() {
    std::array<Byte, 4096> buffer{};
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n <= 0) return;
    const WireTime now = WireClock::now();
    if (radio_.hasPartialRequest() && now - lastInput_ > kPartialRequestAge) {
        radio_.dropPartialRequest();
    }
    lastInput_ = now;

    const std::span<const Byte> bytes(buffer.data(), static_cast<std::size_t>(n));
    const std::vector<WireTime> arrivals = wire_.arrive(now, bytes.size());
    if (settings_.echo) wire_.echo(bytes, arrivals);
    for (const RadioExchange& exchange : radio_.receive(bytes)) {
        handle(exchange, arrivals[exchange.endOffset - 1]);
    }
}

void RadioServer::handle(const RadioExchange& exchange, WireTime done) {
    if (settings_.verbose) logExchange(exchange);
    // Saved before END is answered, so the file is complete once the program has its answer.
    // Without the flush to disk this takes well under a millisecond.
    if (exchange.kind == RequestKind::End && !exchange.answer.empty() &&
        !settings_.saveFile.empty()) {
        saveImage();
    }
    if (!exchange.answer.empty()) wire_.answer(exchange.answer, done);
}

void RadioServer::saveImage() {
    if (std::optional<std::string> why =
            WriteFileAtomically(settings_.saveFile, radio_.image(), false)) {
        log_ << "korvan7x-radio: cannot save the image: " << *why << std::endl;
    }
}

void RadioServer::logExchange(const RadioExchange& exchange) {
    switch (exchange.kind) {
        case RequestKind::Handshake:
            log_ << "PROGRAM";
            break;
        case RequestKind::Identify:
            log_ << "identify";
            break;
        case RequestKind::ReadBlock:
            log_ << "read " << hex4(exchange.address);
            break;
        case RequestKind::WriteBlock:
            log_ << "write " << hex4(exchange.address);
            break;
        case RequestKind::End:
            log_ << "END";
            break;
    }
    if (exchange.answer.empty()) log_ << " (no answer)";
    log_ << '\n' << std::flush;
}

}  // namespace k7x::sim
