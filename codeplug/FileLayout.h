// The byte layout of a .dat file, one table row per field, in file order.
// Encoding and decoding both walk these tables; no offset is written down twice.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>
#include <variant>

#include "codeplug/Records.h"

namespace k7x::file_layout {

// Where a row's bytes go: a 16-bit little-endian integer, a single byte, a fixed text of
// single-byte characters, an untouched run of bytes, or a nested record with its own table.
using FieldRef = std::variant<Int*, Byte*, std::span<char>, std::span<Byte>, ChannelRecord*,
                              DtmfCode*, ToneTipRecord*, ToneStep*>;

// A field, or a run of `count` equal fields each `width` bytes wide, starting at `offset`
// (relative to the start of the record). `field` returns element `index` of the run.
template <class Record>
struct Row {
    std::size_t offset;
    std::size_t width;
    std::size_t count;
    FieldRef (*field)(Record&, std::size_t index);

    constexpr std::size_t end() const { return offset + width * count; }
};

using D = CodeplugDocument;
using C = ChannelRecord;

// clang-format off
inline constexpr std::array<Row<D>, 23> kDocumentRows{{
    // Header
    {   0,  7,  1, [](D& d, std::size_t) -> FieldRef { return std::span<char>(d.Header.ModelName.chars); }},
    {   7,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Header.CountryMode; }},
    {   9,  4,  1, [](D& d, std::size_t) -> FieldRef { return std::span<char>(d.Header.FileVersion.chars); }},
    {  13,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.ChannelCount; }},
    // Options
    {  15,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Options.CurrentGroup; }},
    {  17,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Options.UseMem; }},
    {  19,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Options.UseVfo; }},
    {  21,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Options.CurrentMem; }},
    {  23,  2, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupEnabled[g]; }},
    {  43,  2, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupCurrent[g]; }},
    {  63,  2, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupPair[g][0]; }},
    {  83,  2, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupPair[g][1]; }},
    { 103,  2, 17, [](D& d, std::size_t i) -> FieldRef { return &d.Options.Setting[i]; }},
    { 137,  1, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupBytes[g][0]; }},
    { 147,  1, 10, [](D& d, std::size_t g) -> FieldRef { return &d.Options.GroupBytes[g][1]; }},
    { 157, 16,  1, [](D& d, std::size_t) -> FieldRef { return std::span<Byte>(d.Options.Spare); }},
    // Common channel settings
    { 173, 60,  1, [](D& d, std::size_t) -> FieldRef { return &d.PublicChannel; }},
    // Keys
    { 233,  2,  1, [](D& d, std::size_t) -> FieldRef { return &d.Keys.KeyOption; }},
    { 235,  2, 18, [](D& d, std::size_t i) -> FieldRef { return &d.Keys.KeyFunction[i]; }},
    // DTMF
    { 271,  2,  6, [](D& d, std::size_t i) -> FieldRef { return &d.Dtmf.DtmfSetting[i]; }},
    { 283, 18, 16, [](D& d, std::size_t k) -> FieldRef { return &d.Dtmf.Codes[k]; }},
    { 571, 20,  1, [](D& d, std::size_t) -> FieldRef { return std::span<Byte>(d.Dtmf.Spare); }},
    // Tone tips 1..8
    { 591, 60,  8, [](D& d, std::size_t k) -> FieldRef { return &d.ToneTips[k]; }},
}};

inline constexpr std::array<Row<C>, 21> kChannelRows{{
    {  0,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.ChannelNo; }},
    {  2,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.IsEmpty; }},
    {  4,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.Scan; }},
    {  6,  8, 1, [](C& c, std::size_t) -> FieldRef { return std::span<char>(c.Frequency.chars); }},
    { 14,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.OffSetFre; }},
    { 16,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.RDCT; }},
    { 18,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.TDCT; }},
    { 20,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.DUP; }},
    { 22,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.HI_CUT; }},
    { 24,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.BUSY; }},
    { 26,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.NB; }},
    { 28,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.Add_Sub_5K; }},
    { 30,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.AM_FM; }},
    { 32,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.Tx_Power; }},
    { 34,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.Public; }},
    { 36,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.RBTone; }},
    { 38,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.DTMF_BOT; }},
    { 40,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.DTMF_EOT; }},
    { 42,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.DTMF_Call; }},
    { 44,  2, 1, [](C& c, std::size_t) -> FieldRef { return &c.TSQ; }},
    { 46, 14, 1, [](C& c, std::size_t) -> FieldRef { return std::span<Byte>(c.Reserved); }},
}};

inline constexpr std::array<Row<DtmfCode>, 2> kDtmfCodeRows{{
    {  0,  2, 1, [](DtmfCode& c, std::size_t) -> FieldRef { return &c.CodeLength; }},
    {  2, 16, 1, [](DtmfCode& c, std::size_t) -> FieldRef { return std::span<char>(c.Digits.chars); }},
}};

inline constexpr std::array<Row<ToneTipRecord>, 3> kToneTipRows{{
    {  0,  4, 14, [](ToneTipRecord& t, std::size_t s) -> FieldRef { return &t.Steps[s]; }},
    { 56,  2,  1, [](ToneTipRecord& t, std::size_t) -> FieldRef { return &t.RepeatCount; }},
    { 58,  2,  1, [](ToneTipRecord& t, std::size_t) -> FieldRef { return &t.RepeatGap; }},
}};

inline constexpr std::array<Row<ToneStep>, 2> kToneStepRows{{
    {  0,  2, 1, [](ToneStep& s, std::size_t) -> FieldRef { return &s.Pitch; }},
    {  2,  2, 1, [](ToneStep& s, std::size_t) -> FieldRef { return &s.Duration; }},
}};
// clang-format on

// The table of a record type.
template <class Record>
constexpr auto& RowsOf() {
    if constexpr (std::is_same_v<Record, CodeplugDocument>)
        return kDocumentRows;
    else if constexpr (std::is_same_v<Record, ChannelRecord>)
        return kChannelRows;
    else if constexpr (std::is_same_v<Record, DtmfCode>)
        return kDtmfCodeRows;
    else if constexpr (std::is_same_v<Record, ToneTipRecord>)
        return kToneTipRows;
    else
        return kToneStepRows;
}

// True when the rows follow each other without gap or overlap and end at `size`.
template <class Record, std::size_t N>
constexpr bool IsContiguous(const std::array<Row<Record>, N>& rows, std::size_t size) {
    std::size_t at = 0;
    for (const Row<Record>& row : rows) {
        if (row.offset != at) return false;
        at = row.end();
    }
    return at == size;
}

static_assert(IsContiguous(kDocumentRows, 1071));
static_assert(IsContiguous(kChannelRows, 60));
static_assert(IsContiguous(kDtmfCodeRows, 18));
static_assert(IsContiguous(kToneTipRows, 60));
static_assert(IsContiguous(kToneStepRows, 4));

}  // namespace k7x::file_layout
