// The radio-wide settings as printed: the optional features and the common channel, the DTMF
// settings and codes, the key functions and the tone tips, each a table of its own.
#pragma once

#include <QList>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/PrintSections.h"

namespace k7x {

// The settings start on a new page after whatever comes before them.
QList<PrintTable> SettingsPrintSections(const DocumentState& doc, Prompts& prompts);

}  // namespace k7x
