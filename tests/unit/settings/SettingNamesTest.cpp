// The lists of differences name a setting by its window and label, as the user knows it.
#include <gtest/gtest.h>

#include "RecordingPrompts.h"
#include "settings/SettingNames.h"

namespace k7x {
namespace {

TEST(SettingNames, SettingsAreNamedByWindowAndLabel) {
    const test::RecordingPrompts prompts;  // text n reads "<n>"
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        {"Options.UseMem", "<16000> \u203a <16001>"},
        {"Options.Setting[4]", "<16000> \u203a <16007>"},
        {"Options.Setting[16]", "<16000> \u203a Max. SWR"},
        {"PublicChannel.DUP", "<16000> \u203a <15005> \u203a <15006>"},
        {"PublicChannel.RDCT", "<16000> \u203a <15005> \u203a <15007>"},
        {"PublicChannel.OffSetFre", "<16000> \u203a <15005> \u203a <15100>"},
        // No window shows these by a label of their own: they keep their record names.
        {"PublicChannel.TDCT", ""},
        {"Options.Setting[17]", ""},
        {"Options.Setting[x]", ""},
        {"Options.GroupEnabled[0]", ""},
        {"Keys.KeyOption", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingDisplayName(c.name, prompts), c.shown) << c.name;
}

}  // namespace
}  // namespace k7x
