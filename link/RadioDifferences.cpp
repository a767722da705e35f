#include "link/RadioDifferences.h"

#include "codeplug/Conversions.h"
#include "codeplug/FillText.h"
#include "link/LinkTexts.h"

namespace k7x {
namespace {

std::string ValueText(const std::string& name, const std::variant<int, std::string>& value) {
    if (const auto* number = std::get_if<int>(&value)) return std::to_string(*number);
    const std::string& text = std::get<std::string>(value);
    if (name == "Frequency") {
        if (const std::optional<std::string> shown = StoredToDisplay(text)) return *shown;
    }
    return "\"" + text + "\"";
}

}  // namespace

std::vector<std::string> RadioDifferenceLines(const std::vector<Difference>& differences,
                                              const Prompts& prompts,
                                              const SettingNamer& settingName) {
    std::vector<std::string> lines;
    lines.reserve(differences.size());
    for (const Difference& d : differences) {
        if (d.name.empty()) {
            lines.push_back(FillText(prompts.text(d.first ? kTextOnlyInDocument : kTextOnlyInRadio),
                                     {d.channel}));
            continue;
        }
        std::string name = d.channel.empty() && settingName ? settingName(d.name) : std::string();
        if (name.empty()) name = d.channel + (d.channel.empty() ? "" : " ") + d.name;
        lines.push_back(name + ": " + ValueText(d.name, *d.first) + " \u2192 " +
                        ValueText(d.name, *d.second));
    }
    return lines;
}

}  // namespace k7x
