#include "channels/GridCellEditors.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "channels/GridColumns.h"
#include "channels/GridTable.h"
#include "channels/ShownFrequency.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "shell/ui/Captions.h"
#include "shell/ui/NumericEntry.h"

namespace k7x {

namespace {

constexpr std::array<int, 4> kListColumns = {kColPublic, kColDup, kColTsq, kColScan};
// An editor over a column too narrow to show it (the hidden duplex and offset columns) gets
// this width, so what is typed stays visible.
constexpr int kMinEditorWidth = 60;

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

GridCellEditors::GridCellEditors(GridTable& table, DocumentState& doc, Prompts& prompts)
    : table_(table), doc_(doc), prompts_(prompts) {
    QWidget* host = table.viewport();
    auto makeText = [&](const char* name, NumericEntry entry) {
        auto* box = new QLineEdit(host);
        box->setObjectName(QString::fromLatin1(name));
        RestrictToNumericEntry(*box, entry);
        box->hide();
        box->installEventFilter(this);
        return box;
    };
    Text1 = makeText("Text1", NumericEntry::DigitsAndPoint);
    Text2 = makeText("Text2", NumericEntry::Digits);
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new QComboBox(host);
        list->setObjectName(QStringLiteral("Combo%1_0").arg(i + 1));
        list->addItems(GridListEntries(kListColumns[i]));
        list->hide();
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list] { listChanged(list); });
        lists_[i] = list;
    }
    connect(&table_, &GridTable::leaveRequested, this, &GridCellEditors::LeaveCellEdit);
}

QComboBox* GridCellEditors::listOf(int column) const {
    const auto* it = std::find(kListColumns.begin(), kListColumns.end(), column);
    return it == kListColumns.end() ? nullptr
                                    : lists_[static_cast<std::size_t>(it - kListColumns.begin())];
}

QWidget* GridCellEditors::editorOf(int column) const {
    if (column == kColFrequency) return Text1;
    if (column == kColOffset) return Text2;
    return listOf(column);
}

std::array<QWidget*, 6> GridCellEditors::widgets() const {
    return {Text1, Text2, lists_[0], lists_[1], lists_[2], lists_[3]};
}

QColor GridCellEditors::editableBackground() const {
    return Text1->palette().color(QPalette::Base);
}

int GridCellEditors::rowHeight() const {
    return std::max(lists_[0]->sizeHint().height(), Text1->sizeHint().height());
}

void GridCellEditors::setAccessibleNames(const Prompts& prompts) {
    for (int column = kGridFirstField; column <= kGridLastField; ++column)
        editorOf(column)->setAccessibleName(
            LangText(prompts, kGridHeaderText[static_cast<std::size_t>(column)]));
}

void GridCellEditors::open(const CellEditTarget& target, const QString& cellText,
                           const QString& typed) {
    QWidget* editor = editorOf(target.column);
    if (!editor) return;
    LeaveCellEdit();
    // Scrolling the cell into view would close an editor already placed.
    table_.scrollToItem(table_.item(target.position - 1, target.column));
    target_ = target;
    QRect cell = table_.cellRect(target.position, target.column, kMinEditorWidth);
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setText(target.column == kColOffset
                         ? QString::fromStdString(TrimField(cellText.toStdString()))
                         : cellText);
        box->setGeometry(cell);
    } else {
        auto* list = static_cast<QComboBox*>(editor);
        int index = list->findText(cellText);
        if (index < 0 && (target.column == kColPublic || target.column == kColDup)) index = 0;
        EditorArmed = false;
        if (index >= 0) list->setCurrentIndex(index);
        EditorArmed = true;
        cell.setHeight(list->sizeHint().height());
        list->setGeometry(cell);
    }
    open_ = editor;
    committed_ = currentValue();
    auto* box = qobject_cast<QLineEdit*>(editor);
    // What is typed is an edit of the cell: committed on leaving, and kept from select-all.
    if (box && !typed.isEmpty()) {
        box->setText(typed);
        box->setModified(true);
    }
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    if (box && !box->isModified()) box->selectAll();
}

QString GridCellEditors::currentValue() const {
    if (auto* box = qobject_cast<QLineEdit*>(open_)) return box->text();
    if (auto* list = qobject_cast<QComboBox*>(open_)) return QString::number(list->currentIndex());
    return {};
}

void GridCellEditors::CommitCellEdit() {
    if (!open_ || committing_) return;
    const QString value = currentValue();
    if (value == committed_) return;
    committed_ = value;
    const std::string text =
        target_.column == kColFrequency ? FrequencyForCommit(value) : value.toStdString();
    committing_ = true;
    EditChannelCell(doc_, prompts_, target_.group, target_.position, target_.column, text);
    committing_ = false;
}

void GridCellEditors::SetEditDisable() {
    if (hiding_) return;
    const QWidget* was = open_;
    open_ = nullptr;
    hiding_ = true;
    if (was && was->hasFocus()) table_.setFocus(Qt::OtherFocusReason);
    for (QWidget* editor : widgets()) editor->hide();
    hiding_ = false;
}

void GridCellEditors::LeaveCellEdit() {
    CommitCellEdit();
    SetEditDisable();
}

void GridCellEditors::listChanged(QComboBox* list) {
    // The program's own selection of the cell's entry, as a list opens, is no user choice.
    if (EditorArmed && open_ == list) CommitCellEdit();
}

bool GridCellEditors::textKey(QKeyEvent& key, QLineEdit& box) {
    if (IsEnter(key)) {
        LeaveCellEdit();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        SetEditDisable();
        return true;
    }
    const NumericEntry entry = &box == Text1 ? NumericEntry::DigitsAndPoint : NumericEntry::Digits;
    return !NumericKeyPasses(key, entry);
}

bool GridCellEditors::listKey(QKeyEvent& key) {
    // A choice is committed as it is made; Enter and Escape only put the list away.
    if (IsEnter(key)) {
        LeaveCellEdit();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        SetEditDisable();
        return true;
    }
    return false;
}

bool GridCellEditors::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto& key = *static_cast<QKeyEvent*>(event);
            if (auto* box = qobject_cast<QLineEdit*>(watched)) return textKey(key, *box);
            return listKey(key);
        }
        case QEvent::FocusIn:
            // A box entered afresh shows its text selected; one holding what the user typed
            // keeps the cursor where the typing goes on.
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                QMetaObject::invokeMethod(
                    box,
                    [box] {
                        if (!box->isModified()) box->selectAll();
                    },
                    Qt::QueuedConnection);
            return false;
        case QEvent::FocusOut: {
            // A list's own popup, or a menu opened over the editor, leaves the edit open.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (watched == open_ && !committing_ && !hiding_ && reason != Qt::PopupFocusReason)
                LeaveCellEdit();
            return false;
        }
        default:
            return false;
    }
}

}  // namespace k7x
