#include "shell/ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ShellTexts.h"
#include "shell/ui/AppIcon.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

QLabel* makeLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(const Prompts& prompts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);

    lblTitle = makeLabel("lblTitle", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel("lblVersion", this);
    lblDescription = makeLabel("lblDescription", this);
    lblDisclaimer = makeLabel("lblDisclaimer", this);
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblDisclaimer->setFont(small);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* logo = new QLabel(this);
    logo->setPixmap(ApplicationIcon().pixmap(64, 64));
    logo->setAlignment(Qt::AlignTop);
    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    heading->addSpacing(8);
    heading->addWidget(lblDescription);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(8);
    top->addLayout(heading, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(rule);
    layout->addWidget(lblDisclaimer);
    layout->addLayout(buttons);

    setWindowTitle(LangText(prompts, kTextAboutCaption));
    lblTitle->setText(LangText(prompts, kTextAboutTitle));
    lblVersion->setText(LangText(prompts, kTextAboutVersion));
    lblDescription->setText(LangText(prompts, kTextAboutDescription));
    lblDisclaimer->setText(LangText(prompts, kTextAboutDisclaimer));
    cmdOK->setText(LangText(prompts, kTextAboutOk));
    resize(480, 280);
}

}  // namespace k7x
