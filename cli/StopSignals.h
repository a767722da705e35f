// Ctrl+C (SIGINT) and SIGTERM while a radio transfer runs. Ending the program on the spot would
// leave the radio in programming mode and the serial port as it was; instead the signal is
// handed to the Qt event loop, which stops the transfer cleanly.
#pragma once

#include <signal.h>

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace k7x::cli {

class StopSignals {
public:
    // From construction to destruction SIGINT and SIGTERM call `onStop` from the event loop,
    // once per signal, with the signal's number. Needs a QCoreApplication. Only one object may
    // exist at a time.
    explicit StopSignals(std::function<void(int signal)> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Whether the handlers are in place (false when the pipe could not be made).
    bool active() const { return notifier_ != nullptr; }
    // The first signal received so far, 0 for none. A signal the event loop has not got to yet
    // is delivered to `onStop` now.
    int received();

private:
    void drain();

    std::function<void(int)> onStop_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
    int received_ = 0;
};

}  // namespace k7x::cli
