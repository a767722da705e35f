// Operations on the compact channel list of the working document.
#pragma once

#include <string_view>

#include "codeplug/ChannelFields.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// List index of a channel number, or -1.
int FindChannel(const DocumentState& doc, int channelNo);
// A channel with the defaults of a new channel at that number and frequency (display text).
ChannelRecord NewChannel(int channelNo, std::string_view frequencyText, const DocumentState& doc);
// Appends a channel with the defaults of a new channel; false when the list is full.
bool AddChannel(DocumentState& doc, int channelNo, std::string_view frequencyText);
// Removes the entry at a list index, keeping the order of the rest.
void DeleteChannel(DocumentState& doc, int index);
// Sets one field by grid column (1..18); a column outside changes nothing.
void SetChannelField(ChannelRecord& record, int column, std::string_view value,
                     const DocumentState& doc);
// The value of a field by grid column (1..18) as stored: the raw frequency digits for column 1.
int ChannelField(const ChannelRecord& record, int column);
// The power level a channel transmits at: AM allows only the two lower levels, so a higher
// stored level counts as the middle one.
int AllowedTxPower(const ChannelRecord& record);

// DTMF code n was removed: references to it become 0.
void ClearDtmfReferences(DocumentState& doc, int codeNumber);
// A tone tip reference stays only when it names an enabled tone tip with a sounding step.
int CheckToneTipReference(const CodeplugDocument& doc, int reference);
// After a tone tip edit: re-checks every RBTone and tells ShowRB and ShowRBOpt.
void RevalidateToneTipReferences(DocumentState& doc);

// Keeps a group's settings consistent after a channel of it was added or removed.
void UpdateGroupBookkeeping(DocumentState& doc, int group);
// When no memory group of the mode is enabled, enables the group of the first listed channel
// that lies in one (the last enabled group cannot vanish).
void EnsureEnabledGroup(DocumentState& doc);

// Whether clearing the frequency of channelNo in group may remove the channel: the VFO
// channel stays, a memory channel stays while no other group holds one, and a MEM group keeps
// its last channel.
bool MayRemoveChannel(const DocumentState& doc, int group, int channelNo);

// The single entry point for editing a channel cell from the grid or the edit window.
void EditChannelCell(DocumentState& doc, Prompts& prompts, int group, int position, int column,
                     std::string_view value);

// True when the working document differs from the copy taken at the last save or open.
bool IsDocumentChanged(const DocumentState& doc);

}  // namespace k7x
