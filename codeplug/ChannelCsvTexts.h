// What an import of a channel table says to the user: why a file is no channel table, why a
// row is not taken. Shared by the desktop program and the CLI.
#pragma once

#include <string>
#include <vector>

#include "codeplug/ChannelCsv.h"
#include "codeplug/CodeplugTexts.h"
#include "codeplug/Prompts.h"

namespace k7x {

// Why the file named fileName is no channel table, in the user's language.
std::string CsvDamageText(CsvDamage damage, const std::string& fileName, const Prompts& prompts);
// One line per refused row, in the user's language.
std::vector<std::string> CsvRefusalLines(const CsvImport& import, const DocumentState& doc,
                                         const Prompts& prompts);

}  // namespace k7x
