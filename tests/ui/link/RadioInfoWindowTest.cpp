// The radio information window filled from an information area as the radio sends it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <cstring>

#include "RecordingPrompts.h"
#include "codeplug/MemoryImage.h"
#include "link/ui/FrmRadioInfo.h"

using namespace k7x;

namespace {

InfoArea blankArea() {
    InfoArea area;
    area.fill(0xFF);
    area[0] = 0x00;
    return area;
}

void put(InfoArea& area, std::size_t offset, const char* text) {
    std::memcpy(area.data() + offset, text, std::strlen(text));
}

RadioInfoRecord recordOf(const InfoArea& area) {
    RadioInfoRecord info;
    info.InfoModel = "KORVN7X";
    info.InfoVersion = "V1.00";
    UnpackInfoArea(area, info);
    return info;
}

}  // namespace

class RadioInfoWindowTest : public QObject {
    Q_OBJECT

    test::RecordingPrompts prompts_;

    template <typename T = QLineEdit>
    static T* field(QWidget& w, const QString& name) {
        T* f = w.findChild<T*>(name);
        if (f == nullptr) qFatal("no control %s", qPrintable(name));
        return f;
    }
    static QString text(QWidget& w, int index) {
        if (index == 4) return field<QPlainTextEdit>(w, QStringLiteral("Text1_4"))->toPlainText();
        return field(w, QStringLiteral("Text1_%1").arg(index))->text();
    }

private slots:
    void init() { prompts_ = test::RecordingPrompts{}; }

