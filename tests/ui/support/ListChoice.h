// A user's choice from a list, as a click in its popup or Enter on one of its entries makes it:
// the list shows the entry and reports it activated, even when it showed that entry already.
// Selecting an entry from code (setCurrentIndex) is what the windows do while they fill and
// show their lists, and stores nothing.
#pragma once

#include <QComboBox>
#include <QString>

namespace k7x::test {

inline void ChooseEntry(QComboBox& list, int index) {
    list.setCurrentIndex(index);
    emit list.activated(index);
}

inline void ChooseEntry(QComboBox& list, const QString& text) {
    ChooseEntry(list, list.findText(text));
}

}  // namespace k7x::test
