// Message boxes and the password dialog of the desktop program: button words from the language,
// the answer of each button, Escape, and what the password dialog gives back.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "shell/ui/DesktopPrompts.h"
#include "shell/ui/FrmPassWord.h"

using namespace k7x;

namespace {

std::string words(int number) {
    switch (number) {
        case 9017:
            return "Okay";
        case 9018:
            return "Stop";
        case 9040:
            return "Sure";
        case 9041:
            return "Nope";
        case 9042:
            return "Again";
        case 12000:
            return "Radio programmer";
        case 23100:
            return "Password caption";
        case 23101:
            return "Password:";
        default:
            return "#" + std::to_string(number);
    }
}

// Acts on the next modal window once it is shown.
void whenModal(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*modal);
    });
    poll->start(5);
}

QAbstractButton* buttonWithText(QWidget& box, const QString& text) {
    for (QAbstractButton* b : box.findChildren<QAbstractButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

QStringList buttonTexts(QMessageBox& box) {
    QStringList out;
    for (QAbstractButton* b : box.buttons()) out << b->text();
    out.sort();
    return out;
}

}  // namespace

class DesktopPromptsTest : public QObject {
    Q_OBJECT

    DesktopPrompts prompts_{&words};

private slots:
    void buttonsSpeakTheLanguage_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("ok") << int(Buttons::Ok) << QStringList{"Okay"};
        QTest::newRow("ok cancel") << int(Buttons::OkCancel) << QStringList{"Okay", "Stop"};
        QTest::newRow("yes no") << int(Buttons::YesNo) << QStringList{"Nope", "Sure"};
        QTest::newRow("yes no cancel")
            << int(Buttons::YesNoCancel) << QStringList{"Nope", "Stop", "Sure"};
        QTest::newRow("retry cancel") << int(Buttons::RetryCancel) << QStringList{"Again", "Stop"};
    }
    void buttonsSpeakTheLanguage() {
        QFETCH(int, buttons);
        QFETCH(QStringList, texts);
        std::unique_ptr<QMessageBox> box(
            prompts_.buildMessageBox("text", Buttons(buttons), Icon::None, {}));
        QCOMPARE(buttonTexts(*box), texts);
    }

    void textTitleAndIcon() {
        std::unique_ptr<QMessageBox> box(
            prompts_.buildMessageBox("<9004>\r\nsecond line", Buttons::Ok, Icon::Critical, {}));
        // Shown as it stands, not read as markup; CR LF is one line break.
        QCOMPARE(box->text(), QStringLiteral("<9004>\nsecond line"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->windowTitle(), QStringLiteral("Radio programmer"));
        std::unique_ptr<QMessageBox> titled(
            prompts_.buildMessageBox("x", Buttons::Ok, Icon::Question, "Own title"));
        QCOMPARE(titled->windowTitle(), QStringLiteral("Own title"));
        QCOMPARE(titled->icon(), QMessageBox::Question);
    }

    void withoutLanguageTextsTheButtonsKeepTheirOwnWords() {
        DesktopPrompts bare([](int) { return std::string(); });
        std::unique_ptr<QMessageBox> box(bare.buildMessageBox("x", Buttons::YesNo, Icon::None, {}));
        for (QAbstractButton* b : box->buttons()) QVERIFY(!b->text().isEmpty());
    }

    void eachButtonGivesItsAnswer_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(Buttons::Ok) << "Okay" << int(Answer::Ok);
        QTest::newRow("cancel") << int(Buttons::OkCancel) << "Stop" << int(Answer::Cancel);
        QTest::newRow("no") << int(Buttons::YesNoCancel) << "Nope" << int(Answer::No);
        QTest::newRow("yes") << int(Buttons::YesNo) << "Sure" << int(Answer::Yes);
        QTest::newRow("retry") << int(Buttons::RetryCancel) << "Again" << int(Answer::Retry);
    }
    void eachButtonGivesItsAnswer() {
        QFETCH(int, buttons);
        QFETCH(QString, click);
        QFETCH(int, answer);
        whenModal([click](QWidget& box) {
            QAbstractButton* b = buttonWithText(box, click);
            QVERIFY(b != nullptr);
            b->click();
        });
        QCOMPARE(int(prompts_.message("question", Buttons(buttons), Icon::Question)), answer);
    }

    void escapeIsTheCautiousAnswer_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok cancel") << int(Buttons::OkCancel) << int(Answer::Cancel);
        QTest::newRow("yes no") << int(Buttons::YesNo) << int(Answer::No);
        QTest::newRow("yes no cancel") << int(Buttons::YesNoCancel) << int(Answer::Cancel);
        QTest::newRow("retry cancel") << int(Buttons::RetryCancel) << int(Answer::Cancel);
    }
    void escapeIsTheCautiousAnswer() {
        QFETCH(int, buttons);
        QFETCH(int, answer);
        whenModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(int(prompts_.message("question", Buttons(buttons), Icon::None)), answer);
    }

    void passwordDialogShowsTheStoredPasswordAndTrimsTheAnswer() {
        prompts_.setPasswordSource([] { return std::string("ab"); });
        QString shown, caption, label, ok;
        whenModal([&](QWidget& dialog) {
            auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
            shown = text->text();
            caption = dialog.windowTitle();
            label = dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            ok = dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->text();
            text->setText(QStringLiteral("AB  "));
            dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
        });
        const std::optional<std::string> typed = prompts_.askPassword();
        QCOMPARE(shown, QStringLiteral("ab"));
        QCOMPARE(caption, QStringLiteral("Password caption"));
        QCOMPARE(label, QStringLiteral("Password:"));
        QCOMPARE(ok, QStringLiteral("Okay"));
        QVERIFY(typed.has_value());
        QCOMPARE(*typed, std::string("AB"));
    }

    void cancelledPasswordDialogGivesNothing() {
        whenModal([](QWidget& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("ZZ"));
            dialog.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
        });
        QVERIFY(!prompts_.askPassword().has_value());
    }

    void passwordIsCutAtItsFirstNul() {
        FrmPassWord dialog(prompts_, {});
        dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))
            ->setText(QStringLiteral("AB") + QChar(0) + QStringLiteral("CD"));
        QCOMPARE(dialog.password(), std::string("AB"));
    }
};

QTEST_MAIN(DesktopPromptsTest)
#include "DesktopPromptsTest.moc"
