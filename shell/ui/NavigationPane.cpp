#include "shell/ui/NavigationPane.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kKeyRole = Qt::UserRole;

struct TreeNode {
    const char* key;
    int text;
};

// The editing windows below the root, in the order they are listed.
constexpr TreeNode kTreeNodes[] = {
    {"N1", kTextNodeChannels},  {"N2", kTextNodeOptions}, {"N4", kTextNodeDtmf},
    {"N12", kTextNodeToneTips}, {"N8", kTextNodeKeys},    {"N7", kTextNodeRadioInfo},
};

constexpr int kSplitterPixels = 5;

}  // namespace

NavigationPane::NavigationPane(std::function<int()> innerWidthTwips, QWidget* parent)
    : QWidget(parent), innerWidthTwips_(std::move(innerWidthTwips)) {
    setObjectName(QStringLiteral("Picture1"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);

    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setMinimumWidth(1);

    Toolbar1 = new QToolBar(Frame1);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(12, 12));
    Toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: 0px; }"));
    QAction* close = Toolbar1->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton),
                                         QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("TB_CLOSE"));
    close->setToolTip(QStringLiteral("Close"));
    connect(Toolbar1, &QToolBar::actionTriggered, this, [this](QAction* action) {
        if (action->objectName() == QLatin1String("TB_CLOSE")) emit closeClicked();
    });

    TreeView1 = new QTreeWidget(Frame1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setRootIsDecorated(true);
    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { TreeView1_NodeClick(item); });
    // Enter and Space open the current node as a click does.
    TreeView1->installEventFilter(this);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 0, 0);
    header->addWidget(Label1, 1);
    header->addWidget(Toolbar1);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->setSpacing(0);
    frameLayout->addLayout(header);
    frameLayout->addWidget(TreeView1, 1);

    CommandMove = new QPushButton(this);
    CommandMove->setObjectName(QStringLiteral("CommandMove"));
    CommandMove->setFlat(true);
    CommandMove->setFocusPolicy(Qt::NoFocus);
    CommandMove->setFixedWidth(kSplitterPixels);
    CommandMove->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    CommandMove->setCursor(Qt::SizeHorCursor);
    CommandMove->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Frame1, 1);
    layout->addWidget(CommandMove);

    applyWidth();
}

void NavigationPane::LoadTree(const QString& rootText, const Prompts& prompts) {
    TreeView1->clear();
    auto* root = new QTreeWidgetItem(TreeView1, QStringList{rootText});
    root->setData(0, kKeyRole, QStringLiteral("N0"));
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    for (const TreeNode& node : kTreeNodes) {
        auto* item = new QTreeWidgetItem(root, QStringList{LangText(prompts, node.text)});
        item->setData(0, kKeyRole, QString::fromLatin1(node.key));
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    }
    root->setExpanded(true);
}

void NavigationPane::setModelText(const QString& text) {
    Label1->setText(text);
    if (QTreeWidgetItem* root = TreeView1->topLevelItem(0)) root->setText(0, text);
}

void NavigationPane::TreeView1_NodeClick(QTreeWidgetItem* item) {
    if (item) emit nodeClicked(item->data(0, kKeyRole).toString());
}

void NavigationPane::CommandMove_MouseDown() {
    moveTree_ = true;
}

void NavigationPane::CommandMove_MouseUp() {
    moveTree_ = false;
}

void NavigationPane::CommandMove_MouseMove(int xTwips) {
    if (!moveTree_) return;
    const int w = widthTwips_ + xTwips;
    if (w < kMinimumWidthTwips || w > innerWidthTwips_()) return;
    widthTwips_ = w;
    applyWidth();
}

void NavigationPane::applyWidth() {
    setFixedWidth(TwipsToPixels(widthTwips_));
}

bool NavigationPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            TreeView1_NodeClick(TreeView1->currentItem());
            return true;
        }
    }
    if (watched != CommandMove) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                CommandMove_MouseDown();
            return true;
        case QEvent::MouseButtonRelease:
            CommandMove_MouseUp();
            return true;
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            CommandMove_MouseMove(PixelsToTwips(static_cast<int>(mouse->position().x())));
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace k7x
