// The typed records of a codeplug: every editing window reads and writes these,
// the memory image and the .dat file are built from them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace k7x {

// Records hold 16-bit signed integers, as the radio's files do.
using Int = std::int16_t;
using Byte = std::uint8_t;

// A Boolean field holds -1 for true and 0 for false.
inline constexpr Int kTrue = -1;
inline constexpr Int kFalse = 0;

inline constexpr int kChannelCapacity = 409;  // channels 1..409, one entry each
inline constexpr int kVfoChannel = 401;
inline constexpr int kFirstMemChannel = 402;
inline constexpr int kLastMemChannel = 409;

// Cuts a text before its first NUL and removes trailing blanks.
std::string TrimField(std::string_view text);

// A text of exactly N single-byte characters, blank-padded on the right.
template <std::size_t N>
struct FixedText {
    std::array<char, N> chars{};

    FixedText() = default;                           // all NUL: reads as an empty text
    FixedText(std::string_view text) { set(text); }  // NOLINT: implicit on purpose

    // Assigns a text: cut to N characters, padded with blanks.
    void set(std::string_view text) {
        chars.fill(' ');
        for (std::size_t i = 0; i < N && i < text.size(); ++i) chars[i] = text[i];
    }
    // The N characters as stored.
    std::string raw() const { return std::string(chars.data(), N); }
    // What every reader uses: cut at the first NUL, trailing blanks removed.
    std::string str() const { return TrimField(std::string_view(chars.data(), N)); }

    static constexpr std::size_t size() { return N; }
    bool operator==(const FixedText&) const = default;
};

// Records are plain data and start all zero, as an unused file block does; the defaults of
// a new channel or document are set by AddChannel and InitNewDocument.

// One channel. Grid columns 1..18 address its fields (see SetChannelField).
struct ChannelRecord {
    Int ChannelNo = 0;
    Int IsEmpty = 0;
    Int Scan = 0;
    FixedText<8> Frequency;
    Int OffSetFre = 0;
    Int RDCT = 0;
    Int TDCT = 0;
    Int DUP = 0;
    Int HI_CUT = 0;
    Int BUSY = 0;
    Int NB = 0;
    Int Add_Sub_5K = 0;
    Int AM_FM = 0;
    Int Tx_Power = 0;
    Int Public = 0;
    Int RBTone = 0;
    Int DTMF_BOT = 0;
    Int DTMF_EOT = 0;
    Int DTMF_Call = 0;
    Int TSQ = 0;
    std::array<Byte, 14> Reserved{};

    bool operator==(const ChannelRecord&) const = default;
};

struct DocumentHeader {
    FixedText<7> ModelName;
    Int CountryMode = 0;
    FixedText<4> FileVersion;

    bool operator==(const DocumentHeader&) const = default;
};

// Indices into OptionRecord::Setting.
enum SettingIndex : int {
    kSetBeep = 0,
    kSetAsqFun = 5,
    kSetAsqValue = 6,
    kSetScanType = 9,
    kSetScanTime = 10,
    kSetMemEdit = 14,
    kSetUseMaxSwr = 15,
    kSetMaxSwr = 16,
    kSettingCount = 17,
};

struct OptionRecord {
    Int CurrentGroup = 0;
    Int UseMem = 0;
    Int UseVfo = 0;
    Int CurrentMem = 0;
    std::array<Int, 10> GroupEnabled{};
    std::array<Int, 10> GroupCurrent{};
    std::array<std::array<Int, 2>, 10> GroupPair{};  // [group][emergency channel 1/2]
    std::array<Int, kSettingCount> Setting{};
    std::array<std::array<Byte, 2>, 10> GroupBytes{};  // [group][emergency channel 1/2]
    std::array<Byte, 16> Spare{};

    bool operator==(const OptionRecord&) const = default;
};

struct KeyRecord {
    Int KeyOption = 0;
    std::array<Int, 18> KeyFunction{};

    bool operator==(const KeyRecord&) const = default;
};

struct DtmfCode {
    Int CodeLength = 0;  // 0: entry not in use
    FixedText<16> Digits;

    bool operator==(const DtmfCode&) const = default;
};

struct DtmfRecord {
    std::array<Int, 6> DtmfSetting{};
    std::array<DtmfCode, 16> Codes{};  // code k (1..16) is Codes[k - 1]
    std::array<Byte, 20> Spare{};

    bool operator==(const DtmfRecord&) const = default;
};

struct ToneStep {
    Int Pitch = 0;     // 10 Hz units; a pitch whose tenfold is 48 or less is a rest
    Int Duration = 0;  // 10 ms units

    bool operator==(const ToneStep&) const = default;
};

struct ToneTipRecord {
    std::array<ToneStep, 14> Steps{};  // step s (1..14) is Steps[s - 1]
    Int RepeatCount = 0;               // 0 disables the tone tip
    Int RepeatGap = 0;                 // 10 ms units

    bool operator==(const ToneTipRecord&) const = default;
};

// The non-channel part of a codeplug.
struct CodeplugDocument {
    DocumentHeader Header;
    Int ChannelCount = 0;
    OptionRecord Options;
    ChannelRecord PublicChannel;
    KeyRecord Keys;
    DtmfRecord Dtmf;
    std::array<ToneTipRecord, 8> ToneTips{};  // tip k (1..8) is ToneTips[k - 1]

    bool operator==(const CodeplugDocument&) const = default;
};

using ChannelArray = std::array<ChannelRecord, kChannelCapacity>;

// What the radio's information area holds, plus the model and version shown beside it.
struct RadioInfoRecord {
    Int InfoCountryMode = 0;
    std::string InfoModel;
    std::string SalesAreaCode;
    FixedText<16> SerialNumber;
    FixedText<16> FactoryDate;
    FixedText<16> RepairDate;
    FixedText<96> RepairReason;
    std::string InfoVersion;
    FixedText<8> BatchNumber;
    FixedText<4> CustomerCode;
    FixedText<16> DealerCode;
    FixedText<16> StockInTime;
    FixedText<16> SaleTime;
    FixedText<16> HandledBy;

    bool operator==(const RadioInfoRecord&) const = default;
};

}  // namespace k7x
