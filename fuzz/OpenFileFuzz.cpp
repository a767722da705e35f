// libFuzzer target: arbitrary bytes opened as a .dat file, through the same in-memory checks
// and take-over that OpenFile uses, then as templates, then packed into a memory image.
// Traps when an invariant breaks: a refused file must change nothing, an opened one must
// come back byte for byte when saved.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "codeplug/CodeplugFile.h"
#include "codeplug/FileContent.h"
#include "codeplug/MemoryImage.h"
#include "fuzz/FuzzSupport.h"

using namespace k7x;
using namespace k7x::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const Byte> bytes(data, size);
    VersionTable versions;
    versions.VersionPairs = {{ProgramVersion, ProgramVersion}};

    const DocumentState fresh;
    DocumentState doc;
    CountingPrompts prompts;
    bool launched = false;
    const OpenResult result = OpenFileContent(doc, bytes, versions, prompts,
                                              [&](const std::string&) { launched = true; });
    Check(!launched);  // every question is answered No

    if (result != OpenResult::Opened) {
        Check(prompts.shown >= 1);
        Check(SameDocumentState(doc, fresh));
    } else {
        Check(prompts.shown == 0);
        Check(!FindFileDamage(bytes));
        Check(doc.WorkDoc.ChannelCount >= 0 && doc.WorkDoc.ChannelCount <= kChannelCapacity);
        Check(doc.CurrentCountryMode >= 0 && doc.CurrentCountryMode <= 2);

        // Saving writes back what was read; only the version field becomes this program's.
        TakeIntoSavedCopy(doc);
        const std::vector<Byte> saved = EncodeFile(doc.SavedDoc, doc.SavedChannels);
        for (std::size_t i = 0; i < kFileSize; ++i) {
            if (i >= 9 && i < 13) continue;
            Check(saved[i] == bytes[i]);
        }

        // Whatever a file holds must pack into an image and unpack again.
        PackImage(doc);
        doc.RadioCountryMode = doc.CurrentCountryMode;
        Check(UnpackImage(doc, prompts));
    }

    DocumentState templ;
    if (!TakeTemplateContent(templ, bytes)) Check(SameDocumentState(templ, fresh));
    DocumentState settings;
    if (TakeTemplateSettingsContent(settings, bytes)) {
        Check(settings.WorkDoc.ChannelCount == 0);
        Check(settings.WorkDoc == settings.SavedDoc);
    } else {
        Check(SameDocumentState(settings, fresh));
    }
    return 0;
}
