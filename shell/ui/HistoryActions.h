// Edit > Undo and Redo and their toolbar buttons, named after the step they take.
#pragma once

#include <QObject>

#include "codeplug/Prompts.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace k7x {

class DocumentHistory;

class HistoryActions : public QObject {
    Q_OBJECT
public:
    // Puts Undo and Redo at the top of the menu and on a toolbar of their own, so the main
    // toolbar keeps its positions.
    HistoryActions(QMainWindow& window, QMenu& editMenu, DocumentHistory& history,
                   const Prompts& prompts);

    // After a language change.
    void applyTexts();
    QToolBar& toolBar() { return *bar_; }

private:
    DocumentHistory& history_;
    const Prompts& prompts_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QToolBar* bar_ = nullptr;
};

}  // namespace k7x
