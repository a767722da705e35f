#include "settings/FrmKey.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <span>

#include "codeplug/SettingChoices.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kLabelGapTwips = 100;  // between Label1's right edge and the key-mode list
constexpr int kListWidthTwips = 1215;

QComboBox* MakeKeyList(QWidget* parent, const QString& name, const QStringList& entries) {
    QComboBox* list = MakeList(parent, name, kListWidthTwips);
    list->addItems(entries);
    return list;
}

QStringList NameList(std::span<const std::string_view> names) {
    QStringList list;
    for (std::string_view name : names)
        list.append(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return list;
}

}  // namespace

const QStringList& FrmKey::KeyModeNames() {
    static const QStringList names = NameList(kKeyModeNames);
    return names;
}

const QStringList& FrmKey::KeyFunctionNames() {
    static const QStringList names = NameList(kKeyFunctionNames);
    return names;
}

FrmKey::FrmKey(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    loading_ = true;
    Combo2 = MakeKeyList(this, QStringLiteral("Combo2"), KeyModeNames());
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(Combo2);
    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(TwipsToPixels(kLabelGapTwips));
    modeRow->addWidget(Label1);
    modeRow->addWidget(Combo2);
    modeRow->addStretch(1);
    connect(Combo2, &QComboBox::activated, this, &FrmKey::Combo2_Click);

    auto* frames = new QHBoxLayout;
    for (int mode = 0; mode < kKeyModeCount; ++mode) frames->addWidget(buildFrame(mode));

    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    connect(CommandClose, &QPushButton::clicked, this, &FrmKey::CommandClose_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modeRow);
    layout->addLayout(frames);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({CommandClose, CommandHelp}));

    // The tab order follows the layout: the key mode, then each frame from top to bottom.
    QWidget* previous = Combo2;
    for (QComboBox* list : Combo1) {
        setTabOrder(previous, list);
        previous = list;
    }
    setTabOrder(previous, CommandClose);
    setTabOrder(CommandClose, CommandHelp);

    applyTexts();
    showValues();
    loading_ = false;
    s_.doc.subscribe(this);
}

FrmKey::~FrmKey() {
    s_.doc.unsubscribe(this);
}

QGroupBox* FrmKey::buildFrame(int mode) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1_%1").arg(mode));
    Frame1[static_cast<std::size_t>(mode)] = frame;
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    for (int k = 0; k < kKeysPerMode; ++k) {
        const int key = mode * kKeysPerMode + k;
        const auto at = static_cast<std::size_t>(key);
        Combo1[at] = MakeKeyList(frame, QStringLiteral("Combo1_%1").arg(key), KeyFunctionNames());
        Label2[at] = new QLabel(QStringLiteral("P%1").arg(k + 1), frame);
        Label2[at]->setObjectName(QStringLiteral("Label2_%1").arg(key));
        Label2[at]->setBuddy(Combo1[at]);
        grid->addWidget(Label2[at], k, 0, Qt::AlignRight);
        grid->addWidget(Combo1[at], k, 1);
        connect(Combo1[at], &QComboBox::activated, this, [this, key] { Combo1_Click(key); });
    }
    return frame;
}

void FrmKey::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextKeyCaption));
    Label1->setText(LangText(s_.prompts, kTextKeyModesLabel));
    for (int mode = 0; mode < kKeyModeCount; ++mode) {
        const QString title =
            LangText(s_.prompts, kTextKeyModeTitle) + QLatin1Char(' ') + QString::number(mode + 1);
        Frame1[static_cast<std::size_t>(mode)]->setTitle(title);
        // Every frame has keys P1 to P6: a screen reader names the frame with the key.
        for (int k = 0; k < kKeysPerMode; ++k) {
            const auto at = static_cast<std::size_t>(mode * kKeysPerMode + k);
            Combo1[at]->setAccessibleName(title + QLatin1Char(' ') + Label2[at]->text());
        }
    }
    SetCloseHelpCaption(*this, s_.prompts);
}

void FrmKey::showValues() {
    const KeyRecord& keys = s_.doc.WorkDoc.Keys;
    ShowByIndex(*Combo2, keys.KeyOption);
    for (int key = 0; key < kKeyListCount; ++key)
        ShowByIndex(*Combo1[static_cast<std::size_t>(key)],
                    keys.KeyFunction[static_cast<std::size_t>(key)] - 1);
}

void FrmKey::DocumentRestored() {
    loading_ = true;
    showValues();
    loading_ = false;
}

void FrmKey::Combo1_Click(int key) {
    const int position = Combo1[static_cast<std::size_t>(key)]->currentIndex();
    if (loading_ || position < 0) return;
    s_.doc.WorkDoc.Keys.KeyFunction[static_cast<std::size_t>(key)] = static_cast<Int>(position + 1);
}

void FrmKey::Combo2_Click() {
    const int position = Combo2->currentIndex();
    if (loading_ || position < 0) return;
    s_.doc.WorkDoc.Keys.KeyOption = static_cast<Int>(position);
}

void FrmKey::CommandClose_Click() {
    CloseEditingWindow(*this);
}

}  // namespace k7x
