// The radio commands of the main window: read, write, information read, port and password.
// The desktop program hands in the transfer machinery; without it the commands do nothing.
#pragma once

class QWidget;

namespace k7x {

class RadioCommands {
public:
    virtual ~RadioCommands() = default;

    virtual void readFromRadio() = 0;
    virtual void writeToRadio() = 0;
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
