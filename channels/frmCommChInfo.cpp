#include "channels/frmCommChInfo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "channels/ChannelsTexts.h"
#include "channels/FrmCHInfoEdit.h"
#include "channels/GridCellEditors.h"
#include "channels/GridColumns.h"
#include "channels/GridCommands.h"
#include "channels/GridTable.h"
#include "channels/GroupLists.h"
#include "channels/GroupPanel.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChildWindows.h"
#include "shell/ui/CountrySelectors.h"
#include "shell/ui/DialogControls.h"
#include "shell/ui/ListControls.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kWindowWidthTwips = 8200;
constexpr int kWindowHeightTwips = 6900;
constexpr int kGroupSelectorWidthTwips = 1215;
constexpr int kEmergencyListWidthTwips = 615;
constexpr int kLabelGapTwips = 50;

}  // namespace

frmCommChInfo::frmCommChInfo(const ChannelWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    setObjectName(kChannelGridWindow);
    s_.state.grid = this;
    s_.state.GridOpen = true;
    s_.doc.subscribe(this);

    buildControls();
    buildLayout();

    // Load
    resize(sizeHint());
    FillGroupLists(s_.doc, s_.doc.CurrentCountryMode, *Combo7, *countries_);
    Label1->setBuddy(s_.doc.CurrentCountryMode == 0 ? Combo9_0 : Combo7);
    MSFlexGrid1->InitShowGrid();
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(editors_->rowHeight());
    ChangShowByLanguage();
    SetGridData();
    Loaded = true;
    if (MSFlexGrid1->positions() > 0) MSFlexGrid1->setCurrentPosition(1, kColFrequency);
    MSFlexGrid1->setFocus();
}

frmCommChInfo::~frmCommChInfo() {
    s_.doc.unsubscribe(this);
    // A grid opened while this one waited for its deletion is the open one now.
    if (s_.state.grid == this) s_.state.GridOpen = false;
    // The editors go before the widgets they watch: a focused editor losing its focus while
    // the window is taken down must not commit into a window half gone.
    editors_.reset();
}

QSize frmCommChInfo::sizeHint() const {
    return {TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips)};
}

void frmCommChInfo::buildControls() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo7 = MakeList(this, QStringLiteral("Combo7"));
    Combo9_0 = MakeList(this, QStringLiteral("Combo9_0"));
    Combo9_1 = MakeList(this, QStringLiteral("Combo9_1"));
    for (QComboBox* selector : {Combo7, Combo9_0})
        selector->setMinimumWidth(TwipsToPixels(kGroupSelectorWidthTwips));
    countries_ = std::make_unique<CountrySelectors>(*Combo9_0, *Combo9_1);
    panel_ = new GroupPanel(*this, s_.doc);
    for (std::size_t i = 1; i <= 2; ++i)
        panel_->Combo8[i]->setMinimumWidth(TwipsToPixels(kEmergencyListWidthTwips));

    MSFlexGrid1 = new GridTable(this);
    editors_ = std::make_unique<GridCellEditors>(*MSFlexGrid1, s_.doc, s_.prompts);
    commands_ = new GridCommands(
        *MSFlexGrid1, s_, [this] { return shownGroup(); }, [this] { editors_->LeaveCellEdit(); });

    CommandCHInfoEdit = new QPushButton(this);
    CommandCHInfoEdit->setObjectName(QStringLiteral("CommandCHInfoEdit"));
    const CloseHelpButtons buttons =
        AddCloseHelpButtons(*this, s_.prompts, s_.settings.HelpEnabled);
    CommandClose = buttons.close;
    CommandHelp = buttons.help;

    connect(Combo7, &QComboBox::currentIndexChanged, this, &frmCommChInfo::Combo7_Click);
    connect(countries_.get(), &CountrySelectors::groupChosen, this, &frmCommChInfo::countryChosen);
    connect(MSFlexGrid1, &GridTable::editRequested, this, [this] { EnterGridEdit(); });
    connect(MSFlexGrid1, &GridTable::editTyped, this, &frmCommChInfo::EnterGridEdit);
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { cellEntered(row); });
    connect(CommandCHInfoEdit, &QPushButton::clicked, this,
            &frmCommChInfo::CommandCHInfoEdit_Click);
    connect(CommandClose, &QPushButton::clicked, this, &frmCommChInfo::CommandClose_Click);
}

