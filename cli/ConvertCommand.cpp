// convert: a codeplug between its .dat file and its text form (.yaml/.yml or .json), each
// side chosen by the file's extension.
#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/Conversions.h"

namespace k7x::cli {
namespace {

bool IsCodeplugPath(const std::string& path) {
    return TextFormOfPath(path) || ExtensionOfPath(path) == "dat";
}

// Opening and saving choose the form by the extension themselves.
int RunConvert(const Arguments& args, CliContext& ctx) {
    const std::string& input = args.positional[0];
    const std::string& output = args.positional[1];
    for (const std::string& path : {input, output}) {
        if (!IsCodeplugPath(path)) {
            UsageProblem(ctx, Text(ctx.prompts, kTextNotAFileKind, {path}));
            return kExitUsage;
        }
    }
    DocumentState doc;
    if (!OpenDocument(doc, input, ctx)) return kExitFailed;
    if (!SaveFile(doc, output, ctx.prompts))
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    return kExitOk;
}

}  // namespace

std::vector<Command> ConvertCommands() {
    return {{"convert", "IN OUT", 2, kTextConvertCommand, {}, RunConvert}};
}

}  // namespace k7x::cli
