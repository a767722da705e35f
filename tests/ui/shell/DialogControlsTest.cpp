// The controls the dialogs share: the named button pairs with their captions, the row that puts
// them at the right, and Enter moving on as Tab does without reaching the default button.
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "RecordingPrompts.h"
#include "shell/ui/DialogControls.h"

using namespace k7x;

namespace {

// A dialog of two lists and a text box above an OK/Cancel row; Enter moves on in the first list
// only.
struct ListDialog {
    explicit ListDialog(const Prompts& prompts) {
        first = new QComboBox(&dialog);
        second = new QComboBox(&dialog);
        text = new QLineEdit(&dialog);
        MoveFocusOnEnter(*first);
        buttons = AddOkCancelButtons(dialog, prompts);
        QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(text);
        layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}));
        dialog.resize(400, 200);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }

    QDialog dialog;
    QComboBox* first;
    QComboBox* second;
    QLineEdit* text;
    OkCancelButtons buttons{};
};

}  // namespace

class DialogControlsTest : public QObject {
    Q_OBJECT

    test::RecordingPrompts prompts_;

private slots:
    void okAndCancelAreNamedCaptionedAndOkIsTheDefault() {
        QDialog dialog;
        const OkCancelButtons b = AddOkCancelButtons(dialog, prompts_);
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")), b.ok);
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("CommandCancel")), b.cancel);
        QCOMPARE(b.ok->text(), QStringLiteral("<9017>"));
        QCOMPARE(b.cancel->text(), QStringLiteral("<9018>"));
        QVERIFY(b.ok->isDefault());
        QVERIFY(!b.cancel->isDefault());
    }

    void helpShowsOnlyWhenHelpIsEnabled() {
        for (const bool enabled : {false, true}) {
            QWidget window;
            const CloseHelpButtons b = AddCloseHelpButtons(window, prompts_, enabled);
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("CommandClose")), b.close);
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("CommandHelp")), b.help);
            QCOMPARE(b.close->text(), QStringLiteral("<9023>"));
            QCOMPARE(b.help->text(), QStringLiteral("<9025>"));
            window.show();
            QVERIFY(b.close->isVisible());
            QCOMPARE(b.help->isVisible(), enabled);
        }
    }

    void buttonRowKeepsItsButtonsAtTheRightInOrder() {
        ListDialog d(prompts_);
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        const QRect ok = d.buttons.ok->geometry();
        const QRect cancel = d.buttons.cancel->geometry();
        QVERIFY(ok.right() < cancel.left());
        QCOMPARE(ok.top(), cancel.top());
        // Only the dialog's margin lies to the right of the last button.
        QVERIFY(cancel.right() > d.dialog.width() - 30);
        QVERIFY(ok.left() > d.dialog.width() / 2);
    }

    void enterInAWatchedListMovesOnAndDoesNotAccept() {
        ListDialog d(prompts_);
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        d.first->setFocus();
        QTest::keyClick(d.first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.second);
        QVERIFY(d.dialog.isVisible());

        d.first->setFocus();
        QTest::keyClick(d.first, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), d.second);
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    }

    void otherKeysStillReachTheList() {
        ListDialog d(prompts_);
        d.first->addItems({QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        d.first->setFocus();
        QTest::keyClick(d.first, Qt::Key_Down);
        QCOMPARE(d.first->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), d.first);
    }

    void enterInAnUnwatchedControlStillAccepts() {
        // The control case: without the filter Enter reaches the default button.
        ListDialog d(prompts_);
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        d.text->setFocus();
        QTest::keyClick(d.text, Qt::Key_Return);
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!d.dialog.isVisible());
    }
};

QTEST_MAIN(DialogControlsTest)
#include "DialogControlsTest.moc"
