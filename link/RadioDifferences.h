// What differs between the document and the radio, as the windows show it: one line per
// difference, frequencies in MHz as the grid shows them ("A-12 Frequency: 28.85000 → 28.86000",
// "A-13: only in the document", "Options.Setting[5]: 1 → 3").
#pragma once

#include <string>
#include <vector>

#include "codeplug/DocumentDiff.h"
#include "codeplug/Prompts.h"

namespace k7x {

// The first side of each difference is the document, the second the radio.
std::vector<std::string> RadioDifferenceLines(const std::vector<Difference>& differences,
                                              const Prompts& prompts);

}  // namespace k7x
