// The choices of the radio-wide settings (Options.Setting): which entries each setting's list
// offers and how the chosen one is stored. The settings window words the entries in the
// user's language; the codeplug's text form names the chosen one in English in a comment.
#pragma once

#include <string>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// Entries a list names by a word rather than a number.
enum class ChoiceWord { Off, On, TimerOff, NotSet, Auto, Frequency, ChannelNumber, Time, Carrier };
enum class ChoiceUnit { None, Minutes, Seconds };

// A list: the named entries before, the numbers first..last by step (none when last < first)
// with their unit, and the named entries after.
struct SettingChoiceList {
    std::vector<ChoiceWord> before;
    int first = 1;
    int last = 0;
    int step = 1;
    ChoiceUnit unit = ChoiceUnit::None;
    std::vector<ChoiceWord> after;
    bool storesNumber = false;  // the stored value is the entry's number, not its position
};

// The list of Setting[setting], 0..kSetUseMaxSwr; the ratio kSetMaxSwr is a number of its own.
SettingChoiceList ChoicesOfSetting(int setting);

// The English name of the entry a stored value chooses ("5 min", "Off", "1.6" for the ratio);
// empty when the value chooses no entry.
std::string EnglishChoiceName(int setting, Int stored);

}  // namespace k7x
