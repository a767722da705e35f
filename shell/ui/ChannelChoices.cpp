#include "shell/ui/ChannelChoices.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "shell/ui/Captions.h"

namespace k7x {

QString EntryAt(const QStringList& entries, int index) {
    if (entries.isEmpty()) return {};
    return index >= 0 && index < entries.size() ? entries.at(index) : entries.front();
}

QString EntryReading(const QStringList& entries, int number) {
    return EntryAt(entries, static_cast<int>(entries.indexOf(QString::number(number))));
}

QStringList ToneEntries() {
    QStringList entries;
    entries.reserve(kToneValueCount);
    for (int value = 0; value < kToneValueCount; ++value)
        entries.append(QString::fromStdString(ToneText(value)));
    return entries;
}

QStringList TxPowerEntries(const Prompts& prompts, bool fm) {
    QStringList entries = {LangText(prompts, kTextPowerLow), LangText(prompts, kTextPowerLow + 1)};
    if (fm) entries.append(LangText(prompts, kTextPowerLow + 2));
    return entries;
}

QString TxPowerText(const Prompts& prompts, bool fm, int stored) {
    const QStringList entries = TxPowerEntries(prompts, fm);
    return EntryAt(entries, !fm && stored >= static_cast<int>(entries.size())
                                ? static_cast<int>(entries.size()) - 1
                                : stored);
}

QStringList RogerBeepEntries(const CodeplugDocument& doc, const Prompts& prompts) {
    QStringList entries = {LangText(prompts, kTextRogerBeepOff)};
    for (int tip = 1; tip <= static_cast<int>(doc.ToneTips.size()); ++tip)
        if (CheckToneTipReference(doc, tip) == tip) entries.append(QString::number(tip));
    return entries;
}

QStringList DtmfEntries(const CodeplugDocument& doc, const Prompts& prompts) {
    QStringList entries = {LangText(prompts, kTextNoDtmfCode)};
    for (int code = 1; code <= static_cast<int>(doc.Dtmf.Codes.size()); ++code)
        if (doc.Dtmf.Codes[static_cast<std::size_t>(code - 1)].CodeLength > 0)
            entries.append(QString::number(code));
    return entries;
}

QStringList StaticEntries(FieldList list) {
    switch (list) {
        case FieldList::OffOn:
            return {QStringLiteral("Off"), QStringLiteral("On")};
        case FieldList::Duplex:
            return {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};
        case FieldList::ScanFlag:
            return {QStringLiteral("Del"), QStringLiteral("Add")};
        case FieldList::Modulation:
            return {QStringLiteral("FM"), QStringLiteral("AM")};
        case FieldList::Tones:
            return ToneEntries();
        case FieldList::Typed:
        case FieldList::TxPower:
        case FieldList::RogerBeeps:
        case FieldList::DtmfCodes:
            break;
    }
    return {};
}

ChannelChoiceLists ChoiceListsOf(const CodeplugDocument& doc, const Prompts& prompts) {
    return {ToneEntries(), RogerBeepEntries(doc, prompts), DtmfEntries(doc, prompts)};
}

QString FieldEntryText(const ChannelFieldInfo& field, const ChannelRecord& channel,
                       const ChannelChoiceLists& lists, const Prompts& prompts) {
    const int stored = ChannelField(channel, field.column);
    switch (field.list) {
        case FieldList::Typed:
            return {};
        case FieldList::TxPower:
            return TxPowerText(prompts, channel.AM_FM == 0, stored);
        case FieldList::Tones:
            return EntryAt(lists.tones, stored);
        case FieldList::RogerBeeps:
            return EntryReading(lists.rogerBeeps, stored);
        case FieldList::DtmfCodes:
            return EntryReading(lists.dtmfCodes, stored);
        case FieldList::OffOn:
        case FieldList::Duplex:
        case FieldList::ScanFlag:
        case FieldList::Modulation:
            break;
    }
    return EntryAt(StaticEntries(field.list), stored);
}

}  // namespace k7x
