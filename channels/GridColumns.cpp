#include "channels/GridColumns.h"

#include "channels/ShownFrequency.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

QStringList list(std::initializer_list<const char*> entries) {
    QStringList out;
    for (const char* e : entries) out.append(QString::fromLatin1(e));
    return out;
}

}  // namespace

bool IsVfoGroup(int group, int mode) {
    return GroupName(group, mode) == "VFO";
}

bool IsGridListColumn(int column) {
    return column == kColPublic || column == kColDup || column == kColTsq || column == kColScan;
}

const QStringList& GridListEntries(int column) {
    static const QStringList offOn = list({"Off", "On"});
    static const QStringList dup = list({"Off", "+", "-"});
    static const QStringList scan = list({"Del", "Add"});
    static const QStringList none;
    switch (column) {
        case kColPublic:
        case kColTsq:
            return offOn;
        case kColDup:
            return dup;
        case kColScan:
            return scan;
        default:
            return none;
    }
}

QString GridEntryText(int column, int value) {
    const QStringList& entries = GridListEntries(column);
    if (entries.isEmpty()) return {};
    return value >= 0 && value < entries.size() ? entries.at(value) : entries.front();
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
