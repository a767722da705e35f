// report: the problem report a user attaches to a bug report.
#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/PortSetup.h"
#include "cli/RadioCommandSupport.h"
#include "codeplug/Backups.h"
#include "codeplug/FileIo.h"
#include "link/serial/LastTransferTrace.h"
#include "shell/ProblemReportSources.h"

namespace k7x::cli {

namespace {

constexpr std::size_t kDocumentLimit = 1024 * 1024;

int RunReport(const Arguments& args, CliContext& ctx) {
    const std::string output = args.value("-o").value_or("");
    if (output.empty()) return UsageProblem(ctx, ctx.prompts.text(kTextOutputMissing));
    EventLoopApplication();

    const PortSetup setup = ReadPortSetup(ctx.programFolder);
    ProblemReportSources sources{ctx.setupFile,
                                 ctx.settingFile,
                                 setup.configured,
                                 setup.comPort,
                                 BackupFolderOfProcess(),
                                 LastTraceFileOfProcess(),
                                 [&ctx](int number) { return ctx.prompts.text(number); }};
    if (const std::optional<std::string> dat = args.value("--include-document")) {
        sources.includeDocument = true;
        sources.documentName = *dat;
        sources.document = ReadFileBytes(*dat, kDocumentLimit);
        if (!sources.document) return Failure(ctx, Text(ctx.prompts, kTextCannotRead, {*dat}));
    }
    if (SaveProblemReport(output, sources)) {
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> ReportCommands() {
    return {{"report",
             "",
             0,
             kTextReportCommand,
             {{"-o", "FILE.txt", kTextReportOutputOption},
              {"--include-document", "FILE.dat", kTextIncludeDocumentOption}},
             &RunReport}};
}

}  // namespace k7x::cli
