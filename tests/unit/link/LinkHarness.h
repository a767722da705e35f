// The transfer engine against a scripted radio on a virtual clock: a fake port that delivers
// one byte per millisecond and honours the receive threshold, fake one-shot timers, and a radio
// that answers every request as a real one does unless a test's hook says otherwise.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "RecordingPrompts.h"
#include "link/TransferEngine.h"
#include "radiosim/core/RadioReplies.h"
#include "radiosim/core/RequestParser.h"

namespace k7x::test {

struct RadioAction {
    bool silent = false;
    std::optional<std::vector<Byte>> bytes;  // instead of the normal answer
    int delayMs = 2;                         // turnaround

    static RadioAction Silent() { return {true, std::nullopt, 2}; }
    static RadioAction Answer(std::vector<Byte> bytes) { return {false, std::move(bytes), 2}; }
    static RadioAction Late(int delayMs) { return {false, std::nullopt, delayMs}; }
};

struct ScriptedRadio {
    std::string model = kModelName;
    Byte mode = 0;  // the mode of a default document
    std::string version = "V100";
    bool ctcss = true;
    bool echo = false;  // a cable with one shared data line
    MemoryImage image{};
    InfoArea info{};
    std::vector<ParsedRequest> requests;
    // Decides the answer to the n-th request (0-based); nullopt answers normally.
    std::function<std::optional<RadioAction>(const ParsedRequest&, int n)> hook;

    std::vector<Byte> answer(const ParsedRequest& r) {
        switch (r.kind) {
            case RequestKind::Handshake:
                return {kHandshakeAckBytes.begin(), kHandshakeAckBytes.end()};
            case RequestKind::Identify:
                return BuildIdentification(model, mode, version, ctcss);
            case RequestKind::ReadBlock: {
                const Byte* src = r.address >= kInfoAreaAddress
                                      ? info.data() + (r.address - kInfoAreaAddress)
                                      : image.data() + r.address;
                return BuildBlockReply(r.address,
                                       std::span<const Byte, kBlockSize>(src, kBlockSize));
            }
            case RequestKind::WriteBlock:
                std::copy(r.data.begin(), r.data.end(), image.begin() + r.address);
                return {kAck};
            case RequestKind::End:
                return {kAck};
        }
        return {};
    }
    void setPassword(std::vector<Byte> bytes) {
        std::copy(bytes.begin(), bytes.end(), info.begin() + 0x1C);
    }
};

// Prompts that let a test act while a message is open, as a nested event loop would.
struct HookedPrompts : RecordingPrompts {
    std::function<void(const std::string&)> during;
    std::function<void()> duringPassword;
    std::function<std::string(int)> textOf;  // instead of "<n>"
    std::string text(int number) const override {
        return textOf ? textOf(number) : RecordingPrompts::text(number);
    }
    std::optional<std::string> askPassword() override {
        if (duringPassword) duringPassword();
        return RecordingPrompts::askPassword();
    }
    Answer message(const std::string& text, Buttons buttons, Icon icon,
                   const std::string& title) override {
        if (during) during(text);
        return RecordingPrompts::message(text, buttons, icon, title);
    }
    using Prompts::message;
};

// The link of the tests: port, timers, progress window and listener in one object, each
// interface implemented by its own member so that names like close() do not collide.
class LinkHarness {
public:
    struct Sent {
        long time;
        std::vector<Byte> bytes;
        std::size_t threshold;  // N set for this request
        bool cleared;           // both buffers were emptied just before
    };

    struct Port : SerialLink {
        LinkHarness& h;
        explicit Port(LinkHarness& owner) : h(owner) {}
        std::optional<std::string> open() override {
            if (h.openError) return h.openError;
            h.open_ = true;
            h.threshold = 1;
            h.rx.clear();
            return std::nullopt;
        }
        void close() override { h.open_ = false; }
        bool isOpen() const override { return h.open_; }
        void clearBuffers() override {
            h.rx.clear();
            h.cleared = true;
        }
        void setReceiveThreshold(std::size_t n) override { h.threshold = n; }
        void write(std::span<const Byte> bytes) override { h.transmit(bytes); }
    };
    struct Timers : LinkTimers {
        std::map<TimerId, long>& due;
        const long& now;
        Timers(std::map<TimerId, long>& d, const long& n) : due(d), now(n) {}
        void start(TimerId id, int ms) override { due[id] = now + ms; }
        void stop(TimerId id) override { due.erase(id); }
    };
    struct Progress : ProgressDisplay {
        std::vector<int> values;
        int shown = 0, closed = 0;
        void show(Operation) override { ++shown; }
        void setValue(int percent) override { values.push_back(percent); }
        void close() override { ++closed; }
    };
    struct Listener : TransferListener {
        const long& now;
        explicit Listener(const long& n) : now(n) {}
        int childWindowsClosed = 0, infoShown = 0, ends = 0;
        std::vector<TransferOutcome> outcomes;
        std::vector<long> finishedAt, unpackedAt;
        std::vector<bool> unpackedOk;
        void closeChildWindows() override { ++childWindowsClosed; }
        void showRadioInformation() override { ++infoShown; }
        void imageUnpacked(bool ok) override {
            unpackedAt.push_back(now);
            unpackedOk.push_back(ok);
        }
        void endProgram() override { ++ends; }
        void transferFinished(const TransferOutcome& o) override {
            outcomes.push_back(o);
            finishedAt.push_back(now);
        }
    };

