#include "shell/ui/LanguageDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/IniFile.h"
#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

FrmSetLanguage::FrmSetLanguage(AppSettings& settings, const Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setModal(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(200);
    MoveFocusOnEnter(*Combo1);
    Label1->setBuddy(Combo1);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, prompts);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmSetLanguage::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmSetLanguage::CommandCancel_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Combo1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch();
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));

    Combo1->clear();
    setWindowTitle(LangText(prompts, kTextLanguageCaption));
    Label1->setText(LangText(prompts, kTextLanguageLabel));
    Combo1->addItem(LangText(prompts, kTextLanguageEnglish));
    Combo1->addItem(LangText(prompts, kTextLanguageChinese));
    Combo1->setCurrentIndex(settings_.LangIndex - 1);
}

void FrmSetLanguage::CommandOK_Click() {
    const int n = Combo1->currentIndex() + 1;
    if (n >= kEnglish && n <= kChinese && n != settings_.LangIndex) {
        settings_.PrevLangIndex = settings_.LangIndex;
        settings_.LangIndex = static_cast<Int>(n);
        settings_.LangFile = n == kChinese ? kChineseFile : kEnglishFile;
    }
    WriteProfileString(QString::fromStdString(settings_.SetupFilePath), QStringLiteral("language"),
                       QStringLiteral("CurrentLanguage"), QString::number(settings_.LangIndex));
    accept();
}

void FrmSetLanguage::CommandCancel_Click() {
    reject();
}

}  // namespace k7x
