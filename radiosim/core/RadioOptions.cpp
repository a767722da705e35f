#include "radiosim/core/RadioOptions.h"

#include <charconv>
#include <functional>
#include <map>

#include "radiosim/core/RadioContents.h"

namespace k7x::sim {

namespace {

std::optional<int> parseCount(const std::string& text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < min || value > max) return std::nullopt;
    return value;
}

// A block address of the image as a write frame carries it: decimal, or hexadecimal after 0x.
std::optional<int> parseBlockAddress(const std::string& text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, hex ? 16 : 10);
    const int lastBlock = static_cast<int>(kImageSize - kBlockSize);
    if (begin == end || ec != std::errc() || ptr != end || value < 0 || value > lastBlock ||
        value % static_cast<int>(kBlockSize) != 0) {
        return std::nullopt;
    }
    return value;
}

bool isPrintableAscii(const std::string& text) {
    for (char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

using Setter = std::function<std::optional<std::string>(RadioOptions&, const std::string&)>;

Setter countSetter(int RadioOptions::*field, int min, int max) {
    return [=](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
        const std::optional<int> n = parseCount(v, min, max);
        if (!n) return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
        o.*field = *n;
        return std::nullopt;
    };
}

Setter faultSetter(int RadioFaults::*field, int min) {
    return [=](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
        const std::optional<int> n = parseCount(v, min, 1'000'000);
        if (!n) return "a whole number of at least " + std::to_string(min);
        o.faults.*field = *n;
        return std::nullopt;
    };
}

Setter textSetter(std::string RadioOptions::*field) {
    return [=](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
        if (v.empty()) return "a non-empty value";
        o.*field = v;
        return std::nullopt;
    };
}

// Options that take a value.
const std::map<std::string, Setter>& valueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--link", textSetter(&RadioOptions::linkPath)},
        {"--image", textSetter(&RadioOptions::imageFile)},
        {"--info", textSetter(&RadioOptions::infoFile)},
        {"--save", textSetter(&RadioOptions::saveFile)},
        {"--model",
         [](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
             if (v.empty() || v.size() > 7 || !isPrintableAscii(v))
                 return "1 to 7 printable ASCII characters";
             o.identity.model = v;
             return std::nullopt;
         }},
        {"--version",
         [](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
             if (v.empty() || v.size() > 4 || !isPrintableAscii(v))
                 return "1 to 4 printable ASCII characters, such as V100";
             o.identity.version = v;
             return std::nullopt;
         }},
        {"--mode",
         [](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
             // Modes beyond 2 are accepted on purpose: they make a faulty radio.
             const std::optional<int> n = parseCount(v, 0, 255);
             if (!n) return "0 (CB), 1 (HF) or 2 (HAM)";
             o.identity.countryMode = *n;
             return std::nullopt;
         }},
        {"--password",
         [](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
             if (std::optional<std::string> why = CheckRadioPassword(v)) return why;
             o.password = v;
             return std::nullopt;
         }},
        {"--turnaround-us", countSetter(&RadioOptions::turnaroundUs, 0, 100'000)},
        {"--silent-every", faultSetter(&RadioFaults::silentEvery, 1)},
        {"--bad-checksum-every", faultSetter(&RadioFaults::badChecksumEvery, 1)},
        // Every block answered 0A would never finish a write.
        {"--resend-every", faultSetter(&RadioFaults::resendEvery, 2)},
        // Repeated, it drops each block named.
        {"--drop-write-block",
         [](RadioOptions& o, const std::string& v) -> std::optional<std::string> {
             const std::optional<int> address = parseBlockAddress(v);
             if (!address)
                 return "the address of an image block: a multiple of 16 from 0 to 0x1CF0";
             o.faults.droppedWriteBlocks.push_back(*address);
             return std::nullopt;
         }},
    };
    return options;
}

}  // namespace

ParsedRadioOptions ParseRadioOptions(std::span<const std::string> args) {
    ParsedRadioOptions parsed;
    RadioOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = name.find('=');
            name.starts_with("--") && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            return parsed;
        }
        const std::map<std::string, bool RadioOptions::*> flags = {
            {"--echo", &RadioOptions::echo},
            {"--wire-timing", &RadioOptions::wireTiming},
            {"--verbose", &RadioOptions::verbose},
        };
        if (auto flag = flags.find(name); flag != flags.end() && !inlineValue) {
            options.*(flag->second) = true;
            continue;
        }
        if (name == "--no-ctcss" && !inlineValue) {
            options.identity.ctcssDcs = false;
            continue;
        }
        if (name == "--never-answer" && !inlineValue) {
            options.faults.neverAnswer = true;
            continue;
        }
        const auto setter = valueOptions().find(name);
        if (setter == valueOptions().end()) {
            parsed.error = "unknown option " + args[i];
            return parsed;
        }
        if (!inlineValue && i + 1 >= args.size()) {
            parsed.error = name + " needs a value";
            return parsed;
        }
        const std::string value = inlineValue ? *inlineValue : args[++i];
        if (std::optional<std::string> why = setter->second(options, value)) {
            parsed.error = name + " " + value + ": expected " + *why;
            return parsed;
        }
    }
    parsed.options = std::move(options);
    return parsed;
}

std::string RadioUsage() {
    return "Usage: korvan7x-radio [options]\n"
           "A simulated KORVAN 7X on a pseudo-terminal. Prints the terminal's path, then answers\n"
           "the programming protocol until stopped (Ctrl+C or SIGTERM).\n"
           "\n"
           "  --link PATH              also make PATH a symbolic link to the terminal\n"
           "  --model TEXT             model identifier (default KORVN7X)\n"
           "  --mode 0|1|2             country mode: 0 CB, 1 HF, 2 HAM (default 0)\n"
           "  --version TEXT           radio software version (default V100)\n"
           "  --password TEXT          radio password, up to 4 characters (default none)\n"
           "  --no-ctcss               the radio lacks CTCSS/DCS\n"
           "  --image FILE             memory image to start with (7424 bytes)\n"
           "  --info FILE              information area to start with (256 bytes)\n"
           "  --save FILE              write the memory image to FILE after each END\n"
           "  --echo                   single-wire cable: every byte sent comes back first\n"
           "  --wire-timing            take as long as 9600 baud does, plus the turnaround\n"
           "  --turnaround-us N        with --wire-timing: the pause before each answer, in\n"
           "                           microseconds (default 2000)\n"
           "  --silent-every N         ignore every Nth request\n"
           "  --bad-checksum-every N   spoil the checksum of every Nth block sent\n"
           "  --resend-every N         ask for every Nth written block again (N >= 2)\n"
           "  --drop-write-block ADDR  acknowledge writes to the block at ADDR without storing\n"
           "                           them; ADDR is the block's address in the write frame,\n"
           "                           decimal or 0x hexadecimal (0x0240 is block 37 of 464);\n"
           "                           may be given more than once\n"
           "  --never-answer           answer nothing at all\n"
           "  --verbose                log every request on standard error\n";
}

}  // namespace k7x::sim
