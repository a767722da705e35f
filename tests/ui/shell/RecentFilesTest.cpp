// The recent files of the File menu, a .dat file dropped onto the main window, and a recent file
// that has gone: each opens as File > Open does, with the unsaved-changes question first.
#include <QAction>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <QtTest>

#include "ShellTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

// Writes a sound codeplug file whose key option tells it apart.
QString writeCodeplug(ShellTestRig& rig, const QString& name, Int keyOption) {
    DocumentState other;
    SetStartDocumentValues(other);
    InitNewDocument(other, "", false);
    other.WorkDoc.Keys.KeyOption = keyOption;
    test::RecordingPrompts quiet;
    const QString path = rig.path(name);
    SaveFile(other, path.toStdString(), quiet);
    return path;
}

// The visible recent entries' paths, top to bottom.
QStringList recentEntries(ShellTestRig& rig) {
    QStringList paths;
    for (int i = 0; i < 8; ++i) {
        QAction* a = rig.find<QAction>(QStringLiteral("mnuFileRecent_%1").arg(i));
        if (a && a->isVisible()) paths << a->data().toString();
    }
    return paths;
}

void openThroughDialog(ShellTestRig& rig, const QString& path) {
    rig.files.answers = {path.toStdString()};
    rig.find<QAction>(QStringLiteral("mnuFileOpen"))->trigger();
}

// Sends a drag of the files onto the main window and drops them; true when it was taken.
bool drop(ShellTestRig& rig, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = rig.main().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&rig.main(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&rig.main(), &dropped);
    QCoreApplication::processEvents();  // the open runs once the drop has ended
    return dropped.isAccepted();
}

}  // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void theListSurvivesALanguageChange() {
        // The user's own store, in a folder of the test's; set before any store is opened.
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        {
            // An earlier version kept the list under the program's English title.
            QSettings earlier(QSettings::NativeFormat, QSettings::UserScope,
                              QStringLiteral("KORVAN 7X"), QStringLiteral("KORVAN 7X"));
            earlier.setValue(QStringLiteral("RecentFiles/Files"), QStringList{"/a.dat"});
        }
        RecentFiles english = RecentFiles::forUser(QStringLiteral("KORVAN 7X"));
        QCOMPARE(english.list(), std::vector<std::string>{"/a.dat"});
        english.add("/b.dat");
        // The same list under the title of another language.
        const std::vector<std::string> both{"/b.dat", "/a.dat"};
        QCOMPARE(RecentFiles::forUser(QStringLiteral("KORVAN 7X \u7f16\u7a0b")).list(), both);
        QCOMPARE(RecentFiles::forUser(QStringLiteral("KORVAN 7X")).list(), both);
    }

    void openedAndSavedFilesHeadTheListAndReopen() {
        ShellTestRig rig;
        rig.main().show();
        QVERIFY(recentEntries(rig).isEmpty());
        const QString a = writeCodeplug(rig, QStringLiteral("a.dat"), 1);
        const QString b = rig.path(QStringLiteral("b.dat"));
        openThroughDialog(rig, a);
        rig.files.answers = {b.toStdString()};
        rig.find<QAction>(QStringLiteral("mnuFileSaveAs"))->trigger();
        QCOMPARE(recentEntries(rig), (QStringList{b, a}));
        QVERIFY(rig.find<QAction>(QStringLiteral("mnuFileRecent_0"))->text().startsWith("&1 "));

        // Choosing an entry with unsaved changes asks first; Cancel keeps everything.
        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel};
        rig.find<QAction>(QStringLiteral("mnuFileRecent_1"))->trigger();
        QCOMPARE(rig.prompts().texts(), std::vector<std::string>{"<9006>"});
        QCOMPARE(rig.doc.CurrentFilePath, b.toStdString());

        rig.prompts().answers = {Answer::No};
        rig.find<QAction>(QStringLiteral("mnuFileRecent_1"))->trigger();
        QCOMPARE(rig.doc.CurrentFilePath, a.toStdString());
        QCOMPARE(rig.doc.WorkDoc.Keys.KeyOption, Int(1));
        QCOMPARE(recentEntries(rig), (QStringList{a, b}));
        QVERIFY(rig.files.calls.size() == 2);  // no dialog for a recent file
    }

    void aMissingRecentFileIsReportedAndForgotten() {
        ShellTestRig rig;
        rig.main().show();
        const QString gone = writeCodeplug(rig, QStringLiteral("gone.dat"), 2);
        openThroughDialog(rig, gone);
        rig.changeDocument();
        QFile::remove(gone);
        rig.prompts().shown.clear();
        rig.find<QAction>(QStringLiteral("mnuFileRecent_0"))->trigger();
        // Only the report: there is nothing to open, so no question about the changes.
        QCOMPARE(rig.prompts().texts(),
                 std::vector<std::string>{"\"" + gone.toStdString() + "\"<9220>"});
        QVERIFY(recentEntries(rig).isEmpty());
        QVERIFY(IsDocumentChanged(rig.doc));
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
        // The store itself has forgotten it, for the next start.
        QVERIFY(rig.recentFiles.list().empty());
    }

    void aDroppedCodeplugOpensAfterTheQuestion() {
        ShellTestRig rig;
        rig.main().show();
        const QString file = writeCodeplug(rig, QStringLiteral("Dropped.DAT"), 3);
        QFile::copy(file, rig.path(QStringLiteral("notes.txt")));
        QVERIFY(!drop(rig, {rig.path(QStringLiteral("notes.txt"))}));

        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel};
        QVERIFY(drop(rig, {rig.path(QStringLiteral("notes.txt")), file}));
        QCOMPARE(rig.prompts().texts(), std::vector<std::string>{"<9006>"});
        QVERIFY(rig.doc.IsUntitled);

        rig.prompts().answers = {Answer::No};
        QVERIFY(drop(rig, {file}));
        QCOMPARE(rig.doc.CurrentFilePath, file.toStdString());
        QCOMPARE(rig.doc.WorkDoc.Keys.KeyOption, Int(3));
        QVERIFY(!IsDocumentChanged(rig.doc));
        QCOMPARE(recentEntries(rig), QStringList{file});
        QVERIFY(rig.files.calls.empty());

        // A codeplug kept as text is taken as well.
        const QString text = writeCodeplug(rig, QStringLiteral("Dropped.yaml"), 4);
        QVERIFY(drop(rig, {text}));
        QCOMPARE(rig.doc.CurrentFilePath, text.toStdString());
        QCOMPARE(rig.doc.WorkDoc.Keys.KeyOption, Int(4));
    }
};

QTEST_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
