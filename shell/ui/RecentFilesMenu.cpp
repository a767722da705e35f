#include "shell/ui/RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>

#include "shell/RecentFiles.h"

namespace k7x {
namespace {

constexpr int kEntryWidth = 60;  // average characters

// The home folder as "~", the middle elided to fit the menu, "&" kept from being a mnemonic.
QString entryText(int index, const QString& path, const QFontMetrics& metrics) {
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (home.size() > 1 && shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    shown = metrics.elidedText(shown, Qt::ElideMiddle, metrics.averageCharWidth() * kEntryWidth);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu& menu, QAction* before, RecentFiles& store, QObject* parent)
    : QObject(parent), menu_(menu), store_(store) {
    for (std::size_t i = 0; i < RecentFiles::kMaxFiles; ++i) {
        auto* a = new QAction(&menu_);
        a->setObjectName(QStringLiteral("mnuFileRecent_%1").arg(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, a] { emit chosen(a->data().toString()); });
        menu_.insertAction(before, a);
        entries_ << a;
    }
    separator_ = menu_.insertSeparator(before);
    refresh();
}

void RecentFilesMenu::refresh() {
    const std::vector<std::string> paths = store_.list();
    const QFontMetrics metrics(menu_.font());
    for (int i = 0; i < entries_.size(); ++i) {
        QAction* a = entries_[i];
        const bool used = static_cast<std::size_t>(i) < paths.size();
        const QString path = used ? QString::fromStdString(paths[i]) : QString();
        a->setData(path);
        a->setText(used ? entryText(i, path, metrics) : QString());
        a->setStatusTip(path);
        a->setVisible(used);
    }
    separator_->setVisible(!paths.empty());
}

}  // namespace k7x
