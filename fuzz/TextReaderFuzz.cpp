// libFuzzer target: arbitrary bytes read as the text form of a codeplug (YAML or JSON). A
// refused text changes nothing and every problem names a place and a reason; a taken one
// makes a consistent document whose YAML and JSON read back to the same document, and
// whose YAML is written again the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/CodeplugText.h"
#include "codeplug/FileContent.h"
#include "fuzz/FuzzSupport.h"

using namespace k7x;
using namespace k7x::fuzz;

namespace {

// No program folder: the templates are the built-in defaults.
constexpr const char* kNoProgramFolder = "/nonexistent";

void CheckReadsBack(const DocumentState& doc, TextForm form) {
    const std::string text = WriteCodeplugText(doc, form);
    DocumentState back;
    Check(ReadCodeplugText(text, kNoProgramFolder, back).empty());
    Check(back.CurrentCountryMode == doc.CurrentCountryMode);
    Check(SameChannels(back, doc));
    for (int i = doc.WorkDoc.ChannelCount; i < kChannelCapacity; ++i)
        Check(back.SavedChannels[static_cast<std::size_t>(i)] ==
              doc.SavedChannels[static_cast<std::size_t>(i)]);
    Check(WriteCodeplugText(back, form) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DocumentState fresh;
    DocumentState doc;
    const std::vector<TextProblem> problems = ReadCodeplugText(text, kNoProgramFolder, doc);

    // Opening the text as a file goes through the same reader: it opens exactly when the text
    // reads, unless the text names a version the table lacks, and a refusal changes nothing.
    VersionTable versions;
    versions.VersionPairs = {{ProgramVersion, ProgramVersion}};
    CountingPrompts prompts;
    DocumentState opened;
    const OpenResult result = OpenTextContent(opened, text, "fuzz.yaml", kNoProgramFolder, versions,
                                              prompts, [](const std::string&) {});
    const bool ofThisVersion = doc.WorkDoc.Header.FileVersion.str() == ProgramVersion;
    if (problems.empty() && ofThisVersion) {
        Check(result == OpenResult::Opened);
        Check(opened.WorkDoc.ChannelCount == doc.WorkDoc.ChannelCount);
        for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i)
            Check(opened.ChannelList[static_cast<std::size_t>(i)] ==
                  doc.ChannelList[static_cast<std::size_t>(i)]);
    } else {
        Check(result == OpenResult::Refused && SameDocumentState(opened, fresh));
    }

    if (!problems.empty()) {
        Check(SameDocumentState(doc, fresh));
        for (const TextProblem& p : problems) Check(p.line >= 1 && p.column >= 1 && p.text != 0);
        return 0;
    }
    Check(doc.IsUntitled);
    CheckConsistent(doc);
    CheckReadsBack(doc, TextForm::Yaml);
    CheckReadsBack(doc, TextForm::Json);
    return 0;
}
