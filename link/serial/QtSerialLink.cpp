#include "link/serial/QtSerialLink.h"

#include <filesystem>

#include "link/Frames.h"
#include "link/LinkTexts.h"
#include "link/serial/PortOpenFailure.h"
#include "link/serial/SerialTrace.h"

namespace k7x {

namespace {

// The device a path leads to, links followed; the path itself when it cannot be resolved.
std::string realDevice(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path : real.string();
}

}  // namespace

DeviceResolver ResolverFor(const PortChoice& choice, std::map<int, std::string> configured,
                           TextLookup text) {
    if (choice.number == 0) {
        return [path = choice.path] { return ResolvedDevice{path, path, {}}; };
    }
    return [number = choice.number, configured = std::move(configured), text = std::move(text)] {
        const PortMap map(configured, PresentSerialDevices());
        const std::optional<PortMap::Entry> entry = map.entry(number);
        if (!entry) {
            return ResolvedDevice{{}, {}, DescribeMissingPort(text, number)};
        }
        return ResolvedDevice{PortDisplayName(text, number, entry->path), entry->path, {}};
    };
}

QtSerialLink::QtSerialLink(DeviceResolver resolver, TextLookup text)
    : resolver_(std::move(resolver)), text_(std::move(text)) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { onReadyRead(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { onError(e); });
}

QtSerialLink::~QtSerialLink() {
    // No callbacks into an engine that may be gone already.
    events_ = nullptr;
    trace_ = nullptr;
    if (port_.isOpen()) port_.close();
}

std::optional<std::string> QtSerialLink::open() {
    close();
    const ResolvedDevice device = resolver_();
    if (device.path.empty()) return device.problem;

    // Open the device itself, so a link and its target share one lock.
    const std::string real = realDevice(device.path);
    port_.setPortName(QString::fromStdString(real));
    port_.setBaudRate(kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_.error();
        const std::string systemText = port_.errorString().toStdString();
        port_.clearError();
        const DeviceFacts facts = InspectDevice(real);
        if (trace_ != nullptr) trace_->note("open " + real + " failed: " + systemText);
        return DescribeOpenFailure(text_, device.shown, real, ClassifyOpenFailure(error, facts),
                                   facts, systemText);
    }
    openedPath_ = real;
    lowLatency_ = RequestLowLatency(static_cast<int>(port_.handle()));
    buffer_.clear();
    threshold_ = 1;
    if (trace_ != nullptr) {
        trace_->note("open " + real + (lowLatency() ? ", low latency" : ""));
    }
    return std::nullopt;
}

void QtSerialLink::close() {
    buffer_.clear();
    if (!port_.isOpen()) return;
    // The device is left as it was found for the next program.
    if (lowLatency_ == LowLatency::SwitchedOn) ReleaseLowLatency(static_cast<int>(port_.handle()));
    lowLatency_ = LowLatency::Unavailable;
    port_.close();
    if (trace_ != nullptr) trace_->note("close");
}

bool QtSerialLink::isOpen() const {
    return port_.isOpen();
}

void QtSerialLink::clearBuffers() {
    buffer_.clear();
    if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

void QtSerialLink::write(std::span<const Byte> bytes) {
    if (!port_.isOpen()) return;
    if (trace_ != nullptr) trace_->sent(bytes);
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the driver now rather than at the next turn of the event loop.
    if (port_.isOpen()) port_.flush();
}

void QtSerialLink::setReceiveThreshold(std::size_t threshold) {
    threshold_ = threshold == 0 ? 1 : threshold;
}

void QtSerialLink::onReadyRead() {
    const QByteArray data = port_.readAll();
    if (data.isEmpty()) return;
    const auto* first = reinterpret_cast<const Byte*>(data.constData());
    const std::span<const Byte> bytes(first, static_cast<std::size_t>(data.size()));
    if (trace_ != nullptr) trace_->received(bytes);
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    // Nobody to hand bytes to: nothing to keep them for either.
    if (events_ == nullptr) buffer_.clear();
    if (buffer_.size() < threshold_ || events_ == nullptr) return;
    // The engine may clear, write or close from inside the call: hand over a copy.
    const std::vector<Byte> delivered = std::move(buffer_);
    buffer_.clear();
    events_->onBytesReceived(delivered);
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    // A device that fails to read or write, or vanishes, is gone for this transfer.
    int what = 0;
    switch (error) {
        case QSerialPort::ResourceError:
            what = kTextDeviceDisconnected;
            break;
        case QSerialPort::ReadError:
            what = kTextDeviceReadFailed;
            break;
        case QSerialPort::WriteError:
            what = kTextDeviceWriteFailed;
            break;
        default:
            return;
    }
    if (!port_.isOpen()) return;
    const std::string reason = text_(what);
    if (trace_ != nullptr) trace_->note("lost: " + reason);
    port_.clearError();
    close();
    if (events_ != nullptr) {
        events_->onPortLost(FillText(text_(kTextSerialDevice), {openedPath_}) + "\n" + reason);
    }
}

}  // namespace k7x
