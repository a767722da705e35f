// The compact channel list: lookup, adding and removing entries, setting fields by grid column,
// and keeping DTMF and tone tip references valid.
#include "codeplug/ChannelList.h"

#include <algorithm>
#include <limits>

#include "codeplug/Conversions.h"

namespace k7x {

namespace {

constexpr int kToneTipCount = 8;
constexpr int kDtmfCodeCount = 16;

int ListCount(const DocumentState& doc) {
    return std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
}

ChannelRecord& Entry(DocumentState& doc, int index) {
    return doc.ChannelList[static_cast<std::size_t>(index)];
}

Int ToInt16(int value) {
    return static_cast<Int>(
        std::clamp<int>(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

// The integer field of a grid column; null for column 1 (text) and columns outside 1..18.
template <typename Record>
auto FieldOfColumn(Record& r, int column) -> decltype(&r.Public) {
    const ChannelFieldInfo* field = FieldOfCode(column);
    return field && field->member ? &(r.*(field->member)) : nullptr;
}

void ClearReference(Int& field, int codeNumber) {
    if (field == codeNumber) field = 0;
}

}  // namespace

int FindChannel(const DocumentState& doc, int channelNo) {
    const int count = ListCount(doc);
    for (int i = 0; i < count; ++i)
        if (doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo == channelNo) return i;
    return -1;
}

ChannelRecord NewChannel(int channelNo, std::string_view frequencyText, const DocumentState& doc) {
    ChannelRecord ch;  // all fields zero, Reserved zero
    ch.ChannelNo = ToInt16(channelNo);
    ch.IsEmpty = kFalse;
    ch.Scan = 1;
    ch.Frequency.set(DisplayToStored(frequencyText, doc));
    ch.OffSetFre = 100;
    ch.NB = 1;
    ch.Public = 1;
    return ch;
}

bool AddChannel(DocumentState& doc, int channelNo, std::string_view frequencyText) {
    const int count = ListCount(doc);
    if (count >= kChannelCapacity) return false;
    Entry(doc, count) = NewChannel(channelNo, frequencyText, doc);
    doc.WorkDoc.ChannelCount = static_cast<Int>(count + 1);
    return true;
}

void DeleteChannel(DocumentState& doc, int index) {
    const int count = ListCount(doc);
    if (index < 0 || index >= count) return;
    auto first = doc.ChannelList.begin() + index;
    std::move(first + 1, doc.ChannelList.begin() + count, first);
    doc.WorkDoc.ChannelCount = static_cast<Int>(count - 1);
}

void SetChannelField(ChannelRecord& record, int column, std::string_view value,
                     const DocumentState& doc) {
    constexpr int kOffsetMin = 5;
    constexpr int kOffsetMax = 1000;
    constexpr int kOffsetStep = 5;
    switch (column) {
        case kColFrequency:
            record.Frequency.set(DisplayToStored(value, doc));
            return;
        case kColOffset:
            record.OffSetFre =
                ToInt16(ClampToStep(value, kOffsetMin, kOffsetMax, kOffsetStep, kOffsetMin));
            return;
        case kColRbTone:
            record.RBTone = ToInt16(ClampToStep(value, 0, kToneTipCount, 1, 0));
            return;
        case kColDtmfBot:
        case kColDtmfEot:
        case kColDtmfCall:
            *FieldOfColumn(record, column) = ToInt16(ClampToStep(value, 0, kDtmfCodeCount, 1, 0));
            return;
        default:
            break;
    }
    Int* field = FieldOfColumn(record, column);
    if (field == nullptr) return;
    // The lists pass their index; a text that is not a number leaves the field as it was.
    *field = ToInt16(NumberOrDefault(value, *field));
    if (column == kColAmFm) record.Tx_Power = static_cast<Int>(AllowedTxPower(record));
}

int AllowedTxPower(const ChannelRecord& record) {
    return record.AM_FM != 0 && record.Tx_Power > 1 ? 1 : record.Tx_Power;
}

int ChannelField(const ChannelRecord& record, int column) {
    if (column == kColFrequency) return NumberOrDefault(record.Frequency.str(), 0);
    const Int* field = FieldOfColumn(record, column);
    return field ? *field : 0;
}

void ClearDtmfReferences(DocumentState& doc, int codeNumber) {
    auto clear = [codeNumber](ChannelRecord& ch) {
        ClearReference(ch.DTMF_BOT, codeNumber);
        ClearReference(ch.DTMF_EOT, codeNumber);
        ClearReference(ch.DTMF_Call, codeNumber);
    };
    const int count = ListCount(doc);
    for (int i = 0; i < count; ++i) clear(Entry(doc, i));
    clear(doc.WorkDoc.PublicChannel);
}

int CheckToneTipReference(const CodeplugDocument& doc, int reference) {
    if (reference < 1 || reference > kToneTipCount) return 0;
    const ToneTipRecord& tip = doc.ToneTips[static_cast<std::size_t>(reference - 1)];
    if (tip.RepeatCount < 1) return 0;
    bool sounds = std::any_of(tip.Steps.begin(), tip.Steps.end(),
                              [](const ToneStep& s) { return s.Duration > 0; });
    return sounds ? reference : 0;
}

void RevalidateToneTipReferences(DocumentState& doc) {
    const int count = ListCount(doc);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& ch = Entry(doc, i);
        ch.RBTone = ToInt16(CheckToneTipReference(doc.WorkDoc, ch.RBTone));
    }
    ChannelRecord& pub = doc.WorkDoc.PublicChannel;
    pub.RBTone = ToInt16(CheckToneTipReference(doc.WorkDoc, pub.RBTone));
    doc.notify([](DocumentListener& l) { l.ShowRB(); });
    doc.notify([](DocumentListener& l) { l.ShowRBOpt(); });
}

}  // namespace k7x
