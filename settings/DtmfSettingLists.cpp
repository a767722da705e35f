#include "settings/DtmfSettingLists.h"

#include <cmath>

#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"

namespace k7x {

QStringList DtmfSettingEntries(int setting, const Prompts& prompts) {
    QStringList entries;
    if (setting == kDtmfAutoReset) {
        entries.append(LangText(prompts, kTextDtmfAutoResetOff));
        for (int s = 1; s <= kDtmfAutoResetSeconds; ++s)
            entries.append(QString::number(s) + QLatin1Char('s'));
        return entries;
    }
    for (int ms : DtmfListMilliseconds(setting)) entries.append(QString::number(ms));
    return entries;
}

int DtmfEntryIndex(int setting, Int stored, const QStringList& entries) {
    const int factor = DtmfStoredFactor(setting);
    const int index =
        factor == 0
            ? stored
            : static_cast<int>(entries.indexOf(QString::number(static_cast<int>(stored) * factor)));
    return index >= 0 && index < entries.size() ? index : 0;
}

Int DtmfStoredValue(int setting, int index, const QStringList& entries) {
    const int factor = DtmfStoredFactor(setting);
    if (factor == 0) return static_cast<Int>(index);
    return static_cast<Int>(std::lround(entries.value(index).toDouble() / factor));
}

}  // namespace k7x
