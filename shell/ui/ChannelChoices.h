// The lists a channel's settings are chosen from wherever a window edits them (the channel edit
// window, the common channel of the optional features window).
#pragma once

#include <QStringList>

#include "codeplug/Prompts.h"
#include "codeplug/Records.h"
#include "shell/ShellTexts.h"

namespace k7x {

// The entry at a stored index; the first entry when the index lies outside the list.
QString EntryAt(const QStringList& entries, int index);
// The entry that reads a stored number; the first entry when none does.
QString EntryReading(const QStringList& entries, int number);

// "Off" and every CTCSS and DCS tone, index = stored tone value.
QStringList ToneEntries();
// The transmit power levels; the highest exists for FM only.
QStringList TxPowerEntries(const Prompts& prompts, bool fm);
// The power level a channel shows: an AM channel shows at most the middle level.
QString TxPowerText(const Prompts& prompts, bool fm, int stored);
// The "off" entry, then the numbers of the tone tips that may be referenced.
QStringList RogerBeepEntries(const CodeplugDocument& doc, const Prompts& prompts);
// The "none" entry, then the numbers of the DTMF codes in use.
QStringList DtmfEntries(const CodeplugDocument& doc, const Prompts& prompts);

}  // namespace k7x
