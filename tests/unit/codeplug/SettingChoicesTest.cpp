// The names the text form gives the settings' choices: the ends of each kind of list, and no
// name for a value no list entry holds (a radio's own value is kept, not misnamed).
#include <gtest/gtest.h>

#include "codeplug/SettingChoices.h"

namespace k7x {
namespace {

TEST(SettingChoices, NamesTheEntryAStoredValueChooses) {
    using Namer = std::string (*)(int, Int);
    const Namer setting = EnglishChoiceName;
    const Namer dtmf = EnglishDtmfChoiceName;
    const Namer key = [](int, Int v) { return KeyFunctionName(v); };
    const struct {
        Namer name;
        int index;
        Int stored;
        std::string expected;
    } cases[] = {
        {setting, 0, 1, "On"},  // by position: Off, On
        {setting, 0, 2, ""},
        {setting, 1, 0, "Off"},  // Off, then 1 to 30 min
        {setting, 1, 30, "30 min"},
        {setting, 1, 31, ""},
        {setting, 2, 3, "3"},  // by number: 1 to 3
        {setting, 2, 0, ""},
        {setting, 7, 10, "30"},  // Off, 3 to 30 by 3, Auto
        {setting, 7, 11, "Auto"},
        {setting, 7, 12, ""},
        {setting, kSetScanTime, 0, "5 s"},
        {setting, kSetMaxSwr, 160, "16.0"},
        {setting, kSetMaxSwr + 1, 0, ""},
        {dtmf, 0, 50, "500 ms"},  // stored as a tenth
        {dtmf, 0, 51, ""},
        {dtmf, 3, 5, "500 ms"},  // 0, 100, 500, 1000 ms, stored as a hundredth
        {dtmf, 3, 2, ""},
        {dtmf, kDtmfAutoReset, 16, "16 s"},
        {dtmf, kDtmfAutoReset, 17, ""},
        {dtmf, kDtmfCheckSetting, 1, "On"},
        {key, 0, 1, "MOD"},
        {key, 0, 20, "NULL"},
        {key, 0, 0, ""},
        {key, 0, 21, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " " + std::to_string(c.stored));
        EXPECT_EQ(c.name(c.index, c.stored), c.expected);
    }
    EXPECT_EQ(KeyModeName(3), "1&2&3");
    EXPECT_EQ(KeyModeName(4), "");
}

}  // namespace
}  // namespace k7x
