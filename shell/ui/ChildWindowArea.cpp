#include "shell/ui/ChildWindowArea.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "shell/ui/ChildWindows.h"

namespace k7x {

ChildWindowArea::ChildWindowArea(QMdiArea& area, const ChildWindowFactory& factory,
                                 const Prompts& prompts, QObject* parent)
    : QObject(parent), area_(area), factory_(factory), prompts_(prompts) {}

QMdiSubWindow* ChildWindowArea::find(const QString& name) const {
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        // A window that has been closed may linger until it is deleted.
        if (sub->isHidden() || !sub->widget()) continue;
        if (sub->widget()->objectName() == name) return sub;
    }
    return nullptr;
}

QWidget* ChildWindowArea::window(const QString& name) const {
    QMdiSubWindow* sub = find(name);
    return sub ? sub->widget() : nullptr;
}

QList<QWidget*> ChildWindowArea::windows() const {
    QList<QWidget*> open;
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (!sub->isHidden() && sub->widget()) open.append(sub->widget());
    return open;
}

QWidget* ChildWindowArea::show(const QString& name, const QIcon& icon) {
    if (QMdiSubWindow* sub = find(name)) {
        if (sub->isMinimized()) sub->showNormal();
        area_.setActiveSubWindow(sub);
        sub->widget()->setFocus();
        return sub->widget();
    }
    QWidget* window = factory_.create(name, prompts_);
    QMdiSubWindow* sub = area_.addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(icon);
    window->show();
    sub->show();
    // The window lays itself out as it shows (rows of the mode, labels aligned); its size is
    // known once those layout requests, passed up from layout to layout, have run.
    for (int depth = 0; depth < 4; ++depth)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    cascade();
    area_.setActiveSubWindow(sub);
    return window;
}

// A window may refuse to close. One that closes leaves the area at once (its frame deletes
// itself on close, and the area drops it from its list then), so a window of the same name can
// open again before the old one is deleted.
void ChildWindowArea::close(const QString& name) {
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name) sub->close();
}

void ChildWindowArea::closeAll() {
    for (QMdiSubWindow* sub : area_.subWindowList()) sub->close();
}

void ChildWindowArea::cascade() {
    area_.cascadeSubWindows();
    // Cascading gives each window its natural size; one that would reach past the work area
    // is made to fit it, and scrolls inside itself, rather than make the work area scroll.
    // Before the area is shown it has no size of its own to fit into.
    if (!area_.isVisible()) return;
    const QSize room = area_.viewport()->size();
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        if (sub->isMinimized() || sub->isMaximized()) continue;
        const QSize fits = sub->size().boundedTo(room - QSize(sub->x(), sub->y()));
        if (fits != sub->size()) sub->resize(fits);
    }
}

void ChildWindowArea::listIn(QMenu& menu) {
    for (QAction* a : listed_) {
        menu.removeAction(a);
        a->deleteLater();
    }
    listed_.clear();
    int number = 0;
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        if (sub->isHidden() || !sub->widget()) continue;
        ++number;
        QString text = sub->windowTitle();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu.addAction(QStringLiteral("&%1 %2").arg(number).arg(text));
        a->setCheckable(true);
        a->setChecked(sub == area_.activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] {
            if (area_.subWindowList().contains(sub)) area_.setActiveSubWindow(sub);
        });
        listed_.append(a);
    }
}

}  // namespace k7x
