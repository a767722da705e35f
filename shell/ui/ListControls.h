// The drop-down lists and entry fields every editing window builds and fills the same way: made
// with a name and a width, refilled without announcing it, and showing a stored value by index
// or by text.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace k7x {

// A list named name, widthTwips wide (0: as wide as its entries), on which Enter moves on as
// Tab does.
QComboBox* MakeList(QWidget* parent, const QString& name, int widthTwips = 0);
// An entry field named name, widthTwips wide.
QLineEdit* MakeField(QWidget* parent, const QString& name, int widthTwips);

// Replaces the entries; the list's change signals stay silent while it does.
void Refill(QComboBox& list, const QStringList& entries);

// A stored value shown by index: outside the list the first entry is shown.
void ShowByIndex(QComboBox& list, int index);
// The entry that reads text, else the first one.
void ShowByText(QComboBox& list, const QString& text);

}  // namespace k7x
