#include "channels/FrmCHInfoEdit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "channels/ChannelEditView.h"
#include "channels/ChannelsTexts.h"
#include "channels/Frm_Mem_Freq.h"
#include "channels/GroupLists.h"
#include "channels/ShownFrequency.h"
#include "channels/frmCommChInfo.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChannelChoices.h"
#include "shell/ui/CommittingField.h"
#include "shell/ui/CountrySelectors.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kLabelGapTwips = 100;
constexpr int kFrequencyWidthTwips = 1815;
constexpr int kMemFrequencyWidthTwips = 1560;  // leaves room for the ">" button
constexpr int kListWidthTwips = 1815;
constexpr int kSubListWidthTwips = 900;
constexpr int kHeightTwipsCountry = 7645;
constexpr int kHeightTwipsBand = 8725;

}  // namespace

FrmCHInfoEdit::FrmCHInfoEdit(const ChannelWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services), mode_(services.doc.CurrentCountryMode) {
    const BusyScope busy(busy_);
    // Disabled fields and lists take the window's background; enabled ones keep the
    // editable one. Enabling a control is then all it takes to show that it can be edited.
    QPalette shade = palette();
    shade.setColor(QPalette::Disabled, QPalette::Base, shade.color(QPalette::Window));
    shade.setColor(QPalette::Disabled, QPalette::Button, shade.color(QPalette::Window));
    setPalette(shade);

    buildControls();
    FillGroupLists(s_.doc, mode_, *Combo4, *countries_);
    // Nothing selected yet: the first display always adopts EditGroup and EditPosition.
    Combo4->setCurrentIndex(-1);
    ShowDtmfLists();
    applyTexts();

    s_.state.edit = this;
    s_.state.EditOpen = true;
    s_.doc.subscribe(this);
    SetGridEditData(true);
}

FrmCHInfoEdit::~FrmCHInfoEdit() {
    // The fields lose the focus while the window's base is torn down; nothing is left to
    // commit then (closing committed), and this window no longer exists to do it.
    for (CommittingField* field : fields_) delete field;
    s_.doc.unsubscribe(this);
    // An edit window opened while this one waited for its deletion is the open one now.
    if (s_.state.edit == this) s_.state.EditOpen = false;
}

// ---- building ----