    // Hands the engine's backup copies to the keeper a test sets; none kept without one.
    struct Backups : BackupKeeper {
        BackupKeeper* keeper = nullptr;
        std::optional<std::string> keepRead(const DocumentState& doc, Int mode,
                                            BackupKind kind) override {
            return keeper ? keeper->keepRead(doc, mode, kind) : std::nullopt;
        }
        std::optional<std::string> keepWrite(const DocumentState& doc) override {
            return keeper ? keeper->keepWrite(doc) : std::nullopt;
        }
        void dropWrite() override {
            if (keeper) keeper->dropWrite();
        }
    };

    long now = 0;
    ScriptedRadio radio;
    HookedPrompts prompts;
    DocumentState doc;
    VersionTable versions{"V100", {"V100"}, {{"V100", "V100"}}};
    std::vector<std::string> launched;
    std::optional<std::string> openError;
    std::string portFindings;  // what the port check reports when the handshake goes unanswered
    bool open_ = false;
    std::size_t threshold = 1;
    std::vector<Byte> rx;
    bool cleared = false;
    std::vector<Sent> sent;
    std::multimap<long, Byte> inFlight;
    std::map<TimerId, long> due;
    Port port{*this};
    Timers timers{due, now};
    Progress progress;
    Listener listener{now};
    Backups backups;
    TransferEngine engine{LinkEnvironment{
        doc, prompts, versions, [this](const std::string& v) { launched.push_back(v); }, port,
        timers, progress, listener, &backups, [this] { return portFindings; }}};

    // The program's bytes reach the radio at once; echo and answer come back a byte a
    // millisecond.
    void transmit(std::span<const Byte> bytes) {
        sent.push_back({now, {bytes.begin(), bytes.end()}, threshold, cleared});
        cleared = false;
        if (!open_) return;
        long t = now;
        if (radio.echo)
            for (Byte b : bytes) inFlight.emplace(++t, b);
        RequestParse p = ParseRequest(bytes);
        if (p.status != ParseStatus::Complete) return;
        radio.requests.push_back(p.request);
        std::optional<RadioAction> action;
        if (radio.hook) action = radio.hook(p.request, static_cast<int>(radio.requests.size()) - 1);
        RadioAction a = action.value_or(RadioAction{});
        if (a.silent) return;
        std::vector<Byte> reply = a.bytes ? *a.bytes : radio.answer(p.request);
        t += a.delayMs;
        for (Byte b : reply) inFlight.emplace(++t, b);
    }

    // Handles the next event in time order, a byte before a timer due at the same moment.
    // False when nothing is left.
    bool step() {
        auto timer = std::min_element(due.begin(), due.end(),
                                      [](auto& a, auto& b) { return a.second < b.second; });
        const bool haveByte = !inFlight.empty();
        if (!haveByte && timer == due.end()) return false;
        if (haveByte && (timer == due.end() || inFlight.begin()->first <= timer->second)) {
            now = inFlight.begin()->first;
            Byte b = inFlight.begin()->second;
            inFlight.erase(inFlight.begin());
            if (!open_) return true;
            rx.push_back(b);
            if (rx.size() >= threshold) {
                std::vector<Byte> all;
                all.swap(rx);
                engine.onBytesReceived(all);
            }
        } else {
            now = timer->second;
            TimerId id = timer->first;
            due.erase(timer);
            engine.onTimer(id);
        }
        return true;
    }
    // Runs until nothing is left or the virtual clock passes ten minutes.
    void run() {
        while (now <= 600'000 && step()) {
        }
    }
    // Handles every event due up to `time`, then moves the clock on to it.
    void runTo(long time) {
        for (;;) {
            long next = inFlight.empty() ? time + 1 : inFlight.begin()->first;
            for (const auto& [id, at] : due) next = std::min(next, at);
            if (next > time || !step()) break;
        }
        now = std::max(now, time);
    }
    // Runs until `done` holds; false when the events ran out first.
    bool runUntil(const std::function<bool()>& done) {
        while (!done()) {
            if (now > 600'000 || !step()) return false;
        }
        return true;
    }

    // Requests of one kind the radio received, optionally for one address.
    int count(RequestKind kind, int address = -1) const {
        int n = 0;
        for (const ParsedRequest& r : radio.requests) {
            n += r.kind == kind && (address < 0 || r.address == address);
        }
        return n;
    }
    const TransferOutcome& outcome() const {
        static const TransferOutcome none{};
        if (listener.outcomes.empty()) {
            ADD_FAILURE() << "the transfer has not ended";
            return none;
        }
        return listener.outcomes.back();
    }
};

// A radio image with a recognisable byte in every position.
inline MemoryImage PatternImage() {
    MemoryImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<Byte>(i * 7 + i / 256);
    return image;
}

}  // namespace k7x::test
