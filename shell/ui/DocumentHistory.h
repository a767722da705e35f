// Undo and redo of every change to the document.
//
// The history does not rely on each window announcing its edits: after every key, click,
// wheel turn or focus change it compares the document with what it last saw, and a
// difference becomes one step named after what changed. Commands that change many things at
// once (a paste, a delete) record their step themselves with a name of their own. Keys typed
// into one text box that stores as it goes merge into one step.
#pragma once

#include <QObject>
#include <QPointer>
#include <QUndoStack>

#include "codeplug/ContentChange.h"
#include "codeplug/Prompts.h"

class QWidget;

namespace k7x {

class DocumentHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest go first.
    static constexpr int kStepLimit = 1000;

    DocumentHistory(DocumentState& doc, const Prompts& prompts, QObject* parent = nullptr);
    ~DocumentHistory() override;

    // Watches the application's input so that edits are recorded as they happen.
    void watchInput();
    // Takes what changed since the last step as one step; label empty: named by what changed.
    // Nothing happens when nothing changed, nor while a change is held back.
    void record(const QString& label = {});
    // Starts afresh from the document as it is now (new, open, read from the radio).
    void reset();
    // A change that takes more than one turn of the event loop (a country mode change
    // rebuilds the document after its dialog closes) is held back, then taken as one step.
    void hold();
    void release(const QString& label);
    bool held() const { return held_; }
    void undo();
    void redo();

    QUndoStack& stack() { return stack_; }
    // The memory the steps hold.
    std::size_t bytes() const;

signals:
    // The document was put back or forward; modeChanged tells that the country mode changed
    // with it, so the windows of the old mode no longer fit.
    void restored(bool modeChanged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Step;
    void apply(const ContentChange& change, bool forward);
    void recordPending();
    void typeInto(QWidget* box);

    DocumentState& doc_;
    const Prompts& prompts_;
    QUndoStack stack_;
    ContentSnapshot seen_;
    const Step* lastRecorded_ = nullptr;  // merges only with the step recorded last
    bool checkPending_ = false;
    bool held_ = false;
    QPointer<QWidget> typedInto_;  // the text box the last key went to
    int typingSession_ = 1;        // counts the changes of typedInto_
};

}  // namespace k7x
