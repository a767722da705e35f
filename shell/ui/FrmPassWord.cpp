#include "shell/ui/FrmPassWord.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/Records.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

FrmPassWord::FrmPassWord(const Prompts& prompts, const std::string& stored, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmPassWord"));
    setWindowTitle(LangText(prompts, kTextPasswordCaption));

    Label1 = new QLabel(LangText(prompts, kTextPasswordLabel), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = new QLineEdit(QString::fromStdString(stored), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(TwipsToPixels(1800));
    Label1->setBuddy(Text1);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, prompts);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    // The label ends 50 twips before the text box.
    auto* field = new QHBoxLayout;
    field->setSpacing(TwipsToPixels(50));
    field->addWidget(Label1);
    field->addWidget(Text1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));

    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    Text1->selectAll();
    Text1->setFocus();
}

std::string FrmPassWord::password() const {
    return TrimField(Text1->text().toStdString());
}

}  // namespace k7x
