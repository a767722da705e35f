#include "settings/FrmOptFeatures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <optional>
#include <utility>
#include <vector>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "settings/OptFeatureRatio.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/CommittingField.h"
#include "shell/ui/CountrySelectors.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kTextCaption = kTextOptCaption;
constexpr int kTextSettingLabel = kTextOptSettingLabel;
constexpr int kTextOffset = kTextOffsetLabel;

constexpr int kIdCommon = 100;
constexpr int kIdOffset = 200;
constexpr int kIdUseRatio = 300;

constexpr int kOffsetMin = 5;
constexpr int kOffsetMax = 1000;
constexpr int kOffsetStep = 5;

constexpr int kLabelGapTwips = 100;
constexpr int kRowSpacing = 3;  // pixels between the rows of lists
constexpr int kListWidthTwips = 1815;
constexpr int kSubListWidthTwips = 900;

// The window's own filling: its change handlers store nothing while it runs.
class LoadingScope {
public:
    explicit LoadingScope(bool& loading) : loading_(loading), was_(std::exchange(loading, true)) {}
    ~LoadingScope() { loading_ = was_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& loading_;
    bool was_;
};

QComboBox* MakeList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setFixedWidth(TwipsToPixels(kListWidthTwips));
    MoveFocusOnEnter(*list);
    return list;
}

QLineEdit* MakeField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(TwipsToPixels(kListWidthTwips));
    return field;
}

void Refill(QComboBox& list, const QStringList& entries) {
    const QSignalBlocker block(&list);
    list.clear();
    list.addItems(entries);
}

// A stored value shown by index: outside the list the first entry is shown.
void ShowByIndex(QComboBox& list, int index) {
    list.setCurrentIndex(FrmOptFeatures::NotInComboList(list, index) ? 0 : index);
}

// A stored number shown by the entry that reads it, else the first entry.
void ShowByNumber(QComboBox& list, int number) {
    ShowByIndex(list, list.findText(QString::number(number), Qt::MatchExactly));
}

void ShowStored(QComboBox& list, ListStorage storage, int value) {
    if (storage == ListStorage::Index)
        ShowByIndex(list, value);
    else
        ShowByNumber(list, value);
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services), mode_(services.doc.CurrentCountryMode) {
    const LoadingScope loading(loading_);
    buildControls();
    fillLists();
    applyModeLayout();
    applyTexts();
    showValues();
    s_.doc.subscribe(this);
}

FrmOptFeatures::~FrmOptFeatures() {
    // The fields may lose the focus while the window's base is torn down; nothing is left
    // to take then (closing took it), and this window no longer exists to do it.
    for (CommittingField* field : fields_) delete field;
    s_.doc.unsubscribe(this);
}

// ---- building ----

void FrmOptFeatures::buildControls() {
    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    connect(CommandClose, &QPushButton::clicked, this, &FrmOptFeatures::CommandClose_Click);

    // The buttons sit under the shorter common frame, so the window is no taller than the
    // list of settings and fits the main window's first size.
    auto* right = new QVBoxLayout;
    right->addWidget(buildCommonFrame());
    right->addStretch(1);
    right->addLayout(ButtonRow({CommandClose, CommandHelp}));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSettingsFrame(), 0, Qt::AlignTop);
    layout->addLayout(right);
    layout->addStretch(1);
    setTabChain();
}

