#include "cli/CommandFiles.h"

#include "cli/CliTexts.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/FileIo.h"

namespace k7x::cli {
namespace {

// What is wrong with a file's content, in the user's language.
std::string DamageText(const Prompts& texts, const FileDamageDetail& damage) {
    const std::string entry = std::to_string(damage.entry);
    const std::string value = std::to_string(damage.value);
    const std::string capacity = std::to_string(kChannelCapacity);
    switch (damage.kind) {
        case FileDamageDetail::Kind::ShortFile:
            return Text(texts, kTextShortFile, {value, std::to_string(kFileSize)});
        case FileDamageDetail::Kind::ChannelCount:
            return Text(texts, kTextBadChannelCount, {value, capacity});
        case FileDamageDetail::Kind::ChannelNumber:
            return Text(texts, kTextBadChannelNumber, {entry, value, capacity});
        case FileDamageDetail::Kind::RepeatedChannel:
            return Text(texts, kTextRepeatedChannel, {entry, value});
    }
    return {};
}

}  // namespace

bool ReadOutput(const Arguments& args, CliContext& ctx, std::string& path) {
    path = args.value("-o").value_or("");
    if (path.empty()) {
        UsageProblem(ctx, ctx.prompts.text(kTextOutputMissing));
        return false;
    }
    return true;
}

bool OpenDocument(DocumentState& doc, const std::string& path, CliContext& ctx) {
    const OpenResult result =
        OpenFile(doc, path, ctx.programFolder, ctx.versions, ctx.prompts, ctx.launch);
    if (result == OpenResult::Opened) return true;
    std::string reason = Text(ctx.prompts, kTextNotOpened, {path});
    const auto bytes = ReadFileBytes(path, kFileSize);
    // A text's faults have been listed with their places; a .dat file's damage is told here.
    const auto damage =
        bytes && !TextFormOfPath(path) ? FindFileDamageDetail(*bytes) : std::nullopt;
    if (!bytes)
        reason =
            Text(ctx.prompts, kTextNotOpenedBecause, {path, ctx.prompts.text(kTextUnreadable)});
    else if (damage)
        reason = Text(ctx.prompts, kTextNotOpenedBecause, {path, DamageText(ctx.prompts, *damage)});
    Failure(ctx, reason);
    return false;
}

}  // namespace k7x::cli
