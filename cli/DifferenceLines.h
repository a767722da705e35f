// The lines diff, compare and verify print for differences: one per difference,
// "A-12 Frequency: "28.85000" -> "28.86000"", "Options.Setting[5]: 0 -> 1",
// "A-13: only in B.dat".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "codeplug/DocumentDiff.h"
#include "codeplug/Prompts.h"

namespace k7x::cli {

// `firstName` and `secondName` name the two sides in the lines of channels only one side holds.
void WriteDifferences(std::ostream& out, const std::vector<Difference>& differences,
                      const std::string& firstName, const std::string& secondName,
                      const Prompts& texts);

}  // namespace k7x::cli
