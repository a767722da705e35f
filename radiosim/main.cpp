// korvan7x-radio: a simulated radio on a pseudo-terminal.
#include <signal.h>
#include <sys/prctl.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "radiosim/core/PseudoTerminal.h"
#include "radiosim/core/RadioContents.h"
#include "radiosim/core/RadioOptions.h"
#include "radiosim/core/RadioServer.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace k7x;
    using namespace k7x::sim;

    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedRadioOptions parsed = ParseRadioOptions(args);
    if (parsed.help) {
        std::cout << RadioUsage();
        return 0;
    }
    if (!parsed.options) {
        std::cerr << "korvan7x-radio: " << parsed.error << "\n\n" << RadioUsage();
        return 2;
    }
    const RadioOptions& o = *parsed.options;

    MemoryImage image = DefaultImage(o.identity.countryMode);
    if (!o.imageFile.empty()) {
        const LoadedImage loaded = LoadImageFile(o.imageFile);
        if (!loaded.image) {
            std::cerr << "korvan7x-radio: " << loaded.error << '\n';
            return 2;
        }
        image = *loaded.image;
    }
    InfoArea info = DefaultInfoArea(o.identity.countryMode);
    if (!o.infoFile.empty()) {
        const LoadedInfo loaded = LoadInfoFile(o.infoFile);
        if (!loaded.info) {
            std::cerr << "korvan7x-radio: " << loaded.error << '\n';
            return 2;
        }
        info = *loaded.info;
    }
    if (o.password) SetRadioPassword(info, *o.password);
    if (o.identity.countryMode > 2) {
        std::cerr << "korvan7x-radio: country mode " << o.identity.countryMode
                  << " is not a valid mode; the radio reports it anyway\n";
    }

    // Stop only while waiting, so a stop never interrupts a half-sent answer or a save.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    // Precise wake-ups for the byte timing.
    prctl(PR_SET_TIMERSLACK, 1000UL);

    PseudoTerminal terminal;
    if (std::optional<std::string> why = terminal.open()) {
        std::cerr << "korvan7x-radio: cannot open a pseudo-terminal: " << *why << '\n';
        return 1;
    }
    if (!o.linkPath.empty()) {
        if (std::optional<std::string> why = terminal.makeLink(o.linkPath)) {
            std::cerr << "korvan7x-radio: " << *why << '\n';
            return 1;
        }
    }

    WireSchedule wire;
    if (o.wireTiming) {
        wire = WireSchedule(ByteTimeAt(kBaudRate), std::chrono::microseconds(o.turnaroundUs));
    }
    SimulatedRadio radio(o.identity, o.faults, image, info);
    RadioServer server(radio, wire, terminal.fd(), {o.echo, o.saveFile, o.verbose}, std::cerr);

    server.setIdleHook([&terminal] { terminal.releaseExclusiveUse(); });

    std::cout << terminal.terminalPath() << std::endl;
    std::cerr << "korvan7x-radio: " << o.identity.model << ", mode " << o.identity.countryMode
              << ", " << o.identity.version << " on " << terminal.terminalPath()
              << (o.linkPath.empty() ? "" : " (" + o.linkPath + ")") << '\n';

    server.run(stopRequested, &waitMask);
    terminal.removeLink();
    return 0;
}
