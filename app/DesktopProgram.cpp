#include "app/DesktopProgram.h"

#include <QAction>
#include <QTimer>

#include "channels/ChannelPrintSections.h"
#include "link/ui/MainWindowLink.h"
#include "link/ui/PortScan.h"
#include "settings/SettingNames.h"
#include "settings/SettingsPrintSections.h"
#include "shell/LangTexts.h"
#include "shell/StartUp.h"
#include "shell/VersionLoader.h"
#include "shell/ui/AppIcon.h"
#include "shell/ui/FocusedWheel.h"
#include "shell/ui/SplashWindow.h"

namespace k7x {

DesktopProgram::DesktopProgram() = default;

DesktopProgram::~DesktopProgram() {
    // The main window refers to everything else; it goes first, the transfers next.
    main_.reset();
    transfers_.reset();
}

bool DesktopProgram::launchVersion(const std::string& dataVersion, const std::string& filePath) {
    return LaunchProgramVersion(settings_.Versions, dataVersion, filePath, settings_.InstallRoot,
                                *prompts_);
}

void DesktopProgram::start(const std::string& startFile) {
    startFile_ = startFile;
    QApplication::setWindowIcon(ApplicationIcon());
    new FocusedWheelFilter(qApp);  // the application owns it
    prompts_ = std::make_unique<DesktopPrompts>(
        [this](int number) { return GetLangText(settings_, number); });
    RunStartSequence(settings_, doc_, StartEnvironment::fromProcess(), *prompts_);
    placement_ = std::make_unique<WindowPlacementStore>(QString::fromStdString(settings_.AppTitle));
    recentFiles_ = std::make_unique<RecentFiles>(
        RecentFiles::forUser(QString::fromStdString(settings_.AppTitle)));

    // Copies older than a year go at every start.
    backups_.prune();
    TransferControllerServices link{settings_, doc_, *prompts_, {}, {}, {}};
    link.backups = &backupKeeper_;
    link.writeChecks = &writeChecks_;
    link.lastTrace = &lastTrace_;
    link.settingName = [this](const std::string& name) {
        return SettingDisplayName(name, *prompts_);
    };
    link.launchVersion = [this](const std::string& v) { return launchVersion(v, {}); };
    transfers_ = std::make_unique<TransferController>(std::move(link));
    // The password dialog of a transfer shows the password kept for this run.
    prompts_->setPasswordSource(
        [this] { return transfers_ ? transfers_->storedPassword() : std::string(); });
    RegisterRadioInfoWindow(children_, doc_, *prompts_, settings_);
    channelServices_ = std::make_unique<ChannelWindowServices>(
        ChannelWindowServices{doc_, *prompts_, settings_, channelState_, {}, {}, {}, {}});
    channelServices_->showWindow = [this](const QString& name) {
        return main_ ? main_->ShowChildWindow(name) : nullptr;
    };
    channelServices_->showChannelCommands = [this](bool show) {
        if (main_) main_->ShowCHInfo(show);
    };
    channelServices_->mainAction = [this](const QString& name) -> QAction* {
        return main_ ? main_->findChild<QAction*>(name) : nullptr;
    };
    channelServices_->changeMade = [this](const std::string& label) {
        if (main_) main_->history().record(QString::fromStdString(label));
    };
    RegisterChannelWindows(children_, *channelServices_);
    settingsServices_ = std::make_unique<SettingsWindowServices>(
        SettingsWindowServices{doc_, *prompts_, settings_});
    RegisterSettingsWindows(children_, *settingsServices_);

    // The splash window opens the main window after two seconds or a click.
    auto* splash = new frmSplash(QString::fromStdString(settings_.ProgramFolder),
                                 settings_.LangIndex, [this] { openMainWindow(); });
    splash->setWindowTitle(QString::fromStdString(settings_.AppTitle));
    splash->show();
}

void DesktopProgram::openMainWindow() {
    MainWindowServices services{
        settings_, doc_, *prompts_, files_, children_, transfers_.get(), placement_.get(), {}, {}};
    services.shutdownDuties = [this] { RunShutdownDuties(settings_); };
    services.launchVersion = [this](const std::string& v, const std::string& file) {
        return launchVersion(v, file);
    };
    services.backupFolder = backups_.folder();
    services.traceFile = lastTrace_.path();
    services.configuredPorts = [this] { return ConfiguredPorts(settings_.SetupFilePath); };
    services.recentFiles = recentFiles_.get();
    services.printSections = [](const DocumentState& doc, Prompts& prompts,
                                const PrintOptions& options) {
        return ChannelPrintSections(doc, prompts, options) + SettingsPrintSections(doc, prompts);
    };
    main_ = std::make_unique<frmMain>(std::move(services));
    prompts_->setParentWindow(main_.get());
    ConnectTransferController(*transfers_, *main_);
    main_->show();
    // The first activation rebuilds the texts when the stored language differs from the
    // system's; it runs here too for window systems that do not report the activation.
    main_->Form_Activate();
    if (!startFile_.empty()) {
        // After the first document's windows are up, as if the user had chosen the file.
        QTimer::singleShot(0, main_.get(),
                           [this] { main_->documentCommands().openFile(startFile_); });
    }
}

int DesktopProgram::exec() {
    return QApplication::exec();
}

}  // namespace k7x
