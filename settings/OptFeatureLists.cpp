#include "settings/OptFeatureLists.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

QStringList OffOn() {
    return {QStringLiteral("Off"), QStringLiteral("On")};
}

// "1" .. "last", each followed by suffix.
QStringList Numbers(int first, int last, int step = 1, const QString& suffix = {}) {
    QStringList entries;
    for (int n = first; n <= last; n += step) entries.append(QString::number(n) + suffix);
    return entries;
}

}  // namespace

QStringList SettingEntries(int list, const DocumentState& doc, const Prompts& prompts) {
    const auto text = [&prompts](int number) { return LangText(prompts, number); };
    switch (list) {
        case kListVfoGroup: {
            QStringList names;
            for (const std::string& name : GroupNamesList(doc, doc.CurrentCountryMode, "MEM"))
                names.append(QString::fromStdString(name));
            return names;
        }
        case 3:
            return QStringList{text(kTextTimerOff)} + Numbers(1, 30, 1, text(kTextMinutes));
        case 4:
            return Numbers(1, 3);
        case 5:
            return Numbers(1, 56);
        case 6:
            return QStringList{text(kTextSettingOff)} + Numbers(1, 28);
        case 8:
            return Numbers(1, 9);
        case 9:
            return QStringList{text(kTextSettingOff)} + Numbers(3, 30, 3) +
                   QStringList{text(kTextGainAuto)};
        case 10:
            return {text(kTextDisplayFrequency), text(kTextDisplayChannel)};
        case 11:
            return {text(kTextScanTime), text(kTextScanCarrier)};
        case 12:
            return Numbers(5, 30, 5, text(kTextSeconds));
        case 13:
        case 14:
            return Numbers(1, 7);
        default:  // 0, 2, 7, 15, 16
            return OffOn();
    }
}

ListStorage SettingStorage(int list) {
    switch (list) {
        case 4:
        case 5:
        case 8:
        case 13:
        case 14:
            return ListStorage::Number;
        default:
            return ListStorage::Index;
    }
}

Int& SettingField(OptionRecord& options, int list) {
    if (list == kListUseMem) return options.UseMem;
    if (list == kListVfoGroup) return options.UseVfo;
    return options.Setting[static_cast<std::size_t>(list - 2)];
}

}  // namespace k7x
