// libFuzzer target: arbitrary bytes imported as a CSV channel table into a new document of
// each country mode, once by Location and once into the positions of a group. A file that
// is no table leaves the document as it was; otherwise every row is taken or refused at
// most once, and the result is a consistent document.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codeplug/ChannelCsv.h"
#include "fuzz/FuzzSupport.h"

using namespace k7x;
using namespace k7x::fuzz;

namespace {

void CheckImport(std::string_view text, const DocumentState& doc, const CsvPlacement& placement) {
    CountingPrompts prompts;
    const CsvImport import = ImportChannelsCsv(text, doc, prompts, placement);
    if (import.damage) {
        Check(SameDocumentState(import.result, doc));
        Check(import.taken == 0 && import.refused.empty());
        return;
    }
    // A row takes at least one line; a quoted value may hold line breaks of its own.
    const auto lines =
        std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r') + 1;
    Check(import.taken >= 0);
    Check(import.taken + static_cast<long>(import.refused.size()) <= lines);
    for (const CsvRowRefused& r : import.refused) {
        Check(r.line >= 1 && r.line <= lines);
        Check(r.channelNo >= 0 && r.channelNo <= kChannelCapacity);
    }
    Check(import.result.CurrentCountryMode == doc.CurrentCountryMode);
    CheckConsistent(import.result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int mode = 0; mode < 3; ++mode) {
        const DocumentState& doc = NewDocument(mode);
        CheckImport(text, doc, {});
        // The group and the first position follow from the length, so the text stays a table.
        CsvPlacement placement;
        placement.byLocation = false;
        placement.group = static_cast<int>(size % static_cast<std::size_t>(GroupCount(mode)));
        placement.first =
            1 +
            static_cast<int>(size / 7 % static_cast<std::size_t>(GroupSize(placement.group, mode)));
        CheckImport(text, doc, placement);
    }
    return 0;
}
