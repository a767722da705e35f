// A numeric text field that commits what was typed when the edit ends (Enter, leaving the
// field), as the editing windows' frequency, offset and ratio fields do.
#pragma once

#include <QObject>
#include <functional>

#include "shell/ui/NumericEntry.h"

class QLineEdit;

namespace k7x {

// Lets only the characters of entry into field (typed, pasted or dropped) and swallows the
// cut, copy and paste shortcuts. The field's text is selected whole when it takes the focus.
// Enter commits and moves the focus on; moving the focus to another control commits. A window
// switch or a popup menu does not commit: the edit stays pending until the focus really moves.
class CommittingField : public QObject {
    Q_OBJECT
public:
    CommittingField(QLineEdit& field, NumericEntry entry, std::function<void()> commit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& field_;
    NumericEntry entry_;
    std::function<void()> commit_;
};

}  // namespace k7x
