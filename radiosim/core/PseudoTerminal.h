// The simulated radio's end of the line: the master side of a pseudo-terminal in raw mode, and
// optionally a symbolic link to its terminal device for the program to open.
#pragma once

#include <optional>
#include <string>

namespace k7x::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a new terminal pair; the reason on failure.
    std::optional<std::string> open();
    int fd() const { return master_; }
    // The device a program opens, such as /dev/pts/3.
    const std::string& terminalPath() const { return terminalPath_; }

    // Makes `path` a symbolic link to the terminal. An existing symbolic link is replaced;
    // any other file there is left alone and refused.
    std::optional<std::string> makeLink(const std::string& path);
    // Removes the link again if it still points at this terminal.
    void removeLink();

    // A program that opened the terminal for itself alone and then died without closing it
    // leaves it locked to everyone else (the terminal lives on while the radio holds it).
    // Called when the line has been idle for a while; true when a lock was released.
    bool releaseExclusiveUse();

private:
    int master_ = -1;
    int slave_ = -1;  // held open, so the terminal never hangs up between programs
    std::string terminalPath_;
    std::string linkPath_;
};

}  // namespace k7x::sim
