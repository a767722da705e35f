// The channel grid: the channels of one group, one row per position, with the group's settings
// above and in-cell editors for the frequency and the first flags.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "channels/ChannelWindows.h"

class QComboBox;
class QLabel;
class QMdiSubWindow;
class QPushButton;

namespace k7x {

class CountrySelectors;
class GridCellEditors;
class GridCommands;
class GridTable;
class GroupPanel;

class frmCommChInfo : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit frmCommChInfo(const ChannelWindowServices& services, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // Redraws the row of one channel number when it belongs to the displayed group.
    void reShowGrid(int channelNo) override;
    // Refills the group settings panel from the document.
    void ReshowByCh() override;
    // Undo or redo: every row and the group panel afresh.
    void DocumentRestored() override;
    // Hides every in-cell editor.
    void SetEditDisable();
    // Selects the group EditGroup and mirrors it in the country selectors.
    void ChangeGroup();
    // Opens the in-cell editor of the current cell. A character typed on the cell (typed)
    // replaces the cell's text in the editor, as in a spreadsheet.
    void EnterGridEdit(const QString& typed = {});
    // Commits an open in-cell edit (before a transfer and when the window closes).
    Q_INVOKABLE void ValidateControls();
    // The row commands: cut, copy, paste, insert, delete and move of the selected rows.
    GridCommands& commands() { return *commands_; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void ChangShowByLanguage();
    void SetGridData();
    void setCaption(int textNumber);
    void Combo7_Click(int index);
    void countryChosen(const QString& name);
    void showAllRows();
    void cellEntered(int row);
    void CommandCHInfoEdit_Click();
    void CommandClose_Click();
    void watchActivation();
    int shownGroup() const;
    QBrush frequencyBackground() const;

    const ChannelWindowServices& s_;
    QLabel* Label1 = nullptr;
    QComboBox* Combo7 = nullptr;
    QComboBox* Combo9_0 = nullptr;
    QComboBox* Combo9_1 = nullptr;
    GridTable* MSFlexGrid1 = nullptr;
    QPushButton* CommandCHInfoEdit = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
    // Destroyed before the controls, so that nothing commits while they go.
    std::unique_ptr<CountrySelectors> countries_;
    std::unique_ptr<GridCellEditors> editors_;
    GroupPanel* panel_ = nullptr;
    GridCommands* commands_ = nullptr;  // owned by the table
    QPointer<QMdiSubWindow> frame_;     // the frame whose activation is watched
    bool Loaded = false;
    bool Formatting = false;
};

}  // namespace k7x
