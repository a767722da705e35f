// The in-cell editors of the channel grid: one text box for the frequency, one for the offset
// and one list per flag column, each a single widget placed over the cell being edited. At
// most one is shown. Every value they commit goes through EditChannelCell.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace k7x {

class GridTable;

// The cell an editor was opened on; its commits go there even if the shared group and
// position move on while it is open.
struct CellEditTarget {
    int group = 0;
    int position = 1;
    int column = 0;
};

class GridCellEditors : public QObject {
    Q_OBJECT
public:
    GridCellEditors(GridTable& table, DocumentState& doc, Prompts& prompts);

    // Places the editor of target.column (1..6) over its cell, shows cellText in it and gives
    // it the focus. The list's own selection of the cell's entry is not a user choice. A text
    // box opened by typing on the cell holds typed instead, the cursor after it.
    void open(const CellEditTarget& target, const QString& cellText, const QString& typed = {});
    // Commits the open editor's value when it differs from what it last committed or was
    // opened with; a hidden editor commits nothing.
    void CommitCellEdit();
    // Hides every editor without committing; the table takes the focus an editor had.
    void SetEditDisable();
    // CommitCellEdit, then SetEditDisable.
    void LeaveCellEdit();

    bool isOpen() const { return open_ != nullptr; }
    // The editable look of the frequency column: the text box's background.
    QColor editableBackground() const;
    // A row height that holds the lists.
    int rowHeight() const;
    // The editors in the order Tab visits them (hidden ones are skipped).
    std::array<QWidget*, 6> widgets() const;
    // Screen readers name each editor by its column's header text.
    void setAccessibleNames(const Prompts& prompts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* editorOf(int column) const;
    QComboBox* listOf(int column) const;
    QString currentValue() const;
    bool textKey(QKeyEvent& key, QLineEdit& box);
    bool listKey(QKeyEvent& key);
    void listChanged(QComboBox* list);

    GridTable& table_;
    DocumentState& doc_;
    Prompts& prompts_;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QComboBox*, 4> lists_{};  // Combo1(0)..Combo4(0): columns 2, 3, 5, 6
    QWidget* open_ = nullptr;
    CellEditTarget target_;
    QString committed_;  // the open editor's value as opened or last committed
    // Cleared while the program selects the cell's entry in a list that opens.
    bool EditorArmed = false;
    // While a commit or a hide runs, focus moving (a warning shown by the commit, the table
    // taking the focus) is not the user leaving the editor.
    bool committing_ = false;
    bool hiding_ = false;
};

}  // namespace k7x
