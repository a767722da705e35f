// Language texts for the serial tests that show which number was asked for and which value
// went into which placeholder: text 9102 filled with ("root", "dialout") reads
// "<9102:root|dialout|%3>".
#pragma once

#include <string>

#include "codeplug/FillText.h"

namespace k7x {

inline std::string MarkedText(int number) {
    return "<" + std::to_string(number) + ":%1|%2|%3>";
}

inline const TextLookup kMarkedTexts = MarkedText;

}  // namespace k7x
