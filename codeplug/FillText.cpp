#include "codeplug/FillText.h"

namespace k7x {

namespace {

template <typename Args>
std::string fill(std::string_view form, const Args& args) {
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

}  // namespace

std::string FillText(std::string_view form, std::initializer_list<std::string_view> args) {
    return fill(form, args);
}

std::string FillTextList(std::string_view form, const std::vector<std::string>& args) {
    return fill(form, args);
}

}  // namespace k7x
