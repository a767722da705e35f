// libFuzzer target: arbitrary bytes pasted from the clipboard as channel rows into a group of
// a new document. Rows read from a text with a channel table header go into the positions
// from a first one on; the command says truly whether it changed the document, counts no
// more rows than were given, and leaves a consistent document.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "codeplug/ChannelCommands.h"
#include "fuzz/FuzzSupport.h"

using namespace k7x;
using namespace k7x::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The mode, group and first position follow from the length, so the text stays a table.
    const int mode = static_cast<int>(size % 3);
    const int group = static_cast<int>(size / 3 % static_cast<std::size_t>(GroupCount(mode)));
    const int first =
        1 + static_cast<int>(size / 11 % static_cast<std::size_t>(GroupSize(group, mode)));

    const DocumentState& before = NewDocument(mode);
    DocumentState doc = before;
    const std::optional<std::vector<PasteRow>> rows = PasteRowsFromText(text, doc);
    if (!rows) return 0;
    CountingPrompts prompts;
    const ChannelCommandResult result = PasteRows(doc, prompts, group, first, *rows);

    const int given = static_cast<int>(rows->size());
    Check(result.count >= 0 && result.pastEnd >= 0);
    Check(result.count + result.pastEnd + static_cast<int>(result.refused.size()) <= given);
    for (const RefusedRow& r : result.refused) Check(r.row >= 1 && r.row <= given);
    Check(result.changed == !SameChannels(doc, before));
    CheckConsistent(doc);
    return 0;
}
