// The table of the channel grid: a header row, one row per position of the shown group with
// its number in column 0 and ">>" in the last column. It draws rows; what they hold and how
// they are edited is decided by the grid window.
#pragma once

#include <QBrush>
#include <QTableWidget>

#include "channels/GridColumns.h"
#include "codeplug/Prompts.h"

namespace k7x {

class GridTable : public QTableWidget {
    Q_OBJECT
public:
    explicit GridTable(QWidget* parent = nullptr);

    // Column widths, header height, centred cells.
    void InitShowGrid();
    // Header texts of the current language, in dark blue.
    void setHeaderTexts(const Prompts& prompts);
    // Shows positions 1..rows, each numbered and ending in ">>"; column 1 gets the given
    // background. Rows kept from before keep their items, so a group change creates items only
    // for rows the table did not have yet.
    void setPositions(int rows, const QBrush& frequencyBackground);

    // Rows are addressed by position (1-based), columns by grid column (0..7).
    void showRow(int position, const GridRowTexts& texts);
    void clearRow(int position);
    QString cellText(int position, int column) const;
    int positions() const { return rowCount(); }
    int currentPosition() const { return currentRow() + 1; }
    void setCurrentPosition(int position, int column) { setCurrentCell(position - 1, column); }
    // Where the cell lies in the viewport, with at least minWidth so that an editor placed
    // over a zero-width column is still usable.
    QRect cellRect(int position, int column, int minWidth) const;

signals:
    // Enter, F2 or a double click on a cell.
    void editRequested();
    // A digit or point typed on a frequency cell: its editor is to open holding it.
    void editTyped(const QString& text);
    // A click, a scroll or the table getting the focus: an open cell editor is to be left.
    void leaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Typing never jumps to a row that begins with what is typed.
    void keyboardSearch(const QString&) override {}
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QTableWidgetItem* makeItem(int position, int column) const;

    QBrush frequencyBackground_;
};

}  // namespace k7x
