#include "shell/ui/ModelInfoDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "shell/Models.h"
#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

namespace {

constexpr int kModeCount = 3;

}  // namespace

FrmModelInfo::FrmModelInfo(DocumentState& doc, Prompts& prompts, std::function<void()> loadNewDoc,
                           QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts), loadNewDoc_(std::move(loadNewDoc)) {
    setObjectName(QStringLiteral("FrmModelInfo"));
    setModal(true);
    loading_ = true;

    for (int i = 0; i < 3; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    auto makeCombo = [this](const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setMinimumWidth(180);
        return combo;
    };
    Combo1 = makeCombo("Combo1");
    Combo3 = makeCombo("Combo3");
    Combo2 = makeCombo("Combo2");
    MoveFocusOnEnter(*Combo1);
    MoveFocusOnEnter(*Combo2);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, prompts_);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmModelInfo::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmModelInfo::CommandCancel_Click);

    auto* form = new QFormLayout;
    form->addRow(Label1[0], Combo1);
    form->addRow(Label1[1], Combo3);
    form->addRow(Label1[2], Combo2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));

    setWindowTitle(LangText(prompts_, kTextModelCaption));
    for (int i = 0; i < 3; ++i) Label1[i]->setText(LangText(prompts_, kTextModelFirstLabel + i));

    Combo1->addItem(QString::fromStdString(ModelDisplayName(kModelName)));
    const int model = Combo1->findText(QString::fromStdString(ModelDisplayName(doc_.CurrentModel)));
    Combo1->setCurrentIndex(model < 0 ? 0 : model);

    for (int mode = 0; mode < kModeCount; ++mode) {
        Combo2->addItem(QString::fromStdString(BandTextOfMode(mode).value_or("")));
        Combo3->addItem(QString::fromStdString(CountryModeName(mode)));
    }
    const int mode = doc_.CurrentCountryMode;
    Combo3->setCurrentIndex(mode >= 0 && mode < kModeCount ? mode : 0);
    Combo2->setCurrentIndex(Combo3->currentIndex());
    // Choosing a country mode moves the band along; choosing a band leaves the mode alone.
    connect(Combo3, &QComboBox::currentIndexChanged, this, &FrmModelInfo::Combo3_Click);

    loading_ = false;
}

void FrmModelInfo::Combo3_Click() {
    if (loading_) return;
    Combo2->setCurrentIndex(Combo3->currentIndex());
}

void FrmModelInfo::CommandOK_Click() {
    const int m = Combo2->currentIndex();
    if (m < 0 || m == doc_.CurrentCountryMode) {
        accept();
        return;
    }
    const Answer answer =
        prompts_.message(prompts_.text(kTextCountryModeChange), Buttons::OkCancel, Icon::Warning,
                         prompts_.text(kTextCountryModeChangeTitle));
    if (answer != Answer::Ok) {
        reject();
        return;
    }
    doc_.CurrentCountryMode = static_cast<Int>(m);
    doc_.BandText = BandTextOfMode(m).value_or("");
    doc_.WorkDoc.Header.CountryMode = static_cast<Int>(m);
    doc_.RadioInfo.InfoCountryMode = static_cast<Int>(m);
    ParseBandText(doc_, doc_.BandText);
    if (loadNewDoc_) loadNewDoc_();
    accept();
}

void FrmModelInfo::CommandCancel_Click() {
    reject();
}

}  // namespace k7x
