#include "cli/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace k7x::cli {

namespace {

// A signal handler can reach no object, so the write end of the pipe is kept where it can find
// it: set before the handlers go in, -1 again once they are out. Nothing else is shared.
std::atomic<int> stopPipeWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");

// Async-signal-safe: one write() of the signal's number, errno left as it was.
extern "C" void OnStopSignal(int signal) {
    const int savedErrno = errno;
    const int fd = stopPipeWriteEnd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        // A full pipe drops the byte; the signals already in it say enough.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

StopSignals::StopSignals(std::function<void(int)> onStop) : onStop_(std::move(onStop)) {
    int expected = -1;
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    if (!stopPipeWriteEnd.compare_exchange_strong(expected, pipe_[1])) {
        // Another object holds the signals already.
        ::close(pipe_[0]);
        ::close(pipe_[1]);
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });

    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // Without SA_RESTART a question waiting on the terminal returns at once (as unanswered),
    // so the stop is not held up until the user presses Enter.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, &previousInt_);
    sigaction(SIGTERM, &action, &previousTerm_);
}

StopSignals::~StopSignals() {
    if (!active()) return;
    sigaction(SIGINT, &previousInt_, nullptr);
    sigaction(SIGTERM, &previousTerm_, nullptr);
    stopPipeWriteEnd.store(-1);
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

int StopSignals::received() {
    if (active()) drain();
    return received_;
}

void StopSignals::drain() {
    unsigned char numbers[16];
    for (;;) {
        const ssize_t n = ::read(pipe_[0], numbers, sizeof numbers);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        for (ssize_t i = 0; i < n; ++i) {
            if (received_ == 0) received_ = numbers[i];
            if (onStop_) onStop_(numbers[i]);
        }
    }
}

}  // namespace k7x::cli
