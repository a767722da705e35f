// The row commands of the channel grid: the selected rows of the shown group go to and come from
// the clipboard, and are inserted, deleted and moved. The main window's channel edit entries
// and their toolbar buttons run them while the grid's table has the focus, so that Del, Ctrl+C
// and the others keep their usual meaning in a cell editor or any other field.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "channels/ChannelWindows.h"
#include "codeplug/ChannelCommands.h"

class QAction;

namespace k7x {

class GridTable;

class GridCommands : public QObject {
    Q_OBJECT
public:
    enum class Command { Cut, Copy, Paste, Insert, Delete, MoveUp, MoveDown };
    // The format on the clipboard that keeps every field of the copied channels.
    static constexpr const char* kClipboardFormat = "application/x-korvan7x-channels";

    // shownGroup names the group the table shows; commitEdit ends an open cell edit first.
    GridCommands(GridTable& table, const ChannelWindowServices& services,
                 std::function<int()> shownGroup, std::function<void()> commitEdit);

    void run(Command command);
    // The selected positions, ascending; the current one when no row is selected.
    std::vector<int> selectedPositions() const;

private:
    void connectActions();
    void updateEnabled();
    void copy();
    void paste();
    void cut();
    void insert();
    void remove();
    void move(int step);
    // Runs a document change with the table's drawing held, so it is redrawn once.
    ChannelCommandResult change(const std::function<ChannelCommandResult()>& command);
    void reportKept(const ChannelCommandResult& result);
    void reportPaste(const ChannelCommandResult& result, int first);
    void changeMade(const ChannelCommandResult& result, const QString& label);
    void selectPositions(int first, int last);
    void warn(const QString& text);
    QString text(int number) const;

    GridTable& table_;
    const ChannelWindowServices& s_;
    std::function<int()> shownGroup_;
    std::function<void()> commitEdit_;
    std::vector<QPointer<QAction>> actions_;
};

}  // namespace k7x
