#include "codeplug/ChannelRecordText.h"

#include <array>
#include <charconv>

#include "codeplug/Conversions.h"

namespace k7x {

namespace {

constexpr std::string_view kFirstLine = "korvan7x channels 1";
constexpr std::string_view kEmptySlot = "-";

// The integer fields in record order.
constexpr std::array<Int ChannelRecord::*, 19> kIntFields = {
    &ChannelRecord::ChannelNo, &ChannelRecord::IsEmpty,    &ChannelRecord::Scan,
    &ChannelRecord::OffSetFre, &ChannelRecord::RDCT,       &ChannelRecord::TDCT,
    &ChannelRecord::DUP,       &ChannelRecord::HI_CUT,     &ChannelRecord::BUSY,
    &ChannelRecord::NB,        &ChannelRecord::Add_Sub_5K, &ChannelRecord::AM_FM,
    &ChannelRecord::Tx_Power,  &ChannelRecord::Public,     &ChannelRecord::RBTone,
    &ChannelRecord::DTMF_BOT,  &ChannelRecord::DTMF_EOT,   &ChannelRecord::DTMF_Call,
    &ChannelRecord::TSQ,
};

template <std::size_t N>
std::string Hex(const std::array<char, N>& chars) {
    std::string out;
    for (char c : chars) out += ByteToHex2(static_cast<Byte>(c));
    return out;
}

std::string Hex(const std::array<Byte, 14>& bytes) {
    std::string out;
    for (Byte b : bytes) out += ByteToHex2(b);
    return out;
}

template <typename Array>
bool FromHex(std::string_view hex, Array& out) {
    if (hex.size() != out.size() * 2) return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned value = 0;
        const char* first = hex.data() + 2 * i;
        auto [ptr, ec] = std::from_chars(first, first + 2, value, 16);
        if (ec != std::errc{} || ptr != first + 2) return false;
        out[i] = static_cast<typename Array::value_type>(value);
    }
    return true;
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = line.find(separator, at);
        parts.push_back(line.substr(at, end == line.npos ? line.npos : end - at));
        if (end == line.npos) return parts;
        at = end + 1;
    }
}

std::optional<ChannelRecord> ReadRecord(std::string_view line) {
    const std::vector<std::string_view> parts = Split(line, ' ');
    if (parts.size() != kIntFields.size() + 2) return std::nullopt;
    ChannelRecord ch;
    for (std::size_t i = 0; i < kIntFields.size(); ++i) {
        int value = 0;
        const std::string_view p = parts[i];
        auto [ptr, ec] = std::from_chars(p.data(), p.data() + p.size(), value);
        if (ec != std::errc{} || ptr != p.data() + p.size() || value < -32768 || value > 32767)
            return std::nullopt;
        ch.*kIntFields[i] = static_cast<Int>(value);
    }
    if (!FromHex(parts[kIntFields.size()], ch.Frequency.chars) ||
        !FromHex(parts[kIntFields.size() + 1], ch.Reserved))
        return std::nullopt;
    return ch;
}

}  // namespace

std::string ChannelSlotsToText(const std::vector<ChannelSlot>& copied) {
    std::string out(kFirstLine);
    out += '\n';
    for (const ChannelSlot& slot : copied) {
        if (!slot) {
            out += kEmptySlot;
        } else {
            for (Int ChannelRecord::*field : kIntFields)
                out += std::to_string((*slot).*field) + ' ';
            out += Hex(slot->Frequency.chars) + ' ' + Hex(slot->Reserved);
        }
        out += '\n';
    }
    return out;
}

std::optional<std::vector<ChannelSlot>> TextToChannelSlots(std::string_view text) {
    std::vector<std::string_view> lines = Split(text, '\n');
    if (lines.empty() || lines.front() != kFirstLine) return std::nullopt;
    if (!lines.back().empty()) return std::nullopt;  // cut short
    std::vector<ChannelSlot> copied;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i] == kEmptySlot) {
            copied.emplace_back();
            continue;
        }
        std::optional<ChannelRecord> ch = ReadRecord(lines[i]);
        if (!ch) return std::nullopt;
        copied.emplace_back(*ch);
    }
    return copied;
}

}  // namespace k7x
