#include "cli/DocumentJson.h"

#include <ostream>
#include <vector>

#include "codeplug/DocumentFields.h"
#include "codeplug/JsonText.h"

namespace k7x::cli {

void WriteDocumentJson(std::ostream& out, const DocumentState& doc) {
    out << "{\n  \"settings\": {";
    const char* separator = "\n";
    for (const NamedValue& v : DocumentSettingValues(doc.WorkDoc)) {
        out << separator << "    " << JsonQuoted(v.name) << ": " << JsonValue(v.value);
        separator = ",\n";
    }
    out << "\n  },\n  \"channels\": [";
    separator = "\n";
    const std::vector<const ChannelRecord*> channels = ChannelsByNumber(doc);
    for (const ChannelRecord* channel : channels) {
        out << separator << "    {\"position\": "
            << JsonQuoted(ChannelName(channel->ChannelNo, doc.CurrentCountryMode));
        for (const NamedValue& v : ChannelFieldValues(*channel))
            out << ", " << JsonQuoted(v.name) << ": " << JsonValue(v.value);
        out << '}';
        separator = ",\n";
    }
    out << (channels.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace k7x::cli
