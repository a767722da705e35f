// The five DTMF setting lists: their entries and how a stored setting maps to an entry and back.
// Settings 0 to 3 are stored as the entry's number divided by the list's factor, setting 4 as the
// entry's position.
#pragma once

#include <QStringList>

#include "codeplug/Prompts.h"
#include "codeplug/Records.h"
#include "codeplug/SettingChoices.h"

namespace k7x {

// The entries of the list of setting 0..4, in order.
QStringList DtmfSettingEntries(int setting, const Prompts& prompts);
// The entry that shows a stored value: the one whose number is the value times the factor (the
// position itself for setting 4), or the first entry when the value has none.
int DtmfEntryIndex(int setting, Int stored, const QStringList& entries);
// The value stored when the entry at index is picked.
Int DtmfStoredValue(int setting, int index, const QStringList& entries);

}  // namespace k7x
