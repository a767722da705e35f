// The radio link's serial port on QSerialPort: 9600 baud, 8 data bits, no parity, 1 stop bit,
// no flow control, raw bytes. The receive threshold of the engine is emulated by buffering:
// received bytes are held until at least the threshold is there, then handed over all at once.
#pragma once

#include <QSerialPort>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "codeplug/FillText.h"
#include "link/LinkInterfaces.h"
#include "link/serial/PortMap.h"
#include "link/serial/SerialLowLatency.h"

namespace k7x {

class SerialTrace;

// The device a port choice leads to at the moment of opening.
struct ResolvedDevice {
    std::string shown;    // how the user names it: "Port 1 (/dev/ttyUSB0)" or the path given
    std::string path;     // what is opened; empty when there is no device
    std::string problem;  // why there is no device
};
using DeviceResolver = std::function<ResolvedDevice()>;

// A port number through the port map, built afresh at each open (adapters come and go), or a
// device path as given. Port names and problems are worded in the language of `text`.
DeviceResolver ResolverFor(const PortChoice& choice, std::map<int, std::string> configured,
                           TextLookup text);

class QtSerialLink : public SerialLink {
public:
    // `text` words what the user is told when the device does not open or goes away.
    QtSerialLink(DeviceResolver resolver, TextLookup text);
    ~QtSerialLink() override;

    // Who hears received bytes and a lost port; set before the first open().
    void setEvents(LinkEvents* events) { events_ = events; }
    // Traces every byte; nullptr for none. The trace must outlive the link or be unset first.
    void setTrace(SerialTrace* trace) { trace_ = trace; }
    // Whether the driver granted low-latency mode at the last open.
    bool lowLatency() const { return lowLatency_ != LowLatency::Unavailable; }
    // The device opened last.
    const std::string& devicePath() const { return openedPath_; }

    std::optional<std::string> open() override;
    void close() override;
    bool isOpen() const override;
    void clearBuffers() override;
    void write(std::span<const Byte> bytes) override;
    void setReceiveThreshold(std::size_t threshold) override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    DeviceResolver resolver_;
    TextLookup text_;
    QSerialPort port_;
    std::vector<Byte> buffer_;
    std::size_t threshold_ = 1;
    LinkEvents* events_ = nullptr;
    SerialTrace* trace_ = nullptr;
    LowLatency lowLatency_ = LowLatency::Unavailable;
    std::string openedPath_;
};

}  // namespace k7x
