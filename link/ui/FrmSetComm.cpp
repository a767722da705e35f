#include "link/ui/FrmSetComm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/serial/PortLabel.h"
#include "link/serial/PortOpenFailure.h"
#include "shell/SetupFile.h"
#include "shell/ui/Captions.h"
#include "shell/ui/DialogControls.h"

namespace k7x {

namespace {

// Two choices to a row, each a radio button with its device beside it.
constexpr int kChoicesPerRow = 2;

// "Port 3: /dev/ttyUSB0 (FT232R USB UART)", or the bare device without a language file.
QString deviceTip(const Prompts& prompts, const PortMap::Entry& entry) {
    QString device = QString::fromStdString(entry.path);
    if (!entry.description.empty())
        device += QStringLiteral(" (") + QString::fromStdString(entry.description) + u')';
    const QString form = LangText(prompts, kTextPortDevice);
    if (!form.contains(QStringLiteral("%2"))) return device;
    return form.arg(entry.number).arg(device);
}

// The device tip, and the by-id name its adapter is found again by.
QString knownTip(const Prompts& prompts, const PortMap::Entry& entry,
                 const DeviceIdentity& identity) {
    QString tip = deviceTip(prompts, entry);
    if (!identity.stableName.empty()) {
        const QString form = LangText(prompts, kTextPortKnownBy);
        if (form.contains(QStringLiteral("%1")))
            tip += u'\n' + form.arg(QString::fromStdString(identity.stableName));
    }
    return tip;
}

QString missingTip(const Prompts& prompts, int number) {
    const QString form = LangText(prompts, kTextMissingPort);
    return form.contains(QStringLiteral("%1")) ? form.arg(number) : form;
}

}  // namespace

FrmSetComm::FrmSetComm(AppSettings& settings, const Prompts& prompts, PortScan scan,
                       PortChecker check, PortIdentifier identify, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      prompts_(prompts),
      scan_(std::move(scan)),
      check_(check ? std::move(check) : SystemPortChecker()),
      identify_(identify ? std::move(identify) : SystemPortIdentifier()) {
    setObjectName(QStringLiteral("FrmSetComm"));
    setWindowTitle(LangText(prompts, kTextPortCaption));

    Frame1 = new QGroupBox(LangText(prompts, kTextPortFrame), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    const QString prefix = LangText(prompts, kTextPortPrefix);
    for (int i = 0; i < kPortChoices; ++i) {
        auto* option = new QRadioButton(prefix + QString::number(i + 1), Frame1);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        // The label names the device; as the choice's buddy it is read out with it.
        QLabel* device = MakeBuddyLabel(Frame1, QStringLiteral("LabelDevice_%1").arg(i), option,
                                        Qt::AlignLeft | Qt::AlignVCenter);
        const int column = (i % kChoicesPerRow) * 2;
        grid->addWidget(option, i / kChoicesPerRow, column);
        grid->addWidget(device, i / kChoicesPerRow, column + 1);
        Option1[static_cast<std::size_t>(i)] = option;
        LabelDevice[static_cast<std::size_t>(i)] = device;
    }

    Scan();

    CommandCheck = new QPushButton(LangText(prompts, kTextCheckPort), this);
    CommandCheck->setObjectName(QStringLiteral("CommandCheck"));
    TextFindings = new QPlainTextEdit(this);
    TextFindings->setObjectName(QStringLiteral("TextFindings"));
    TextFindings->setReadOnly(true);
    // Tab leaves the findings as it leaves any read-only view.
    TextFindings->setTabChangesFocus(true);
    TextFindings->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    LabelFindings = MakeBuddyLabel(this, QStringLiteral("LabelFindings"), TextFindings,
                                   Qt::AlignLeft | Qt::AlignVCenter);
    LabelFindings->setText(LangText(prompts, kTextFindings));

    const OkCancelButtons buttons = AddOkCancelButtons(*this, prompts);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(CommandCheck);
    checkRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(checkRow);
    layout->addWidget(LabelFindings);
    layout->addWidget(TextFindings, 1);
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));
    connect(CommandCheck, &QPushButton::clicked, this, &FrmSetComm::CommandCheck_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmSetComm::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmSetComm::CommandCancel_Click);

    // The stored port shows as chosen even when it has no device now (it stays confirmable).
    if (settings_.ComPortNo >= 1 && settings_.ComPortNo <= kPortChoices)
        Option1[static_cast<std::size_t>(settings_.ComPortNo - 1)]->setChecked(true);

    ReCommTimer.setObjectName(QStringLiteral("ReCommTimer"));
    ReCommTimer.setParent(this);
    ReCommTimer.setInterval(kReCommIntervalMs);
    connect(&ReCommTimer, &QTimer::timeout, this, &FrmSetComm::ReCommTimer_Timer);
    ReCommTimer.start();
}

PortMap FrmSetComm::currentPorts() const {
    return scan_ ? scan_() : PortMap({}, {});
}

void FrmSetComm::Scan() {
    const TextLookup text = [this](int number) { return prompts_.text(number); };
    const PortMap map = currentPorts();
    const std::vector<bool> available = map.availability();
    for (int i = 0; i < kPortChoices; ++i) {
        const auto index = static_cast<std::size_t>(i);
        QRadioButton* option = Option1[index];
        option->setEnabled(index < available.size() && available[index]);
        const std::optional<PortMap::Entry> entry = map.entry(i + 1);
        if (!entry || !option->isEnabled()) {
            option->setToolTip(missingTip(prompts_, i + 1));
            option->setAccessibleName(QString());  // the button's own text
            // A number the setup file keeps for an adapter that is away names the one it waits
            // for.
            LabelDevice[index]->setText(entry ? QString::fromStdString(entry->path) : QString());
            continue;
        }
        const DeviceIdentity identity = identify_(entry->path);
        option->setToolTip(knownTip(prompts_, *entry, identity));
        option->setAccessibleName(
            QString::fromStdString(PortLabel(text, i + 1, identity, entry->description)));
        LabelDevice[index]->setText(
            QString::fromStdString(DeviceLabel(text, identity, entry->description)));
    }
    Frame1->setToolTip(map.entries().empty() ? LangText(prompts_, kTextNoSerialPorts) : QString());
}

int FrmSetComm::selectedIndex() const {
    int selected = -1;
    for (int i = 0; i < kPortChoices; ++i)
        if (Option1[static_cast<std::size_t>(i)]->isChecked()) selected = i;
    return selected;
}

void FrmSetComm::ReCommTimer_Timer() {
    const int selected = selectedIndex();
    Scan();
    if (selected >= 0) Option1[static_cast<std::size_t>(selected)]->setChecked(true);
}

void FrmSetComm::CommandCheck_Click() {
    const TextLookup text = [this](int number) { return prompts_.text(number); };
    std::vector<std::string> lines;
    std::string path;
    const int selected = selectedIndex();
    if (selected >= 0) {
        const PortMap map = currentPorts();
        if (const std::optional<PortMap::Entry> entry = map.entry(selected + 1)) {
            path = entry->path;
            lines.push_back(PortDisplayName(text, selected + 1, path));
        } else {
            lines.push_back(DescribeMissingPort(text, selected + 1));
        }
    }
    // Without a device the programs that take adapters away are still worth knowing about.
    for (const std::string& line : FormatFindings(text, check_(path))) lines.push_back(line);
    QStringList shown;
    for (const std::string& line : lines) shown << QString::fromStdString(line);
    TextFindings->setPlainText(shown.join(u'\n'));
}

void FrmSetComm::CommandOK_Click() {
    const int selected = selectedIndex();
    if (selected >= 0) {
        settings_.ComPortNo = static_cast<Int>(selected + 1);
        WriteSetupNumber(settings_.SetupFilePath, kKeyComPort, selected + 1);
        const PortMap map = currentPorts();
        if (const std::optional<PortMap::Entry> entry = map.entry(selected + 1)) {
            RememberPortDevice(settings_.SetupFilePath, selected + 1,
                               RememberedName(identify_(entry->path), entry->path));
        }
    }
    accept();
}

void FrmSetComm::CommandCancel_Click() {
    reject();
}

void FrmSetComm::done(int result) {
    ReCommTimer.stop();
    QDialog::done(result);
}

}  // namespace k7x
