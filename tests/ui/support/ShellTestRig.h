// A main window with everything it works with, set up in a temporary installation: scripted
// message answers, scripted file dialogs, its own window-placement file.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "RecordingPrompts.h"
#include "codeplug/Defaults.h"
#include "shell/AppSettings.h"
#include "shell/LanguageTextSource.h"
#include "shell/RecentFiles.h"
#include "shell/StartUp.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/ChannelCsvCommands.h"
#include "shell/ui/ChildWindows.h"
#include "shell/ui/FileChooser.h"
#include "shell/ui/FocusedWheel.h"
#include "shell/ui/MainWindow.h"

namespace k7x::test {

// Answers the open and save dialogs from a script; an exhausted script cancels.
class ScriptedFileChooser : public FileChooser {
public:
    struct Call {
        bool save;
        std::string filter;
        std::string preset;
        std::string startFolder = {};  // of an open dialog
    };

    std::optional<std::string> chooseOpenFile(QWidget*, const std::string& filter,
                                              const std::string& startFolder) override {
        calls.push_back({false, filter, {}, startFolder});
        return next();
    }
    std::optional<std::string> chooseSaveFile(QWidget*, const std::string& filter,
                                              const std::string& preset) override {
        calls.push_back({true, filter, preset});
        return next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<Call> calls;

private:
    std::optional<std::string> next() {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> a = answers.front();
        answers.pop_front();
        return a;
    }
};

// RecordingPrompts that takes its texts from the language files instead of "<n>".
class LanguagePrompts : public RecordingPrompts {
public:
    explicit LanguagePrompts(const AppSettings& settings) : source_(settings) {}
    std::string text(int number) const override { return source_.text(number); }

private:
    LanguageTextSource source_;
};

struct RadioStub : RadioCommands {
    void readFromRadio() override { ++reads; }
    void writeToRadio() override { ++writes; }
    void readRadioInfo() override { ++infoReads; }
    void choosePort(QWidget*) override { ++portDialogs; }
    void enterPassword(QWidget*) override { ++passwordDialogs; }
    void closePort() override {
        ++portCloses;
        // Stopping a transfer lets events through while it waits; this stands for one of them.
        if (auto then = std::exchange(whileClosingPort, nullptr)) then();
    }
    bool busy() const override { return false; }
    int reads = 0, writes = 0, infoReads = 0, portDialogs = 0, passwordDialogs = 0, portCloses = 0;
    std::function<void()> whileClosingPort;  // runs once, inside the next closePort
};

class ShellTestRig {
public:
    // withLanguageFiles copies the shipped language files into the program folder and takes
    // the texts from them; otherwise text n reads "<n>".
    explicit ShellTestRig(bool withLanguageFiles = false)
        : placementStore(
              WindowPlacementStore::inFile(dir.filePath(QStringLiteral("placement.ini")))) {
        QDir(dir.path()).mkpath(QStringLiteral("V100/language"));
        QDir(dir.path()).mkpath(QStringLiteral("language"));
        settings.ProgramFolder = dir.filePath(QStringLiteral("V100")).toStdString();
        settings.InstallRoot = dir.path().toStdString();
        settings.SetupFilePath = dir.filePath(QStringLiteral("language/mysetup.ini")).toStdString();
        settings.SettingFilePath = dir.filePath(QStringLiteral("V100/Setting.ini")).toStdString();
        settings.AppTitle = "korvan7x test";
        settings.Versions.CurrentVersion = "V100";
        settings.Versions.SoftVersions = {"V100"};
        settings.Versions.VersionPairs = {{"V100", "V100"}};
        if (withLanguageFiles) {
            const QString source = qEnvironmentVariable("K7X_SOURCE_DIR");
            for (const char* name : {"english.ini", "chinese.ini"}) {
                QFile::copy(source + QStringLiteral("/data/language/") + QLatin1String(name),
                            dir.filePath(QStringLiteral("V100/language/")) + QLatin1String(name));
            }
            languagePrompts = std::make_unique<LanguagePrompts>(settings);
        }
        SetStartDocumentValues(doc);
        InitNewDocument(doc, settings.ProgramFolder, false);
    }

    RecordingPrompts& prompts() { return languagePrompts ? *languagePrompts : plainPrompts; }

    frmMain& main() {
        if (!window) {
            MainWindowServices services{settings, doc,     prompts(), files, children,
                                        nullptr,  nullptr, {},        {}};
            services.radio = &radio;
            services.placement = &placementStore;
            services.recentFiles = &recentFiles;
            services.csvChoices = csvChoices;
            services.printSections = printSections;
            services.traceFile = traceFile;
            services.shutdownDuties = [this] { ++shutdowns; };
            services.launchVersion = [this](const std::string& v, const std::string& file) {
                launched.push_back(file.empty() ? v : v + " " + file);
                return launchSucceeds;
            };
            window = std::make_unique<frmMain>(std::move(services));
        }
        return *window;
    }

    // Makes the document differ from its saved copy.
    void changeDocument() {
        doc.WorkDoc.Keys.KeyOption = static_cast<Int>(doc.WorkDoc.Keys.KeyOption + 1);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    template <typename T = QObject>
    T* find(const QString& name) {
        return main().findChild<T*>(name);
    }

    QTemporaryDir dir;
    AppSettings settings;
    DocumentState doc;
    RecordingPrompts plainPrompts;
    std::unique_ptr<LanguagePrompts> languagePrompts;
    ScriptedFileChooser files;
    ChildWindowFactory children;
    RadioStub radio;
    WindowPlacementStore placementStore;
    RecentFiles recentFiles = RecentFiles::inFile(dir.filePath(QStringLiteral("recent.ini")));
    PrintSectionSource printSections;  // what File > Print puts on the pages
    std::string traceFile;             // the last transfer's trace, for a problem report
    int shutdowns = 0;
    std::vector<std::string> launched;
    bool launchSucceeds = true;
    CsvImportChoices* csvChoices = nullptr;  // File > Import channels: the dialogs when null
    FocusedWheelFilter wheelFilter;          // the wheel as the desktop program has it
    std::unique_ptr<frmMain> window;
};

}  // namespace k7x::test
