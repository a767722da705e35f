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

}  // namespace k7x
