// The built-in defaults of a new document and the template lookup in the Init folder.
#pragma once

#include <string>

#include "codeplug/DocumentState.h"

namespace k7x {

// Fills every record with the built-in defaults of CurrentModel and CurrentCountryMode.
// today is the date shown in the radio information record, as "YYYY-MM-DD".
void SetBuiltInDefaults(DocumentState& doc, const std::string& today);

// Builds a new untitled, unchanged document: built-in defaults, then a template from
// programFolder/Init when one exists. initialiseRequest chooses "<model>_<mode>.dat"
// over "<model>_<mode>_NEW.dat".
void InitNewDocument(DocumentState& doc, const std::string& programFolder, bool initialiseRequest);
void InitNewDocument(DocumentState& doc, const std::string& programFolder, bool initialiseRequest,
                     const std::string& today);

}  // namespace k7x