void frmCommChInfo::buildLayout() {
    // Each label stands 50 twips left of its list; the settings of the emergency channels sit
    // at the right, the group selector and its sub-selector at the left.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    top->addWidget(Label1, 0, 0);
    top->addWidget(Combo7, 0, 1);
    top->addWidget(Combo9_0, 0, 1);
    auto* beside = new QHBoxLayout;
    beside->setSpacing(TwipsToPixels(kLabelGapTwips));
    beside->addWidget(panel_->Label3[3]);
    beside->addWidget(panel_->Combo8[3]);
    beside->addWidget(Combo9_1);
    top->addLayout(beside, 0, 2);
    top->setColumnStretch(3, 1);
    top->addWidget(panel_->Label3[1], 0, 4);
    top->addWidget(panel_->Combo8[1], 0, 5);
    top->addWidget(panel_->Combo10[0], 0, 6);
    top->addWidget(panel_->Label3[0], 1, 0);
    top->addWidget(panel_->Combo8[0], 1, 1);
    top->addWidget(panel_->Label3[2], 1, 4);
    top->addWidget(panel_->Combo8[2], 1, 5);
    top->addWidget(panel_->Combo10[1], 1, 6);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(ButtonRow({CommandCHInfoEdit, CommandClose, CommandHelp}));

    // Tab follows the layout: the selectors row by row, the grid (and an editor open in it),
    // then the buttons.
    std::vector<QWidget*> order = {Combo7,
                                   Combo9_0,
                                   panel_->Combo8[3],
                                   Combo9_1,
                                   panel_->Combo8[1],
                                   panel_->Combo10[0],
                                   panel_->Combo8[0],
                                   panel_->Combo8[2],
                                   panel_->Combo10[1],
                                   MSFlexGrid1};
    for (QWidget* editor : editors_->widgets()) order.push_back(editor);
    order.insert(order.end(), {CommandCHInfoEdit, CommandClose, CommandHelp});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

int frmCommChInfo::shownGroup() const {
    return Combo7->currentIndex();
}

QBrush frmCommChInfo::frequencyBackground() const {
    // A country channel's frequency is fixed: mode 0 shows it on the window's colour.
    return s_.doc.CurrentCountryMode == 0 ? palette().brush(QPalette::Window)
                                          : QBrush(editors_->editableBackground());
}

void frmCommChInfo::setCaption(int textNumber) {
    const std::string group =
        GroupName(s_.doc.WorkDoc.Options.CurrentGroup, s_.doc.CurrentCountryMode);
    setWindowTitle(LangText(s_.prompts, textNumber) + QLatin1Char(' ') +
                   QString::fromStdString(group) + QStringLiteral(" --- ") + QLatin1Char(' ') +
                   QString::number(s_.state.GridRow) + QLatin1Char(']'));
}

void frmCommChInfo::ChangShowByLanguage() {
    Formatting = true;
    if (MSFlexGrid1->currentRow() >= 0) s_.state.GridRow = MSFlexGrid1->currentPosition();
    Label1->setText(LangText(s_.prompts, kTextGroupLabel));
    Combo9_1->setAccessibleName(Label1->text() + QStringLiteral(" U/UK"));
    panel_->setTexts(s_.prompts);
    setCaption(kTextGroupLabel);
    MSFlexGrid1->setHeaderTexts(s_.prompts);
    MSFlexGrid1->setAccessibleName(Label1->text());
    editors_->setAccessibleNames(s_.prompts);
    CommandCHInfoEdit->setText(LangText(s_.prompts, kTextEditChannelButton));
    SetCloseHelpCaption(*this, s_.prompts);
    Formatting = false;
}

void frmCommChInfo::SetGridData() {
    int group = s_.doc.WorkDoc.Options.CurrentGroup;
    if (group < 0 || group >= Combo7->count()) group = 0;
    {
        // The group change runs below whether or not the index moves.
        const QSignalBlocker block(Combo7);
        Combo7->setCurrentIndex(group);
    }
    Combo7_Click(group);
    if (s_.doc.CurrentCountryMode == 0) countries_->showGroup(group);
}

void frmCommChInfo::Combo7_Click(int index) {
    if (index < 0) return;
    // An editor still open belongs to the group being left.
    editors_->SetEditDisable();
    ChannelWindowState& state = s_.state;
    s_.doc.WorkDoc.Options.CurrentGroup = static_cast<Int>(index);
    state.EditGroup = index;
    const int rows = GroupSize(index, s_.doc.CurrentCountryMode);

    Formatting = true;
    MSFlexGrid1->setUpdatesEnabled(false);
    MSFlexGrid1->setPositions(rows, frequencyBackground());
    if (rows > 0) MSFlexGrid1->setCurrentPosition(1, kColFrequency);
    // Row 1 is the current row now; the caption says so.
    state.GridRow = 1;
    setCaption(kTextGridCaption);
    panel_->showFor(index);
    panel_->ReshowByCh(index);
    showAllRows();
    MSFlexGrid1->setUpdatesEnabled(true);
    Formatting = false;

    if (state.EditPosition > rows) state.EditPosition = 1;
    if (state.EditOpen && state.edit) state.edit->SetGridEditData(true);
}

void frmCommChInfo::showAllRows() {
    const int group = shownGroup();
    const int start = GroupStart(group, s_.doc.CurrentCountryMode);
    const int rows = MSFlexGrid1->positions();
    // The first listed channel of each position is the one shown, as reShowGrid finds it.
    std::vector<int> listed(static_cast<std::size_t>(rows) + 1, -1);
    const int count = std::clamp<int>(s_.doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    for (int i = 0; i < count; ++i) {
        const int position = s_.doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo - start;
        if (position >= 1 && position <= rows && listed[static_cast<std::size_t>(position)] < 0)
            listed[static_cast<std::size_t>(position)] = i;
    }
    for (int position = 1; position <= rows; ++position) {
        const int index = listed[static_cast<std::size_t>(position)];
        if (index < 0) {
            MSFlexGrid1->clearRow(position);
            continue;
        }
        MSFlexGrid1->showRow(
            position, ChannelRowTexts(s_.doc.ChannelList[static_cast<std::size_t>(index)], group,
                                      s_.doc, s_.prompts));
    }
}

void frmCommChInfo::reShowGrid(int channelNo) {
    const int group = shownGroup();
    const int position = channelNo - GroupStart(group, s_.doc.CurrentCountryMode);
    if (position < 1 || position > MSFlexGrid1->positions()) return;
    const int index = FindChannel(s_.doc, channelNo);
    if (index < 0) {
        MSFlexGrid1->clearRow(position);
        return;
    }
    MSFlexGrid1->showRow(position,
                         ChannelRowTexts(s_.doc.ChannelList[static_cast<std::size_t>(index)], group,
                                         s_.doc, s_.prompts));
}

void frmCommChInfo::ReshowByCh() {
    panel_->ReshowByCh(shownGroup());
}

void frmCommChInfo::DocumentRestored() {
    SetEditDisable();
    showAllRows();
    ReshowByCh();
}

void frmCommChInfo::SetEditDisable() {
    editors_->SetEditDisable();
}

void frmCommChInfo::ValidateControls() {
    editors_->LeaveCellEdit();
}

void frmCommChInfo::ChangeGroup() {
    int group = s_.state.EditGroup;
    if (group < 0 || group >= Combo7->count()) group = 0;
    Combo7->setCurrentIndex(group);
    if (s_.doc.CurrentCountryMode == 0) countries_->showGroup(group);
}

void frmCommChInfo::countryChosen(const QString& name) {
    const int index = Combo7->findText(name);
    Combo7->setCurrentIndex(index >= 0 ? index : 0);
}

void frmCommChInfo::cellEntered(int row) {
    if (!Loaded || Formatting || row < 0) return;
    s_.state.GridRow = row + 1;
    setCaption(kTextGridCaption);
}

void frmCommChInfo::EnterGridEdit(const QString& typed) {
    const int row = MSFlexGrid1->currentPosition();
    const int column = MSFlexGrid1->currentColumn();
    if (row < 1 || column < 1) return;
    const int mode = s_.doc.CurrentCountryMode;
    const int group = shownGroup();
    // A country channel's frequency is fixed, and a country position without a channel has
    // nothing to edit: only ">>" works there.
    if (mode == 0 && column == kColFrequency) return;
    if (mode == 0 && column < kGridEditColumn &&
        MSFlexGrid1->cellText(row, kColFrequency).isEmpty())
        return;
    // Duplex and offset are locked while Public is on.
    if ((column == kColDup || column == kColOffset) &&
        MSFlexGrid1->cellText(row, kColPublic) == GridEntryText(kColPublic, 1))
        return;
    if (column == kColScan && IsVfoGroup(group, mode)) return;

    s_.state.EditColumn = column;
    s_.state.EditPosition = row;
    if (column == kGridEditColumn) {
        if (s_.showWindow) s_.showWindow(kChannelEditWindow);
        return;
    }
    editors_->open({group, row, column}, MSFlexGrid1->cellText(row, column), typed);
}

void frmCommChInfo::CommandCHInfoEdit_Click() {
    editors_->CommitCellEdit();
    if (s_.showWindow) s_.showWindow(kChannelEditWindow);
}

void frmCommChInfo::CommandClose_Click() {
    CloseEditingWindow(*this);
}

void frmCommChInfo::watchActivation() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || sub == frame_) return;
    if (frame_) disconnect(frame_, nullptr, this, nullptr);
    frame_ = sub;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                const bool active = now.testFlag(Qt::WindowActive);
                if (before.testFlag(Qt::WindowActive) == active) return;
                // Deactivation ends an open cell edit. The channel edit commands are there
                // while the grid is the active window.
                if (!active) editors_->LeaveCellEdit();
                if (s_.showChannelCommands) s_.showChannelCommands(active);
            });
}

bool frmCommChInfo::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) watchActivation();
    return QWidget::event(event);
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    ValidateControls();
    if (s_.showChannelCommands) s_.showChannelCommands(false);
    if (s_.state.grid == this) s_.state.GridOpen = false;
    event->accept();
}

}  // namespace k7x
