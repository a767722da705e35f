#include "codeplug/SettingChoices.h"

#include <algorithm>
#include <cstdio>

namespace k7x {

namespace {

const char* EnglishWord(ChoiceWord word) {
    switch (word) {
        case ChoiceWord::On:
            return "On";
        case ChoiceWord::Auto:
            return "Auto";
        case ChoiceWord::Frequency:
            return "Frequency";
        case ChoiceWord::ChannelNumber:
            return "Channel number";
        case ChoiceWord::Time:
            return "Time";
        case ChoiceWord::Carrier:
            return "Carrier";
        default:  // Off, TimerOff, NotSet
            return "Off";
    }
}

std::string EnglishNumber(int number, ChoiceUnit unit) {
    const std::string text = std::to_string(number);
    switch (unit) {
        case ChoiceUnit::Minutes:
            return text + " min";
        case ChoiceUnit::Seconds:
            return text + " s";
        case ChoiceUnit::None:
            break;
    }
    return text;
}

constexpr ChoiceUnit kNoUnit = ChoiceUnit::None;

SettingChoiceList OffOn() {
    return {{ChoiceWord::Off, ChoiceWord::On}, 1, 0, 1, kNoUnit, {}, false};
}

// Entries that read the number they store.
SettingChoiceList StoredNumbers(int first, int last) {
    return {{}, first, last, 1, kNoUnit, {}, true};
}

}  // namespace

SettingChoiceList ChoicesOfSetting(int setting) {
    switch (setting) {
        case 1:
            return {{ChoiceWord::TimerOff}, 1, 30, 1, ChoiceUnit::Minutes, {}, false};
        case 2:
            return StoredNumbers(1, 3);
        case 3:
            return StoredNumbers(1, 56);
        case 4:
            return {{ChoiceWord::NotSet}, 1, 28, 1, kNoUnit, {}, false};
        case 6:
            return StoredNumbers(1, 9);
        case 7:
            return {{ChoiceWord::NotSet}, 3, 30, 3, kNoUnit, {ChoiceWord::Auto}, false};
        case 8:
            return {
                {ChoiceWord::Frequency, ChoiceWord::ChannelNumber}, 1, 0, 1, kNoUnit, {}, false};
        case 9:
            return {{ChoiceWord::Time, ChoiceWord::Carrier}, 1, 0, 1, kNoUnit, {}, false};
        case kSetScanTime:
            return {{}, 5, 30, 5, ChoiceUnit::Seconds, {}, false};
        case 11:
        case 12:
            return StoredNumbers(1, 7);
        default:  // 0, 5, 13, 14, 15
            return OffOn();
    }
}

std::string EnglishChoiceName(int setting, Int stored) {
    if (setting == kSetMaxSwr) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", stored / 10.0);
        return text;
    }
    if (setting < 0 || setting > kSetUseMaxSwr) return {};
    const SettingChoiceList list = ChoicesOfSetting(setting);
    const int numbers = list.last >= list.first ? (list.last - list.first) / list.step + 1 : 0;
    if (list.storesNumber) {
        const bool listed =
            stored >= list.first && stored <= list.last && (stored - list.first) % list.step == 0;
        return listed ? EnglishNumber(stored, list.unit) : std::string();
    }
    int index = stored;
    if (index < 0) return {};
    if (index < static_cast<int>(list.before.size()))
        return EnglishWord(list.before[static_cast<std::size_t>(index)]);
    index -= static_cast<int>(list.before.size());
    if (index < numbers) return EnglishNumber(list.first + index * list.step, list.unit);
    index -= numbers;
    if (index < static_cast<int>(list.after.size()))
        return EnglishWord(list.after[static_cast<std::size_t>(index)]);
    return {};
}

std::vector<int> DtmfListMilliseconds(int setting) {
    const auto steps = [](int first, int last, int step) {
        std::vector<int> values;
        for (int v = first; v <= last; v += step) values.push_back(v);
        return values;
    };
    switch (setting) {
        case 0:
            return steps(10, 500, 10);
        case 1:
            return steps(0, 1000, 100);
        case 2:
            return steps(100, 2500, 100);
        case 3:
            return {0, 100, 500, 1000};
        default:
            return {};
    }
}

int DtmfStoredFactor(int setting) {
    constexpr std::array<int, kDtmfListCount> kFactor = {10, 100, 100, 100, 0};
    return setting >= 0 && setting < kDtmfListCount ? kFactor[static_cast<std::size_t>(setting)]
                                                    : 0;
}

std::string EnglishDtmfChoiceName(int setting, Int stored) {
    if (setting == kDtmfCheckSetting) return stored == 0 ? "Off" : stored == 1 ? "On" : "";
    if (setting == kDtmfAutoReset) {
        if (stored == 0) return "Off";
        return stored > 0 && stored <= kDtmfAutoResetSeconds
                   ? EnglishNumber(stored, ChoiceUnit::Seconds)
                   : std::string();
    }
    const std::vector<int> listed = DtmfListMilliseconds(setting);
    const int ms = stored * DtmfStoredFactor(setting);
    if (std::find(listed.begin(), listed.end(), ms) == listed.end()) return {};
    return std::to_string(ms) + " ms";
}

std::string KeyModeName(Int stored) {
    if (stored < 0 || stored >= static_cast<int>(kKeyModeNames.size())) return {};
    return std::string(kKeyModeNames[static_cast<std::size_t>(stored)]);
}

std::string KeyFunctionName(Int stored) {
    if (stored < 1 || stored > static_cast<int>(kKeyFunctionNames.size())) return {};
    return std::string(kKeyFunctionNames[static_cast<std::size_t>(stored - 1)]);
}

}  // namespace k7x
