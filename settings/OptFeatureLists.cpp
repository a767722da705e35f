#include "settings/OptFeatureLists.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "codeplug/SettingChoices.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

QString WordText(ChoiceWord word, const Prompts& prompts) {
    switch (word) {
        case ChoiceWord::Off:
            return QStringLiteral("Off");
        case ChoiceWord::On:
            return QStringLiteral("On");
        case ChoiceWord::TimerOff:
            return LangText(prompts, kTextTimerOff);
        case ChoiceWord::NotSet:
            return LangText(prompts, kTextSettingOff);
        case ChoiceWord::Auto:
            return LangText(prompts, kTextGainAuto);
        case ChoiceWord::Frequency:
            return LangText(prompts, kTextDisplayFrequency);
        case ChoiceWord::ChannelNumber:
            return LangText(prompts, kTextDisplayChannel);
        case ChoiceWord::Time:
            return LangText(prompts, kTextScanTime);
        case ChoiceWord::Carrier:
            return LangText(prompts, kTextScanCarrier);
    }
    return {};
}

QString UnitText(ChoiceUnit unit, const Prompts& prompts) {
    switch (unit) {
        case ChoiceUnit::Minutes:
            return LangText(prompts, kTextMinutes);
        case ChoiceUnit::Seconds:
            return LangText(prompts, kTextSeconds);
        case ChoiceUnit::None:
            break;
    }
    return {};
}

// The list of setting list i, from UseMem on; UseMem is an Off/On list like Setting 0.
SettingChoiceList ChoicesOfList(int list) {
    return ChoicesOfSetting(list == kListUseMem ? 0 : list - 2);
}

}  // namespace

QStringList SettingEntries(int list, const DocumentState& doc, const Prompts& prompts) {
    if (list == kListVfoGroup) {
        QStringList names;
        for (const std::string& name : GroupNamesList(doc, doc.CurrentCountryMode, "MEM"))
            names.append(QString::fromStdString(name));
        return names;
    }
    const SettingChoiceList choices = ChoicesOfList(list);
    QStringList entries;
    for (ChoiceWord word : choices.before) entries.append(WordText(word, prompts));
    const QString unit = UnitText(choices.unit, prompts);
    for (int n = choices.first; n <= choices.last; n += choices.step)
        entries.append(QString::number(n) + unit);
    for (ChoiceWord word : choices.after) entries.append(WordText(word, prompts));
    return entries;
}

ListStorage SettingStorage(int list) {
    return list != kListVfoGroup && ChoicesOfList(list).storesNumber ? ListStorage::Number
                                                                     : ListStorage::Index;
}

Int& SettingField(OptionRecord& options, int list) {
    if (list == kListUseMem) return options.UseMem;
    if (list == kListVfoGroup) return options.UseVfo;
    return options.Setting[static_cast<std::size_t>(list - 2)];
}

}  // namespace k7x
