#include "channels/GridCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelection>
#include <QMimeData>
#include <algorithm>
#include <array>
#include <set>

#include "channels/ChannelsTexts.h"
#include "channels/GridTable.h"
#include "codeplug/Groups.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

constexpr std::size_t kMostRowsListed = 10;

struct CommandAction {
    GridCommands::Command command;
    const char* menuEntry;
    const char* button;
};
constexpr std::array<CommandAction, 7> kCommandActions = {{
    {GridCommands::Command::Cut, "MnuCHCut", "BtnCHCut"},
    {GridCommands::Command::Copy, "MnuCHCopy", "BtnCHCopy"},
    {GridCommands::Command::Paste, "MnuCHPaste", "BtnCHPaste"},
    {GridCommands::Command::Insert, "MnuCHInsert", "BtnCHInsert"},
    {GridCommands::Command::Delete, "MnuCHDelete", "BtnCHDelete"},
    {GridCommands::Command::MoveUp, "MnuCHMoveUp", "BtnCHMoveUp"},
    {GridCommands::Command::MoveDown, "MnuCHMoveDown", "BtnCHMoveDown"},
}};

}  // namespace

GridCommands::GridCommands(GridTable& table, const ChannelWindowServices& services,
                           std::function<int()> shownGroup, std::function<void()> commitEdit)
    : QObject(&table),
      table_(table),
      s_(services),
      shownGroup_(std::move(shownGroup)),
      commitEdit_(std::move(commitEdit)) {
    table_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_.setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(qApp, &QApplication::focusChanged, this, &GridCommands::updateEnabled);
    updateEnabled();
}

void GridCommands::connectActions() {
    if (!s_.mainAction) return;
    for (const CommandAction& c : kCommandActions) {
        for (const char* name : {c.menuEntry, c.button}) {
            QAction* action = s_.mainAction(QString::fromLatin1(name));
            if (!action) continue;
            actions_.emplace_back(action);
            connect(action, &QAction::triggered, this,
                    [this, command = c.command] { run(command); });
        }
    }
}

void GridCommands::updateEnabled() {
    // The main window may still be in the making when the grid opens: the actions are looked
    // up once it is there.
    if (actions_.empty()) connectActions();
    const bool enabled = table_.hasFocus();
    for (const QPointer<QAction>& action : actions_)
        if (action) action->setEnabled(enabled);
}

QString GridCommands::text(int number) const {
    return LangText(s_.prompts, number);
}

void GridCommands::warn(const QString& message) {
    s_.prompts.message(message.toStdString(), Buttons::Ok, Icon::Warning);
}

std::vector<int> GridCommands::selectedPositions() const {
    std::set<int> rows;
    for (const QModelIndex& index : table_.selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    if (rows.empty() && table_.currentRow() >= 0) rows.insert(table_.currentPosition());
    return {rows.begin(), rows.end()};
}

void GridCommands::run(Command command) {
    if (commitEdit_) commitEdit_();
    switch (command) {
        case Command::Cut:
            cut();
            break;
        case Command::Copy:
            copy();
            break;
        case Command::Paste:
            paste();
            break;
        case Command::Insert:
            insert();
            break;
        case Command::Delete:
            remove();
            break;
        case Command::MoveUp:
            move(-1);
            break;
        case Command::MoveDown:
            move(1);
            break;
    }
}

void GridCommands::copy() {
    const int group = shownGroup_();
    const std::vector<int> positions = selectedPositions();
    const std::vector<ChannelSlot> copied = CopyPositions(s_.doc, group, positions);
    if (copied.empty()) return;
    std::vector<TextRow> rows = {ChannelRowHeaderNames()};
    for (std::size_t i = 0; i < copied.size(); ++i) {
        const int channelNo = GroupStart(group, s_.doc.CurrentCountryMode) + positions[i];
        rows.push_back(copied[i] ? ChannelToRow(*copied[i], s_.doc)
                                 : EmptyPositionRow(channelNo, s_.doc));
    }
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kClipboardFormat),
                  QByteArray::fromStdString(ChannelSlotsToText(copied)));
    mime->setText(QString::fromStdString(WriteDelimitedText(rows, '\t', "\n")));
    QApplication::clipboard()->setMimeData(mime);
}

void GridCommands::paste() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    std::optional<std::vector<PasteRow>> rows;
    if (mime && mime->hasFormat(QString::fromLatin1(kClipboardFormat))) {
        const std::optional<std::vector<ChannelSlot>> copied =
            TextToChannelSlots(mime->data(QString::fromLatin1(kClipboardFormat)).toStdString());
        if (copied) rows = PasteRowsFromSlots(*copied);
    }
    if (!rows && mime && mime->hasText())
        rows = PasteRowsFromText(mime->text().toStdString(), s_.doc);
    if (!rows || rows->empty()) {
        warn(text(kTextGridNoChannels));
        return;
    }
    const std::vector<int> selected = selectedPositions();
    if (selected.empty()) return;
    const int first = selected.front();
    const int group = shownGroup_();
    const ChannelCommandResult result =
        change([&] { return PasteRows(s_.doc, s_.prompts, group, first, *rows); });
    const int taken = static_cast<int>(rows->size()) - result.pastEnd;
    selectPositions(first, first + std::max(taken, 1) - 1);
    reportPaste(result, first);
    changeMade(result, text(kTextGridPasteStep).arg(result.count));
}