void FrmCHInfoEdit::buildControls() {
    // The header and the frame scroll when the window is smaller than they are; the buttons
    // stay in sight.
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addLayout(buildHeader());
    body->addWidget(buildFrame(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollingBody(body, *this), 1);

    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;
    layout->addLayout(ButtonRow({CommandClose, CommandHelp}));
    connect(CommandClose, &QPushButton::clicked, this, &FrmCHInfoEdit::CommandClose_Click);

    // Holds the roger-beep reference as text while that list is rebuilt; never shown.
    Combo5 = new QComboBox(this);
    Combo5->setObjectName(QStringLiteral("Combo5"));
    Combo5->hide();
    Combo5->setFocusPolicy(Qt::NoFocus);
    Combo5->addItem(LangText(s_.prompts, kTextRogerBeepOff));
    for (int tip = 1; tip <= static_cast<int>(s_.doc.WorkDoc.ToneTips.size()); ++tip)
        Combo5->addItem(QString::number(tip));

    setTabChain();
}

QGridLayout* FrmCHInfoEdit::buildHeader() {
    Combo4 = MakeList(this, QStringLiteral("Combo4"), kListWidthTwips);
    Combo3[0] = MakeList(this, QStringLiteral("Combo3_0"), kListWidthTwips);
    Combo3[1] = MakeList(this, QStringLiteral("Combo3_1"), kListWidthTwips);
    Combo3[1]->setFixedWidth(TwipsToPixels(kSubListWidthTwips));
    countries_ = new CountrySelectors(*Combo3[0], *Combo3[1], this);
    Label4 = MakeBuddyLabel(this, QStringLiteral("Label4"), mode_ == 0 ? Combo3[0] : Combo4);
    Combo1 = MakeList(this, QStringLiteral("Combo1"), kListWidthTwips);
    Label1 = MakeBuddyLabel(this, QStringLiteral("Label1"), Combo1);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(TwipsToPixels(kFrequencyWidthTwips));
    fields_[0] =
        new CommittingField(*Text1, NumericEntry::DigitsAndPoint, [this] { commitFrequency(); });
    Label2[0] = MakeBuddyLabel(this, QStringLiteral("Label2_0"), Text1);
    Command1 = new QPushButton(QStringLiteral(">"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("MEM Frequency"));
    Command1->setFixedWidth(TwipsToPixels(kFrequencyWidthTwips - kMemFrequencyWidthTwips));
    Command1->hide();

    auto* groupRow = new QHBoxLayout;
    groupRow->setContentsMargins(0, 0, 0, 0);
    groupRow->addWidget(Combo4);
    groupRow->addWidget(Combo3[0]);
    groupRow->addWidget(Combo3[1]);
    groupRow->addStretch(1);
    auto* frequencyRow = new QHBoxLayout;
    frequencyRow->setContentsMargins(0, 0, 0, 0);
    frequencyRow->setSpacing(0);
    frequencyRow->addWidget(Text1);
    frequencyRow->addWidget(Command1);
    frequencyRow->addStretch(1);

    auto* grid = new QGridLayout;
    header_ = grid;
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->addWidget(Label4, 0, 0);
    grid->addLayout(groupRow, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Combo1, 1, 1, Qt::AlignLeft);
    grid->addWidget(Label2[0], 2, 0);
    grid->addLayout(frequencyRow, 2, 1);
    grid->setColumnStretch(1, 1);

    connect(Combo4, &QComboBox::currentIndexChanged, this, [this] { groupListChanged(); });
    connect(countries_, &CountrySelectors::groupChosen, this, &FrmCHInfoEdit::countryChosen);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] {
        if (busy_ == 0) SetGridEditData(false);
    });
    connect(Command1, &QPushButton::clicked, this, &FrmCHInfoEdit::Command1_Click);
    return grid;
}

QGroupBox* FrmCHInfoEdit::buildFrame() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    frameGrid_ = grid;
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->setColumnStretch(1, 1);

    for (const ChannelFieldInfo& field : kChannelFields) {
        const int i = field.editRow;
        if (i == kNoControl) continue;
        QComboBox* list = MakeList(Frame1, QStringLiteral("Combo2_%1").arg(i), kListWidthTwips);
        list->addItems(StaticEntries(field.list));
        Combo2[static_cast<std::size_t>(i)] = list;
        Label3[static_cast<std::size_t>(i)] =
            MakeBuddyLabel(Frame1, QStringLiteral("Label3_%1").arg(i), list);
        connect(list, &QComboBox::activated, this, [this, &field] { rowChanged(field); });
    }
    Text2 = new QLineEdit(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFixedWidth(TwipsToPixels(kListWidthTwips));
    fields_[1] = new CommittingField(*Text2, NumericEntry::Digits, [this] { commitOffset(); });
    Label2[1] = MakeBuddyLabel(Frame1, QStringLiteral("Label2_1"), Text2);

    int line = 0;
    for (const ChannelColumn column : kFrameOrder) {
        const bool offset = column == kColOffset;
        grid->addWidget(offset ? Label2[1] : labelOf(column), line, 0);
        grid->addWidget(offset ? static_cast<QWidget*>(Text2) : &listOf(column), line, 1,
                        Qt::AlignLeft);
        ++line;
    }
    grid->setRowStretch(line, 1);
    return Frame1;
}

