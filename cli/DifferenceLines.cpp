#include "cli/DifferenceLines.h"

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/QuotedValue.h"
#include "codeplug/Conversions.h"
#include "codeplug/DamagedFrequency.h"

namespace k7x::cli {
namespace {

// A value as diff prints it; a stored frequency that is no frequency is marked as such.
std::string ValueText(const Difference& d, const std::variant<int, std::string>& value,
                      const Prompts& texts) {
    const auto* text = std::get_if<std::string>(&value);
    if (d.name == "Frequency" && text && !StoredToDisplay(*text))
        return NotAFrequencyText(JsonValue(value), texts);
    return JsonValue(value);
}

}  // namespace

void WriteDifferences(std::ostream& out, const std::vector<Difference>& differences,
                      const std::string& firstName, const std::string& secondName,
                      const Prompts& texts) {
    for (const Difference& d : differences) {
        if (d.name.empty()) {
            out << Text(texts, kTextOnlyIn, {d.channel, d.first ? firstName : secondName}) << '\n';
            continue;
        }
        out << d.channel << (d.channel.empty() ? "" : " ") << d.name << ": "
            << ValueText(d, *d.first, texts) << " -> " << ValueText(d, *d.second, texts) << '\n';
    }
}

}  // namespace k7x::cli
