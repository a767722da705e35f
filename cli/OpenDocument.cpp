#include "cli/OpenDocument.h"

#include "cli/CliTexts.h"
#include "codeplug/CodeplugFile.h"
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

bool OpenDocument(DocumentState& doc, const std::string& path, CliContext& ctx) {
    const OpenResult result = OpenFile(doc, path, ctx.versions, ctx.prompts, ctx.launch);
    if (result == OpenResult::Opened) return true;
    std::string reason = Text(ctx.prompts, kTextNotOpened, {path});
    if (const auto bytes = ReadFileBytes(path, kFileSize); !bytes) {
        reason =
            Text(ctx.prompts, kTextNotOpenedBecause, {path, ctx.prompts.text(kTextUnreadable)});
    } else if (const auto damage = FindFileDamageDetail(*bytes)) {
        reason = Text(ctx.prompts, kTextNotOpenedBecause, {path, DamageText(ctx.prompts, *damage)});
    }
    Failure(ctx, reason);
    return false;
}

}  // namespace k7x::cli
