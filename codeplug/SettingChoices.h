// The choices of the settings (Options.Setting, the DTMF settings, the keys): which entries
// each list offers and how the chosen one is stored. The settings windows word the entries in
// the user's language; the codeplug's text form names the chosen one in English in a comment.
#pragma once

#include <array>
#include <string>
#include <string_view>
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

// The DTMF settings' lists, 0..kDtmfListCount-1; DtmfSetting[kDtmfCheckSetting] is Off/On.
inline constexpr int kDtmfListCount = 5;
inline constexpr int kDtmfCheckSetting = 5;
inline constexpr int kDtmfAutoReset = 4;  // Off, then 1 to kDtmfAutoResetSeconds seconds
inline constexpr int kDtmfAutoResetSeconds = 16;
// The milliseconds the entries of DTMF list 0..3 read.
std::vector<int> DtmfListMilliseconds(int setting);
// What such an entry is divided by when stored; 0 for the auto reset, stored by position.
int DtmfStoredFactor(int setting);
// The English name of what DtmfSetting[setting] chooses ("50 ms", "Off", "3 s"); empty when
// it chooses no entry.
std::string EnglishDtmfChoiceName(int setting, Int stored);

// The key modes (KeyOption 0..3) and the functions a key takes (KeyFunction 1..20), as the
// radio shows them.
inline constexpr std::array<std::string_view, 4> kKeyModeNames = {"1&2", "2&3", "1&3", "1&2&3"};
inline constexpr std::array<std::string_view, 20> kKeyFunctionNames = {
    "MOD", "RFG", "EMG", "VOL", "SQL", "POW", "DSP", "SCA", "MEM", "BND",
    "DW",  "CAL", "NB",  "RB",  "HIC", "TSQ", "SPL", "5K",  "DIM", "NULL"};
// The name of a stored key mode or key function; empty for a value no list holds.
std::string KeyModeName(Int stored);
std::string KeyFunctionName(Int stored);

}  // namespace k7x
