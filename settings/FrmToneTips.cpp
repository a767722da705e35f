#include "settings/FrmToneTips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMediaDevices>
#include <QPushButton>
#include <QStringListModel>
#include <QTabBar>
#include <QVBoxLayout>

#include "codeplug/ChannelList.h"
#include "settings/SettingTexts.h"
#include "settings/ToneChart.h"
#include "settings/TonePlayer.h"
#include "settings/ToneTipLists.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kTipCount = 8;
constexpr int kStepsPerColumn = kToneStepCount / 2;

constexpr int kLabelGapTwips = 100;
constexpr int kListWidthTwips = 1095;
constexpr int kListTextLength = 4;
constexpr int kColumnGapTwips = 600;

QComboBox* MakeStepList(QWidget* parent, const QString& name) {
    QComboBox* list = MakeList(parent, name, kListWidthTwips);
    // Sized without measuring every entry: the step lists hold over two hundred each.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListTextLength);
    return list;
}

}  // namespace

FrmToneTips::FrmToneTips(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    const BusyScope busy(busy_);
    player_ = new TonePlayer(this);
    connect(player_, &TonePlayer::finished, this, &FrmToneTips::StopRoutine);
    connect(player_, &TonePlayer::silent, this, &FrmToneTips::ShowSilence);
    buildControls();
    fillLists();
    applyTexts();
    currentTip_ = TabStrip1->currentIndex() + 1;
    ShowTip();
    s_.doc.subscribe(this);
}

FrmToneTips::~FrmToneTips() {
    s_.doc.unsubscribe(this);
}

// ---- building ----

void FrmToneTips::buildControls() {
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setFocusPolicy(Qt::StrongFocus);
    TabStrip1->setExpanding(false);
    for (int n = 1; n <= kTipCount; ++n) TabStrip1->addTab(QString());

    Combo1 = MakeStepList(this, QStringLiteral("Combo1_0"));
    Combo2 = MakeStepList(this, QStringLiteral("Combo2_0"));
    Label1 = MakeBuddyLabel(this, QStringLiteral("Label1_0"), Combo1);
    Label2 = MakeBuddyLabel(this, QStringLiteral("Label2_0"), Combo2);

    // Maps a pitch text to its stored value, the index; never shown.
    Combo5 = new QComboBox(this);
    Combo5->setObjectName(QStringLiteral("Combo5"));
    Combo5->setFocusPolicy(Qt::NoFocus);
    Combo5->hide();

    Picture1 = new ToneChart(this);
    Picture1->setObjectName(QStringLiteral("Picture1_0"));
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1_0"));
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2_0"));
    // Says why a tip is not heard, until a sound output is there.
    LabelSound = new QLabel(this);
    LabelSound->setObjectName(QStringLiteral("LabelSound"));
    LabelSound->setWordWrap(true);
    LabelSound->setBuddy(Command1);  // screen readers tell it with the button it is about
    LabelSound->hide();
    auto* devices = new QMediaDevices(this);
    connect(devices, &QMediaDevices::audioOutputsChanged, this, [this] {
        if (!QMediaDevices::defaultAudioOutput().isNull()) LabelSound->hide();
    });
    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;

    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(TwipsToPixels(kLabelGapTwips));
    settingsRow->addWidget(Label1);
    settingsRow->addWidget(Combo1);
    settingsRow->addSpacing(TwipsToPixels(kColumnGapTwips));
    settingsRow->addWidget(Label2);
    settingsRow->addWidget(Combo2);
    settingsRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(Command1);
    buttonRow->addWidget(Command2);
    buttonRow->addStretch(1);
    buttonRow->addWidget(CommandClose);
    buttonRow->addWidget(CommandHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addLayout(settingsRow);
    layout->addLayout(buildSteps());
    layout->addWidget(Picture1, 1);
    layout->addWidget(LabelSound);
    layout->addLayout(buttonRow);

    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    // The user's choices store, the entry already shown included: it may stand for a stored
    // value outside the list. Showing a tip selects entries without storing.
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Command1, &QPushButton::clicked, this, &FrmToneTips::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmToneTips::StopRoutine);
    connect(CommandClose, &QPushButton::clicked, this, &FrmToneTips::CommandClose_Click);
    setTabChain();
}

