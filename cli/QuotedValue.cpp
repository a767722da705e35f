#include "cli/QuotedValue.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace k7x::cli {
namespace {

void AppendEscape(std::string& out, std::uint32_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
}

void AppendCodePoint(std::string& out, std::uint32_t cp) {
    if (cp < 0x10000) {
        AppendEscape(out, cp);
        return;
    }
    cp -= 0x10000;  // a surrogate pair
    AppendEscape(out, 0xD800 + (cp >> 10));
    AppendEscape(out, 0xDC00 + (cp & 0x3FF));
}

// The code point of a valid UTF-8 sequence of two to four bytes at the start of `s`, and its
// length; nullopt for anything else (overlong forms and surrogates included).
std::optional<std::pair<std::uint32_t, std::size_t>> DecodeUtf8(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t cp = 0, lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return std::pair{cp, length};
}

}  // namespace

std::string JsonQuoted(std::string_view bytes) {
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80) {
            const auto decoded = DecodeUtf8(bytes.substr(i));
            AppendCodePoint(out, decoded ? decoded->first : c);
            i += decoded ? decoded->second : 1;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    AppendEscape(out, c);
                else
                    out += static_cast<char>(c);
        }
        ++i;
    }
    return out + "\"";
}

std::string JsonValue(const std::variant<int, std::string>& value) {
    if (const int* number = std::get_if<int>(&value)) return std::to_string(*number);
    return JsonQuoted(std::get<std::string>(value));
}

}  // namespace k7x::cli
