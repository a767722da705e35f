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

// The grid's columns, then the edit window's rows the grid has no column for. The columns a
// window hides in a mode are left out in that mode as well.
enum class Shown { Always, NotInMode0, NotInVfo };
struct PrintColumn {
    int gridColumn;  // 0 for an edit-window row
    int row;         // the edit window's option row when gridColumn is 0
    Shown shown;
};
constexpr PrintColumn kColumns[] = {
    {kGridNumberColumn, -1, Shown::Always}, {kColFrequency, 0, Shown::Always},
    {kColPublic, 0, Shown::Always},         {kColDup, 0, Shown::NotInMode0},
    {kColOffset, 0, Shown::NotInMode0},     {kColTsq, 0, Shown::Always},
    {kColScan, 0, Shown::NotInVfo},         {0, kRowHiCut, Shown::Always},
    {0, kRowBusy, Shown::Always},           {0, kRowNb, Shown::Always},
    {0, kRowAmFm, Shown::Always},           {0, kRowTxPower, Shown::NotInMode0},
    {0, kRowRbTone, Shown::Always},         {0, kRowDtmfBot, Shown::Always},
    {0, kRowDtmfEot, Shown::Always},        {0, kRowDtmfCall, Shown::Always},
    {0, kRowRdct, Shown::Always},           {0, kRowTdct, Shown::Always},
};

bool IsShown(const PrintColumn& c, int group, int mode) {
    switch (c.shown) {
        case Shown::NotInMode0:
            return mode != 0;
        case Shown::NotInVfo:
            return !IsVfoGroup(group, mode);
        case Shown::Always:
            break;
    }
    return true;
}

// The lists a channel's values are read from, built once for all rows.
struct ValueLists {
    QStringList tones = ToneEntries();
    QStringList rogerBeeps;
    QStringList dtmfCodes;
};

QString OptionText(int row, const ChannelRecord& ch, const ValueLists& lists,
                   const Prompts& prompts) {
    switch (row) {
        case kRowTxPower:
            return TxPowerText(prompts, ch.AM_FM == 0, ch.Tx_Power);
        case kRowRbTone:
            return EntryReading(lists.rogerBeeps, ch.RBTone);
        case kRowDtmfBot:
            return EntryReading(lists.dtmfCodes, ch.DTMF_BOT);
        case kRowDtmfEot:
            return EntryReading(lists.dtmfCodes, ch.DTMF_EOT);
        case kRowDtmfCall:
            return EntryReading(lists.dtmfCodes, ch.DTMF_Call);
        case kRowRdct:
            return EntryAt(lists.tones, ch.RDCT);
        case kRowTdct:
            return EntryAt(lists.tones, ch.TDCT);
        default:
            return EntryAt(FixedRowEntries(row), ChannelField(ch, OptionRows()[row].column));
    }
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
                      const ValueLists& lists) {
    const int mode = doc.CurrentCountryMode;
    PrintTable table;
    table.title = LangText(prompts, kTextGroupLabel) + QLatin1Char(' ') +
                  QString::fromStdString(GroupName(group, mode));
    table.notes = GroupNotes(doc, group, prompts);
    table.startsPage = true;
    for (const PrintColumn& c : kColumns) {
        if (!IsShown(c, group, mode)) continue;
        table.columns.append(
            c.row < 0 || c.gridColumn != 0
                ? LangText(prompts, kGridHeaderText[c.gridColumn])
                : TextOr(prompts, kTextEditRowLabel + c.row, OptionRows()[c.row].caption));
    }
    const int start = GroupStart(group, mode);
    for (int position = 1; position <= GroupSize(group, mode); ++position) {
        QStringList row = {QString::number(position)};
        const int index = FindChannel(doc, start + position);
        if (index >= 0) {
            const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(index)];
            const GridRowTexts grid = ChannelRowTexts(ch, group, doc, prompts);
            for (const PrintColumn& c : kColumns) {
                if (!IsShown(c, group, mode) || c.row < 0) continue;
                row.append(c.gridColumn != 0 ? grid[c.gridColumn - kGridFirstField]
                                             : OptionText(c.row, ch, lists, prompts));
            }
        }
        table.rows.append(row);
    }
    return table;
}

}  // namespace

QList<PrintTable> ChannelPrintSections(const DocumentState& doc, Prompts& prompts) {
    ValueLists lists;
    lists.rogerBeeps = RogerBeepEntries(doc.WorkDoc, prompts);
    lists.dtmfCodes = DtmfEntries(doc.WorkDoc, prompts);
    QList<PrintTable> tables;
    for (int group = 0; group < GroupCount(doc.CurrentCountryMode); ++group)
        tables.append(GroupTable(doc, group, prompts, lists));
    return tables;
}

}  // namespace k7x
