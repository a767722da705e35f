#include "shell/ui/ChannelCsvCommands.h"

#include <QFileInfo>

#include "codeplug/ChannelCsvTexts.h"
#include "codeplug/Conversions.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/FileIo.h"
#include "codeplug/FillText.h"

namespace k7x {

namespace {

// The document's file name with ".csv" in place of its extension.
std::string TablePathFor(const DocumentState& doc) {
    const QFileInfo file(QString::fromStdString(doc.CurrentFilePath));
    const QString name = file.completeBaseName() + QStringLiteral(".csv");
    return (file.isAbsolute() ? file.absolutePath() + QLatin1Char('/') + name : name).toStdString();
}

}  // namespace

ChannelCsvCommands::ChannelCsvCommands(DocumentState& doc, Prompts& prompts, FileChooser& files,
                                       CsvImportChoices& choices, std::function<QWidget*()> parent,
                                       std::function<void(const QString&)> changeMade)
    : doc_(doc),
      prompts_(prompts),
      files_(files),
      choices_(choices),
      parent_(std::move(parent)),
      changeMade_(std::move(changeMade)) {}

std::string ChannelCsvCommands::filter() const {
    return prompts_.text(kTextCsvFilter);
}

void ChannelCsvCommands::warn(const std::string& text) {
    prompts_.message(text, Buttons::Ok, Icon::Warning);
}

bool ChannelCsvCommands::importChannels() {
    const std::optional<std::string> path = files_.chooseOpenFile(parent_(), filter(), {});
    if (!path) return false;
    const std::string name = FileNameOfPath(*path);
    // One byte past the limit is enough to tell a file that is too large.
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(*path, kMostCsvBytes + 1);
    if (!bytes) {
        warn(FillText(prompts_.text(kTextCsvCannotRead), {*path}));
        return false;
    }
    const std::string text(bytes->begin(), bytes->end());
    // A file that is no channel table is told before any question about it.
    if (const CsvImport probe = ImportChannelsCsv(text, doc_, prompts_); probe.damage) {
        warn(CsvDamageText(*probe.damage, name, prompts_));
        return false;
    }
    const std::optional<CsvPlacement> placement = choices_.choosePlacement(parent_(), doc_);
    if (!placement) return false;
    const CsvImport import = ImportChannelsCsv(text, doc_, prompts_, *placement);
    if (!import.refused.empty()) {
        QStringList rows;
        for (const std::string& line : CsvRefusalLines(import, doc_, prompts_))
            rows << QString::fromStdString(line);
        const std::string heading = import.taken > 0
                                        ? FillText(prompts_.text(kTextCsvRowsRefused), {name})
                                        : prompts_.text(kTextCsvNoneTaken);
        if (!choices_.takeTheRest(parent_(), QString::fromStdString(heading), rows,
                                  import.taken > 0) ||
            import.taken == 0)
            return false;
    }
    TakeImport(doc_, import);
    if (changeMade_)
        changeMade_(QString::fromStdString(
            FillText(prompts_.text(kTextCsvImportStep), {std::to_string(import.taken)})));
    return true;
}

bool ChannelCsvCommands::exportChannels() {
    if (const std::optional<std::string> refusal = DamagedFrequencyRefusal(doc_, prompts_)) {
        warn(*refusal);
        return false;
    }
    const std::optional<std::string> path =
        files_.chooseSaveFile(parent_(), filter(), TablePathFor(doc_));
    if (!path) return false;
    const std::string csv = ExportChannelsCsv(doc_);
    const std::span bytes(reinterpret_cast<const Byte*>(csv.data()), csv.size());
    if (const std::optional<std::string> failure = WriteFileAtomically(*path, bytes)) {
        prompts_.message(FillText(prompts_.text(kTextCsvCannotWrite), {*path, *failure}),
                         Buttons::Ok, Icon::Critical);
        return false;
    }
    return true;
}

}  // namespace k7x
