#include "channels/GridColumns.h"

#include "channels/ShownFrequency.h"
#include "codeplug/Groups.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

bool IsVfoGroup(int group, int mode) {
    return GroupName(group, mode) == "VFO";
}

bool IsGridListColumn(int column) {
    return column >= kGridFirstField && column <= kGridLastField &&
           FieldOf(ChannelColumn(column)).list != FieldList::Typed;
}

const QStringList& GridListEntries(int column) {
    // Built once: the grid asks for them for every cell it shows.
    static const std::array<QStringList, kChannelFieldCount + 1> entries = [] {
        std::array<QStringList, kChannelFieldCount + 1> lists;
        for (int c = kGridFirstField; c <= kGridLastField; ++c)
            if (IsGridListColumn(c))
                lists[static_cast<std::size_t>(c)] = StaticEntries(FieldOf(ChannelColumn(c)).list);
        return lists;
    }();
    static const QStringList none;
    return column >= 0 && column <= kChannelFieldCount ? entries[static_cast<std::size_t>(column)]
                                                       : none;
}

QString GridEntryText(int column, int value) {
    return EntryAt(GridListEntries(column), value);
}

GridRowTexts ChannelRowTexts(const ChannelRecord& record, int group, const DocumentState& doc,
                             Prompts& prompts) {
    const std::string frequency =
        ShownFrequency(record.Frequency.str(), group, doc.CurrentCountryMode, doc, prompts);
    return {QString::fromStdString(frequency),  GridEntryText(kColPublic, record.Public),
            GridEntryText(kColDup, record.DUP), QString::number(record.OffSetFre),
            GridEntryText(kColTsq, record.TSQ), GridEntryText(kColScan, record.Scan)};
}

}  // namespace k7x
