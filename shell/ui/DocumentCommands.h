// New, Open, Open backup, the recent files, Save, Save As and the unsaved-changes question when the
// main window closes. The commands work on the shared document; what they need of the main window
// goes through DocumentHost, so the prompt sequences can be driven without a window.
#pragma once

#include <string>

#include "codeplug/CodeplugFile.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "codeplug/Versions.h"
#include "shell/ui/FileChooser.h"

class QWidget;

namespace k7x {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Closes every editing window and starts the new-document timer.
    virtual void LoadNewDoc() = 0;
    virtual void CloseCurAllWindows() = 0;
    virtual void ShowMainTxt() = 0;
    // A file was opened into the document: show the channel grid, refresh title and texts.
    virtual void documentOpened() = 0;
    // An open did not take place: show the unchanged document's channel grid again.
    virtual void documentKept() = 0;
    // Another program version has taken over: end at once, without the closing questions.
    virtual void endProgram() = 0;
    // Parent of the file dialogs.
    virtual QWidget* dialogParent() = 0;
    // A file was opened or saved: it heads the recent files. A recent file that has gone is
    // forgotten.
    virtual void rememberFile(const std::string& path) = 0;
    virtual void forgetFile(const std::string& path) = 0;
};

class DocumentCommands {
public:
    // launch starts the program version for a data version, handing it the file to open, and
    // tells whether it started.
    using Launcher =
        std::function<bool(const std::string& dataVersion, const std::string& filePath)>;

    // programFolder holds the templates a codeplug text's missing keys are taken from.
    DocumentCommands(DocumentState& doc, Prompts& prompts, FileChooser& files, DocumentHost& host,
                     std::string programFolder, const VersionTable& versions, Launcher launch);

    // The file dialogs' filters in Qt form, set with the captions: Open offers every form a
    // codeplug is kept in, Save As the .dat file first and then the text form.
    void setFileFilters(std::string openFilter, std::string saveFilter) {
        openFilter_ = std::move(openFilter);
        saveFilter_ = std::move(saveFilter);
    }

    // Menu New: 9006 when changed (Cancel still goes on), then the 9026 confirmation.
    // True when a new document was started.
    bool mnuFileNew_Click();
    // Toolbar New: 9006 when changed (Cancel stops), no confirmation.
    bool NewFileButton_Click();
    // True when a file was opened.
    bool mnuFileOpen_Click();
    // Open with the dialog in the folder of the backup copies (made when missing), so a radio
    // can be put back as it was before a read or a write.
    bool mnuFileOpenBackup_Click(const std::string& backupFolder);
    // Opens the file at path as Open does once the dialog has chosen it: a dropped file, the
    // file named on the command line. True when it was opened.
    bool openFile(const std::string& path);
    // A recent file: one that no longer exists is reported and forgotten instead.
    bool openRecentFile(const std::string& path);
    // True when the document was written.
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    // The question before the main window closes; false keeps it open.
    bool QueryUnload();

private:
    // Writes the document to path; the name is taken over only when the file was written.
    bool saveTo(const std::string& path);
    // Yes to 9006 in New and Open: the current name, or Save As for an untitled document.
    bool saveForPrompt();
    // 9006 before New and Open when the document has changed: Yes saves first, No goes on,
    // Cancel stops when cancelStops. False when the command stops, also when the save did not
    // happen.
    bool settleChanges(bool cancelStops);
    // Open: the unsaved-changes question, the dialog (in startFolder when given), the file.
    bool openChosenFile(const std::string& startFolder);
    // Opens path into the document once the changes are settled.
    bool openPath(const std::string& path);

    DocumentState& doc_;
    Prompts& prompts_;
    FileChooser& files_;
    DocumentHost& host_;
    const std::string programFolder_;
    const VersionTable& versions_;
    Launcher launch_;
    std::string openFilter_;
    std::string saveFilter_;
};

}  // namespace k7x
