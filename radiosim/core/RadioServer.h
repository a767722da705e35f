// Serves the simulated radio on its terminal: reads what the program sends, lets the radio
// answer, and sends the answers when the wire schedule says they are due. Keeps serving when the
// program closes the terminal and opens it again (the terminal stays open on the radio's side).
#pragma once

#include <signal.h>

#include <csignal>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "radiosim/core/SimulatedRadio.h"
#include "radiosim/core/WireSchedule.h"

namespace k7x::sim {

struct ServerSettings {
    bool echo = false;     // return every received byte ahead of the answer
    std::string saveFile;  // the image after each END, when set
    bool verbose = false;  // one log line per request
};

class RadioServer {
public:
    RadioServer(SimulatedRadio& radio, WireSchedule& wire, int terminalFd, ServerSettings settings,
                std::ostream& log);

    // Serves until `stop` is set. The caller blocks the stopping signals; `waitMask` is the mask
    // in force while the server waits, so a signal can only arrive then.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask);

    // One pass: sends what is due, waits for input (at most maxWait when given) and takes what
    // arrived. Public for tests that drive the loop.
    void serveOnce(const sigset_t* waitMask,
                   std::optional<std::chrono::nanoseconds> maxWait = std::nullopt);

    // Called about once a second while nothing arrives and nothing is due.
    void setIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }

private:
    void sendDue();
    void receive();
    void handle(const RadioExchange& exchange, WireTime done);
    void saveImage();
    void logExchange(const RadioExchange& exchange);

    SimulatedRadio& radio_;
    WireSchedule& wire_;
    int fd_;
    ServerSettings settings_;
    std::ostream& log_;
    WireTime lastInput_{};
    WireTime lastIdleCall_{};
    std::function<void()> idleHook_;
};

}  // namespace k7x::sim