    void everyFieldShowsItsAreaBytes() {
        InfoArea area = blankArea();
        area[0] = 0x21;  // the high four bits are not the mode
        put(area, 32, "B2024-07");
        put(area, 40, "C042");
        put(area, 44, "EU1");
        put(area, 48, "SN00000000000016");  // exactly 16 characters
        put(area, 64, "2024-03-01");
        put(area, 80, "2025-01-15");
        const std::string reason(96, 'r');
        put(area, 96, reason.c_str());
        put(area, 192, "DEALER-7");
        put(area, 208, "2024-04-02");
        put(area, 224, "2024-05-03");
        put(area, 240, "J. Smith");
        const RadioInfoRecord info = recordOf(area);

        FrmRadioInfo window(info, prompts_, false);
        QVERIFY(prompts_.shown.empty());
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo1_0"))->currentText(),
                 QStringLiteral("KORVAN 7X"));
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo3"))->currentText(),
                 QStringLiteral("HF"));
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo1_1"))->currentText(),
                 QStringLiteral("25.615 - 30.105 MHz"));
        QCOMPARE(text(window, 0), QStringLiteral("EU1"));
        QCOMPARE(text(window, 1), QStringLiteral("SN00000000000016"));
        QCOMPARE(text(window, 2), QStringLiteral("2024-03-01"));
        QCOMPARE(text(window, 3), QStringLiteral("2025-01-15"));
        QCOMPARE(text(window, 4), QString::fromStdString(reason));
        QCOMPARE(text(window, 5), QStringLiteral("V1.00"));
        QCOMPARE(text(window, 6), QStringLiteral("B2024-07"));
        QCOMPARE(text(window, 7), QStringLiteral("C042"));
        QCOMPARE(text(window, 8), QStringLiteral("DEALER-7"));
        QCOMPARE(text(window, 9), QStringLiteral("2024-04-02"));
        QCOMPARE(text(window, 10), QStringLiteral("2024-05-03"));
        QCOMPARE(text(window, 11), QStringLiteral("J. Smith"));
        // The dealer data sits in its frame.
        auto* frame = field<QGroupBox>(window, QStringLiteral("Frame1"));
        for (int i = 8; i <= 11; ++i)
            QVERIFY(frame->isAncestorOf(field(window, QStringLiteral("Text1_%1").arg(i))));
        QVERIFY(!frame->isAncestorOf(field(window, QStringLiteral("Text1_1"))));
    }

    void textsEndAtTheirFirstFillByte() {
        InfoArea area = blankArea();
        put(area, 48, "AB123");  // then FF
        area[64] = 'X';
        area[65] = 0x00;
        area[66] = 'Y';
        const RadioInfoRecord info = recordOf(area);
        FrmRadioInfo window(info, prompts_, false);
        QCOMPARE(text(window, 1), QStringLiteral("AB123"));
        QCOMPARE(text(window, 2), QStringLiteral("X"));
        // An area of fill bytes shows empty boxes (and the version, which the area never holds).
        const RadioInfoRecord blank = recordOf(blankArea());
        FrmRadioInfo empty(blank, prompts_, false);
        for (int i : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}) QVERIFY(text(empty, i).isEmpty());
        QCOMPARE(text(empty, 5), QStringLiteral("V1.00"));
        QCOMPARE(field<QComboBox>(empty, QStringLiteral("Combo3"))->currentText(),
                 QStringLiteral("CB"));
        QCOMPARE(field<QComboBox>(empty, QStringLiteral("Combo1_1"))->currentText(),
                 QStringLiteral("26.965 - 27.405 MHz"));
    }

    void unknownModeIsReportedAndTheWindowGoesOn() {
        InfoArea area = blankArea();
        area[0] = 0x03;
        put(area, 48, "SN-7");
        const RadioInfoRecord info = recordOf(area);
        FrmRadioInfo window(info, prompts_, false);
        QCOMPARE(prompts_.texts(), (std::vector<std::string>{"Country Mode Error!"}));
        QVERIFY(field<QComboBox>(window, QStringLiteral("Combo1_1"))->currentText().isEmpty());
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo3"))->currentText(),
                 QStringLiteral("CB"));
        // Everything else still shows.
        QCOMPARE(text(window, 1), QStringLiteral("SN-7"));
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo1_1"))->count(), 3);
    }

    void refillShowsTheRecordAsItIsNow() {
        InfoArea area = blankArea();
        put(area, 48, "FIRST");
        RadioInfoRecord info = recordOf(area);
        FrmRadioInfo window(info, prompts_, false);
        put(area, 48, "SECOND");
        area[0] = 0x02;
        UnpackInfoArea(area, info);
        window.ShowByData();
        QCOMPARE(text(window, 1), QStringLiteral("SECOND"));
        QCOMPARE(field<QComboBox>(window, QStringLiteral("Combo1_1"))->currentText(),
                 QStringLiteral("28.000 - 29.700 MHz"));
    }

    void captionsAndLayout() {
        const RadioInfoRecord info = recordOf(blankArea());
        FrmRadioInfo window(info, prompts_, false);
        QCOMPARE(window.windowTitle(), QStringLiteral("<21000>"));
        // The two-line label of the repair reason, and the mode label without a language text.
        QCOMPARE(field<QLabel>(window, QStringLiteral("Label1_7"))->text(),
                 QStringLiteral("<21012>"));
        QCOMPARE(field<QLabel>(window, QStringLiteral("Label1_14"))->text(),
                 QStringLiteral("模式"));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(field<QPushButton>(window, QStringLiteral("CommandHelp"))->isHidden());
        // The fields, in the frame too, share one left edge; every label ends before it.
        auto left = [&window](const QString& name) {
            QWidget* w = field<QWidget>(window, name);
            return w->mapTo(&window, QPoint(0, 0)).x();
        };
        auto right = [&window](const QString& name) {
            QWidget* w = field<QWidget>(window, name);
            return w->mapTo(&window, QPoint(w->width(), 0)).x();
        };
        const int edge = left(QStringLiteral("Text1_0"));
        for (const char* name :
             {"Text1_1", "Text1_4", "Text1_6", "Combo3", "Combo1_1", "Text1_8", "Text1_11"})
            QCOMPARE(left(QString::fromLatin1(name)), edge);
        for (const char* name : {"Label2", "Label1_0", "Label1_5", "Label1_13", "Label1_14"})
            QVERIFY(right(QString::fromLatin1(name)) <= edge);
        // Each label is its field's buddy, so screen readers name every box.
        for (const auto& [label, box] : {std::pair{"Label2", "Text1_0"},
                                         {"Label1_14", "Combo3"},
                                         {"Label1_5", "Text1_4"},
                                         {"Label1_13", "Text1_11"}})
            QCOMPARE(field<QLabel>(window, QString::fromLatin1(label))->buddy(),
                     field<QWidget>(window, QString::fromLatin1(box)));
        // From the top: Text1(0), (6), (7), the model, mode and band, then (1), (2), (3), (5), (4).
        auto top = [&window](const char* name) {
            return field<QWidget>(window, QString::fromLatin1(name))->mapTo(&window, QPoint()).y();
        };
        const char* order[] = {"Text1_0", "Text1_6", "Text1_7", "Combo1_0", "Combo3",  "Combo1_1",
                               "Text1_1", "Text1_2", "Text1_3", "Text1_5",  "Text1_4", "Frame1"};
        for (std::size_t i = 1; i < std::size(order); ++i)
            QVERIFY(top(order[i - 1]) < top(order[i]));
    }

    void closeButtonClosesTheWindow() {
        const RadioInfoRecord info = recordOf(blankArea());
        auto* window = new FrmRadioInfo(info, prompts_, true);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<FrmRadioInfo> alive(window);
        window->show();
        QVERIFY(!field<QPushButton>(*window, QStringLiteral("CommandHelp"))->isHidden());
        QTest::mouseClick(field<QPushButton>(*window, QStringLiteral("CommandClose")),
                          Qt::LeftButton);
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(RadioInfoWindowTest)
#include "RadioInfoWindowTest.moc"
