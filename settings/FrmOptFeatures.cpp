#include "settings/FrmOptFeatures.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "settings/CommonChannelPanel.h"
#include "settings/RadioSettingsPanel.h"
#include "settings/SettingTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

FrmOptFeatures::FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    const int mode = services.doc.CurrentCountryMode;
    settings_ = new RadioSettingsPanel(services, mode, this);
    common_ = new CommonChannelPanel(services, mode, this);
    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    connect(CommandClose, &QPushButton::clicked, this, &FrmOptFeatures::CommandClose_Click);

    // The buttons sit under the shorter common panel, so the window is no taller than the
    // list of settings and fits the main window's first size.
    auto* right = new QVBoxLayout;
    right->addWidget(common_);
    right->addStretch(1);
    right->addLayout(ButtonRow({CommandClose, CommandHelp}));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(settings_, 0, Qt::AlignTop);
    layout->addLayout(right);
    layout->addStretch(1);

    std::vector<QWidget*> chain = settings_->tabChain();
    for (QWidget* control : common_->tabChain()) chain.push_back(control);
    chain.insert(chain.end(), {CommandClose, CommandHelp});
    SetTabChain(chain);

    applyTexts();
    settings_->showValues();
    common_->showValues();
    s_.doc.subscribe(this);
}

FrmOptFeatures::~FrmOptFeatures() {
    s_.doc.unsubscribe(this);
}

void FrmOptFeatures::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextOptCaption));
    settings_->applyTexts();
    common_->applyTexts();
    SetCloseHelpCaption(*this, s_.prompts);
}

void FrmOptFeatures::DocumentRestored() {
    settings_->showValues();
    // The roger-beep and DTMF lists follow the tone tips and codes, which may have changed.
    common_->showValues();
}

void FrmOptFeatures::ShowRBOpt() {
    common_->showRogerBeeps();
}

void FrmOptFeatures::ShowDtmfLists() {
    common_->showDtmfLists();
}

void FrmOptFeatures::ValidateControls() {
    settings_->commitRatio();
}

void FrmOptFeatures::CommandClose_Click() {
    CloseEditingWindow(*this);
}

void FrmOptFeatures::closeEvent(QCloseEvent* event) {
    ValidateControls();
    event->accept();
}

}  // namespace k7x