QGroupBox* FrmOptFeatures::buildSettingsFrame() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->setVerticalSpacing(kRowSpacing);

    Combo3[0] = MakeList(Frame1, QStringLiteral("Combo3_0"));
    Combo3[1] = MakeList(Frame1, QStringLiteral("Combo3_1"));
    Combo3[1]->setFixedWidth(TwipsToPixels(kSubListWidthTwips));
    countries_ = new CountrySelectors(*Combo3[0], *Combo3[1], this);
    connect(countries_, &CountrySelectors::groupChosen, this, &FrmOptFeatures::countryChosen);

    for (int i = 0; i < kSettingListCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Combo1[at] = MakeList(Frame1, QStringLiteral("Combo1_%1").arg(i));
        Label1[at] = MakeBuddyLabel(Frame1, QStringLiteral("Label1_%1").arg(i), Combo1[at]);
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
        const auto save = [this, i] {
            if (!loading_) SaveOptFeat(i);
        };
        connect(Combo1[at], &QComboBox::activated, this, save);
    }

    Check1 = new QCheckBox(QString::fromLatin1(kRatioCaption), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    MoveFocusOnEnter(*Check1);
    connect(Check1, &QCheckBox::toggled, this, [this] {
        if (!loading_) SaveOptFeat(kIdUseRatio);
    });
    Text1 = MakeField(Frame1, QStringLiteral("Text1"));
    Text1->setAccessibleName(Check1->text());
    fields_[0] =
        new CommittingField(*Text1, NumericEntry::DigitsAndPoint, [this] { Text1_LostFocus(); });
    grid->addWidget(Check1, kSettingListCount, 0, Qt::AlignRight);
    grid->addWidget(Text1, kSettingListCount, 1, Qt::AlignLeft);
    grid->setRowStretch(kSettingListCount + 1, 1);
    return Frame1;
}

QGroupBox* FrmOptFeatures::buildCommonFrame() {
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(Frame2);
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->setVerticalSpacing(kRowSpacing);

    Text2 = MakeField(Frame2, QStringLiteral("Text2"));
    fields_[1] = new CommittingField(*Text2, NumericEntry::Digits, [this] { Text2_LostFocus(); });
    Label2 = MakeBuddyLabel(Frame2, QStringLiteral("Label2_1"), Text2);
    connect(Text2, &QLineEdit::textEdited, this, [this] {
        if (!loading_) SaveOptFeat(kIdOffset);
    });

    int line = 0;
    for (int i = kCommonDup; i <= kCommonListLast; ++i) {
        if (!IsCommonList(i)) continue;
        const auto at = static_cast<std::size_t>(i);
        Combo2[at] = MakeList(Frame2, QStringLiteral("Combo2_%1").arg(i));
        Label3[at] = MakeBuddyLabel(Frame2, QStringLiteral("Label3_%1").arg(i), Combo2[at]);
        grid->addWidget(Label3[at], line, 0);
        grid->addWidget(Combo2[at], line, 1, Qt::AlignLeft);
        ++line;
        const auto save = [this, i] {
            if (!loading_) SaveOptFeat(kIdCommon + i);
        };
        connect(Combo2[at], &QComboBox::activated, this, save);
        if (i == kCommonDup) {
            // The offset belongs with the duplex direction.
            grid->addWidget(Label2, line, 0);
            grid->addWidget(Text2, line, 1, Qt::AlignLeft);
            ++line;
        }
    }
    grid->setRowStretch(line, 1);
    return Frame2;
}

void FrmOptFeatures::setTabChain() {
    std::vector<QWidget*> chain;
    for (int i = 0; i < kSettingListCount; ++i) {
        chain.push_back(Combo1[static_cast<std::size_t>(i)]);
        if (i == kListVfoGroup) chain.insert(chain.end(), {Combo3[0], Combo3[1]});
    }
    chain.insert(chain.end(), {Check1, Text1});
    for (int i = kCommonDup; i <= kCommonListLast; ++i) {
        if (!IsCommonList(i)) continue;
        chain.push_back(Combo2[static_cast<std::size_t>(i)]);
        if (i == kCommonDup) chain.push_back(Text2);
    }
    chain.insert(chain.end(), {CommandClose, CommandHelp});
    SetTabChain(chain);
}

