// The lists a channel's settings are chosen from wherever a window edits them (the channel edit
// window, the common channel of the optional features window).
#pragma once

#include <QStringList>

#include "codeplug/ChannelFields.h"
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

// The entries of a list that do not depend on the document: the fixed lists, which read the
// same in every language, and the tones; empty for the power, roger-beep and DTMF lists.
QStringList StaticEntries(FieldList list);

// The lists a document's channels are shown with, built once for many channels.
struct ChannelChoiceLists {
    QStringList tones;
    QStringList rogerBeeps;
    QStringList dtmfCodes;
};
ChannelChoiceLists ChoiceListsOf(const CodeplugDocument& doc, const Prompts& prompts);

// The entry a channel field's stored value shows in its list; empty for a typed field.
QString FieldEntryText(const ChannelFieldInfo& field, const ChannelRecord& channel,
                       const ChannelChoiceLists& lists, const Prompts& prompts);

}  // namespace k7x
