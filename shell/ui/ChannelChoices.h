// The lists a channel's settings are chosen from wherever a window edits them (the channel edit
// window, the common channel of the optional features window).
#pragma once

#include <QStringList>

#include "codeplug/Prompts.h"
#include "codeplug/Records.h"

namespace k7x {

// Language texts of the lists.
inline constexpr int kTextPowerLow = 15044;  // 15045 middle, 15046 high
inline constexpr int kTextRogerBeepOff = 15030;
inline constexpr int kTextNoDtmfCode = 14013;

// "Off" and every CTCSS and DCS tone, index = stored tone value.
QStringList ToneEntries();
// The transmit power levels; the highest exists for FM only.
QStringList TxPowerEntries(const Prompts& prompts, bool fm);
// The "off" entry, then the numbers of the tone tips that may be referenced.
QStringList RogerBeepEntries(const CodeplugDocument& doc, const Prompts& prompts);
// The "none" entry, then the numbers of the DTMF codes in use.
QStringList DtmfEntries(const CodeplugDocument& doc, const Prompts& prompts);

}  // namespace k7x
