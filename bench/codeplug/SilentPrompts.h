// Prompts for benchmarks: no texts, every question answered No, no password.
#pragma once

#include <optional>
#include <string>

#include "codeplug/Prompts.h"

namespace k7x {

class SilentPrompts : public Prompts {
public:
    std::string text(int) const override { return {}; }
    Answer message(const std::string&, Buttons, Icon, const std::string&) override {
        return Answer::No;
    }
    std::optional<std::string> askPassword() override { return std::nullopt; }
};

}  // namespace k7x
