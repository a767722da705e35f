// The channel groups as printed: one table per group, one row per channel with every attribute
// in columns, the group's settings above. Unless every position is asked for, only the
// channels there are get rows, the groups without any are named on one line instead of
// printed, and the tables follow one another rather than each taking a page.
#pragma once

#include <QList>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/PrintSections.h"

namespace k7x {

// The groups of the document's country mode in order; with every position, each group on a
// page of its own.
QList<PrintTable> ChannelPrintSections(const DocumentState& doc, Prompts& prompts,
                                       const PrintOptions& options = {});

}  // namespace k7x
