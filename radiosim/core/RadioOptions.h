// The command line of korvan7x-radio.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "radiosim/core/SimulatedRadio.h"

namespace k7x::sim {

struct RadioOptions {
    std::string linkPath;  // a symbolic link to the terminal, for the program to open
    RadioIdentity identity;
    std::optional<std::string> password;
    std::string imageFile;
    std::string infoFile;
    std::string saveFile;  // the image after each END
    bool echo = false;     // a single-wire cable
    bool wireTiming = false;
    int turnaroundUs = 2000;  // the radio's pause between a request and its answer
    bool verbose = false;
    RadioFaults faults;
};

struct ParsedRadioOptions {
    std::optional<RadioOptions> options;  // nullopt: print `error` (or the usage) and stop
    bool help = false;
    std::string error;
};

// The arguments after the program name.
ParsedRadioOptions ParseRadioOptions(std::span<const std::string> args);
std::string RadioUsage();

}  // namespace k7x::sim
