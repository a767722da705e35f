#include "channels/ShownFrequency.h"

#include "codeplug/Conversions.h"

namespace k7x {

std::string ShownFrequency(std::string_view stored, int group, int mode, const DocumentState& doc,
                           Prompts& prompts) {
    if (std::optional<std::string> shown = DisplayForGroup(stored, group, mode))
        return std::move(*shown);
    prompts.message("Not IsNumeric", Buttons::Ok, Icon::Warning);
    return FormatFrequency(doc.FreqMin);
}

std::string FrequencyForCommit(const QString& typed) {
    const std::string text = typed.trimmed().toStdString();
    if (text.empty()) return text;
    const std::optional<double> mhz = ParseNumber(text);
    return mhz ? FormatFrequency(*mhz) : text;
}

}  // namespace k7x
