// What the commands that work on files share: the output named by -o and opening a codeplug.
#pragma once

#include <string>

#include "cli/CliCommand.h"
#include "codeplug/DocumentState.h"

namespace k7x::cli {

// The output file of -o; false (after reporting) when it is missing.
bool ReadOutput(const Arguments& args, CliContext& ctx, std::string& path);

// Opens a .dat file or a codeplug text as the desktop program's Open command does; on refusal
// the messages have been shown and the reason, when the file is unreadable or damaged, is added.
bool OpenDocument(DocumentState& doc, const std::string& path, CliContext& ctx);

}  // namespace k7x::cli
