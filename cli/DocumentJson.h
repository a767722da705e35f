// A document as JSON for scripts: "settings", an object of every value outside the channel
// list under its record path, and "channels", one object per listed channel by channel number
// with its "position" and its record fields. Keys keep the order of the records.
#pragma once

#include <iosfwd>

#include "codeplug/DocumentState.h"

namespace k7x::cli {

void WriteDocumentJson(std::ostream& out, const DocumentState& doc);

}  // namespace k7x::cli
