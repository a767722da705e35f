#include "channels/CurrentCellFrame.h"

#include <QPainter>

namespace k7x {

namespace {

constexpr int kFrameWidth = 2;

}  // namespace

void CurrentCellFrame::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    // The view marks its current cell while it has the focus. Some styles draw their focus
    // rectangle only after a keyboard focus change, and none inside a selected row: the frame
    // is drawn here instead, in the text colour of the cell's background, which every palette
    // keeps readable (light or dark, selected or not).
    QStyleOptionViewItem cell = option;
    const bool current = cell.state.testFlag(QStyle::State_HasFocus);
    cell.state.setFlag(QStyle::State_HasFocus, false);
    QStyledItemDelegate::paint(painter, cell, index);
    if (!current) return;
    const QPalette::ColorRole role =
        cell.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    QPen pen(cell.palette.color(role), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = kFrameWidth / 2;
    painter->drawRect(QRectF(cell.rect).adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

}  // namespace k7x
