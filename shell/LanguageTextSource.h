// The numbered texts of the current language, for the Prompts implementations of the desktop
// program and the CLI: their text(n) asks here.
#pragma once

#include <string>

#include "shell/AppSettings.h"

namespace k7x {

class LanguageTextSource {
public:
    explicit LanguageTextSource(const AppSettings& settings) : settings_(settings) {}

    // The text of the number in the language the settings hold now ("" when missing).
    std::string text(int number) const;
    // True when the current language file exists; without it every text would be empty.
    bool available() const;

private:
    const AppSettings& settings_;
};

}  // namespace k7x
