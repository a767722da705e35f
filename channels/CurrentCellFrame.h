// Draws a frame around the current cell of a table that selects whole rows, so that a keyboard
// user sees which cell Enter or F2 edits. The frame shows while the table has the focus.
#pragma once

#include <QStyledItemDelegate>

namespace k7x {

class CurrentCellFrame : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace k7x
