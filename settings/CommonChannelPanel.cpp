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
    for (int i = kCommonDup; i <= kCommonListLast; ++i) {
        if (!IsCommonList(i)) continue;
        const auto at = static_cast<std::size_t>(i);
        Combo2[at] = MakeList(this, QStringLiteral("Combo2_%1").arg(i), kPanelListWidthTwips);
        Label3[at] = MakeBuddyLabel(this, QStringLiteral("Label3_%1").arg(i), Combo2[at]);
        grid->addWidget(Label3[at], line, 0);
        grid->addWidget(Combo2[at], line, 1, Qt::AlignLeft);
        ++line;
        connect(Combo2[at], &QComboBox::activated, this, [this, i] { listChosen(i); });
        if (!IsCommonListShown(i, mode_)) {
            Label3[at]->hide();
            Combo2[at]->hide();
        }
        if (i == kCommonDup) {
            // The offset belongs with the duplex direction, and shows where it does.
            grid->addWidget(Label2, line, 0);
            grid->addWidget(Text2, line, 1, Qt::AlignLeft);
            ++line;
            Label2->setVisible(IsCommonListShown(i, mode_));
            Text2->setVisible(IsCommonListShown(i, mode_));
        }
        if (i <= kCommonAmFm) Refill(*Combo2[at], CommonFixedEntries(i));
    }
    grid->setRowStretch(line, 1);
}

CommonChannelPanel::~CommonChannelPanel() {
    // The field may lose the focus while the panel is torn down; there is nothing to take then.
    delete offsetField_;
}

std::vector<QWidget*> CommonChannelPanel::tabChain() const {
    std::vector<QWidget*> chain;
    for (int i = kCommonDup; i <= kCommonListLast; ++i) {
        if (!IsCommonList(i)) continue;
        chain.push_back(Combo2[static_cast<std::size_t>(i)]);
        if (i == kCommonDup) chain.push_back(Text2);
    }
    return chain;
}

void CommonChannelPanel::applyTexts() {
    for (int i = kCommonDup; i <= kCommonListLast; ++i)
        if (IsCommonList(i))
            Label3[static_cast<std::size_t>(i)]->setText(
                LangText(s_.prompts, kTextCommonLabel + i));
    setTitle(LangText(s_.prompts, kTextCommonLabel));
    Label2->setText(LangText(s_.prompts, kTextOffsetLabel));
}

void CommonChannelPanel::showValues() {
    const BusyScope busy(busy_);
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (int i = kCommonDup; i <= kCommonAmFm; ++i)
        if (IsCommonList(i))
            ShowByIndex(*Combo2[static_cast<std::size_t>(i)], CommonField(common, i));
    Text2->setText(QString::number(common.OffSetFre));
    showPowerList(common);
    showRogerBeeps();
    showDtmfLists();
}

void CommonChannelPanel::showPowerList(const ChannelRecord& common) {
    const BusyScope busy(busy_);
    QComboBox& power = *Combo2[kCommonTxPower];
    Refill(power, TxPowerEntries(s_.prompts, common.AM_FM == 0));
    ShowByIndex(power, AllowedTxPower(common));
}

void CommonChannelPanel::showRogerBeeps() {
    const BusyScope busy(busy_);
    QComboBox& list = *Combo2[kCommonRbTone];
    Refill(list, RogerBeepEntries(s_.doc.WorkDoc, s_.prompts));
    // The "off" entry stands for every reference the list does not hold.
    ShowByText(list, QString::number(s_.doc.WorkDoc.PublicChannel.RBTone));
}

void CommonChannelPanel::showDtmfLists() {
    const BusyScope busy(busy_);
    const QStringList entries = DtmfEntries(s_.doc.WorkDoc, s_.prompts);
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (const int i : {kCommonDtmfBot, kCommonDtmfEot, kCommonDtmfCall}) {
        QComboBox& list = *Combo2[static_cast<std::size_t>(i)];
        Refill(list, entries);
        ShowByText(list, QString::number(CommonField(common, i)));
    }
}

void CommonChannelPanel::listChosen(int list) {
    if (busy_ > 0) return;
    const QComboBox& shown = *Combo2[static_cast<std::size_t>(list)];
    ChannelRecord& common = s_.doc.WorkDoc.PublicChannel;
    int value = 0;
    if (CommonStorage(list) == ListStorage::Number) {
        value = NumberOrDefault(shown.currentText().toStdString(), 0);
    } else {
        if (shown.currentIndex() < 0) return;
        value = shown.currentIndex();
    }
    CommonField(common, list) = static_cast<Int>(value);
    if (list == kCommonAmFm) {
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

}  // namespace k7x
