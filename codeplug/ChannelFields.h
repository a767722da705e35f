// The fields of a channel that users edit, in one table. The grid, the channel edit window, the
// common channel panel, the printed pages and the CSV comment keys all find a field here: its
// code, the record member that holds it, its name, the list it is chosen from and the control
// that edits it in each window.
#pragma once

#include <array>
#include <string_view>

#include "codeplug/Records.h"

namespace k7x {

// A field's code: its column in the grid, and the code the cell edits take.
enum ChannelColumn : int {
    kColFrequency = 1,
    kColPublic = 2,
    kColDup = 3,
    kColOffset = 4,
    kColTsq = 5,
    kColScan = 6,
    kColHiCut = 7,
    kColBusy = 8,
    kColNb = 9,
    kColAddSub5K = 10,
    kColAmFm = 11,
    kColTxPower = 12,
    kColRbTone = 13,
    kColDtmfBot = 14,
    kColDtmfEot = 15,
    kColDtmfCall = 16,
    kColRdct = 17,
    kColTdct = 18,
};
inline constexpr int kChannelFieldCount = kColTdct;

// The list a field is chosen from.
enum class FieldList {
    Typed,       // no list: the frequency and the offset are typed
    OffOn,       // "Off", "On"
    Duplex,      // "Off", "+", "-"
    ScanFlag,    // "Del", "Add"
    Modulation,  // "FM", "AM"
    TxPower,     // the power levels the modulation allows
    Tones,       // "Off", then every CTCSS and DCS tone
    RogerBeeps,  // "off", then the numbers of the usable tone tips
    DtmfCodes,   // "none", then the numbers of the DTMF codes in use
};

// The roger-beep and DTMF lists store the number their entry reads; the others their index.
constexpr bool StoresNumber(FieldList list) {
    return list == FieldList::RogerBeeps || list == FieldList::DtmfCodes;
}

inline constexpr int kNoControl = -1;

struct ChannelFieldInfo {
    ChannelColumn column;
    std::string_view key;        // the record field's name: CSV comment keys, field dumps
    Int ChannelRecord::*member;  // nullptr for the frequency, which is stored as digits
    FieldList list;
    int editRow;         // the channel edit window's option row, or kNoControl
    int commonControl;   // the common channel panel's list number, or kNoControl
    bool followsCommon;  // taken from the common channel while Public is "On"
};

// Indexed by column - 1.
inline constexpr std::array<ChannelFieldInfo, kChannelFieldCount> kChannelFields = {{
    // clang-format off
    {kColFrequency, "Frequency", nullptr, FieldList::Typed, kNoControl, kNoControl, false},
    {kColPublic, "Public", &ChannelRecord::Public, FieldList::OffOn, 0, kNoControl, false},
    {kColDup, "DUP", &ChannelRecord::DUP, FieldList::Duplex, 1, 1, true},
    {kColOffset, "OffSetFre", &ChannelRecord::OffSetFre, FieldList::Typed, kNoControl, kNoControl,
     true},
    {kColTsq, "TSQ", &ChannelRecord::TSQ, FieldList::OffOn, 2, kNoControl, false},
    {kColScan, "Scan", &ChannelRecord::Scan, FieldList::ScanFlag, 3, kNoControl, false},
    {kColHiCut, "HI_CUT", &ChannelRecord::HI_CUT, FieldList::OffOn, 4, 4, true},
    {kColBusy, "BUSY", &ChannelRecord::BUSY, FieldList::OffOn, 5, 5, true},
    {kColNb, "NB", &ChannelRecord::NB, FieldList::OffOn, 6, 6, true},
    {kColAddSub5K, "Add_Sub_5K", &ChannelRecord::Add_Sub_5K, FieldList::OffOn, 7, 7, true},
    {kColAmFm, "AM_FM", &ChannelRecord::AM_FM, FieldList::Modulation, 8, 8, true},
    {kColTxPower, "Tx_Power", &ChannelRecord::Tx_Power, FieldList::TxPower, 9, 9, true},
    {kColRbTone, "RBTone", &ChannelRecord::RBTone, FieldList::RogerBeeps, 10, 10, true},
    {kColDtmfBot, "DTMF_BOT", &ChannelRecord::DTMF_BOT, FieldList::DtmfCodes, 11, 11, true},
    {kColDtmfEot, "DTMF_EOT", &ChannelRecord::DTMF_EOT, FieldList::DtmfCodes, 12, 12, true},
    {kColDtmfCall, "DTMF_Call", &ChannelRecord::DTMF_Call, FieldList::DtmfCodes, 13, 13, true},
    // The common channel's receive tone is its control 2, where a channel has its squelch.
    {kColRdct, "RDCT", &ChannelRecord::RDCT, FieldList::Tones, 14, 2, false},
    {kColTdct, "TDCT", &ChannelRecord::TDCT, FieldList::Tones, 15, kNoControl, false},
    // clang-format on
}};

constexpr const ChannelFieldInfo& FieldOf(ChannelColumn column) {
    return kChannelFields[static_cast<std::size_t>(column - 1)];
}

// The field a code names; nullptr outside 1..18.
constexpr const ChannelFieldInfo* FieldOfCode(int code) {
    return code >= 1 && code <= kChannelFieldCount
               ? &kChannelFields[static_cast<std::size_t>(code - 1)]
               : nullptr;
}

// The field the channel edit window's option row edits; nullptr when no field has that row.
constexpr const ChannelFieldInfo* FieldOfEditRow(int row) {
    for (const ChannelFieldInfo& f : kChannelFields)
        if (row != kNoControl && f.editRow == row) return &f;
    return nullptr;
}

// The field the common channel panel's list number edits; nullptr when none has that number.
constexpr const ChannelFieldInfo* FieldOfCommonControl(int control) {
    for (const ChannelFieldInfo& f : kChannelFields)
        if (control != kNoControl && f.commonControl == control) return &f;
    return nullptr;
}

// Whether a country mode offers a field at all: the 5 kHz shift is offered in none, and CB
// channels (mode 0) have neither a choice of power nor a repeater shift.
constexpr bool IsFieldOffered(ChannelColumn column, int mode) {
    switch (column) {
        case kColAddSub5K:
            return false;
        case kColTxPower:
        case kColDup:
        case kColOffset:
            return mode != 0;
        default:
            return true;
    }
}

}  // namespace k7x
