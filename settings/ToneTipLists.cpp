#include "settings/ToneTipLists.h"

#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

QStringList ToneTipValueEntries(const QStringList& first, int from, int to) {
    QStringList entries = first;
    entries.reserve(entries.size() + to - from + 1);
    for (int v = from; v <= to; ++v) entries.append(QString::number(v * kToneTipValueUnit));
    return entries;
}

QStringList RepeatCountEntries(const Prompts& prompts) {
    QStringList counts{LangText(prompts, kTextToneOff)};
    for (int n = 1; n <= kToneTipMaxRepeatCount; ++n) counts.append(QString::number(n));
    return counts;
}

QStringList PitchEntries(const Prompts& prompts) {
    return ToneTipValueEntries({LangText(prompts, kTextToneRest)}, kToneTipLowestPitch,
                               kToneTipHighestValue);
}

QStringList LengthEntries() {
    return ToneTipValueEntries({}, 0, kToneTipHighestValue);
}

QString PitchText(int pitch, const Prompts& prompts) {
    return pitch >= kToneTipLowestPitch && pitch <= kToneTipHighestValue
               ? QString::number(pitch * kToneTipValueUnit)
               : LangText(prompts, kTextToneRest);
}

QString LengthText(int stored) {
    return stored >= 0 && stored <= kToneTipHighestValue
               ? QString::number(stored * kToneTipValueUnit)
               : QStringLiteral("0");
}

}  // namespace k7x
