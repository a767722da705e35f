// Opening a .dat file for a command, with the reason on stderr when it cannot be opened.
#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace k7x::cli {

// Opens a .dat file as the desktop program's Open command does; on refusal the messages
// have been shown and the reason, when the file is unreadable or damaged, is added.
bool OpenDocument(DocumentState& doc, const std::string& path, CliContext& ctx);

}  // namespace k7x::cli
