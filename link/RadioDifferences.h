// What differs between the document and the radio, as the windows show it: one line per
// difference, frequencies in MHz as the grid shows them ("A-12 Frequency: 28.85000 → 28.86000",
// "A-13: only in the document", "Options.Setting[5]: 1 → 3").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "codeplug/DocumentDiff.h"
#include "codeplug/Prompts.h"

namespace k7x {

// How the windows name a setting ("Optional features › Speaker volume"); empty when they
// have no name for it, which then keeps its name in the records ("Keys.KeyOption").
using SettingNamer = std::function<std::string(const std::string& name)>;

// The first side of each difference is the document, the second the radio.
std::vector<std::string> RadioDifferenceLines(const std::vector<Difference>& differences,
                                              const Prompts& prompts,
                                              const SettingNamer& settingName = {});

}  // namespace k7x
