// The shape of a codeplug's text form below its top level, written once for both directions:
// a visitor that writes and a visitor that reads walk the records through these functions.
// A visitor offers number (an integer field), numbers (an array, nested arrays as nested
// lists), choice and choices (a setting, an array of settings: numbers that choose an entry of a
// list, named by the function given), text (a fixed text),
// frequency, tone, place (the channel's name, for a comment), record (a nested map) and records (a
// list of maps).
#pragma once

#include <array>
#include <type_traits>

#include "codeplug/ChannelFields.h"
#include "codeplug/Records.h"
#include "codeplug/SettingChoices.h"

namespace k7x::text_tree {

// Whether a field holds a list of values (written and read as a YAML sequence).
template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

// A field users edit, under the name every other place gives it.
template <class V>
void EditedField(V& v, ChannelRecord& c, ChannelColumn column) {
    const ChannelFieldInfo& f = FieldOf(column);
    if (f.list == FieldList::Tones)
        v.tone(f.key, c.*f.member);
    else
        v.number(f.key, c.*f.member);
}

// A channel's fields in record order.
template <class V>
void Channel(V& v, ChannelRecord& c) {
    v.number("ChannelNo", c.ChannelNo);
    v.place(c.ChannelNo);
    v.number("IsEmpty", c.IsEmpty);
    EditedField(v, c, kColScan);
    v.frequency(FieldOf(kColFrequency).key, c.Frequency);
    for (ChannelColumn column : {kColOffset, kColRdct, kColTdct, kColDup, kColHiCut, kColBusy,
                                 kColNb, kColAddSub5K, kColAmFm, kColTxPower, kColPublic,
                                 kColRbTone, kColDtmfBot, kColDtmfEot, kColDtmfCall, kColTsq})
        EditedField(v, c, column);
    v.numbers("Reserved", c.Reserved);
}

template <class V>
void Settings(V& v, CodeplugDocument& d) {
    OptionRecord& o = d.Options;
    v.number("CurrentGroup", o.CurrentGroup);
    v.number("UseMem", o.UseMem);
    v.number("UseVfo", o.UseVfo);
    v.number("CurrentMem", o.CurrentMem);
    v.numbers("GroupEnabled", o.GroupEnabled);
    v.numbers("GroupCurrent", o.GroupCurrent);
    v.numbers("GroupPair", o.GroupPair);
    v.choices("Setting", o.Setting, EnglishChoiceName);
    v.numbers("GroupBytes", o.GroupBytes);
    v.numbers("Spare", o.Spare);
    v.record("PublicChannel", d.PublicChannel, Channel<V>);
}

template <class V>
void DtmfEntry(V& v, DtmfCode& code) {
    v.number("CodeLength", code.CodeLength);
    v.text("Digits", code.Digits);
}

template <class V>
void Dtmf(V& v, DtmfRecord& dtmf) {
    v.choices("DtmfSetting", dtmf.DtmfSetting, EnglishDtmfChoiceName);
    v.records("Codes", dtmf.Codes, DtmfEntry<V>);
    v.numbers("Spare", dtmf.Spare);
}

template <class V>
void Keys(V& v, KeyRecord& keys) {
    v.choice("KeyOption", keys.KeyOption, KeyModeName);
    v.choices("KeyFunction", keys.KeyFunction,
              [](int, Int stored) { return KeyFunctionName(stored); });
}

template <class V>
void Step(V& v, ToneStep& step) {
    v.number("Pitch", step.Pitch);
    v.number("Duration", step.Duration);
}

template <class V>
void ToneTip(V& v, ToneTipRecord& tip) {
    v.number("RepeatCount", tip.RepeatCount);
    v.number("RepeatGap", tip.RepeatGap);
    v.records("Steps", tip.Steps, Step<V>);
}

}  // namespace k7x::text_tree