void FrmOptFeatures::applyModeLayout() {
    auto hideRow = [this](int list) {
        Label3[static_cast<std::size_t>(list)]->hide();
        Combo2[static_cast<std::size_t>(list)]->hide();
    };
    for (int i = kCommonDup; i <= kCommonListLast; ++i)
        if (IsCommonList(i) && !IsCommonListShown(i, mode_)) hideRow(i);
    const bool countryMode = mode_ == 0;
    // CB channels have neither a repeater shift nor a choice of power.
    if (!IsCommonListShown(kCommonDup, mode_)) {
        Label2->hide();
        Text2->hide();
    }
    Combo1[kListVfoGroup]->setVisible(!countryMode);
    Combo3[0]->setVisible(countryMode);
    Label1[kListVfoGroup]->setBuddy(countryMode ? Combo3[0] : Combo1[kListVfoGroup]);
}

void FrmOptFeatures::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextCaption));
    for (int i = 0; i < kSettingListCount; ++i)
        Label1[static_cast<std::size_t>(i)]->setText(LangText(s_.prompts, kTextSettingLabel + i));
    for (int i = kCommonDup; i <= kCommonListLast; ++i)
        if (IsCommonList(i))
            Label3[static_cast<std::size_t>(i)]->setText(
                LangText(s_.prompts, kTextCommonLabel + i));
    Frame2->setTitle(LangText(s_.prompts, kTextCommonLabel));
    Label2->setText(LangText(s_.prompts, kTextOffset));
    // The sub-selector sits beside the country list and shares its label.
    Combo3[1]->setAccessibleName(Label1[kListVfoGroup]->text());
    SetCloseHelpCaption(*this, s_.prompts);
}

void FrmOptFeatures::fillLists() {
    for (int i = 0; i < kSettingListCount; ++i)
        Refill(*Combo1[static_cast<std::size_t>(i)], SettingEntries(i, s_.doc, s_.prompts));
    for (int i = kCommonDup; i <= kCommonAmFm; ++i)
        if (IsCommonList(i)) Refill(*Combo2[static_cast<std::size_t>(i)], CommonFixedEntries(i));
    countries_->fill();
    // The VFO cannot start in the MEM group, so the country list does not offer it.
    const QSignalBlocker block(Combo3[0]);
    Combo3[0]->removeItem(Combo3[0]->findText(QStringLiteral("MEM"), Qt::MatchExactly));
}

// ---- showing ----

void FrmOptFeatures::DocumentRestored() {
    // The roger-beep and DTMF lists follow the tone tips and codes, which may have changed.
    ShowRBOpt();
    ShowDtmfLists();
    showValues();
}

void FrmOptFeatures::showValues() {
    const LoadingScope loading(loading_);
    OptionRecord options = s_.doc.WorkDoc.Options;
    for (int i = 0; i < kSettingListCount; ++i)
        ShowStored(*Combo1[static_cast<std::size_t>(i)], SettingStorage(i),
                   SettingField(options, i));
    if (mode_ == 0) countries_->showGroup(Combo1[kListVfoGroup]->currentIndex());
    Check1->setChecked(options.Setting[kSetUseMaxSwr] == 1);
    Text1->setText(storedRatioText());

    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (int i = kCommonDup; i <= kCommonAmFm; ++i)
        if (IsCommonList(i))
            ShowByIndex(*Combo2[static_cast<std::size_t>(i)], CommonField(common, i));
    Text2->setText(QString::number(common.OffSetFre));
    showPowerList(common);
    ShowRBOpt();
    ShowDtmfLists();
}

void FrmOptFeatures::showPowerList(const ChannelRecord& common) {
    const LoadingScope loading(loading_);
    QComboBox& power = *Combo2[kCommonTxPower];
    Refill(power, TxPowerEntries(s_.prompts, common.AM_FM == 0));
    // AM allows only the two lower levels; a higher one stored shows as the middle level.
    ShowByIndex(power, AllowedTxPower(common));
}

void FrmOptFeatures::ShowRBOpt() {
    const LoadingScope loading(loading_);
    QComboBox& list = *Combo2[kCommonRbTone];
    Refill(list, RogerBeepEntries(s_.doc.WorkDoc, s_.prompts));
    // The "off" entry stands for every reference the list does not hold.
    ShowByNumber(list, s_.doc.WorkDoc.PublicChannel.RBTone);
}

