// The in-memory half of opening a .dat file: every check and the take-over into the document,
// on bytes already read. OpenFile and the template loaders read the file and call these.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "codeplug/CodeplugFile.h"

namespace k7x {

inline constexpr const char* kCountryModeError = "Country Mode Error!";

// Checks the bytes of a file in the order model, version, compatibility question, damage,
// country mode, and on success makes them the working and the saved document. Leaves
// CurrentFilePath and IsUntitled alone; on refusal nothing changes at all.
OpenResult OpenFileContent(DocumentState& doc, std::span<const Byte> bytes,
                           const VersionTable& versions, Prompts& prompts,
                           const VersionLauncher& launch);

// The same for a codeplug's text form: the text is read into a new document of its country
// mode (from programFolder's templates), then passes the checks of a .dat file's bytes with
// the version the text names. A text with faults is refused with one message listing them.
OpenResult OpenTextContent(DocumentState& doc, std::string_view text, const std::string& fileName,
                           const std::string& programFolder, const VersionTable& versions,
                           Prompts& prompts, const VersionLauncher& launch);

// A whole template file: document, channels, model and mode. False, with nothing changed,
// when the content is damaged or its country mode unknown.
bool TakeTemplateContent(DocumentState& doc, std::span<const Byte> bytes);
// Only the settings of a template: the header keeps the current model and mode, no channels.
bool TakeTemplateSettingsContent(DocumentState& doc, std::span<const Byte> bytes);

}  // namespace k7x
