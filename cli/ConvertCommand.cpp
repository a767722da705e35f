// convert: a codeplug between its .dat file and its text form (.yaml/.yml or .json), each
// side chosen by the file's extension.
#include <algorithm>
#include <cctype>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/FileIo.h"

namespace k7x::cli {
namespace {

enum class FileKind { Dat, Yaml, Json, Unknown };

FileKind KindOfPath(const std::string& path) {
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return FileKind::Unknown;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "dat") return FileKind::Dat;
    if (ext == "yaml" || ext == "yml") return FileKind::Yaml;
    if (ext == "json") return FileKind::Json;
    return FileKind::Unknown;
}

// A text form longer than this is no codeplug: a codeplug's YAML is far below it.
constexpr std::size_t kLargestText = 16 * 1024 * 1024;

bool ReadText(DocumentState& doc, const std::string& path, CliContext& ctx) {
    const auto bytes = ReadFileBytes(path, kLargestText);
    if (!bytes) {
        Failure(ctx, Text(ctx.prompts, kTextCannotRead, {path}));
        return false;
    }
    const std::string text(bytes->begin(), bytes->end());
    const std::vector<TextProblem> problems = ReadCodeplugText(text, ctx.programFolder, doc);
    for (const TextProblem& problem : problems)
        Failure(ctx, Text(ctx.prompts, kTextTextRefused, {path, DescribeTextProblem(problem)}));
    return problems.empty();
}

bool WriteText(const DocumentState& doc, const std::string& path, TextForm form, CliContext& ctx) {
    const std::string text = WriteCodeplugText(doc, form);
    const std::span<const Byte> bytes(reinterpret_cast<const Byte*>(text.data()), text.size());
    if (!WriteFileAtomically(path, bytes)) return true;
    Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {path}));
    return false;
}

int RunConvert(const Arguments& args, CliContext& ctx) {
    const std::string& input = args.positional[0];
    const std::string& output = args.positional[1];
    const FileKind from = KindOfPath(input);
    const FileKind to = KindOfPath(output);
    for (const auto& [path, kind] : {std::pair{input, from}, std::pair{output, to}}) {
        if (kind == FileKind::Unknown) {
            UsageProblem(ctx, Text(ctx.prompts, kTextNotAFileKind, {path}));
            return kExitUsage;
        }
    }

    DocumentState doc;
    const bool read =
        from == FileKind::Dat ? OpenDocument(doc, input, ctx) : ReadText(doc, input, ctx);
    if (!read) return kExitFailed;
    if (to == FileKind::Dat) {
        if (!SaveFile(doc, output, ctx.prompts))
            return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
        return kExitOk;
    }
    const TextForm form = to == FileKind::Json ? TextForm::Json : TextForm::Yaml;
    return WriteText(doc, output, form, ctx) ? kExitOk : kExitFailed;
}

}  // namespace

std::vector<Command> ConvertCommands() {
    return {{"convert", "IN OUT", 2, kTextConvertCommand, {}, RunConvert}};
}

}  // namespace k7x::cli
