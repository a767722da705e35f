// The English texts korvan7x-cli carries inside itself, for an installation without language
// files: english.ini as it was at build time, read the way the language files are read.
#pragma once

#include <string>

#include "shell/IniFile.h"

namespace k7x::cli {

class BuiltInTexts {
public:
    BuiltInTexts();

    // The English text of the number; "" when there is none.
    std::string text(int number) const;

private:
    IniFile file_;
};

}  // namespace k7x::cli
