#include "shell/ui/CsvImportDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "codeplug/Groups.h"
#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

namespace {}  // namespace

std::optional<CsvPlacement> DialogCsvImportChoices::choosePlacement(QWidget* parent,
                                                                    const DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmCsvImport"));
    dialog.setWindowTitle(LangText(prompts_, kTextCsvImportTitle));
    auto* byLocation = new QRadioButton(LangText(prompts_, kTextCsvImportByLocation), &dialog);
    byLocation->setObjectName(QStringLiteral("OptionLocation"));
    byLocation->setChecked(true);
    auto* intoGroup = new QRadioButton(LangText(prompts_, kTextCsvImportIntoGroup), &dialog);
    intoGroup->setObjectName(QStringLiteral("OptionGroup"));
    auto* group = new QComboBox(&dialog);
    group->setObjectName(QStringLiteral("ComboGroup"));
    for (int g = 0; g < GroupCount(mode); ++g)
        group->addItem(QString::fromStdString(GroupName(g, mode)));
    group->setCurrentIndex(
        std::clamp<int>(doc.WorkDoc.Options.CurrentGroup, 0, GroupCount(mode) - 1));
    auto* position = new QSpinBox(&dialog);
    position->setObjectName(QStringLiteral("TextPosition"));
    auto fitPositions = [&] {
        position->setRange(1, std::max(1, GroupSize(group->currentIndex(), mode)));
    };
    fitPositions();
    QObject::connect(group, &QComboBox::currentIndexChanged, &dialog, fitPositions);
    auto enable = [&] {
        group->setEnabled(intoGroup->isChecked());
        position->setEnabled(intoGroup->isChecked());
    };
    enable();
    QObject::connect(intoGroup, &QRadioButton::toggled, &dialog, enable);

    auto* fields = new QGridLayout;
    fields->addWidget(byLocation, 0, 0, 1, 2);
    fields->addWidget(intoGroup, 1, 0, 1, 2);
    QLabel* groupLabel = MakeBuddyLabel(&dialog, QStringLiteral("LabelGroup"), group);
    groupLabel->setText(LangText(prompts_, kTextCsvImportGroup));
    QLabel* positionLabel = MakeBuddyLabel(&dialog, QStringLiteral("LabelPosition"), position);
    positionLabel->setText(LangText(prompts_, kTextCsvImportPosition));
    fields->addWidget(groupLabel, 2, 0);
    fields->addWidget(group, 2, 1);
    fields->addWidget(positionLabel, 3, 0);
    fields->addWidget(position, 3, 1);
    const OkCancelButtons buttons = AddOkCancelButtons(dialog, prompts_);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}));
    SetTabChain({byLocation, intoGroup, group, position, buttons.ok, buttons.cancel});

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (byLocation->isChecked()) return CsvPlacement{};
    return CsvPlacement{false, group->currentIndex(), position->value()};
}

bool DialogCsvImportChoices::takeTheRest(QWidget* parent, const QString& heading,
                                         const QStringList& rows, bool someTaken) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmCsvRefused"));
    dialog.setWindowTitle(LangText(prompts_, kTextCsvImportTitle));
    auto* list = new QPlainTextEdit(rows.join(QLatin1Char('\n')), &dialog);
    list->setObjectName(QStringLiteral("TextRows"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setTabChangesFocus(true);
    QLabel* label = MakeBuddyLabel(&dialog, QStringLiteral("LabelRows"), list,
                                   Qt::AlignLeft | Qt::AlignVCenter);
    label->setText(heading);
    auto* take = new QPushButton(LangText(prompts_, kTextCsvImportTakeRest), &dialog);
    take->setObjectName(QStringLiteral("CommandTakeRest"));
    take->setVisible(someTaken);
    auto* cancel = new QPushButton(LangText(prompts_, kTextCancel), &dialog);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setDefault(true);
    QObject::connect(take, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list, 1);
    layout->addLayout(ButtonRow({take, cancel}));
    dialog.resize(560, 320);
    return dialog.exec() == QDialog::Accepted && someTaken;
}

}  // namespace k7x
