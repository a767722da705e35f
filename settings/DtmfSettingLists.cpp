#include "settings/DtmfSettingLists.h"

#include <array>
#include <cmath>

#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

constexpr int kAutoResetSeconds = 16;

// What a numbered entry is divided by when stored; 0 for the list stored by position.
constexpr std::array<int, kDtmfListCount> kFactor = {10, 100, 100, 100, 0};

QStringList Steps(int first, int last, int step) {
    QStringList entries;
    for (int value = first; value <= last; value += step) entries.append(QString::number(value));
    return entries;
}

int FactorOf(int setting) {
    return kFactor[static_cast<std::size_t>(setting)];
}

}  // namespace

QStringList DtmfSettingEntries(int setting, const Prompts& prompts) {
    switch (setting) {
        case 0:
            return Steps(10, 500, 10);
        case 1:
            return Steps(0, 1000, 100);
        case 2:
            return Steps(100, 2500, 100);
        case 3:
            return {QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("500"),
                    QStringLiteral("1000")};
        default: {
            QStringList entries{LangText(prompts, kTextDtmfAutoResetOff)};
            for (int s = 1; s <= kAutoResetSeconds; ++s)
                entries.append(QString::number(s) + QLatin1Char('s'));
            return entries;
        }
    }
}

int DtmfEntryIndex(int setting, Int stored, const QStringList& entries) {
    const int factor = FactorOf(setting);
    const int index =
        factor == 0
            ? stored
            : static_cast<int>(entries.indexOf(QString::number(static_cast<int>(stored) * factor)));
    return index >= 0 && index < entries.size() ? index : 0;
}

Int DtmfStoredValue(int setting, int index, const QStringList& entries) {
    const int factor = FactorOf(setting);
    if (factor == 0) return static_cast<Int>(index);
    return static_cast<Int>(std::lround(entries.value(index).toDouble() / factor));
}

}  // namespace k7x
