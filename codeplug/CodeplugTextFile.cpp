// Codeplug text files: which names are texts, the message for a refused one, and opening one
// through the same checks and take-over as a .dat file's bytes.
#include <algorithm>

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/CodeplugTexts.h"
#include "codeplug/Conversions.h"
#include "codeplug/FileContent.h"

namespace k7x {

namespace {

// A message box of problems stays readable; the rest are counted.
constexpr std::size_t kProblemsShown = 20;

}  // namespace

std::optional<TextForm> TextFormOfPath(std::string_view path) {
    const std::string ext = ExtensionOfPath(path);
    if (ext == "yaml" || ext == "yml") return TextForm::Yaml;
    if (ext == "json") return TextForm::Json;
    return std::nullopt;
}

std::string DescribeTextProblems(const std::string& fileName,
                                 const std::vector<TextProblem>& problems,
                                 const TextLookup& texts) {
    std::string message = FillText(texts(kTextTextNotOpened), {fileName});
    const std::size_t shown = std::min(problems.size(), kProblemsShown);
    for (std::size_t i = 0; i < shown; ++i)
        message += "\n" + DescribeTextProblem(problems[i], texts);
    if (problems.size() > shown)
        message += "\n" + FillText(texts(kTextMoreTextProblems),
                                   {std::to_string(problems.size() - shown)});
    return message;
}

OpenResult OpenTextContent(DocumentState& doc, std::string_view text, const std::string& fileName,
                           const std::string& programFolder, const VersionTable& versions,
                           Prompts& prompts, const VersionLauncher& launch) {
    DocumentState read;
    const std::vector<TextProblem> problems = ReadCodeplugText(text, programFolder, read);
    if (!problems.empty()) {
        const TextLookup texts = [&prompts](int number) { return prompts.text(number); };
        prompts.message(DescribeTextProblems(fileName, problems, texts), Buttons::Ok,
                        Icon::Warning);
        return OpenResult::Refused;
    }
    // The text's file bytes keep the version it names, so the version table decides about a
    // text as it does about a .dat file.
    const std::string version = read.WorkDoc.Header.FileVersion.str();
    TakeIntoSavedCopy(read);
    read.SavedDoc.Header.FileVersion.set(version);
    const std::vector<Byte> bytes = EncodeFile(read.SavedDoc, read.SavedChannels);
    return OpenFileContent(doc, bytes, versions, prompts, launch);
}

}  // namespace k7x