void GridCommands::cut() {
    copy();
    const int group = shownGroup_();
    const ChannelCommandResult result =
        change([&] { return ClearPositions(s_.doc, group, selectedPositions()); });
    reportKept(result);
    changeMade(result, text(kTextGridCutStep).arg(result.count));
}

void GridCommands::insert() {
    const std::vector<int> selected = selectedPositions();
    if (selected.empty()) return;
    const int group = shownGroup_();
    const int position = selected.front();
    const ChannelCommandResult result =
        change([&] { return InsertPosition(s_.doc, group, position); });
    const QString groupName = QString::fromStdString(GroupName(group, s_.doc.CurrentCountryMode));
    if (result.groupFull) {
        warn(text(kTextGridGroupFull).arg(groupName));
        return;
    }
    selectPositions(position, position);
    changeMade(result, text(kTextGridInsertStep).arg(groupName).arg(position));
}

void GridCommands::remove() {
    const std::vector<int> selected = selectedPositions();
    if (selected.empty()) return;
    const int group = shownGroup_();
    const ChannelCommandResult result =
        change([&] { return DeletePositions(s_.doc, group, selected); });
    selectPositions(selected.front(), selected.front());
    reportKept(result);
    changeMade(result, text(kTextGridDeleteStep).arg(result.count));
}

void GridCommands::move(int step) {
    const std::vector<int> selected = selectedPositions();
    if (selected.empty()) return;
    const int group = shownGroup_();
    const int first = selected.front();
    const int last = selected.back();
    const ChannelCommandResult result =
        change([&] { return MoveBlock(s_.doc, group, first, last, step); });
    if (result.count == 0) return;
    selectPositions(first + step, last + step);
    changeMade(result, text(kTextGridMoveStep).arg(result.count));
}

ChannelCommandResult GridCommands::change(const std::function<ChannelCommandResult()>& command) {
    const bool drawing = table_.updatesEnabled();
    table_.setUpdatesEnabled(false);
    ChannelCommandResult result = command();
    table_.setUpdatesEnabled(drawing);
    return result;
}

void GridCommands::reportKept(const ChannelCommandResult& result) {
    if (result.keptFrequency.empty()) return;
    QStringList names;
    for (int channelNo : result.keptFrequency)
        names << QString::fromStdString(PlaceOfChannel(channelNo, s_.doc.CurrentCountryMode).name);
    warn(text(kTextGridChannelsKept).arg(names.join(QStringLiteral(", "))));
}

void GridCommands::reportPaste(const ChannelCommandResult& result, int first) {
    QStringList lines;
    if (result.pastEnd > 0) {
        const QString group =
            QString::fromStdString(GroupName(shownGroup_(), s_.doc.CurrentCountryMode));
        lines << text(kTextGridPastEnd).arg(result.pastEnd).arg(group);
    }
    if (!result.refused.empty()) {
        lines << text(kTextGridNotPasted);
        for (std::size_t i = 0; i < result.refused.size() && i < kMostRowsListed; ++i) {
            const RefusedRow& row = result.refused[i];
            const QString detail = QString::fromStdString(row.detail);
            switch (row.why) {
                case PasteRefusal::Unreadable:
                    lines << text(kTextGridRowUnreadable).arg(row.row).arg(detail);
                    break;
                case PasteRefusal::OutOfBand:
                    lines << text(kTextGridRowOutOfBand).arg(row.row).arg(detail);
                    break;
                case PasteRefusal::NoChannel:
                    lines << text(kTextGridRowNoChannel).arg(row.row).arg(first + row.row - 1);
                    break;
            }
        }
        if (result.refused.size() > kMostRowsListed) lines << QStringLiteral("...");
    }
    if (!lines.isEmpty()) warn(lines.join(QLatin1Char('\n')));
    reportKept(result);
}

void GridCommands::changeMade(const ChannelCommandResult& result, const QString& label) {
    if (result.changed && s_.changeMade) s_.changeMade(label.toStdString());
}

void GridCommands::selectPositions(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, table_.positions());
    if (first > last) return;
    const int column = std::max(table_.currentColumn(), 1);
    table_.setCurrentCell(first - 1, column, QItemSelectionModel::NoUpdate);
    const QItemSelection rows(table_.model()->index(first - 1, 0),
                              table_.model()->index(last - 1, table_.columnCount() - 1));
    table_.selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

}  // namespace k7x