void FrmCHInfoEdit::setTabChain() {
    std::vector<QWidget*> chain = {Combo4, Combo3[0], Combo3[1], Combo1, Text1, Command1};
    for (const ChannelColumn column : kFrameOrder)
        chain.push_back(column == kColOffset ? static_cast<QWidget*>(Text2) : &listOf(column));
    chain.push_back(CommandClose);
    chain.push_back(CommandHelp);
    SetTabChain(chain);
}

void FrmCHInfoEdit::applyTexts() {
    setWindowTitle(LangText(s_.prompts, kTextWindowChannelEdit));
    Label4->setText(LangText(s_.prompts, kTextEditGroup));
    Label1->setText(LangText(s_.prompts, kTextEditPosition));
    Label2[0]->setText(LangText(s_.prompts, kTextEditFrequency));
    Label2[1]->setText(LangText(s_.prompts, kTextEditOffset));
    for (const ChannelFieldInfo& field : kChannelFields)
        if (field.editRow != kNoControl)
            labelOf(field.column)
                ->setText(TextOr(s_.prompts, kTextEditRowLabel + field.editRow, field.key));
    // The sub-selector sits beside the country list and shares its label.
    Combo3[1]->setAccessibleName(Label4->text());
    SetCloseHelpCaption(*this, s_.prompts);
    alignLabels();
}

void FrmCHInfoEdit::alignLabels() {
    // Every label ends the same distance before its control: the header's label column is
    // widened by as much as the frame's border and margins push the frame's controls right.
    int width = 0;
    for (const QLabel* label : findChildren<QLabel*>())
        width = std::max(width, label->sizeHint().width());
    Frame1->parentWidget()->layout()->activate();
    const int inset = std::max(0, Frame1->geometry().left() + frameGrid_->contentsRect().left() -
                                      header_->geometry().left());
    header_->setColumnMinimumWidth(0, width + inset);
    frameGrid_->setColumnMinimumWidth(0, width);
    Frame1->parentWidget()->layout()->activate();
}

void FrmCHInfoEdit::showEvent(QShowEvent* event) {
    alignLabels();
    QWidget::showEvent(event);
}

int FrmCHInfoEdit::heightTwips() const {
    return mode_ == 0 ? kHeightTwipsCountry : kHeightTwipsBand;
}

QSize FrmCHInfoEdit::sizeHint() const {
    const QSize content = QWidget::sizeHint();
    return {content.width(), std::max(content.height(), TwipsToPixels(heightTwips()))};
}

// ---- showing the channel ----

int FrmCHInfoEdit::shownGroup() const {
    return Combo4->currentIndex();
}

int FrmCHInfoEdit::shownPosition() const {
    return Combo1->currentIndex() + 1;
}

int FrmCHInfoEdit::shownChannelIndex() const {
    const int group = shownGroup();
    if (group < 0 || Combo1->currentIndex() < 0) return -1;
    return FindChannel(s_.doc, GroupStart(group, mode_) + shownPosition());
}

void FrmCHInfoEdit::SetGridEditData(bool gridChange) {
    const BusyScope busy(busy_);
    adoptEditState(gridChange);
    showChannel();
}

void FrmCHInfoEdit::adoptEditState(bool gridChange) {
    ChannelWindowState& st = s_.state;
    if (gridChange) {
        // A group the window cannot show (left from another country mode) starts over.
        if (st.EditGroup < 0 || st.EditGroup >= Combo4->count()) st.EditGroup = 0;
        if (Combo4->currentIndex() != st.EditGroup) {
            Combo4->setCurrentIndex(st.EditGroup);
            if (mode_ == 0) countries_->showGroup(st.EditGroup);
            ChangShowCHs(st.EditGroup);
            ShowByText(*Combo1, QString::number(st.EditPosition));
        } else if (Combo1->currentIndex() < 0) {
            ShowByText(*Combo1, QString::number(st.EditPosition));
        }
        // Within the same group an open window keeps the channel it shows.
        return;
    }
    const bool groupChanged = shownGroup() >= 0 && shownGroup() != st.EditGroup;
    if (groupChanged) {
        st.EditGroup = shownGroup();
        ChangShowCHs(st.EditGroup);
    }
    if (Combo1->currentIndex() < 0) Combo1->setCurrentIndex(0);
    st.EditPosition = shownPosition();
    // The lists are complete before the grid follows: it redisplays this window on its way.
    if (groupChanged && st.GridOpen && st.grid) st.grid->ChangeGroup();
}

