#include "channels/GridTable.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "channels/CurrentCellFrame.h"
#include "shell/ui/Captions.h"
#include "shell/ui/NumericEntry.h"
#include "shell/ui/ReadableColour.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

const QColor kNumberColour(0, 0, 255);
const QColor kHeaderColour(0, 0, 155);
const QColor kEditMarkColour(255, 0, 0);
const QColor kEditMarkBackground(220, 220, 220);

constexpr Qt::ItemFlags kCellFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;

bool PlainKey(const QKeyEvent& event) {
    return event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
}

// A character the frequency editor takes (a digit or a point), typed without a shortcut
// modifier (Shift may be needed for a digit on some layouts); no moving or control key.
bool StartsFrequency(const QKeyEvent& event) {
    const QString text = event.text();
    constexpr Qt::KeyboardModifiers kShortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return text.size() == 1 && text[0].isPrint() && !(event.modifiers() & kShortcut) &&
           NumericKeyPasses(event, NumericEntry::DigitsAndPoint);
}

}  // namespace

GridTable::GridTable(QWidget* parent) : QTableWidget(0, kGridColumnCount, parent) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    // Cells are edited by the grid window's own editors, never by the view.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the table for the next control; the arrow keys move between cells.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setWordWrap(false);
    setItemDelegate(new CurrentCellFrame(this));
    connect(this, &QAbstractItemView::doubleClicked, this, &GridTable::editRequested);
}

void GridTable::InitShowGrid() {
    horizontalHeader()->setFixedHeight(TwipsToPixels(kGridHeaderHeightTwips));
    for (int c = 0; c < kGridColumnCount; ++c) {
        const int width = kGridColumnWidthTwips[static_cast<std::size_t>(c)];
        setColumnWidth(c, TwipsToPixels(width));
        setColumnHidden(c, width == 0);
    }
}

void GridTable::setHeaderTexts(const Prompts& prompts) {
    for (int c = 0; c < kGridColumnCount; ++c) {
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (!header) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(c, header);
        }
        header->setText(LangText(prompts, kGridHeaderText[static_cast<std::size_t>(c)]));
        header->setForeground(
            ReadableColour(kHeaderColour, horizontalHeader()->palette().color(QPalette::Button)));
        header->setTextAlignment(Qt::AlignCenter);
    }
}

QTableWidgetItem* GridTable::makeItem(int position, int column) const {
    auto* item = new QTableWidgetItem;
    item->setFlags(kCellFlags);
    item->setTextAlignment(Qt::AlignCenter);
    // The colours stand out from the palette's background, light or dark.
    const QColor base = palette().color(QPalette::Base);
    if (column == kGridNumberColumn) {
        item->setText(QString::number(position));
        item->setForeground(ReadableColour(kNumberColour, base));
    } else if (column == kGridEditColumn) {
        // The mark sits on a button-like face: light grey, or the palette's own on a dark one.
        const QColor face = IsDark(base) ? palette().color(QPalette::Button) : kEditMarkBackground;
        item->setText(QString::fromLatin1(kGridEditMark));
        item->setForeground(ReadableColour(kEditMarkColour, face));
        item->setBackground(face);
    } else if (column == kColFrequency) {
        item->setBackground(frequencyBackground_);
    }
    return item;
}

void GridTable::setPositions(int rows, const QBrush& frequencyBackground) {
    const int kept = std::min(rowCount(), rows);
    const bool backgroundChanged = frequencyBackground != frequencyBackground_;
    frequencyBackground_ = frequencyBackground;
    setRowCount(rows);
    if (backgroundChanged)
        for (int r = 0; r < kept; ++r) item(r, kColFrequency)->setBackground(frequencyBackground);
    for (int r = kept; r < rows; ++r)
        for (int c = 0; c < kGridColumnCount; ++c) setItem(r, c, makeItem(r + 1, c));
}

void GridTable::showRow(int position, const GridRowTexts& texts) {
    for (int i = 0; i < kGridFieldCount; ++i)
        item(position - 1, kGridFirstField + i)->setText(texts[static_cast<std::size_t>(i)]);
}

void GridTable::clearRow(int position) {
    for (int c = kGridFirstField; c <= kGridLastField; ++c) item(position - 1, c)->setText({});
}

QString GridTable::cellText(int position, int column) const {
    const QTableWidgetItem* cell = item(position - 1, column);
    return cell ? cell->text() : QString();
}

QRect GridTable::cellRect(int position, int column, int minWidth) const {
    QRect rect = visualRect(model()->index(position - 1, column));
    if (rect.width() < minWidth) rect.setWidth(minWidth);
    return rect;
}

void GridTable::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            if (PlainKey(*event)) {
                emit editRequested();
                return;
            }
            break;
        default:
            if (currentColumn() == kColFrequency && StartsFrequency(*event)) {
                emit editTyped(event->text());
                return;
            }
            break;
    }
    QTableWidget::keyPressEvent(event);
}

void GridTable::focusInEvent(QFocusEvent* event) {
    emit leaveRequested();
    QTableWidget::focusInEvent(event);
}

void GridTable::mousePressEvent(QMouseEvent* event) {
    emit leaveRequested();
    QTableWidget::mousePressEvent(event);
}

void GridTable::scrollContentsBy(int dx, int dy) {
    emit leaveRequested();
    QTableWidget::scrollContentsBy(dx, dy);
}

}  // namespace k7x
