#include "shell/ui/ListControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

QComboBox* MakeList(QWidget* parent, const QString& name, int widthTwips) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    if (widthTwips > 0) list->setFixedWidth(TwipsToPixels(widthTwips));
    MoveFocusOnEnter(*list);
    return list;
}

QLineEdit* MakeField(QWidget* parent, const QString& name, int widthTwips) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(TwipsToPixels(widthTwips));
    return field;
}

void Refill(QComboBox& list, const QStringList& entries) {
    const QSignalBlocker block(&list);
    list.clear();
    list.addItems(entries);
}

void ShowByIndex(QComboBox& list, int index) {
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : 0);
}

void ShowByText(QComboBox& list, const QString& text) {
    ShowByIndex(list, list.findText(text, Qt::MatchExactly));
}

}  // namespace k7x