void FrmCHInfoEdit::showChannel() {
    const int group = shownGroup();
    const int position = shownPosition();
    const int index = shownChannelIndex();
    const ChannelRecord* channel =
        index < 0 ? nullptr : &s_.doc.ChannelList[static_cast<std::size_t>(index)];
    const ChannelEditView view = ViewOfPosition(channel, group, position, mode_);
    if (view.mustBecomeFm) {
        // Storing FM redisplays the window.
        EditChannelCell(s_.doc, s_.prompts, group, position, kColAmFm, "0");
        return;
    }

    const bool memGroup = GroupName(group, mode_) == "MEM";
    const int width = TwipsToPixels(memGroup ? kMemFrequencyWidthTwips : kFrequencyWidthTwips);
    if (Text1->minimumWidth() != width) Text1->setFixedWidth(width);
    Command1->setVisible(view.memFrequencyButton);
    Text1->setEnabled(view.frequencyEditable);
    Text1->setText(channel ? QString::fromStdString(ShownFrequency(channel->Frequency.raw(), group,
                                                                   mode_, s_.doc, s_.prompts))
                           : QString());
    Label2[1]->setVisible(view.offsetShown);
    Text2->setVisible(view.offsetShown);
    Text2->setEnabled(view.offsetEditable);
    Text2->setText(channel ? QString::number(channel->OffSetFre) : QString());

    // AM allows only the two lower power levels.
    Refill(listOf(kColTxPower), TxPowerEntries(s_.prompts, view.allPowerLevels));
    for (const ChannelFieldInfo& field : kChannelFields) {
        if (field.editRow == kNoControl) continue;
        const OptionRowView& row = view.rows[field.column];
        QComboBox& list = listOf(field.column);
        labelOf(field.column)->setVisible(row.shown);
        list.setVisible(row.shown);
        list.setEnabled(row.editable);
        if (!channel)
            list.setCurrentIndex(-1);
        else if (!StoresNumber(field.list))
            ShowByIndex(list, row.entry);
    }
    if (channel) {
        selectRogerBeep(*channel);
        selectDtmfReferences(*channel);
    }
}

void FrmCHInfoEdit::ChangShowCHs(int group) {
    const BusyScope busy(busy_);
    QStringList positions;
    const int size = GroupSize(group, mode_);
    positions.reserve(size);
    for (int p = 1; p <= size; ++p) positions.append(QString::number(p));
    Refill(*Combo1, positions);
    Combo1->setCurrentIndex(-1);
}

void FrmCHInfoEdit::DocumentRestored() {
    ShowDtmfLists();
    ShowRB();
    SetGridEditData(false);
}

void FrmCHInfoEdit::ShowRB() {
    const int index = shownChannelIndex();
    if (index < 0) return;
    const BusyScope busy(busy_);
    selectRogerBeep(s_.doc.ChannelList[static_cast<std::size_t>(index)]);
}

void FrmCHInfoEdit::selectRogerBeep(const ChannelRecord& ch) {
    ShowByIndex(*Combo5, ch.RBTone);
    QComboBox& list = listOf(kColRbTone);
    Refill(list, RogerBeepEntries(s_.doc.WorkDoc, s_.prompts));
    ShowByText(list, Combo5->currentText());
}

