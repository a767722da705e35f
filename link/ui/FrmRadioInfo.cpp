#include "link/ui/FrmRadioInfo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "codeplug/CodeplugFile.h"
#include "codeplug/DocumentState.h"
#include "shell/Models.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kCountryModes = 3;
constexpr int kLabelGapTwips = 50;

// The radio's bytes are single-byte characters; every byte shows as one character.
QString areaText(const std::string& text) {
    const std::size_t nul = text.find('\0');
    const std::string cut = nul == std::string::npos ? text : text.substr(0, nul);
    return QString::fromLatin1(cut.data(), static_cast<qsizetype>(cut.size()));
}

template <std::size_t N>
QString fieldText(const FixedText<N>& field) {
    return areaText(field.str());
}

}  // namespace

QLabel* FrmRadioInfo::makeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* FrmRadioInfo::makeText(int index) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1_%1").arg(index));
    // What is typed here would be kept nowhere; the boxes only show (and let the user copy).
    box->setReadOnly(true);
    Text1[static_cast<std::size_t>(index)] = box;
    return box;
}

FrmRadioInfo::FrmRadioInfo(const RadioInfoRecord& info, Prompts& prompts, bool helpEnabled,
                           QWidget* parent)
    : QWidget(parent), info_(info), prompts_(prompts) {
    setObjectName(QStringLiteral("FrmRadioInfo"));
    setWindowTitle(LangText(prompts, kTextRadioInfoCaption));
    auto text = [&prompts](int number) { return LangText(prompts, number); };

    // The fields from the top, each with its label.
    Combo1_0 = new QComboBox(this);
    Combo1_0->setObjectName(QStringLiteral("Combo1_0"));
    Combo1_0->addItem(QString::fromStdString(ModelDisplayName(kModelName)));
    Combo3 = new QComboBox(this);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo1_1 = new QComboBox(this);
    Combo1_1->setObjectName(QStringLiteral("Combo1_1"));
    for (int mode = 0; mode < kCountryModes; ++mode) {
        Combo3->addItem(QString::fromStdString(CountryModeName(mode)));
        Combo1_1->addItem(QString::fromStdString(BandTextOfMode(mode).value_or(std::string())));
    }
    // The lists show the radio's values; choosing another entry would change nothing. Though
    // disabled, they show those values in the normal text colour, as the text boxes do.
    for (QComboBox* list : {Combo1_0, Combo3, Combo1_1}) {
        QPalette shown = list->palette();
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            shown.setColor(QPalette::Disabled, role, shown.color(QPalette::Active, role));
        list->setPalette(shown);
        list->setEnabled(false);
    }

    for (int i = 0; i < 12; ++i) {
        if (i != 4) makeText(i);
    }
    repairReason_ = new QPlainTextEdit(this);
    repairReason_->setObjectName(QStringLiteral("Text1_4"));
    repairReason_->setReadOnly(true);
    repairReason_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    repairReason_->setFixedHeight(TwipsToPixels(900));
    // The version is fixed information, set apart by the window's own colour.
    QPalette versionPalette = Text1[5]->palette();
    versionPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    Text1[5]->setPalette(versionPalette);

    struct Row {
        QLabel* label;
        QWidget* field;
    };
    auto* reasonLabels = new QWidget(this);
    auto* reasonLayout = new QVBoxLayout(reasonLabels);
    reasonLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* reason1 = makeLabel(QStringLiteral("Label1_5"), text(kTextRadioInfoRepairReason));
    QLabel* reason2 = makeLabel(QStringLiteral("Label1_7"), text(kTextRadioInfoRepairReason2));
    reasonLayout->addWidget(reason1);
    reasonLayout->addWidget(reason2);
    reasonLayout->addStretch(1);

    const std::vector<Row> rows = {
        {makeLabel(QStringLiteral("Label2"), text(kTextRadioInfoSalesArea)), Text1[0]},
        {makeLabel(QStringLiteral("Label1_8"), text(kTextRadioInfoBatch)), Text1[6]},
        {makeLabel(QStringLiteral("Label1_9"), text(kTextRadioInfoCustomer)), Text1[7]},
        {makeLabel(QStringLiteral("Label1_0"), text(kTextRadioInfoModel)), Combo1_0},
        // The mode label has no language text: it keeps its built-in caption.
        {makeLabel(QStringLiteral("Label1_14"), QStringLiteral("模式")), Combo3},
        {makeLabel(QStringLiteral("Label1_1"), text(kTextRadioInfoBand)), Combo1_1},
        {makeLabel(QStringLiteral("Label1_2"), text(kTextRadioInfoSerialNumber)), Text1[1]},
        {makeLabel(QStringLiteral("Label1_3"), text(kTextRadioInfoMade)), Text1[2]},
        {makeLabel(QStringLiteral("Label1_4"), text(kTextRadioInfoRepaired)), Text1[3]},
        {makeLabel(QStringLiteral("Label1_6"), text(kTextRadioInfoVersion)), Text1[5]},
        {nullptr, repairReason_},
    };

    Frame1 = new QGroupBox(text(kTextRadioInfoDealerFrame), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    std::vector<Row> dealerRows;
    for (int i = 0; i < 4; ++i) {
        QLabel* label =
            makeLabel(QStringLiteral("Label1_%1").arg(10 + i), text(kTextRadioInfoDealerLabel + i));
        label->setParent(Frame1);
        Text1[static_cast<std::size_t>(8 + i)]->setParent(Frame1);
        dealerRows.push_back({label, Text1[static_cast<std::size_t>(8 + i)]});
    }

    // Each label names its field, for screen readers and for its mnemonic.
    for (const Row& row : rows)
        if (row.label) row.label->setBuddy(row.field);
    for (const Row& row : dealerRows) row.label->setBuddy(row.field);
    reason1->setBuddy(repairReason_);
    reason2->setBuddy(repairReason_);

    // Every label ends 50 twips before the common left edge of the fields (alignLabels).
    for (const Row& row : rows) {
        if (row.label) outerLabelWidth_ = std::max(outerLabelWidth_, row.label->sizeHint().width());
    }
    outerLabelWidth_ =
        std::max({outerLabelWidth_, reason1->sizeHint().width(), reason2->sizeHint().width()});
    for (const Row& row : dealerRows)
        dealerLabelWidth_ = std::max(dealerLabelWidth_, row.label->sizeHint().width());
    const int gap = TwipsToPixels(kLabelGapTwips);

    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(gap);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row& row = rows[static_cast<std::size_t>(r)];
        grid_->addWidget(row.label ? static_cast<QWidget*>(row.label) : reasonLabels, r, 0);
        grid_->addWidget(row.field, r, 1);
    }
    grid_->setColumnStretch(1, 1);

    dealerGrid_ = new QGridLayout(Frame1);
    dealerGrid_->setHorizontalSpacing(gap);
    for (int r = 0; r < static_cast<int>(dealerRows.size()); ++r) {
        dealerGrid_->addWidget(dealerRows[static_cast<std::size_t>(r)].label, r, 0);
        dealerGrid_->addWidget(dealerRows[static_cast<std::size_t>(r)].field, r, 1);
    }
    dealerGrid_->setColumnStretch(1, 1);

    const CloseHelpButtons buttons = AddCloseHelpButtons(*this, prompts, helpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    connect(CommandClose, &QPushButton::clicked, this, &FrmRadioInfo::CommandClose_Click);

    // The fields scroll when the window is smaller than they are; the buttons stay in sight.
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addLayout(grid_);
    body->addWidget(Frame1);
    body->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollingBody(body, *this), 1);
    layout->addLayout(ButtonRow({CommandClose, CommandHelp}));

    alignLabels();
    ShowByData();
}