QGridLayout* FrmToneTips::buildSteps() {
    // Two columns of seven steps, each step a label, its pitch list and its duration list.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    for (int k = 0; k < kToneStepCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Combo3[i] = MakeStepList(this, QStringLiteral("Combo3_%1").arg(k));
        Combo4[i] = MakeStepList(this, QStringLiteral("Combo4_%1").arg(k));
        Label5[i] = MakeBuddyLabel(this, QStringLiteral("Label5_%1").arg(k), Combo3[i]);
        const int column = (k / kStepsPerColumn) * 4;
        const int row = 1 + k % kStepsPerColumn;
        grid->addWidget(Label5[i], row, column);
        grid->addWidget(Combo3[i], row, column + 1);
        grid->addWidget(Combo4[i], row, column + 2);
        connect(Combo3[i], &QComboBox::activated, this, [this, k] { Combo3_Click(k); });
        connect(Combo4[i], &QComboBox::activated, this, [this, k] { Combo4_Click(k); });
    }
    for (std::size_t c = 0; c < 2; ++c) {
        const auto first = c * kStepsPerColumn;
        const int column = static_cast<int>(c) * 4;
        Label3[c] = MakeBuddyLabel(this, QStringLiteral("Label3_%1").arg(c), Combo3[first],
                                   Qt::AlignLeft | Qt::AlignBottom);
        Label4[c] = MakeBuddyLabel(this, QStringLiteral("Label4_%1").arg(c), Combo4[first],
                                   Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(Label3[c], 0, column + 1);
        grid->addWidget(Label4[c], 0, column + 2);
    }
    grid->setColumnMinimumWidth(3, TwipsToPixels(kColumnGapTwips));
    grid->setColumnStretch(7, 1);
    return grid;
}

void FrmToneTips::fillLists() {
    Combo1->addItems(RepeatCountEntries(s_.prompts));
    Combo5->addItems(
        ToneTipValueEntries({LangText(s_.prompts, kTextToneRest)}, 1, kToneTipHighestValue));

    // The step lists share their entries: one model each for the pitches and the lengths.
    pitches_ = new QStringListModel(PitchEntries(s_.prompts), this);
    milliseconds_ = new QStringListModel(LengthEntries(), this);
    Combo2->setModel(milliseconds_);
    for (std::size_t i = 0; i < kToneStepCount; ++i) {
        Combo3[i]->setModel(pitches_);
        Combo4[i]->setModel(milliseconds_);
    }
}

void FrmToneTips::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextToneTipsCaption));
    const QString tab = LangText(s_.prompts, kTextToneTipTab);
    for (int n = 1; n <= kTipCount; ++n)
        TabStrip1->setTabText(n - 1, tab + QLatin1Char(' ') + QString::number(n));
    Label1->setText(LangText(s_.prompts, kTextRepeatCount));
    Label2->setText(LangText(s_.prompts, kTextRepeatGap));
    const QString pitch = LangText(s_.prompts, kTextPitch);
    const QString duration = LangText(s_.prompts, kTextDuration);
    for (std::size_t c = 0; c < 2; ++c) {
        Label3[c]->setText(pitch);
        Label4[c]->setText(duration);
    }
    for (std::size_t i = 0; i < kToneStepCount; ++i) {
        const QString step = LangText(s_.prompts, kTextFirstStep + static_cast<int>(i));
        Label5[i]->setText(step);
        // The column headings name one list each; every list says which step it belongs to.
        Combo3[i]->setAccessibleName(step + QLatin1Char(' ') + pitch);
        Combo4[i]->setAccessibleName(step + QLatin1Char(' ') + duration);
    }
    Command1->setText(LangText(s_.prompts, kTextToneTipPlay));
    Command2->setText(LangText(s_.prompts, kTextToneTipStop));
    SetCloseHelpCaption(*this, s_.prompts);
}

void FrmToneTips::setTabChain() {
    std::vector<QWidget*> chain = {TabStrip1, Combo1, Combo2};
    for (std::size_t i = 0; i < kToneStepCount; ++i) {
        chain.push_back(Combo3[i]);
        chain.push_back(Combo4[i]);
    }
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(CommandClose), static_cast<QWidget*>(CommandHelp)})
        chain.push_back(w);
    SetTabChain(chain);
}

