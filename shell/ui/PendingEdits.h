// Edits still open in the editing windows: a number typed into a box that stores when the
// edit ends, an in-cell editor of the grid. Every command that reads, writes or replaces the
// document first commits them, so that what the user typed is what the command sees.
#pragma once

#include <QList>

class QWidget;

namespace k7x {

// Commits an edit still open in the window: its ValidateControls when it has one, otherwise
// by moving the focus off the control that holds the edit, which ends the edit, and back.
void CommitOpenEdit(QWidget& window);
void CommitOpenEdits(const QList<QWidget*>& windows);

}  // namespace k7x