void FrmRadioInfo::alignLabels() {
    // The frame's border and margins push its fields to the right; its label column is
    // narrowed by as much, so all fields share one left edge.
    Frame1->parentWidget()->layout()->activate();
    const int outerLeft = grid_->geometry().left();
    const int innerLeft = Frame1->geometry().left() + dealerGrid_->contentsRect().left();
    const int inset = std::max(0, innerLeft - outerLeft);
    const int column = std::max(outerLabelWidth_, dealerLabelWidth_ + inset);
    grid_->setColumnMinimumWidth(0, column);
    dealerGrid_->setColumnMinimumWidth(0, column - inset);
    Frame1->parentWidget()->layout()->activate();
}

void FrmRadioInfo::showEvent(QShowEvent* event) {
    alignLabels();
    QWidget::showEvent(event);
}

void FrmRadioInfo::ShowByData() {
    const int modelIndex =
        Combo1_0->findText(QString::fromStdString(ModelDisplayName(info_.InfoModel)));
    Combo1_0->setCurrentIndex(modelIndex >= 0 ? modelIndex : 0);

    const int mode = info_.InfoCountryMode;
    const bool knownMode = mode >= 0 && mode < kCountryModes;
    Combo3->setCurrentIndex(knownMode ? mode : 0);
    if (const std::optional<std::string> band = BandTextOfMode(mode); band && knownMode) {
        Combo1_1->setCurrentIndex(Combo1_1->findText(QString::fromStdString(*band)));
    } else {
        // The band list is left empty; the rest of the window still shows what the radio sent.
        Combo1_1->setCurrentIndex(-1);
        prompts_.message(kCountryModeError, Buttons::Ok, Icon::None);
    }

    Text1[0]->setText(areaText(info_.SalesAreaCode));
    Text1[1]->setText(fieldText(info_.SerialNumber));
    Text1[2]->setText(fieldText(info_.FactoryDate));
    Text1[3]->setText(fieldText(info_.RepairDate));
    repairReason_->setPlainText(fieldText(info_.RepairReason));
    Text1[5]->setText(areaText(info_.InfoVersion));
    Text1[6]->setText(fieldText(info_.BatchNumber));
    Text1[7]->setText(fieldText(info_.CustomerCode));
    Text1[8]->setText(fieldText(info_.DealerCode));
    Text1[9]->setText(fieldText(info_.StockInTime));
    Text1[10]->setText(fieldText(info_.SaleTime));
    Text1[11]->setText(fieldText(info_.HandledBy));
}

void FrmRadioInfo::CommandClose_Click() {
    CloseEditingWindow(*this);
}

}  // namespace k7x
