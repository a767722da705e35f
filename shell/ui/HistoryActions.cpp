#include "shell/ui/HistoryActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

#include "shell/ui/Captions.h"
#include "shell/ui/ChangeLabels.h"
#include "shell/ui/DocumentHistory.h"

namespace k7x {

namespace {

QAction* MakeAction(QMainWindow& window, const char* name, const char* themeIcon,
                    QStyle::StandardPixmap fallback, QKeySequence::StandardKey keys) {
    auto* a = new QAction(
        QIcon::fromTheme(QString::fromLatin1(themeIcon), window.style()->standardIcon(fallback)),
        QString(), &window);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    a->setEnabled(false);
    return a;
}

}  // namespace

HistoryActions::HistoryActions(QMainWindow& window, QMenu& editMenu, DocumentHistory& history,
                               const Prompts& prompts)
    : QObject(&window), history_(history), prompts_(prompts) {
    undo_ = MakeAction(window, "mnuUndo", "edit-undo", QStyle::SP_ArrowBack, QKeySequence::Undo);
    redo_ = MakeAction(window, "mnuRedo", "edit-redo", QStyle::SP_ArrowForward, QKeySequence::Redo);
    QAction* first = editMenu.actions().value(0);
    editMenu.insertActions(first, {undo_, redo_});
    editMenu.insertSeparator(first);

    bar_ = window.addToolBar(QString());
    bar_->setObjectName(QStringLiteral("tbHistory"));
    bar_->setMovable(false);
    bar_->setIconSize(QSize(20, 20));
    bar_->addAction(undo_);
    bar_->addAction(redo_);

    connect(undo_, &QAction::triggered, this, [this] { history_.undo(); });
    connect(redo_, &QAction::triggered, this, [this] { history_.redo(); });
    QUndoStack& stack = history.stack();
    connect(&stack, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::indexChanged, this, &HistoryActions::applyTexts);
    applyTexts();
}

void HistoryActions::applyTexts() {
    const QUndoStack& stack = history_.stack();
    const auto name = [this](int plain, int what, bool can, const QString& step) {
        return can ? FillIn(LangText(prompts_, what), {step}) : LangText(prompts_, plain);
    };
    undo_->setText(name(kTextUndo, kTextUndoWhat, stack.canUndo(), stack.undoText()));
    redo_->setText(name(kTextRedo, kTextRedoWhat, stack.canRedo(), stack.redoText()));
    undo_->setEnabled(stack.canUndo());
    redo_->setEnabled(stack.canRedo());
}

}  // namespace k7x
