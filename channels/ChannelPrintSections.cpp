#include "channels/ChannelPrintSections.h"

#include "channels/ChannelsTexts.h"
#include "channels/EditOptionRows.h"
#include "channels/GridColumns.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

namespace {

// The grid's columns, then the channel fields the grid has no column for, in the edit window's
// order. The fields a window hides in a mode are left out in that mode as well.
constexpr std::array<int, kChannelFieldCount + 1> kPrintOrder = {
    kGridNumberColumn, kColFrequency, kColPublic, kColDup,  kColOffset,  kColTsq,    kColScan,
    kColHiCut,         kColBusy,      kColNb,     kColAmFm, kColTxPower, kColRbTone, kColDtmfBot,
    kColDtmfEot,       kColDtmfCall,  kColRdct,   kColTdct, kColAddSub5K};

bool IsShown(int column, int group, int mode) {
    if (column == kGridNumberColumn) return true;
    if (column == kColScan) return !IsVfoGroup(group, mode);
    return IsFieldOffered(ChannelColumn(column), mode);
}

// The group's settings as the panel above the grid shows them.
QStringList GroupNotes(const DocumentState& doc, int group, Prompts& prompts) {
    const int mode = doc.CurrentCountryMode;
    const OptionRecord& opt = doc.WorkDoc.Options;
    const auto labelled = [&prompts](int text, const QString& value) {
        return LangText(prompts, text) + QStringLiteral(": ") + value;
    };
    if (IsVfoGroup(group, mode)) return {};
    if (IsMemGroup(group, mode))
        return {labelled(kTextWorkingChannel, QString::number(opt.CurrentMem + 1))};
    if (group < 0 || group >= MemoryGroupCount(mode) ||
        static_cast<std::size_t>(group) >= opt.GroupCurrent.size())
        return {};
    const auto g = static_cast<std::size_t>(group);
    const QStringList modulation = {QStringLiteral("FM"), QStringLiteral("AM")};
    QStringList parts = {labelled(kTextWorkingChannel, QString::number(opt.GroupCurrent[g] + 1))};
    for (std::size_t k = 0; k < 2; ++k)
        parts.append(labelled(kTextWorkingChannel + 1 + static_cast<int>(k),
                              QString::number(opt.GroupPair[g][k] + 1) + QStringLiteral(" (") +
                                  EntryAt(modulation, opt.GroupBytes[g][k]) + QStringLiteral(")")));
    if (mode != 0)
        parts.append(labelled(kTextGroupEnabled, opt.GroupEnabled[g] != 0
                                                     ? QStringLiteral("Enable")
                                                     : QStringLiteral("Disable")));
    return {parts.join(QStringLiteral("    "))};
}

PrintTable GroupTable(const DocumentState& doc, int group, Prompts& prompts,
                      const ChannelChoiceLists& lists, bool allPositions) {
    const int mode = doc.CurrentCountryMode;
    PrintTable table;
    table.title = LangText(prompts, kTextGroupLabel) + QLatin1Char(' ') +
                  QString::fromStdString(GroupName(group, mode));
    table.notes = GroupNotes(doc, group, prompts);
    table.startsPage = allPositions;
    for (const int c : kPrintOrder) {
        if (!IsShown(c, group, mode)) continue;
        table.columns.append(c <= kGridLastField
                                 ? LangText(prompts, kGridHeaderText[static_cast<std::size_t>(c)])
                                 : TextOr(prompts,
                                          kTextEditRowLabel + FieldOf(ChannelColumn(c)).editRow,
                                          FieldOf(ChannelColumn(c)).key));
    }
    const int start = GroupStart(group, mode);
    for (int position = 1; position <= GroupSize(group, mode); ++position) {
        QStringList row = {QString::number(position)};
        const int index = FindChannel(doc, start + position);
        if (index < 0 && !allPositions) continue;
        if (index >= 0) {
            const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(index)];
            const GridRowTexts grid = ChannelRowTexts(ch, group, doc, prompts);
            for (const int c : kPrintOrder) {
                if (c == kGridNumberColumn || !IsShown(c, group, mode)) continue;
                row.append(c <= kGridLastField
                               ? grid[static_cast<std::size_t>(c - kGridFirstField)]
                               : FieldEntryText(FieldOf(ChannelColumn(c)), ch, lists, prompts));
            }
        }
        table.rows.append(row);
    }
    return table;
}

}  // namespace

QList<PrintTable> ChannelPrintSections(const DocumentState& doc, Prompts& prompts,
                                       const PrintOptions& options) {
    const ChannelChoiceLists lists = ChoiceListsOf(doc.WorkDoc, prompts);
    QList<PrintTable> tables;
    QStringList empty;
    for (int group = 0; group < GroupCount(doc.CurrentCountryMode); ++group) {
        PrintTable table = GroupTable(doc, group, prompts, lists, options.allPositions);
        if (table.rows.isEmpty())
            empty.append(QString::fromStdString(GroupName(group, doc.CurrentCountryMode)));
        else
            tables.append(std::move(table));
    }
    if (!empty.isEmpty()) {
        PrintTable leftOut;
        leftOut.notes = {
            LangText(prompts, kTextGroupsLeftOut).arg(empty.join(QStringLiteral(", ")))};
        tables.append(leftOut);
    }
    return tables;
}

}  // namespace k7x
