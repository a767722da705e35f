#include "link/ui/FrmRadioDiff.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/LinkTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

FrmRadioDiff::FrmRadioDiff(const std::vector<std::string>& lines, Purpose purpose,
                           const Prompts& prompts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmRadioDiff"));
    setWindowTitle(LangText(prompts, kTextRadioDiffTitle));
    auto* layout = new QVBoxLayout(this);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    for (const std::string& line : lines) List1->addItem(QString::fromStdString(line));
    const bool same = lines.empty();
    const int heading =
        same ? kTextRadioHoldsDocument
             : (purpose == Purpose::BeforeWrite ? kTextWriteWillChange : kTextRadioDiffHeading);
    QLabel* label = MakeBuddyLabel(this, QStringLiteral("Label1"), List1, Qt::AlignLeft);
    label->setText(LangText(prompts, heading));
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(List1, 1);
    List1->setVisible(!same);
    if (!same) List1->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::BeforeWrite) {
        QPushButton* write =
            buttons->addButton(LangText(prompts, kTextWriteButton), QDialogButtonBox::AcceptRole);
        write->setObjectName(QStringLiteral("CommandWrite"));
        write->setDefault(true);
        buttons->addButton(QDialogButtonBox::Cancel)
            ->setObjectName(QStringLiteral("CommandCancel"));
    } else {
        buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CommandClose"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(560, same ? 120 : 360)));
}

}  // namespace k7x
