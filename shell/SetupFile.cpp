#include "shell/SetupFile.h"

#include <QString>
#include <charconv>

#include "shell/IniFile.h"

namespace k7x {

namespace {

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<bool> ParseProfileBoolean(std::string_view text) {
    text = trimmed(text);
    if (equalsIgnoringCase(text, "true")) return true;
    if (equalsIgnoringCase(text, "false")) return false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    // Digits with at most one decimal point, at least one digit.
    bool anyDigit = false;
    bool nonZero = false;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(c)) {
            anyDigit = true;
            nonZero = nonZero || c != '0';
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    return nonZero;
}

std::optional<Int> ParseProfileInt16(std::string_view text) {
    text = trimmed(text);
    // One sign at most; from_chars takes "-" but not "+".
    if (text.size() > 1 && text.front() == '+' && isDigit(text[1])) text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<Int>(value);
}

std::string ReadSetupValue(const std::string& path, const char* key) {
    return ReadProfileString(QString::fromStdString(path), QString::fromLatin1(kSetupSection),
                             QString::fromLatin1(key), QString(), 512)
        .trimmed()
        .toStdString();
}

bool WriteSetupNumber(const std::string& path, const char* key, int value) {
    return WriteProfileString(QString::fromStdString(path), QString::fromLatin1(kSetupSection),
                              QString::fromLatin1(key), QString::number(value));
}

}  // namespace k7x
