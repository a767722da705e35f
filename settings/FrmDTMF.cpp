#include "settings/FrmDTMF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "codeplug/ChannelList.h"
#include "settings/DtmfCodeEntry.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kTabSettings = 0;
constexpr int kTabOther = 1;  // holds nothing and stays hidden
constexpr int kTabCodes = 2;
constexpr int kCodeRows = 8;  // the codes stand in two columns of eight

constexpr int kListLabelGapTwips = 100;
constexpr int kCodeLabelGapTwips = 20;
constexpr int kCodeColumnGapTwips = 300;

}  // namespace

FrmDTMF::FrmDTMF(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildSettingsTab(), QString());
    SSTab1->addTab(new QWidget(SSTab1), QString());
    SSTab1->addTab(buildCodesTab(), QString());
    SSTab1->setTabVisible(kTabOther, false);
    // The tab strip's keys and wheel may still land on the hidden tab: they step over it.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == kTabOther)
            SSTab1->setCurrentIndex(shownTab_ == kTabSettings ? kTabCodes : kTabSettings);
        else
            shownTab_ = index;
    });
    MoveFocusOnEnter(*SSTab1->tabBar());

    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    connect(CommandClose, &QPushButton::clicked, this, &FrmDTMF::CommandClose_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(ButtonRow({CommandClose, CommandHelp}));

    setTabChain();
    applyTexts();
    showRecord();
    s_.doc.subscribe(this);
}

FrmDTMF::~FrmDTMF() {
    s_.doc.unsubscribe(this);
}

// ---- building ----

QWidget* FrmDTMF::buildSettingsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(TwipsToPixels(kListLabelGapTwips));
    int width = 0;
    for (int k = 0; k < kDtmfListCount; ++k) {
        auto* list = new QComboBox(page);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        entries_[static_cast<std::size_t>(k)] = DtmfSettingEntries(k, s_.prompts);
        list->addItems(entries_[static_cast<std::size_t>(k)]);
        MoveFocusOnEnter(*list);
        // Only a pick by the user stores: filling and showing the list emit nothing here.
        connect(list, &QComboBox::activated, this, [this, k] { Combo1_Click(k); });
        width = std::max(width, list->sizeHint().width());
        Combo1[static_cast<std::size_t>(k)] = list;
        Label1[static_cast<std::size_t>(k)] =
            MakeBuddyLabel(page, QStringLiteral("Label1_%1").arg(k), list);
        grid->addWidget(Label1[static_cast<std::size_t>(k)], k, 0);
        grid->addWidget(list, k, 1, Qt::AlignLeft);
    }
    for (QComboBox* list : Combo1) list->setFixedWidth(width);

    Check1 = new QCheckBox(page);
    Check1->setObjectName(QStringLiteral("Check1"));
    MoveFocusOnEnter(*Check1);
    connect(Check1, &QCheckBox::clicked, this, &FrmDTMF::Check1_Click);
    grid->addWidget(Check1, kDtmfListCount, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(kDtmfListCount + 1, 1);
    return page;
}

QWidget* FrmDTMF::buildCodesTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(TwipsToPixels(kCodeLabelGapTwips));
    const int boxWidth =
        fontMetrics().horizontalAdvance(QString(kDtmfCodeDigits, QLatin1Char('#'))) +
        TwipsToPixels(180);
    for (int i = 0; i < kCodeCount; ++i) {
        auto* box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("Text2_%1").arg(i));
        box->setFixedWidth(boxWidth);
        MakeDtmfCodeBox(*box);
        // textEdited comes from the user only, so showing the codes stores nothing.
        connect(box, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { Text2_Change(i, text); });
        Text2[static_cast<std::size_t>(i)] = box;
        QLabel* label = MakeBuddyLabel(page, QStringLiteral("Label4_%1").arg(i), box);
        label->setText(QString::number(i + 1));
        Label4[static_cast<std::size_t>(i)] = label;
        const int column = i < kCodeRows ? 0 : 3;
        grid->addWidget(label, i % kCodeRows, column);
        grid->addWidget(box, i % kCodeRows, column + 1);
    }
    grid->setColumnMinimumWidth(2, TwipsToPixels(kCodeColumnGapTwips));
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(kCodeRows, 1);
    return page;
}

void FrmDTMF::setTabChain() {
    std::vector<QWidget*> chain = {SSTab1};
    chain.insert(chain.end(), Combo1.begin(), Combo1.end());
    chain.push_back(Check1);
    chain.insert(chain.end(), Text2.begin(), Text2.end());
    chain.push_back(CommandClose);
    chain.push_back(CommandHelp);
    SetTabChain(chain);
}

void FrmDTMF::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextDtmfCaption));
    SSTab1->setTabText(kTabSettings, LangText(s_.prompts, kTextDtmfSettingsTab));
    SSTab1->setTabText(kTabOther, LangText(s_.prompts, kTextDtmfOtherTab));
    SSTab1->setTabText(kTabCodes, LangText(s_.prompts, kTextDtmfCodesTab));
    for (int k = 0; k < kDtmfListCount; ++k)
        Label1[static_cast<std::size_t>(k)]->setText(LangText(s_.prompts, kTextDtmfListLabel + k));
    Check1->setText(LangText(s_.prompts, kTextDtmfCheck));
    SetCloseHelpCaption(*this, s_.prompts);
}

void FrmDTMF::showRecord() {
    const DtmfRecord dtmf = s_.doc.WorkDoc.Dtmf;
    for (std::size_t k = 0; k < kDtmfListCount; ++k)
        Combo1[k]->setCurrentIndex(
            DtmfEntryIndex(static_cast<int>(k), dtmf.DtmfSetting[k], entries_[k]));
    Check1->setChecked(dtmf.DtmfSetting[kDtmfCheckSetting] == 1);
    for (int i = 0; i < kCodeCount; ++i)
        Text2[static_cast<std::size_t>(i)]->setText(
            ShownCode(dtmf.Codes[static_cast<std::size_t>(i)]));
}

// ---- user changes ----

void FrmDTMF::Combo1_Click(int setting) {
    const auto k = static_cast<std::size_t>(setting);
    s_.doc.WorkDoc.Dtmf.DtmfSetting[k] =
        DtmfStoredValue(setting, Combo1[k]->currentIndex(), entries_[k]);
}

void FrmDTMF::Check1_Click(bool checked) {
    s_.doc.WorkDoc.Dtmf.DtmfSetting[kDtmfCheckSetting] = checked ? 1 : 0;
}

void FrmDTMF::Text2_Change(int box, const QString& text) {
    const std::string digits = TrimField(text.toLatin1().toStdString());
    DtmfCode& code = s_.doc.WorkDoc.Dtmf.Codes[static_cast<std::size_t>(box)];
    const bool wasInUse = code.CodeLength > 0;
    code.CodeLength = static_cast<Int>(digits.size());
    code.Digits.set(digits);
    // An emptied code is no longer offered anywhere, so nothing may refer to it.
    if (digits.empty()) ClearDtmfReferences(s_.doc, box + 1);
    // The other windows list the codes in use and show the references to them.
    if (wasInUse != (code.CodeLength > 0) || digits.empty())
        s_.doc.notify([](DocumentListener& l) { l.ShowDtmfLists(); });
}

void FrmDTMF::CommandClose_Click() {
    CloseEditingWindow(*this);
}

}  // namespace k7x
