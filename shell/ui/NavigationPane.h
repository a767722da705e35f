// The navigation pane on the left of the main window: a header with the model text and a close
// button, the tree of the editing windows, and the splitter bar that sets the pane's width.
#pragma once

#include <QWidget>
#include <functional>

#include "codeplug/Prompts.h"

class QFrame;
class QLabel;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace k7x {

class NavigationPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumWidthTwips = 300;
    static constexpr int kInitialWidthTwips = 3300;

    // innerWidthTwips gives the main window's inner width, the pane's upper limit.
    NavigationPane(std::function<int()> innerWidthTwips, QWidget* parent = nullptr);

    // Rebuilds the tree: the root "N0" with rootText, and the editing windows below it.
    void LoadTree(const QString& rootText, const Prompts& prompts);
    // The root node's text and Label1 (ShowMainTxt).
    void setModelText(const QString& text);

    int widthTwips() const { return widthTwips_; }
    bool moveTree() const { return moveTree_; }

    // The splitter bar's mouse handlers; x is the pointer's offset from the bar in twips.
    void CommandMove_MouseDown();
    void CommandMove_MouseUp();
    void CommandMove_MouseMove(int xTwips);

signals:
    void nodeClicked(const QString& key);
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyWidth();
    void TreeView1_NodeClick(QTreeWidgetItem* item);

    std::function<int()> innerWidthTwips_;
    QFrame* Frame1;
    QLabel* Label1;
    QToolBar* Toolbar1;
    QTreeWidget* TreeView1;
    QPushButton* CommandMove;
    int widthTwips_ = kInitialWidthTwips;
    bool moveTree_ = false;
};

}  // namespace k7x
