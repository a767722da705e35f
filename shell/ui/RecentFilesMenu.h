// The recent files in the File menu: up to eight numbered entries, most recent first, with a
// separator after them, placed before the entry given. Each shows the file's path, shortened in
// the middle when long, and the whole path in the status bar.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace k7x {

class RecentFiles;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries are named "mnuFileRecent_0" for the most recent file onwards.
    RecentFilesMenu(QMenu& menu, QAction* before, RecentFiles& store, QObject* parent);

    // Shows the store's list again.
    void refresh();

signals:
    void chosen(const QString& path);

private:
    QMenu& menu_;
    RecentFiles& store_;
    QList<QAction*> entries_;
    QAction* separator_ = nullptr;
};

}  // namespace k7x
