#include "channels/Frm_Mem_Freq.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "codeplug/MemFrequency.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kCountryMode = 0;
constexpr int kLabelGapTwips = 100;
constexpr int kFieldWidthTwips = 1815;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

Frm_Mem_Freq::Frm_Mem_Freq(const DocumentState& doc, Prompts& prompts, const QString& frequency,
                           QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts) {
    setObjectName(QStringLiteral("Frm_Mem_Freq"));
    setWindowTitle(QStringLiteral("MEM Frequency"));
    setModal(true);

    // The frequency comes from the chosen channel; it is shown, not typed.
    Text1 = new QLineEdit(frequency, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFixedWidth(TwipsToPixels(kFieldWidthTwips));
    Label1 = MakeLabel(this, "Label1", "Frequency", Text1);
    for (int i = 0; i < 2; ++i) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        list->setMinimumWidth(TwipsToPixels(kFieldWidthTwips));
        MoveFocusOnEnter(*list);
        Combo1[static_cast<std::size_t>(i)] = list;
    }
    Label2[0] = MakeLabel(this, "Label2_0", "Band", Combo1[0]);
    Label2[1] = MakeLabel(this, "Label2_1", "Channel", Combo1[1]);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, prompts);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2[0], 1, 0);
    grid->addWidget(Combo1[0], 1, 1);
    grid->addWidget(Label2[1], 2, 0);
    grid->addWidget(Combo1[1], 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));
    setTabOrder(Text1, Combo1[0]);
    setTabOrder(Combo1[0], Combo1[1]);
    setTabOrder(Combo1[1], CommandOK);
    setTabOrder(CommandOK, CommandCancel);

    Combo1[0]->addItem(QStringLiteral("Off"));
    for (int g = 0; g < kMemSourceGroupCount; ++g)
        Combo1[0]->addItem(QString::fromStdString(GroupName(g, kCountryMode)));

    const std::string typed = frequency.trimmed().toStdString();
    if (const std::optional<double> mhz = ParseNumber(typed)) {
        const int nearest = NearestCountryChannel(*mhz, doc_);
        if (nearest >= 0) {
            const int channelNo = doc_.ChannelList[static_cast<std::size_t>(nearest)].ChannelNo;
            const int group = GroupOfChannel(channelNo, kCountryMode);
            memGroupIndex_ = group + 1;
            memPositionIndex_ = channelNo - GroupStart(group, kCountryMode) - 1;
        }
    }
    Combo1[0]->setCurrentIndex(memGroupIndex_);
    memPositionIndex_ = fillPositions(memGroupIndex_, memPositionIndex_);

    connect(Combo1[0], &QComboBox::currentIndexChanged, this, &Frm_Mem_Freq::countryChanged);
    connect(Combo1[1], &QComboBox::currentIndexChanged, this, &Frm_Mem_Freq::positionChanged);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    Combo1[0]->setFocus();
    busy_ = false;
}

QString Frm_Mem_Freq::frequencyText() const {
    return Text1->text();
}

int Frm_Mem_Freq::fillPositions(int groupIndex, int positionIndex) {
    QComboBox& list = *Combo1[1];
    list.clear();
    if (groupIndex < 1) return -1;
    const int size = GroupSize(groupIndex - 1, kCountryMode);
    for (int p = 1; p <= size; ++p) list.addItem(QString::number(p));
    list.setCurrentIndex(positionIndex >= 0 && positionIndex < size ? positionIndex : 0);
    return list.currentIndex();
}

void Frm_Mem_Freq::showChosenChannel() {
    if (memGroupIndex_ < 1) {
        Text1->clear();
        return;
    }
    // A country channel that is not in the list leaves the frequency as it was.
    if (const std::optional<std::string> offered =
            OfferedMemFrequency(doc_, memGroupIndex_ - 1, memPositionIndex_ + 1))
        Text1->setText(QString::fromStdString(*offered));
}

void Frm_Mem_Freq::countryChanged() {
    if (busy_) return;
    busy_ = true;
    memGroupIndex_ = Combo1[0]->currentIndex();
    memPositionIndex_ = fillPositions(memGroupIndex_, memPositionIndex_);
    showChosenChannel();
    busy_ = false;
}

void Frm_Mem_Freq::positionChanged() {
    if (busy_) return;
    memPositionIndex_ = Combo1[1]->currentIndex();
    showChosenChannel();
}

}  // namespace k7x
