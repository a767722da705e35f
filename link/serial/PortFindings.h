// What a port check found, as plain data: which finding, its language text and the values that
// fill it, and the command that fixes it. The command line and the port dialog word the same
// findings through FormatFindings.
#pragma once

#include <string>
#include <vector>

#include "codeplug/FillText.h"
#include "link/LinkTexts.h"

namespace k7x {

enum class Severity {
    Fine,     // all is well in this respect
    Note,     // worth knowing; may get in the way
    Problem,  // the radio link will not work until it is fixed
};

enum class FindingKind {
    LinkTarget,            // the path is a link; the device it leads to
    NoDevice,              // nothing there
    UsbAdapter,            // vendor and product of the USB adapter
    SerialNumber,          // of the USB adapter
    Driver,                // the kernel driver behind the device
    MayOpen,               // this user may read and write it
    MayNotOpen,            // who it belongs to and its mode
    OwnerModeShutsOut,     // the user owns it, yet its mode forbids the owner
    NotInGroup,            // the device's group would let the user in
    GroupNotInLogin,       // joined the group, but this login began before
    RootGroup,             // the device belongs to the group root, which nobody should join
    ModeShutsOut,          // neither its group nor others may open it
    Holder,                // a process has it open
    NoHolder,              // no process has it open
    HoldersHidden,         // processes of other users could not be looked at
    Busy,                  // opening it was refused as busy
    ModemManagerRunning,   // probes USB serial adapters
    BrlttyRunning,         // takes USB serial adapters for braille displays
    NoneOfThoseRunning,    // neither of the two runs
    LowLatencyNone,        // the device has no such setting
    LowLatencyOn,          // already on
    LowLatencySwitchable,  // off, and can be switched on
    LowLatencyUnknown,     // the device could not be opened to ask
};

struct Finding {
    FindingKind kind;
    Severity severity = Severity::Fine;
    int text = 0;                   // the language text
    std::vector<std::string> args;  // what fills its %1, %2, ...
    std::string fix;                // the command that fixes it; empty when none is needed
};

// One line for each finding, in the language of `text`; a fix on a line of its own below it,
// indented.
std::vector<std::string> FormatFindings(const TextLookup& text,
                                        const std::vector<Finding>& findings);

bool HasProblem(const std::vector<Finding>& findings);

// What a check of the device this program holds open can tell when the radio does not answer
// at all: the problems (another program holds the device too, it is gone) and the services known
// to take USB serial adapters, worded as FormatFindings does, one per line; empty when there is
// nothing of the kind. A busy device is this program's own hold on it and is left out.
std::string NoAnswerFindings(const TextLookup& text, const std::vector<Finding>& findings);

}  // namespace k7x
