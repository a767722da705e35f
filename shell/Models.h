// The model and country-mode texts shown in the title, status bar, tree and messages.
#pragma once

#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"  // ModelDisplayName

namespace k7x {

// "CB", "HF", "HAM" for 0, 1, 2; "Unknown" otherwise.
std::string CountryModeName(int mode);
// "Frequency" for the CB band, any other band text unchanged.
std::string BandDisplayText(std::string_view bandText);

}  // namespace k7x
