#include "channels/GroupPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QWidget>

#include "channels/ChannelsTexts.h"
#include "channels/GridColumns.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

namespace {

constexpr int kEnableSelector = 3;
constexpr std::size_t kGroupSettings = 10;  // groups with settings of their own

// The list entry equal to text, else the first; an empty list selects nothing.
void SelectText(QComboBox& list, const QString& text) {
    const int index = list.findText(text);
    list.setCurrentIndex(index >= 0 ? index : (list.count() > 0 ? 0 : -1));
}

// The entry at index, else the first; an empty list selects nothing.
void SelectIndex(QComboBox& list, int index) {
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : (list.count() > 0 ? 0 : -1));
}

QString PositionText(int stored) {
    return QString::number(stored + 1);
}

}  // namespace

GroupPanel::GroupPanel(QWidget& window, DocumentState& doc) : QObject(&window), doc_(doc) {
    for (std::size_t i = 0; i < Combo8.size(); ++i) {
        Label3[i] = new QLabel(&window);
        Label3[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        Label3[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Combo8[i] = new QComboBox(&window);
        Combo8[i]->setObjectName(QStringLiteral("Combo8_%1").arg(i));
        Label3[i]->setBuddy(Combo8[i]);
        MoveFocusOnEnter(*Combo8[i]);
    }
    Label3[kEnableSelector]->hide();
    Combo8[kEnableSelector]->addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
    for (std::size_t k = 0; k < Combo10.size(); ++k) {
        Combo10[k] = new QComboBox(&window);
        Combo10[k]->setObjectName(QStringLiteral("Combo10_%1").arg(k));
        Combo10[k]->addItems({QStringLiteral("FM"), QStringLiteral("AM")});
        MoveFocusOnEnter(*Combo10[k]);
    }

    // The user's choices store, the entry already shown included: it may stand for a stored
    // value outside the list. The panel's own selections store nothing.
    auto on = [this](QComboBox* list, auto handler) {
        connect(list, &QComboBox::activated, this, handler);
    };
    on(Combo8[0], [this] { workingChannelChosen(); });
    on(Combo8[1], [this] { emergencyChannelChosen(0); });
    on(Combo8[2], [this] { emergencyChannelChosen(1); });
    on(Combo8[kEnableSelector], [this] { enableChosen(); });
    on(Combo10[0], [this] { modulationChosen(0); });
    on(Combo10[1], [this] { modulationChosen(1); });
}

void GroupPanel::setTexts(const Prompts& prompts) {
    for (int i = 0; i < kEnableSelector; ++i)
        Label3[static_cast<std::size_t>(i)]->setText(LangText(prompts, kTextWorkingChannel + i));
    Label3[kEnableSelector]->setText(LangText(prompts, kTextGroupEnabled));
    // The enable selector and the modulation lists stand without a visible label.
    Combo8[kEnableSelector]->setAccessibleName(Label3[kEnableSelector]->text());
    for (std::size_t k = 0; k < Combo10.size(); ++k)
        Combo10[k]->setAccessibleName(Label3[k + 1]->text() + QStringLiteral(" FM/AM"));
}

bool GroupPanel::hasSettings() const {
    return group_ >= 0 && static_cast<std::size_t>(group_) < kGroupSettings &&
           group_ < MemoryGroupCount(doc_.CurrentCountryMode);
}

void GroupPanel::showFor(int group) {
    const int mode = doc_.CurrentCountryMode;
    const bool vfo = IsVfoGroup(group, mode);
    const bool mem = IsMemGroup(group, mode);
    const bool full = !vfo && !mem;
    Label3[0]->setVisible(!vfo);
    Combo8[0]->setVisible(!vfo);
    for (std::size_t i = 1; i < kEnableSelector; ++i) {
        Label3[i]->setVisible(full);
        Combo8[i]->setVisible(full);
    }
    Label3[kEnableSelector]->hide();
    Combo8[kEnableSelector]->setVisible(full && mode != 0);
    for (QComboBox* list : Combo10) list->setVisible(full);
}

void GroupPanel::ReshowByCh(int group) {
    group_ = group;
    const int mode = doc_.CurrentCountryMode;
    if (IsVfoGroup(group, mode)) return;
    QStringList positions;
    for (int p : PositionsInGroup(doc_, group, mode)) positions.append(QString::number(p));
    const OptionRecord& opt = doc_.WorkDoc.Options;
    auto fill = [&positions](QComboBox& list, int stored) {
        list.clear();
        list.addItems(positions);
        SelectText(list, PositionText(stored));
    };
    if (IsMemGroup(group, mode)) {
        fill(*Combo8[0], opt.CurrentMem);
    } else if (hasSettings()) {
        const auto g = static_cast<std::size_t>(group);
        SelectIndex(*Combo8[kEnableSelector], opt.GroupEnabled[g]);
        fill(*Combo8[0], opt.GroupCurrent[g]);
        fill(*Combo8[1], opt.GroupPair[g][0]);
        fill(*Combo8[2], opt.GroupPair[g][1]);
        SelectIndex(*Combo10[0], opt.GroupBytes[g][0]);
        SelectIndex(*Combo10[1], opt.GroupBytes[g][1]);
        SetFmLock(opt.GroupPair[g][0], 0);
        SetFmLock(opt.GroupPair[g][1], 1);
    }
}

// Channels of "CE" and "UK", and of "DE" from position 41, send FM only.
void GroupPanel::SetFmLock(int stored, int k) {
    const std::string name = GroupName(group_, doc_.CurrentCountryMode);
    const bool locked = name == "UK" || name == "CE" || (name == "DE" && stored >= 40);
    QComboBox& list = *Combo10[static_cast<std::size_t>(k)];
    if (locked) {
        {
            const QSignalBlocker block(&list);
            list.setCurrentIndex(0);
        }
        if (hasSettings())
            doc_.WorkDoc.Options
                .GroupBytes[static_cast<std::size_t>(group_)][static_cast<std::size_t>(k)] = 0;
    }
    list.setEnabled(!locked);
}

void GroupPanel::workingChannelChosen() {
    const int number = NumberOrDefault(Combo8[0]->currentText().toStdString(), 0);
    OptionRecord& opt = doc_.WorkDoc.Options;
    if (IsMemGroup(group_, doc_.CurrentCountryMode))
        opt.CurrentMem = static_cast<Int>(number - 1);
    else if (hasSettings())
        opt.GroupCurrent[static_cast<std::size_t>(group_)] = static_cast<Int>(number - 1);
}

void GroupPanel::emergencyChannelChosen(int k) {
    if (!hasSettings()) return;
    Int& pair = doc_.WorkDoc.Options
                    .GroupPair[static_cast<std::size_t>(group_)][static_cast<std::size_t>(k)];
    QComboBox& list = *Combo8[static_cast<std::size_t>(k + 1)];
    if (!list.isHidden())
        pair = static_cast<Int>(NumberOrDefault(list.currentText().toStdString(), 0) - 1);
    SetFmLock(pair, k);
}

void GroupPanel::modulationChosen(int k) {
    if (!hasSettings()) return;
    const int index = Combo10[static_cast<std::size_t>(k)]->currentIndex();
    if (index < 0) return;
    doc_.WorkDoc.Options.GroupBytes[static_cast<std::size_t>(group_)][static_cast<std::size_t>(k)] =
        static_cast<Byte>(index);
}

void GroupPanel::enableChosen() {
    if (!hasSettings()) return;
    const int mode = doc_.CurrentCountryMode;
    QComboBox& list = *Combo8[kEnableSelector];
    Int& enabled = doc_.WorkDoc.Options.GroupEnabled[static_cast<std::size_t>(group_)];
    const int chosen = list.currentIndex();
    int shown = chosen;
    if (CountInGroup(doc_, group_, mode) == 0) {
        // A group without channels cannot be enabled; another group takes over if none is.
        enabled = 0;
        shown = 0;
        EnsureEnabledGroup(doc_);
    } else if (CountOtherEnabledGroups(doc_, group_, mode) > 0) {
        enabled = static_cast<Int>(chosen);
    } else {
        // The last enabled group stays enabled.
        enabled = 1;
        shown = 1;
    }
    if (shown != chosen) list.setCurrentIndex(shown);
}

}  // namespace k7x