// ---- showing a tip ----

ToneTipRecord& FrmToneTips::tip() {
    return s_.doc.WorkDoc.ToneTips[static_cast<std::size_t>(currentTip_ - 1)];
}

void FrmToneTips::ShowTip() {
    const BusyScope busy(busy_);
    const ToneTipRecord& shown = tip();
    ShowByIndex(*Combo1, shown.RepeatCount);
    ShowByIndex(*Combo2, shown.RepeatGap);
    for (int k = 0; k < kToneStepCount; ++k) {
        showPitch(k);
        ShowByIndex(*Combo4[static_cast<std::size_t>(k)],
                    shown.Steps[static_cast<std::size_t>(k)].Duration);
    }
    Picture1->showTip(shown);
}

void FrmToneTips::DocumentRestored() {
    StopRoutine();
    ShowTip();
}

void FrmToneTips::showPitch(int step) {
    // The pitch list shows the text the lookup list holds at the stored pitch; a pitch below
    // the list's lowest entry has no such text and shows as a rest, stored as it is.
    const int pitch = tip().Steps[static_cast<std::size_t>(step)].Pitch;
    const QString text = Combo5->itemText(pitch >= 0 && pitch < Combo5->count() ? pitch : 0);
    QComboBox& list = *Combo3[static_cast<std::size_t>(step)];
    const int index = list.findText(text, Qt::MatchExactly);
    list.setCurrentIndex(index >= 0 ? index : 0);
}

// ---- user changes ----

void FrmToneTips::TabStrip1_Click() {
    if (busy_ > 0) return;
    // The chart and the lists now show another tip: what was playing stops.
    StopRoutine();
    currentTip_ = TabStrip1->currentIndex() + 1;
    ShowTip();
}

void FrmToneTips::Combo1_Click() {
    if (busy_ > 0 || Combo1->currentIndex() < 0) return;
    tip().RepeatCount = static_cast<Int>(Combo1->currentIndex());
    // A tip repeated no time is off: the references to it go.
    RevalidateToneTipReferences(s_.doc);
}

void FrmToneTips::Combo2_Click() {
    if (busy_ > 0 || Combo2->currentIndex() < 0) return;
    tip().RepeatGap = static_cast<Int>(Combo2->currentIndex());
}

void FrmToneTips::Combo3_Click(int step) {
    if (busy_ > 0) return;
    const int pitch =
        Combo5->findText(Combo3[static_cast<std::size_t>(step)]->currentText(), Qt::MatchExactly);
    if (pitch < 0) return;
    tip().Steps[static_cast<std::size_t>(step)].Pitch = static_cast<Int>(pitch);
    Picture1->showTip(tip());
}

void FrmToneTips::Combo4_Click(int step) {
    const int index = Combo4[static_cast<std::size_t>(step)]->currentIndex();
    if (busy_ > 0 || index < 0) return;
    tip().Steps[static_cast<std::size_t>(step)].Duration = static_cast<Int>(index);
    Picture1->showTip(tip());
    // A tip whose steps all last no time is off as well.
    RevalidateToneTipReferences(s_.doc);
}

void FrmToneTips::Command1_Click() {
    if (!player_->PreparePlay(tip())) return;
    Command1->setEnabled(false);
    LabelSound->hide();
    player_->PlayToneTip();
}

void FrmToneTips::ShowSilence(ToneOutputProblem why) {
    const int text = why == ToneOutputProblem::NoOutput     ? kTextToneNoOutput
                     : why == ToneOutputProblem::CannotOpen ? kTextToneOutputRefused
                                                            : kTextToneOutputStopped;
    LabelSound->setText(LangText(s_.prompts, text));
    LabelSound->show();
}

void FrmToneTips::StopRoutine() {
    player_->StopPlaying();
    Command1->setEnabled(true);
}

void FrmToneTips::CommandClose_Click() {
    // Inside the main window the frame around the window is what closes.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void FrmToneTips::closeEvent(QCloseEvent* event) {
    StopRoutine();
    event->accept();
}

}  // namespace k7x