void FrmOptFeatures::ShowDtmfLists() {
    const LoadingScope loading(loading_);
    const QStringList entries = DtmfEntries(s_.doc.WorkDoc, s_.prompts);
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    for (const int i : {kCommonDtmfBot, kCommonDtmfEot, kCommonDtmfCall}) {
        QComboBox& list = *Combo2[static_cast<std::size_t>(i)];
        Refill(list, entries);
        ShowByNumber(list, CommonField(common, i));
    }
}

bool FrmOptFeatures::NotInComboList(const QComboBox& list, int index) {
    return index < 0 || index >= list.count();
}

// ---- storing ----

void FrmOptFeatures::SaveOptFeat(int id) {
    OptionRecord options = s_.doc.WorkDoc.Options;
    ChannelRecord common = s_.doc.WorkDoc.PublicChannel;
    const auto listValue = [](const QComboBox& list, ListStorage storage,
                              int numberDefault) -> std::optional<int> {
        if (storage == ListStorage::Number)
            return NumberOrDefault(list.currentText().toStdString(), numberDefault);
        if (list.currentIndex() < 0) return std::nullopt;
        return list.currentIndex();
    };

    if (id >= 0 && id < kSettingListCount) {
        const auto value = listValue(*Combo1[static_cast<std::size_t>(id)], SettingStorage(id), 1);
        if (!value) return;
        SettingField(options, id) = static_cast<Int>(*value);
    } else if (IsCommonList(id - kIdCommon)) {
        const int list = id - kIdCommon;
        const auto value =
            listValue(*Combo2[static_cast<std::size_t>(list)], CommonStorage(list), 0);
        if (!value) return;
        CommonField(common, list) = static_cast<Int>(*value);
        if (list == kCommonAmFm) common.Tx_Power = static_cast<Int>(AllowedTxPower(common));
    } else if (id == kIdOffset) {
        common.OffSetFre = static_cast<Int>(ClampToStep(Text2->text().toStdString(), kOffsetMin,
                                                        kOffsetMax, kOffsetStep, kOffsetMin));
    } else if (id == kIdUseRatio) {
        options.Setting[kSetUseMaxSwr] = Check1->isChecked() ? 1 : 0;
    } else {
        return;
    }
    s_.doc.WorkDoc.Options = options;
    s_.doc.WorkDoc.PublicChannel = common;
    if (id == kIdCommon + kCommonAmFm) showPowerList(common);
}

void FrmOptFeatures::Text1_LostFocus() {
    // Passing through the field is no edit: a stored ratio stays as it is until one is typed.
    if (Text1->text() == storedRatioText()) return;
    const int tenths = RatioTenths(Text1->text());
    Text1->setText(RatioText(tenths));
    s_.doc.WorkDoc.Options.Setting[kSetMaxSwr] = static_cast<Int>(tenths);
}

QString FrmOptFeatures::storedRatioText() const {
    return RatioText(s_.doc.WorkDoc.Options.Setting[kSetMaxSwr]);
}

void FrmOptFeatures::Text2_LostFocus() {
    const QSignalBlocker block(Text2);
    Text2->setText(QString::number(s_.doc.WorkDoc.PublicChannel.OffSetFre));
}

void FrmOptFeatures::ValidateControls() {
    Text1_LostFocus();
}

void FrmOptFeatures::countryChosen(const QString& name) {
    if (loading_) return;
    {
        const QSignalBlocker block(Combo1[kListVfoGroup]);
        ShowByIndex(*Combo1[kListVfoGroup],
                    Combo1[kListVfoGroup]->findText(name, Qt::MatchExactly));
    }
    SaveOptFeat(kListVfoGroup);
}

void FrmOptFeatures::CommandClose_Click() {
    CloseEditingWindow(*this);
}

void FrmOptFeatures::closeEvent(QCloseEvent* event) {
    ValidateControls();
    event->accept();
}

}  // namespace k7x
