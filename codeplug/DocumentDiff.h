// What differs between two documents, by channel and by field or setting name, in a stable
// order: the channels by number, then the settings in file order.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "codeplug/DocumentFields.h"

namespace k7x {

struct Difference {
    std::string channel;  // "A-12" for a channel, "" for a setting
    std::string name;     // the field or setting; "" when the channel is listed in one only
    // The values in the first and the second document; a channel listed in one document only
    // has no value on the other side.
    std::optional<std::variant<int, std::string>> first;
    std::optional<std::variant<int, std::string>> second;

    bool operator==(const Difference&) const = default;
};

// Channels are matched by channel number and named in the first document's country mode.
std::vector<Difference> CompareDocuments(const DocumentState& first, const DocumentState& second);

}  // namespace k7x
