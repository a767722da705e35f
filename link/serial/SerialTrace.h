// A trace of the serial line for bug reports: every byte sent and received, with the time in
// milliseconds since the trace began and the direction, plus notes (port opened, buffers
// cleared, port closed or lost).
//
//      0.000 -- open /dev/ttyUSB0
//      0.412 TX 50 52 4F 47 52 41 4D                          PROGRAM
//     21.907 RX 5A 54 06                                      ZT.
#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "codeplug/Records.h"

namespace k7x {

class SerialTrace {
public:
    // Milliseconds since the trace began.
    using Clock = std::function<double()>;
    // When the output is flushed: after every line, so a trace read while a transfer runs
    // shows how far it got, or only after notes, so a trace nobody watches costs no more than
    // the buffered writes.
    enum class Flush { EachLine, Notes };

    // Writes to `out`; the clock defaults to a steady clock started now.
    explicit SerialTrace(std::ostream& out, Clock clock = {}, Flush flush = Flush::EachLine);
    // A trace into a new file; nullptr and the reason when it cannot be created.
    static std::unique_ptr<SerialTrace> toFile(const std::string& path, std::string& problem);

    void sent(std::span<const Byte> bytes);
    void received(std::span<const Byte> bytes);
    void note(const std::string& text);
    // Passes everything on to a second trace as well (with its own clock); nullptr for none.
    // The other trace must outlive this one or be unset first.
    void forwardTo(SerialTrace* next) { next_ = next; }

private:
    SerialTrace(std::unique_ptr<std::ofstream> file, Clock clock);
    void line(const char* direction, std::span<const Byte> bytes);
    std::string stamp() const;

    std::unique_ptr<std::ofstream> file_;
    std::ostream& out_;
    Clock clock_;
    Flush flush_ = Flush::EachLine;
    SerialTrace* next_ = nullptr;
};

}  // namespace k7x
