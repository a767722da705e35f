// The commands that carry channels between a codeplug file and a CSV channel table.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "codeplug/ChannelCsv.h"
#include "codeplug/ChannelCsvTexts.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/FileIo.h"

namespace k7x::cli {
namespace {

int RunExportCsv(const Arguments& args, CliContext& ctx) {
    std::string output;
    if (!ReadOutput(args, ctx, output)) return kExitUsage;
    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;
    if (auto refusal = DamagedFrequencyRefusal(doc, ctx.prompts)) return Failure(ctx, *refusal);
    const std::string csv = ExportChannelsCsv(doc);
    const std::span bytes(reinterpret_cast<const Byte*>(csv.data()), csv.size());
    if (WriteFileAtomically(output, bytes))
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    return kExitOk;
}

int RunImportCsv(const Arguments& args, CliContext& ctx) {
    std::string output;
    if (!ReadOutput(args, ctx, output)) return kExitUsage;
    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;

    const std::string& table = args.positional[1];
    // One byte past the limit is enough to tell a file that is too large.
    const auto bytes = ReadFileBytes(table, kMostCsvBytes + 1);
    if (!bytes) return Failure(ctx, Text(ctx.prompts, kTextCannotRead, {table}));
    const std::string text(bytes->begin(), bytes->end());
    const CsvImport import = ImportChannelsCsv(text, doc, ctx.prompts);
    if (import.damage) return Failure(ctx, CsvDamageText(*import.damage, table, ctx.prompts));

    if (!import.refused.empty()) {
        ctx.err << Text(ctx.prompts, kTextCsvRowsRefused, {table}) << '\n';
        for (const std::string& line : CsvRefusalLines(import, doc, ctx.prompts))
            ctx.err << "  " << line << '\n';
        if (!args.has("--partial"))
            return Failure(ctx, Text(ctx.prompts, kTextCsvNothingWritten,
                                     {std::to_string(import.refused.size())}));
    }
    if (import.taken == 0) return Failure(ctx, ctx.prompts.text(kTextCsvNoneTaken));
    TakeImport(doc, import);
    if (!SaveFile(doc, output, ctx.prompts))
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    if (!import.refused.empty())
        ctx.err << Text(ctx.prompts, kTextCsvRowsLeftOut,
                        {std::to_string(import.taken), std::to_string(import.refused.size())})
                << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Command> CsvCommands() {
    return {
        {"export-csv",
         "FILE.dat",
         1,
         kTextExportCsvCommand,
         {{"-o", "CHANNELS.csv", kTextCsvOutputOption}},
         RunExportCsv},
        {"import-csv",
         "FILE.dat CHANNELS.csv",
         2,
         kTextImportCsvCommand,
         {{"-o", "OUT.dat", kTextDatOutputOption}, {"--partial", "", kTextPartialOption}},
         RunImportCsv},
    };
}

}  // namespace k7x::cli
