// The channel groups as printed: one table per group, one row per position with every attribute
// of its channel in columns, the group's settings above.
#pragma once

#include <QList>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/PrintSections.h"

namespace k7x {

// Every group of the document's country mode in order, each on a page of its own.
QList<PrintTable> ChannelPrintSections(const DocumentState& doc, Prompts& prompts);

}  // namespace k7x
