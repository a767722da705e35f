#include "shell/ui/DocumentHistory.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QUndoCommand>

#include "codeplug/ChangeSubject.h"
#include "shell/ui/ChangeLabels.h"

namespace k7x {

class DocumentHistory::Step : public QUndoCommand {
public:
    // typing: the typing session the step's keys belong to; 0 for a step not typed.
    Step(DocumentHistory& history, ContentChange change, const QString& name, int typing)
        : QUndoCommand(name), history_(history), change_(std::move(change)), typing_(typing) {}

    // Steps typed into one text box in one go merge; the others never do.
    int id() const override { return typing_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (history_.lastRecorded_ != this || next->typing_ != typing_ || next->text() != text())
            return false;
        change_ = Merged(change_, next->change_);
        return true;
    }
    void undo() override { history_.apply(change_, false); }
    void redo() override {
        // The change has already happened when the step is pushed.
        if (pushed_) history_.apply(change_, true);
        pushed_ = true;
    }
    std::size_t bytes() const { return sizeof(*this) + change_.bytes(); }

private:
    DocumentHistory& history_;
    ContentChange change_;
    int typing_;
    bool pushed_ = false;
};

DocumentHistory::DocumentHistory(DocumentState& doc, const Prompts& prompts, QObject* parent)
    : QObject(parent), doc_(doc), prompts_(prompts), seen_(TakeSnapshot(doc)) {
    stack_.setUndoLimit(kStepLimit);
}

DocumentHistory::~DocumentHistory() {
    if (qApp) qApp->removeEventFilter(this);
}

void DocumentHistory::watchInput() {
    qApp->installEventFilter(this);
}

bool DocumentHistory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            // Keys typed into one text box belong to one step until the typing ends. The
            // window that passes the key on to its widget is not one of them.
            if (auto* widget = qobject_cast<QWidget*>(watched))
                typeInto(qobject_cast<QLineEdit*>(widget));
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::FocusOut:
        case QEvent::Close:
        case QEvent::Drop:
            typeInto(nullptr);
            break;
        default:
            return false;
    }
    if (!checkPending_) {
        checkPending_ = true;
        QMetaObject::invokeMethod(this, &DocumentHistory::recordPending, Qt::QueuedConnection);
    }
    return false;
}

void DocumentHistory::typeInto(QWidget* box) {
    if (box == typedInto_) return;
    typedInto_ = box;
    ++typingSession_;
}

void DocumentHistory::recordPending() {
    checkPending_ = false;
    record();
}

void DocumentHistory::record(const QString& label) {
    if (held_) return;
    FollowViewState(seen_, doc_);
    ContentChange change = ChangeSince(seen_, doc_);
    if (change.empty()) return;
    QString name = label;
    if (name.isEmpty())
        name = ChangeLabel(DescribeChange(seen_, doc_), doc_.CurrentCountryMode, prompts_);
    seen_ = TakeSnapshot(doc_);
    const int typing = label.isEmpty() && typedInto_ ? typingSession_ : 0;
    stack_.push(new Step(*this, std::move(change), name, typing));
    lastRecorded_ = static_cast<const Step*>(stack_.command(stack_.index() - 1));
}

void DocumentHistory::hold() {
    held_ = true;
}

void DocumentHistory::release(const QString& label) {
    held_ = false;
    record(label);
}

void DocumentHistory::reset() {
    stack_.clear();
    seen_ = TakeSnapshot(doc_);
    lastRecorded_ = nullptr;
    typeInto(nullptr);
    held_ = false;
}

void DocumentHistory::undo() {
    record();  // a change not yet taken is undone first
    stack_.undo();
}

void DocumentHistory::redo() {
    record();  // a change made since the last undo ends the redo steps
    stack_.redo();
}

void DocumentHistory::apply(const ContentChange& change, bool forward) {
    ApplyChange(doc_, change, forward);
    seen_ = TakeSnapshot(doc_);
    lastRecorded_ = nullptr;
    const bool modeChanged =
        change.mode && (*change.mode)[0].CountryMode != (*change.mode)[1].CountryMode;
    if (!modeChanged) doc_.notify([](DocumentListener& l) { l.DocumentRestored(); });
    emit restored(modeChanged);
}

std::size_t DocumentHistory::bytes() const {
    std::size_t total = 0;
    for (int i = 0; i < stack_.count(); ++i)
        total += static_cast<const Step*>(stack_.command(i))->bytes();
    return total;
}

}  // namespace k7x
