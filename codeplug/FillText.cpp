#include "codeplug/FillText.h"

namespace k7x {

std::string FillText(std::string_view form, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(form.size());
    for (std::size_t i = 0; i < form.size(); ++i) {
        const char c = form[i];
        if (c == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(form[i + 1] - '1');
            if (index < args.size()) {
                text += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

}  // namespace k7x
