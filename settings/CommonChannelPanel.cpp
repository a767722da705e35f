#include "settings/CommonChannelPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "settings/PanelLayout.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/CommittingField.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"

namespace k7x {

CommonChannelPanel::CommonChannelPanel(const SettingsWindowServices& services, int mode,
                                       QWidget* parent)
    : QGroupBox(parent), s_(services), mode_(mode) {
    const BusyScope busy(busy_);
    setObjectName(QStringLiteral("Frame2"));
    QGridLayout* grid = MakePanelGrid(*this);

    Text2 = MakeField(this, QStringLiteral("Text2"), kPanelListWidthTwips);
    offsetField_ =
        new CommittingField(*Text2, NumericEntry::Digits, [this] { showStoredOffset(); });
    Label2 = MakeBuddyLabel(this, QStringLiteral("Label2_1"), Text2);
    connect(Text2, &QLineEdit::textEdited, this, &CommonChannelPanel::offsetEdited);

    int line = 0;
    for (int i = 1; i <= kCommonControlLast; ++i) {
        const ChannelFieldInfo* field = FieldOfCommonControl(i);
        if (!field) continue;
        const auto at = static_cast<std::size_t>(i);
        Combo2[at] = MakeList(this, QStringLiteral("Combo2_%1").arg(i), kPanelListWidthTwips);
        Label3[at] = MakeBuddyLabel(this, QStringLiteral("Label3_%1").arg(i), Combo2[at]);
        grid->addWidget(Label3[at], line, 0);
        grid->addWidget(Combo2[at], line, 1, Qt::AlignLeft);
        ++line;
        connect(Combo2[at], &QComboBox::activated, this, [this, field] { listChosen(*field); });
        if (!IsFieldOffered(field->column, mode_)) {
            Label3[at]->hide();
            Combo2[at]->hide();
        }
        if (field->column == kColDup) {
            // The offset belongs with the duplex direction, and shows where it does.
            grid->addWidget(Label2, line, 0);
            grid->addWidget(Text2, line, 1, Qt::AlignLeft);
            ++line;
            Label2->setVisible(IsFieldOffered(kColOffset, mode_));
            Text2->setVisible(IsFieldOffered(kColOffset, mode_));
        }
        Refill(*Combo2[at], StaticEntries(field->list));
    }
    grid->setRowStretch(line, 1);
}

CommonChannelPanel::~CommonChannelPanel() {
    // The field may lose the focus while the panel is torn down; there is nothing to take then.
    delete offsetField_;
}

std::vector<QWidget*> CommonChannelPanel::tabChain() const {
    std::vector<QWidget*> chain;
    for (int i = 1; i <= kCommonControlLast; ++i) {
        const ChannelFieldInfo* field = FieldOfCommonControl(i);
        if (!field) continue;
        chain.push_back(Combo2[static_cast<std::size_t>(i)]);
        if (field->column == kColDup) chain.push_back(Text2);
    }
    return chain;
}

void CommonChannelPanel::applyTexts() {
    for (int i = 1; i <= kCommonControlLast; ++i)
        if (FieldOfCommonControl(i))
            Label3[static_cast<std::size_t>(i)]->setText(
                LangText(s_.prompts, kTextCommonLabel + i));
    setTitle(LangText(s_.prompts, kTextCommonLabel));
    Label2->setText(LangText(s_.prompts, kTextOffsetLabel));
}

void CommonChannelPanel::showValues() {
    const BusyScope busy(busy_);
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (int i = 1; i <= kCommonControlLast; ++i) {
        const ChannelFieldInfo* field = FieldOfCommonControl(i);
        // The power, roger-beep and DTMF lists are rebuilt and shown below.
        if (field && field->list != FieldList::TxPower && !StoresNumber(field->list))
            ShowByIndex(*Combo2[static_cast<std::size_t>(i)], ChannelField(common, field->column));
    }
    Text2->setText(QString::number(common.OffSetFre));
    showPowerList(common);
    showRogerBeeps();
    showDtmfLists();
}

void CommonChannelPanel::showPowerList(const ChannelRecord& common) {
    const BusyScope busy(busy_);
    QComboBox& power = listOf(kColTxPower);
    Refill(power, TxPowerEntries(s_.prompts, common.AM_FM == 0));
    ShowByIndex(power, AllowedTxPower(common));
}

void CommonChannelPanel::showRogerBeeps() {
    const BusyScope busy(busy_);
    QComboBox& list = listOf(kColRbTone);
    Refill(list, RogerBeepEntries(s_.doc.WorkDoc, s_.prompts));
    // The "off" entry stands for every reference the list does not hold.
    ShowByText(list, QString::number(s_.doc.WorkDoc.PublicChannel.RBTone));
}

void CommonChannelPanel::showDtmfLists() {
    const BusyScope busy(busy_);
    const QStringList entries = DtmfEntries(s_.doc.WorkDoc, s_.prompts);
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (const ChannelColumn column : {kColDtmfBot, kColDtmfEot, kColDtmfCall}) {
        QComboBox& list = listOf(column);
        Refill(list, entries);
        ShowByText(list, QString::number(ChannelField(common, column)));
    }
}

void CommonChannelPanel::listChosen(const ChannelFieldInfo& field) {
    if (busy_ > 0) return;
    const QComboBox& shown = listOf(field.column);
    ChannelRecord& common = s_.doc.WorkDoc.PublicChannel;
    int value = 0;
    if (StoresNumber(field.list)) {
        value = NumberOrDefault(shown.currentText().toStdString(), 0);
    } else {
        if (shown.currentIndex() < 0) return;
        value = shown.currentIndex();
    }
    common.*field.member = static_cast<Int>(value);
    if (field.column == kColAmFm) {
        common.Tx_Power = static_cast<Int>(AllowedTxPower(common));
        showPowerList(common);
    }
}

void CommonChannelPanel::offsetEdited() {
    if (busy_ > 0) return;
    // Clamped to the range and step of every channel's offset.
    SetChannelField(s_.doc.WorkDoc.PublicChannel, kColOffset, Text2->text().toStdString(), s_.doc);
}

void CommonChannelPanel::showStoredOffset() {
    // Leaving the field shows the offset as stored, clamped to its range and step.
    const QSignalBlocker block(Text2);
    Text2->setText(QString::number(s_.doc.WorkDoc.PublicChannel.OffSetFre));
}

QComboBox& CommonChannelPanel::listOf(ChannelColumn column) const {
    return *Combo2[static_cast<std::size_t>(FieldOf(column).commonControl)];
}

}  // namespace k7x
