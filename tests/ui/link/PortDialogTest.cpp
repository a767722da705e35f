// The port dialog: which choices are enabled, the device and adapter named beside each, the
// rescan while open, what OK and Cancel store, and the chosen adapter found again after a
// replug.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "FakeAdapters.h"
#include "RecordingPrompts.h"
#include "TempFolder.h"
#include "link/ui/FrmSetComm.h"
#include "shell/SetupFile.h"

using namespace k7x;

namespace {

// Port numbers named in the setup file, every named device present.
struct FakePorts {
    std::map<int, std::string> configured;
    int scans = 0;

    PortScan scan() {
        return [this] {
            ++scans;
            return PortMap(configured, {}, [](const std::string&) { return true; });
        };
    }
};

// Names the by-id link in its text; the other texts read "<n>".
struct KnownByPrompts : test::RecordingPrompts {
    std::string text(int n) const override {
        return n == kTextPortKnownBy ? "known as %1" : RecordingPrompts::text(n);
    }
};

// Adapters on pseudo-terminals, numbered through the setup file's ports section as the
// desktop program numbers them.
struct PluggedAdapters {
    test::TempFolder dir;
    test::FakeAdapters adapters{dir.path()};
    std::vector<SerialDevice> present;

    PortScan scan(const std::string& setupFile) {
        return [this, setupFile] { return PortMap(ConfiguredPorts(setupFile), present); };
    }
    PortIdentifier identify() const {
        return [roots = adapters.roots](const std::string& p) { return IdentifyDevice(roots, p); };
    }
};

}  // namespace

class PortDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    AppSettings settings_;
    test::RecordingPrompts prompts_;
    FakePorts ports_;

    std::unique_ptr<FrmSetComm> dialog() {
        return std::make_unique<FrmSetComm>(settings_, prompts_, ports_.scan());
    }
    static QRadioButton* option(FrmSetComm& d, int index) {
        return d.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(index));
    }
    static QLabel* device(FrmSetComm& d, int index) {
        return d.findChild<QLabel*>(QStringLiteral("LabelDevice_%1").arg(index));
    }
    static std::vector<int> enabledPorts(FrmSetComm& d) {
        std::vector<int> out;
        for (int i = 0; i < kPortChoices; ++i)
            if (option(d, i)->isEnabled()) out.push_back(i + 1);
        return out;
    }
    QString setupText() const {
        QFile f(QString::fromStdString(settings_.SetupFilePath));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    void writeSetup(const QByteArray& text) {
        QFile f(QString::fromStdString(settings_.SetupFilePath));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void init() {
        settings_ = AppSettings{};
        settings_.SetupFilePath = dir_.filePath(QStringLiteral("mysetup.ini")).toStdString();
        QFile::remove(QString::fromStdString(settings_.SetupFilePath));
        ports_ = FakePorts{};
        prompts_ = test::RecordingPrompts{};
    }

    void sixteenChoicesNamedByPrefixAndNumber() {
        auto d = dialog();
        // The prefix is followed directly by the number.
        QCOMPARE(option(*d, 0)->text(), QStringLiteral("<22002>1"));
        QCOMPARE(option(*d, 15)->text(), QStringLiteral("<22002>16"));
        QVERIFY(option(*d, 16) == nullptr);
    }

    void onlyPortsWithADeviceAreEnabled() {
        ports_.configured = {
            {1, "/dev/ttyUSB0"}, {3, "/dev/ttyUSB1"}, {12, "/dev/ttyS4"}, {20, "/dev/ttyS9"}};
        auto d = dialog();
        QCOMPARE(enabledPorts(*d), (std::vector<int>{1, 3, 12}));
        // Each enabled choice names its device; a choice without one says so.
        QVERIFY(option(*d, 2)->toolTip().contains(QStringLiteral("/dev/ttyUSB1")));
        QVERIFY(option(*d, 11)->toolTip().contains(QStringLiteral("/dev/ttyS4")));
        QCOMPARE(option(*d, 1)->toolTip(), QStringLiteral("<9104>"));
    }

    void storedPortIsSelectedEvenWithoutADevice() {
        settings_.ComPortNo = 4;
        auto d = dialog();
        QVERIFY(enabledPorts(*d).empty());
        QCOMPARE(d->selectedIndex(), 3);
        QVERIFY(option(*d, 3)->isChecked());
        QCOMPARE(d->findChild<QGroupBox*>(QStringLiteral("Frame1"))->toolTip(),
                 QStringLiteral("<9106>"));
        // OK stores it again.
        d->CommandOK_Click();
        QCOMPARE(ReadSetupValue(settings_.SetupFilePath, kKeyComPort), std::string("4"));
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }

    void portOutsideTheChoicesSelectsNoneAndOkWritesNothing() {
        for (Int stored : {Int(0), Int(17), Int(-3)}) {
            settings_.ComPortNo = stored;
            auto d = dialog();
            QCOMPARE(d->selectedIndex(), -1);
            d->CommandOK_Click();
            QCOMPARE(settings_.ComPortNo, stored);
            QVERIFY(!QFile::exists(QString::fromStdString(settings_.SetupFilePath)));
        }
    }

    void rescanKeepsTheChoiceWhileAdaptersComeAndGo() {
        settings_.ComPortNo = 3;
        ports_.configured = {{3, "/dev/ttyUSB0"}};
        auto d = dialog();
        QCOMPARE(enabledPorts(*d), (std::vector<int>{3}));
        QVERIFY(d->reCommTimer().isActive());
        QCOMPARE(d->reCommTimer().interval(), 1000);
        QVERIFY(d->findChild<QTimer*>(QStringLiteral("ReCommTimer")) == &d->reCommTimer());

        ports_.configured[5] = "/dev/ttyUSB1";  // an adapter is plugged in
        const int before = ports_.scans;
        d->ReCommTimer_Timer();
        QCOMPARE(ports_.scans, before + 1);
        QCOMPARE(enabledPorts(*d), (std::vector<int>{3, 5}));
        QCOMPARE(d->selectedIndex(), 2);
        QVERIFY(option(*d, 4)->toolTip().contains(QStringLiteral("/dev/ttyUSB1")));

        ports_.configured.erase(3);  // and the first one pulled
        d->ReCommTimer_Timer();
        QCOMPARE(enabledPorts(*d), (std::vector<int>{5}));
        QCOMPARE(d->selectedIndex(), 2);
    }

    void rescanRunsByItselfWhileOpenAndStopsWhenClosed() {
        auto d = dialog();
        d->show();
        const int before = ports_.scans;
        QTRY_VERIFY_WITH_TIMEOUT(ports_.scans > before, 3000);
        d->CommandCancel_Click();
        QVERIFY(!d->reCommTimer().isActive());
    }

    void okStoresTheChosenPortAndKeepsTheRestOfTheFile() {
        writeSetup("[language]\r\nCurrentLanguage=2\r\ncomPort=1\r\n[ports]\r\nCOM5=/dev/x\r\n");
        ports_.configured = {{1, "/dev/a"}, {5, "/dev/x"}};
        auto d = dialog();
        QTest::mouseClick(option(*d, 4), Qt::LeftButton);
        QCOMPARE(d->selectedIndex(), 4);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
        QCOMPARE(settings_.ComPortNo, Int(5));
        QCOMPARE(ReadSetupValue(settings_.SetupFilePath, kKeyComPort), std::string("5"));
        QCOMPARE(ReadSetupValue(settings_.SetupFilePath, kKeyCurrentLanguage), std::string("2"));
        QVERIFY(setupText().contains(QStringLiteral("COM5=/dev/x")));
        QVERIFY(!d->reCommTimer().isActive());
    }

    void cancelChangesNothing() {
        writeSetup("[language]\r\ncomPort=1\r\n");
        const QString before = setupText();
        ports_.configured = {{1, "/dev/a"}, {2, "/dev/b"}};
        settings_.ComPortNo = 1;
        auto d = dialog();
        option(*d, 1)->setChecked(true);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CommandCancel")),
                          Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(settings_.ComPortNo, Int(1));
        QCOMPARE(setupText(), before);
    }

    void checkPortShowsTheFindingsForTheChosenPortsDevice() {
        ports_.configured = {{3, "/dev/ttyUSB1"}};
        settings_.ComPortNo = 3;
        std::vector<std::string> checked;
        const PortChecker check = [&checked](const std::string& path) {
            checked.push_back(path);
            return std::vector<Finding>{
                {FindingKind::Holder, Severity::Problem, kTextCheckHolder, {"7", "x"}, "kill 7"},
                {FindingKind::NoneOfThoseRunning,
                 Severity::Fine,
                 kTextCheckNoneOfThoseRunning,
                 {},
                 {}}};
        };
        FrmSetComm d(settings_, prompts_, ports_.scan(), check);
        auto* button = d.findChild<QPushButton*>(QStringLiteral("CommandCheck"));
        auto* findings = d.findChild<QPlainTextEdit*>(QStringLiteral("TextFindings"));
        auto* label = d.findChild<QLabel*>(QStringLiteral("LabelFindings"));
        QVERIFY(button && findings && label);
        QCOMPARE(button->text(), QStringLiteral("<22003>"));
        QCOMPARE(label->buddy(), findings);
        QVERIFY(findings->isReadOnly());
        QVERIFY(button->focusPolicy() & Qt::TabFocus);

        // From the keyboard: the focused button takes the space bar.
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(checked, std::vector<std::string>{"/dev/ttyUSB1"});
        QCOMPARE(findings->toPlainText(), QStringLiteral("<9108>\n<9411>\n  <9420>\n<9421>"));

        // A port without a device says so, and the programs that take adapters still show.
        option(d, 5)->setChecked(true);
        button->click();
        QCOMPARE(checked.back(), std::string());
        QCOMPARE(findings->toPlainText(), QStringLiteral("<9104>\n<9411>\n  <9420>\n<9421>"));
    }

    void eachChoiceNamesItsDeviceAndAdapter() {
        PluggedAdapters usb;
        const test::PseudoTerminal ftdi, plain;
        usb.adapters.describe(ftdi.path(), {{"idVendor", "0403"}, {"product", "FT232R"}});
        const std::string link = usb.adapters.plug("usb-FTDI_FT232R", ftdi.path());
        ports_.configured = {{3, link}, {5, plain.path()}};
        const KnownByPrompts prompts;
        FrmSetComm d(settings_, prompts, ports_.scan(), {}, usb.identify());
        const QString named = QString::fromStdString(ftdi.path() + " — FT232R");
        QCOMPARE(device(d, 2)->text(), named);
        QCOMPARE(device(d, 4)->text(), QString::fromStdString(plain.path()));
        QCOMPARE(device(d, 0)->text(), QString());
        // Read out with its choice, which a screen reader names in full.
        QCOMPARE(device(d, 2)->buddy(), option(d, 2));
        QCOMPARE(option(d, 2)->accessibleName(), QStringLiteral("<22002>3 — ") + named);
        QVERIFY(option(d, 2)->toolTip().endsWith(QString::fromStdString("known as " + link)));
    }

    void theChosenAdapterKeepsItsNumberAfterAReplug() {
        PluggedAdapters usb;
        const test::PseudoTerminal first;
        const std::string link = usb.adapters.plug("usb-FTDI_FT232R_A50285BI", first.path());
        usb.present = {{first.path(), ""}};
        {
            FrmSetComm d(settings_, prompts_, usb.scan(settings_.SetupFilePath), {},
                         usb.identify());
            option(d, 0)->setChecked(true);
            d.CommandOK_Click();
        }
        QVERIFY(setupText().contains(QString::fromStdString("COM1=" + link)));

        // Plugged in again it is another device, and another adapter now comes first.
        const test::PseudoTerminal a, b;
        const bool aFirst = ComesBeforeInPortOrder(a.path(), b.path());
        const std::string other = aFirst ? a.path() : b.path();
        const std::string again = aFirst ? b.path() : a.path();
        usb.adapters.plug("usb-FTDI_FT232R_A50285BI", again);
        usb.present = {{again, ""}, {other, ""}};
        FrmSetComm d(settings_, prompts_, usb.scan(settings_.SetupFilePath), {}, usb.identify());
        QCOMPARE(device(d, 0)->text(), QString::fromStdString(again));
        QCOMPARE(device(d, 1)->text(), QString::fromStdString(other));
        QCOMPARE(d.selectedIndex(), 0);

        // Unplugged, its number waits for it rather than leading to the other adapter.
        usb.present = {{other, ""}};
        std::filesystem::remove(link);
        d.ReCommTimer_Timer();
        QCOMPARE(enabledPorts(d), (std::vector<int>{2}));
        QCOMPARE(device(d, 0)->text(), QString::fromStdString(link));
        QCOMPARE(d.selectedIndex(), 0);
    }

    void anAdapterChosenUnderOneNumberLeavesTheOthers() {
        PluggedAdapters usb;
        const test::PseudoTerminal pty;
        const std::string link = usb.adapters.plug("usb-FTDI_FT232R", pty.path());
        writeSetup(QString::fromStdString("[ports]\r\nCOM1=" + pty.path() +
                                          "\r\nCOM2=/dev/ttyS9\r\nCOM5=" + link + "\r\n")
                       .toLatin1());
        FrmSetComm d(settings_, prompts_, usb.scan(settings_.SetupFilePath), {}, usb.identify());
        option(d, 4)->setChecked(true);
        d.CommandOK_Click();
        QCOMPARE(ConfiguredPorts(settings_.SetupFilePath),
                 (std::map<int, std::string>{{2, "/dev/ttyS9"}, {5, link}}));
    }
};

QTEST_MAIN(PortDialogTest)
#include "PortDialogTest.moc"
