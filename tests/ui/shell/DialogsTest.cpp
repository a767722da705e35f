// The splash window, the About box, the model information dialog and the language dialog.
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ShellTestRig.h"
#include "codeplug/ChannelList.h"
#include "shell/IniFile.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/LanguageDialog.h"
#include "shell/ui/ModelInfoDialog.h"
#include "shell/ui/SplashWindow.h"

using namespace k7x;
using k7x::test::RecordingPrompts;
using k7x::test::ShellTestRig;

namespace {

QComboBox* combo(QWidget& w, const char* name) {
    return w.findChild<QComboBox*>(QString::fromLatin1(name));
}
QPushButton* button(QWidget& w, const char* name) {
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

QString setupValue(const ShellTestRig& rig, const char* key) {
    return ReadProfileString(QString::fromStdString(rig.settings.SetupFilePath),
                             QStringLiteral("language"), QString::fromLatin1(key), {}, 512);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // ---- splash ----

    void splashClickOpensTheMainWindowOnce() {
        int opened = 0;
        QPointer<frmSplash> splash = new frmSplash(QString(), kEnglish, [&opened] { ++opened; });
        splash->show();
        auto* logo = splash->findChild<QLabel*>(QStringLiteral("picLogo"));
        QTest::mouseClick(logo, Qt::LeftButton);
        QCOMPARE(opened, 1);
        QVERIFY(!splash->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // The timer's late event and a second click change nothing.
        splash->Timer1_Timer();
        splash->picLogo_Click();
        QCOMPARE(opened, 1);
        QTRY_VERIFY(splash.isNull());
    }

    void splashTimerOpensTheMainWindowAfterTwoSeconds() {
        int opened = 0;
        QPointer<frmSplash> splash = new frmSplash(QString(), kEnglish, [&opened] { ++opened; });
        splash->show();
        auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(opened, 0);
        splash->Timer1_Timer();
        QCOMPARE(opened, 1);
        QTRY_VERIFY(splash.isNull());
    }

    void splashPictureFollowsTheLanguage() {
        QCOMPARE(frmSplash::PicturePath(QStringLiteral("/p/V100"), 1),
                 QStringLiteral("/p/V100/StartE.jpg"));
        QCOMPARE(frmSplash::PicturePath(QStringLiteral("/p/V100"), 2),
                 QStringLiteral("/p/V100/StartC.jpg"));
        QVERIFY(frmSplash::PicturePath(QStringLiteral("/p/V100"), 3).isEmpty());

        QTemporaryDir dir;
        QImage english(64, 40, QImage::Format_RGB32);
        english.fill(Qt::blue);
        QVERIFY(english.save(dir.filePath(QStringLiteral("StartE.jpg")), "JPG"));
        frmSplash withPicture(dir.path(), kEnglish, [] {});
        QVERIFY(withPicture.hasPicture());
        QCOMPARE(withPicture.findChild<QLabel*>(QStringLiteral("picLogo"))->pixmap().size(),
                 QSize(64, 40));
        // No Chinese picture there: the box stays empty and the timer still runs.
        frmSplash withoutPicture(dir.path(), kChinese, [] {});
        QVERIFY(!withoutPicture.hasPicture());
        QVERIFY(withoutPicture.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    // ---- About ----

    void aboutShowsItsTexts() {
        RecordingPrompts prompts;
        frmAbout about(prompts);
        QCOMPARE(about.windowTitle(), QStringLiteral("<24000>"));
        const std::pair<const char*, const char*> labels[] = {{"lblTitle", "<24001>"},
                                                              {"lblVersion", "<24002>"},
                                                              {"lblDescription", "<24003>"},
                                                              {"lblDisclaimer", "<24004>"}};
        for (const auto& [name, text] : labels)
            QCOMPARE(about.findChild<QLabel*>(QString::fromLatin1(name))->text(),
                     QString::fromLatin1(text));
        QPushButton* ok = button(about, "cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("<24005>"));
        about.show();
        ok->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    // ---- model information ----

    void modelDialogShowsTheCurrentModeAndBand() {
        ShellTestRig rig;
        int newDocs = 0;
        FrmModelInfo dialog(rig.doc, rig.prompts(), [&newDocs] { ++newDocs; });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("<13000>"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1_2"))->text(),
                 QStringLiteral("<13003>"));
        QCOMPARE(button(dialog, "CommandOK")->text(), QStringLiteral("<9017>"));
        QCOMPARE(button(dialog, "CommandCancel")->text(), QStringLiteral("<9018>"));
        QCOMPARE(combo(dialog, "Combo1")->currentText(), QStringLiteral("KORVAN 7X"));
        QCOMPARE(combo(dialog, "Combo3")->currentText(), QStringLiteral("HAM"));
        QCOMPARE(combo(dialog, "Combo2")->currentText(), QStringLiteral("28.000 - 29.700 MHz"));

        dialog.CommandOK_Click();
        QVERIFY(rig.prompts().shown.empty());
        QCOMPARE(newDocs, 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void modeListMovesTheBandButNotTheOtherWayRound() {
        ShellTestRig rig;
        FrmModelInfo dialog(rig.doc, rig.prompts(), [] {});
        combo(dialog, "Combo3")->setCurrentIndex(1);
        QCOMPARE(combo(dialog, "Combo2")->currentIndex(), 1);
        combo(dialog, "Combo2")->setCurrentIndex(0);
        QCOMPARE(combo(dialog, "Combo3")->currentIndex(), 1);
    }

    void choosingCitizensBandStartsANewDocumentInModeZero() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        FrmModelInfo dialog(rig.doc, rig.prompts(), [&rig] { rig.main().LoadNewDoc(); });
        combo(dialog, "Combo3")->setCurrentIndex(0);
        rig.prompts().answers = {Answer::Ok};
        dialog.CommandOK_Click();
        // The country-mode change asks once, with its own title, and skips the save question.
        QCOMPARE(rig.prompts().texts(), std::vector<std::string>{"<9016>"});
        QCOMPARE(rig.prompts().shown[0].buttons, Buttons::OkCancel);
        QCOMPARE(rig.prompts().shown[0].icon, Icon::Warning);
        QCOMPARE(rig.doc.CurrentCountryMode, Int(0));
        QCOMPARE(rig.doc.BandText, std::string("26.965 - 27.405 MHz"));
        QCOMPARE(rig.doc.RadioInfo.InfoCountryMode, Int(0));
        QVERIFY(qAbs(rig.doc.FreqMin - 26.965) < 1e-9);
        QVERIFY(qAbs(rig.doc.FreqMax - 27.405) < 1e-9);
        QVERIFY(rig.main().childWindows().isEmpty());
        QVERIFY(rig.main().newDocTimer().isActive());

        rig.main().NewDocTimer_Timer();
        QCOMPARE(rig.doc.WorkDoc.Header.CountryMode, Int(0));
        QVERIFY(!IsDocumentChanged(rig.doc));
        QCOMPARE(rig.main().windowTitle(),
                 QStringLiteral("<12000>[KORVAN 7X:CB:Frequency][<12009>:new.dat][*]"));
    }

    void cancellingTheModeChangeKeepsEverything() {
        ShellTestRig rig;
        rig.changeDocument();
        const DocumentState before = rig.doc;
        int newDocs = 0;
        FrmModelInfo dialog(rig.doc, rig.prompts(), [&newDocs] { ++newDocs; });
        combo(dialog, "Combo3")->setCurrentIndex(1);
        rig.prompts().answers = {Answer::Cancel};
        dialog.CommandOK_Click();
        QCOMPARE(rig.prompts().texts(), std::vector<std::string>{"<9016>"});
        QCOMPARE(newDocs, 0);
        QCOMPARE(rig.doc.CurrentCountryMode, Int(2));
        QCOMPARE(rig.doc.BandText, before.BandText);
        QVERIFY(rig.doc.WorkDoc == before.WorkDoc);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void modelDialogOfAnUnknownModeShowsTheFirstEntries() {
        ShellTestRig rig;
        rig.doc.CurrentCountryMode = 7;
        rig.doc.CurrentModel = "OTHER";
        FrmModelInfo dialog(rig.doc, rig.prompts(), [] {});
        QCOMPARE(combo(dialog, "Combo1")->currentIndex(), 0);
        QCOMPARE(combo(dialog, "Combo3")->currentIndex(), 0);
        QCOMPARE(combo(dialog, "Combo2")->currentIndex(), 0);
    }

    void enterInTheModelListMovesTheFocusOn() {
        ShellTestRig rig;
        FrmModelInfo dialog(rig.doc, rig.prompts(), [] {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        combo(dialog, "Combo1")->setFocus();
        QTest::keyClick(combo(dialog, "Combo1"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(QApplication::focusWidget() != combo(dialog, "Combo1"));
    }

    // ---- file dialogs ----

    void saveDialogAddsTheExtensionAndCancelGivesNoName() {
        QTemporaryDir dir;
        DialogFileChooser chooser;
        QTimer::singleShot(0, [&dir] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Codeplug files (*.dat)")});
            dialog->selectFile(dir.filePath(QStringLiteral("mine")));
            static_cast<QDialog*>(dialog)->accept();
        });
        const auto name =
            chooser.chooseSaveFile(nullptr, "Codeplug files (*.dat)",
                                   dir.filePath(QStringLiteral("new.dat")).toStdString());
        QVERIFY(name);
        QCOMPARE(QString::fromStdString(*name), dir.filePath(QStringLiteral("mine.dat")));

        QTimer::singleShot(0, [&dir] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // The next dialog starts where the last one ended.
            QCOMPARE(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
            dialog->reject();
        });
        QVERIFY(!chooser.chooseOpenFile(nullptr, "Codeplug files (*.dat)", {}));
    }

    // ---- language ----

    void languageDialogStoresANewLanguage() {
        ShellTestRig rig;
        FrmSetLanguage dialog(rig.settings, rig.prompts());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("<23000>"));
        QCOMPARE(combo(dialog, "Combo1")->count(), 2);
        QCOMPARE(combo(dialog, "Combo1")->itemText(1), QStringLiteral("<23003>"));
        QCOMPARE(combo(dialog, "Combo1")->currentIndex(), 0);
        combo(dialog, "Combo1")->setCurrentIndex(1);
        dialog.CommandOK_Click();
        QCOMPARE(rig.settings.LangIndex, kChinese);
        QCOMPARE(rig.settings.PrevLangIndex, kEnglish);
        QCOMPARE(rig.settings.LangFile, std::string(kChineseFile));
        QCOMPARE(setupValue(rig, "CurrentLanguage"), QStringLiteral("2"));
    }

    void sameLanguageRewritesTheSettingOnly() {
        ShellTestRig rig;
        rig.settings.LangIndex = kChinese;
        rig.settings.PrevLangIndex = kChinese;
        rig.settings.LangFile = kChineseFile;
        FrmSetLanguage dialog(rig.settings, rig.prompts());
        QCOMPARE(combo(dialog, "Combo1")->currentIndex(), 1);
        dialog.CommandOK_Click();
        QCOMPARE(rig.settings.PrevLangIndex, kChinese);
        QCOMPARE(setupValue(rig, "CurrentLanguage"), QStringLiteral("2"));
    }

    void enterInTheLanguageListMovesTheFocusOnAndStoresNothing() {
        ShellTestRig rig;
        FrmSetLanguage dialog(rig.settings, rig.prompts());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        combo(dialog, "Combo1")->setFocus();
        combo(dialog, "Combo1")->setCurrentIndex(1);
        QTest::keyClick(combo(dialog, "Combo1"), Qt::Key_Return);
        // Enter does not reach the OK button: the dialog stays open and nothing is stored.
        QVERIFY(dialog.isVisible());
        QVERIFY(QApplication::focusWidget() != combo(dialog, "Combo1"));
        QCOMPARE(rig.settings.LangIndex, kEnglish);
        QVERIFY(setupValue(rig, "CurrentLanguage").isEmpty());
    }

    void cancelLeavesTheLanguage() {
        ShellTestRig rig;
        FrmSetLanguage dialog(rig.settings, rig.prompts());
        combo(dialog, "Combo1")->setCurrentIndex(1);
        dialog.CommandCancel_Click();
        QCOMPARE(rig.settings.LangIndex, kEnglish);
        QCOMPARE(rig.settings.PrevLangIndex, kEnglish);
        QVERIFY(setupValue(rig, "CurrentLanguage").isEmpty());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
