// The commands for scripts: diff, which lists what differs between two codeplug files.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "cli/DifferenceLines.h"

namespace k7x::cli {
namespace {

// Exit status of diff, as cmp and diff have it.
constexpr int kExitEqual = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

int RunDiff(const Arguments& args, CliContext& ctx) {
    const std::string& firstPath = args.positional[0];
    const std::string& secondPath = args.positional[1];
    DocumentState first, second;
    if (!OpenDocument(first, firstPath, ctx) || !OpenDocument(second, secondPath, ctx))
        return kExitTrouble;
    const std::vector<Difference> differences = CompareDocuments(first, second);
    WriteDifferences(ctx.out, differences, firstPath, secondPath, ctx.prompts);
    return differences.empty() ? kExitEqual : kExitDifferent;
}

}  // namespace

std::vector<Command> ScriptCommands() {
    return {
        {"diff", "A.dat B.dat", 2, kTextDiffCommand, {}, RunDiff},
    };
}

}  // namespace k7x::cli
