// The commands for scripts: diff, which lists what differs between two codeplug files.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "codeplug/Conversions.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/DocumentDiff.h"
#include "codeplug/JsonText.h"

namespace k7x::cli {
namespace {

// Exit status of diff, as cmp and diff have it.
constexpr int kExitEqual = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

// A value as diff prints it; a stored frequency that is no frequency is marked as such.
std::string ValueText(const Difference& d, const std::variant<int, std::string>& value,
                      const Prompts& texts) {
    const auto* text = std::get_if<std::string>(&value);
    if (d.name == "Frequency" && text && !StoredToDisplay(*text))
        return NotAFrequencyText(JsonValue(value), texts);
    return JsonValue(value);
}

// One line per difference: "A-12 Frequency: "28.85000" -> "28.86000"",
// "Options.Setting[5]: 0 -> 1", "A-13: only in B.dat".
void WriteDifference(std::ostream& out, const Difference& d, const std::string& firstPath,
                     const std::string& secondPath, const Prompts& texts) {
    if (d.name.empty()) {
        out << Text(texts, kTextOnlyIn, {d.channel, d.first ? firstPath : secondPath}) << '\n';
        return;
    }
    out << d.channel << (d.channel.empty() ? "" : " ") << d.name << ": "
        << ValueText(d, *d.first, texts) << " -> " << ValueText(d, *d.second, texts) << '\n';
}

int RunDiff(const Arguments& args, CliContext& ctx) {
    const std::string& firstPath = args.positional[0];
    const std::string& secondPath = args.positional[1];
    DocumentState first, second;
    if (!OpenDocument(first, firstPath, ctx) || !OpenDocument(second, secondPath, ctx))
        return kExitTrouble;
    const std::vector<Difference> differences = CompareDocuments(first, second);
    for (const Difference& d : differences)
        WriteDifference(ctx.out, d, firstPath, secondPath, ctx.prompts);
    return differences.empty() ? kExitEqual : kExitDifferent;
}

}  // namespace

std::vector<Command> ScriptCommands() {
    return {
        {"diff", "A.dat B.dat", 2, kTextDiffCommand, {}, RunDiff},
    };
}

}  // namespace k7x::cli
