#include "settings/RadioSettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "codeplug/Conversions.h"
#include "settings/OptFeatureRatio.h"
#include "settings/PanelLayout.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/CommittingField.h"
#include "shell/ui/CountrySelectors.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"

namespace k7x {

RadioSettingsPanel::RadioSettingsPanel(const SettingsWindowServices& services, int mode,
                                       QWidget* parent)
    : QGroupBox(parent), s_(services), mode_(mode) {
    const BusyScope busy(busy_);
    setObjectName(QStringLiteral("Frame1"));
    QGridLayout* grid = MakePanelGrid(*this);

    Combo3[0] = MakeList(this, QStringLiteral("Combo3_0"), kPanelListWidthTwips);
    Combo3[1] = MakeList(this, QStringLiteral("Combo3_1"), kPanelSubListWidthTwips);
    countries_ = new CountrySelectors(*Combo3[0], *Combo3[1], this);
    connect(countries_, &CountrySelectors::groupChosen, this, &RadioSettingsPanel::countryChosen);

    for (int i = 0; i < kSettingListCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Combo1[at] = MakeList(this, QStringLiteral("Combo1_%1").arg(i), kPanelListWidthTwips);
        Label1[at] = MakeBuddyLabel(this, QStringLiteral("Label1_%1").arg(i), Combo1[at]);
        grid->addWidget(Label1[at], i, 0);
        if (i == kListVfoGroup) {
            auto* row = new QHBoxLayout;
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(Combo1[at]);
            row->addWidget(Combo3[0]);
            row->addWidget(Combo3[1]);
            row->addStretch(1);
            grid->addLayout(row, i, 1);
        } else {
            grid->addWidget(Combo1[at], i, 1, Qt::AlignLeft);
        }
        // A pick of the entry already shown counts too: it replaces a value outside the list.
        connect(Combo1[at], &QComboBox::activated, this, [this, i] { settingChosen(i); });
    }

    Check1 = new QCheckBox(QString::fromLatin1(kRatioCaption), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    MoveFocusOnEnter(*Check1);
    connect(Check1, &QCheckBox::toggled, this, &RadioSettingsPanel::useRatioToggled);
    Text1 = MakeField(this, QStringLiteral("Text1"), kPanelListWidthTwips);
    Text1->setAccessibleName(Check1->text());
    ratioField_ =
        new CommittingField(*Text1, NumericEntry::DigitsAndPoint, [this] { commitRatio(); });
    grid->addWidget(Check1, kSettingListCount, 0, Qt::AlignRight);
    grid->addWidget(Text1, kSettingListCount, 1, Qt::AlignLeft);
    grid->setRowStretch(kSettingListCount + 1, 1);

    const bool countryMode = mode_ == 0;
    Combo1[kListVfoGroup]->setVisible(!countryMode);
    Combo3[0]->setVisible(countryMode);
    Label1[kListVfoGroup]->setBuddy(countryMode ? Combo3[0] : Combo1[kListVfoGroup]);
    fillLists();
}

RadioSettingsPanel::~RadioSettingsPanel() {
    // The field may lose the focus while the panel is torn down; closing took the ratio.
    delete ratioField_;
}

std::vector<QWidget*> RadioSettingsPanel::tabChain() const {
    std::vector<QWidget*> chain;
    for (int i = 0; i < kSettingListCount; ++i) {
        chain.push_back(Combo1[static_cast<std::size_t>(i)]);
        if (i == kListVfoGroup) chain.insert(chain.end(), {Combo3[0], Combo3[1]});
    }
    chain.insert(chain.end(), {Check1, Text1});
    return chain;
}

void RadioSettingsPanel::applyTexts() {
    for (int i = 0; i < kSettingListCount; ++i)
        Label1[static_cast<std::size_t>(i)]->setText(
            LangText(s_.prompts, kTextOptSettingLabel + i));
    // The sub-selector sits beside the country list and shares its label.
    Combo3[1]->setAccessibleName(Label1[kListVfoGroup]->text());
}

void RadioSettingsPanel::fillLists() {
    for (int i = 0; i < kSettingListCount; ++i)
        Refill(*Combo1[static_cast<std::size_t>(i)], SettingEntries(i, s_.doc, s_.prompts));
    countries_->fill();
    // The VFO cannot start in the MEM group, so the country list does not offer it.
    const QSignalBlocker block(Combo3[0]);
    Combo3[0]->removeItem(Combo3[0]->findText(QStringLiteral("MEM"), Qt::MatchExactly));
}

void RadioSettingsPanel::showValues() {
    const BusyScope busy(busy_);
    OptionRecord options = s_.doc.WorkDoc.Options;
    for (int i = 0; i < kSettingListCount; ++i) {
        QComboBox& list = *Combo1[static_cast<std::size_t>(i)];
        const int value = SettingField(options, i);
        if (SettingStorage(i) == ListStorage::Index)
            ShowByIndex(list, value);
        else
            ShowByText(list, QString::number(value));
    }
    if (mode_ == 0) countries_->showGroup(Combo1[kListVfoGroup]->currentIndex());
    Check1->setChecked(options.Setting[kSetUseMaxSwr] == 1);
    Text1->setText(storedRatioText());
}

void RadioSettingsPanel::settingChosen(int list) {
    if (busy_ > 0) return;
    const QComboBox& shown = *Combo1[static_cast<std::size_t>(list)];
    int value = 0;
    if (SettingStorage(list) == ListStorage::Number) {
        value = NumberOrDefault(shown.currentText().toStdString(), 1);
    } else {
        if (shown.currentIndex() < 0) return;
        value = shown.currentIndex();
    }
    SettingField(s_.doc.WorkDoc.Options, list) = static_cast<Int>(value);
}

void RadioSettingsPanel::useRatioToggled(bool checked) {
    if (busy_ > 0) return;
    s_.doc.WorkDoc.Options.Setting[kSetUseMaxSwr] = checked ? 1 : 0;
}

void RadioSettingsPanel::commitRatio() {
    // Passing through the field is no edit: a stored ratio stays as it is until one is typed.
    if (Text1->text() == storedRatioText()) return;
    const int tenths = RatioTenths(Text1->text());
    Text1->setText(RatioText(tenths));
    s_.doc.WorkDoc.Options.Setting[kSetMaxSwr] = static_cast<Int>(tenths);
}

QString RadioSettingsPanel::storedRatioText() const {
    return RatioText(s_.doc.WorkDoc.Options.Setting[kSetMaxSwr]);
}

void RadioSettingsPanel::countryChosen(const QString& name) {
    if (busy_ > 0) return;
    {
        const QSignalBlocker block(Combo1[kListVfoGroup]);
        ShowByText(*Combo1[kListVfoGroup], name);
    }
    settingChosen(kListVfoGroup);
}

}  // namespace k7x
