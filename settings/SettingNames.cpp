#include "settings/SettingNames.h"

#include <charconv>
#include <string_view>

#include "codeplug/ChannelFields.h"
#include "settings/OptFeatureLists.h"
#include "settings/OptFeatureRatio.h"
#include "settings/SettingTexts.h"

namespace k7x {
namespace {

constexpr std::string_view kSettingPrefix = "Options.Setting[";
constexpr std::string_view kCommonPrefix = "PublicChannel.";
constexpr const char* kStep = " \u203a ";
// Setting[15] says whether the ratio is used, Setting[16] holds it.
constexpr int kFirstRatioSetting = kSettingListCount - 2;

// The label of the optional features' setting list `list`, or of the ratio after the lists.
std::string SettingLabel(int list, const Prompts& prompts) {
    if (list >= kSettingListCount) return kRatioCaption;
    return prompts.text(kTextOptSettingLabel + list);
}

std::string CommonChannelLabel(std::string_view key, const Prompts& prompts) {
    if (key == FieldOf(kColOffset).key) return prompts.text(kTextOffsetLabel);
    for (const ChannelFieldInfo& field : kChannelFields)
        if (field.key == key && field.commonControl != kNoControl)
            return prompts.text(kTextCommonLabel + field.commonControl);
    return {};
}

}  // namespace

std::string SettingDisplayName(const std::string& name, const Prompts& prompts) {
    const std::string window = prompts.text(kTextOptCaption) + kStep;
    if (name == "Options.UseMem") return window + SettingLabel(kListUseMem, prompts);
    if (name == "Options.UseVfo") return window + SettingLabel(kListVfoGroup, prompts);
    if (name.starts_with(kSettingPrefix) && name.ends_with(']')) {
        const char* first = name.data() + kSettingPrefix.size();
        int index = -1;
        const auto [end, error] = std::from_chars(first, name.data() + name.size() - 1, index);
        if (error != std::errc() || end != name.data() + name.size() - 1 || index < 0) return {};
        if (index > kFirstRatioSetting + 1) return {};
        return window + SettingLabel(index + kListVfoGroup + 1, prompts);
    }
    if (name.starts_with(kCommonPrefix)) {
        const std::string label =
            CommonChannelLabel(std::string_view(name).substr(kCommonPrefix.size()), prompts);
        if (label.empty()) return {};
        return window + prompts.text(kTextCommonLabel) + kStep + label;
    }
    return {};
}

}  // namespace k7x
