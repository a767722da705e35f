// The radio commands of the main window: read, write, compare, information read, port and
// password.
// The desktop program hands in the transfer machinery; without it the commands do nothing.
#pragma once

#include "shell/WriteChecks.h"

class QWidget;

namespace k7x {

class RadioCommands {
public:
    virtual ~RadioCommands() = default;

    virtual void readFromRadio() = 0;
    virtual void writeToRadio() = 0;
    // Reads the radio and shows what differs from the document, which stays as it is.
    virtual void compareWithRadio() {}
    // Whether a write first shows what it will change, and afterwards checks the radio.
    virtual WriteChecks writeChecks() const { return {false, false}; }
    virtual void setWriteChecks(const WriteChecks& /*checks*/) {}
    virtual void readRadioInfo() = 0;
    virtual void choosePort(QWidget* parent) = 0;
    virtual void enterPassword(QWidget* parent) = 0;
    // The main window is closing: stops a transfer still running the way the radio expects
    // (which may take a moment) and closes the serial port.
    virtual void closePort() = 0;
    // True while a transfer runs.
    virtual bool busy() const = 0;
};

}  // namespace k7x
