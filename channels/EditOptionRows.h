// The option rows of the channel edit window: one list per channel field that has an edit row
// (its control number is the field's editRow), laid out in the frame in the order below.
#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "codeplug/ChannelFields.h"
#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr int kOptionRowCount = 16;

// Top-to-bottom order of the fields in the option frame; the offset is a typed field, the rest
// are option rows.
inline constexpr std::array<ChannelColumn, kOptionRowCount + 1> kFrameOrder = {
    kColScan,     kColTsq, kColRdct,   kColTdct,    kColPublic,  kColHiCut,
    kColBusy,     kColNb,  kColAmFm,   kColRbTone,  kColDtmfBot, kColDtmfEot,
    kColDtmfCall, kColDup, kColOffset, kColTxPower, kColAddSub5K};

// The language text of a number, or fallback when the language has none.
QString TextOr(const Prompts& prompts, int number, std::string_view fallback);

}  // namespace k7x