void FrmCHInfoEdit::ShowDtmfLists() {
    const BusyScope busy(busy_);
    const QStringList entries = DtmfEntries(s_.doc.WorkDoc, s_.prompts);
    for (const ChannelColumn column : {kColDtmfBot, kColDtmfEot, kColDtmfCall}) {
        Refill(listOf(column), entries);
        listOf(column).setCurrentIndex(-1);
    }
    if (const int index = shownChannelIndex(); index >= 0)
        selectDtmfReferences(s_.doc.ChannelList[static_cast<std::size_t>(index)]);
}

void FrmCHInfoEdit::selectDtmfReferences(const ChannelRecord& ch) {
    for (const ChannelColumn column : {kColDtmfBot, kColDtmfEot, kColDtmfCall})
        ShowByText(listOf(column), QString::number(ChannelField(ch, column)));
}

bool FrmCHInfoEdit::IsFixFM(int position, int group, int countryMode) {
    return IsFmOnlyPosition(group, position, countryMode);
}

// ---- user changes ----

void FrmCHInfoEdit::rowChanged(const ChannelFieldInfo& field) {
    if (busy_ > 0) return;
    const QComboBox& list = listOf(field.column);
    if (list.currentIndex() < 0) return;
    const QString value =
        StoresNumber(field.list) ? list.currentText() : QString::number(list.currentIndex());
    // The commit redisplays the window: Public and AM_FM change what else may be edited.
    EditChannelCell(s_.doc, s_.prompts, shownGroup(), shownPosition(), field.column,
                    value.toStdString());
}

QComboBox& FrmCHInfoEdit::listOf(ChannelColumn column) const {
    return *Combo2[static_cast<std::size_t>(FieldOf(column).editRow)];
}

QLabel* FrmCHInfoEdit::labelOf(ChannelColumn column) const {
    return Label3[static_cast<std::size_t>(FieldOf(column).editRow)];
}

void FrmCHInfoEdit::groupListChanged() {
    if (busy_ > 0 || shownGroup() < 0) return;
    if (shownGroup() != s_.state.EditGroup) SetGridEditData(false);
}

void FrmCHInfoEdit::countryChosen(const QString& name) {
    if (busy_ > 0) return;
    ShowByText(*Combo4, name);
}

void FrmCHInfoEdit::commitFrequency() {
    if (committing_ || !Text1->isModified()) return;
    committing_ = true;
    Text1->setModified(false);
    EditChannelCell(s_.doc, s_.prompts, shownGroup(), shownPosition(), kColFrequency,
                    FrequencyForCommit(Text1->text()));
    committing_ = false;
}

void FrmCHInfoEdit::commitOffset() {
    if (committing_ || !Text2->isModified()) return;
    committing_ = true;
    Text2->setModified(false);
    const std::string text = Text2->text().toStdString();
    // A text that is no number (an emptied field) gives the stored offset back.
    if (IsNumeric(text))
        EditChannelCell(s_.doc, s_.prompts, shownGroup(), shownPosition(), kColOffset, text);
    else
        SetGridEditData(false);
    committing_ = false;
}

void FrmCHInfoEdit::ValidateControls() {
    commitFrequency();
    commitOffset();
}

void FrmCHInfoEdit::Command1_Click() {
    if (mode_ != 0 || GroupName(shownGroup(), mode_) != "MEM") return;
    Frm_Mem_Freq dialog(s_.doc, s_.prompts, Text1->text(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    Text1->setText(dialog.frequencyText());
    Text1->setModified(true);
    commitFrequency();
}

void FrmCHInfoEdit::mousePressEvent(QMouseEvent* event) {
    // A click on the free area takes the typed frequency as Enter does.
    if (focusWidget() == Text1) commitFrequency();
    QWidget::mousePressEvent(event);
}

void FrmCHInfoEdit::CommandClose_Click() {
    CloseEditingWindow(*this);
}

void FrmCHInfoEdit::closeEvent(QCloseEvent* event) {
    ValidateControls();
    if (s_.state.edit == this) s_.state.EditOpen = false;
    event->accept();
}

}  // namespace k7x
