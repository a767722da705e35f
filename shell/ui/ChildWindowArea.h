// The editing windows inside the main window: opening one by name or bringing it forward,
// finding and closing them, cascading them, and the list of them in the Window menu.
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace k7x {

class ChildWindowFactory;
class Prompts;

class ChildWindowArea : public QObject {
    Q_OBJECT
public:
    ChildWindowArea(QMdiArea& area, const ChildWindowFactory& factory, const Prompts& prompts,
                    QObject* parent = nullptr);

    // Brings the window of that name forward, or opens it with the icon given; returns it.
    QWidget* show(const QString& name, const QIcon& icon);
    // The open window of that name, or nullptr.
    QWidget* window(const QString& name) const;
    QList<QWidget*> windows() const;
    // Closes the windows of that name, or all; a window may refuse.
    void close(const QString& name);
    void closeAll();
    void cascade();
    // Lists the open windows at the end of the menu, the active one checked, replacing the
    // entries an earlier call added.
    void listIn(QMenu& menu);

private:
    QMdiSubWindow* find(const QString& name) const;

    QMdiArea& area_;
    const ChildWindowFactory& factory_;
    const Prompts& prompts_;
    QList<QAction*> listed_;
};

}  // namespace k7x
