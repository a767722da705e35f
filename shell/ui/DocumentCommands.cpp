#include "shell/ui/DocumentCommands.h"

#include <filesystem>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "shell/ShellTexts.h"

namespace k7x {

DocumentCommands::DocumentCommands(DocumentState& doc, Prompts& prompts, FileChooser& files,
                                   DocumentHost& host, std::string programFolder,
                                   const VersionTable& versions, Launcher launch)
    : doc_(doc),
      prompts_(prompts),
      files_(files),
      host_(host),
      programFolder_(std::move(programFolder)),
      versions_(versions),
      launch_(std::move(launch)) {}

bool DocumentCommands::saveTo(const std::string& path) {
    // SaveFile takes the name over only when the file was written, so a failed Save As keeps
    // the name the document had.
    if (!SaveFile(doc_, path, prompts_)) return false;
    host_.rememberFile(path);
    host_.ShowMainTxt();
    return true;
}

bool DocumentCommands::saveForPrompt() {
    // An untitled document has no name of the user's yet: saving it as "new.dat" in whatever
    // folder happens to be current could overwrite another file, so ask for a name.
    if (doc_.IsUntitled) return mnuFileSaveAs_Click();
    return saveTo(doc_.CurrentFilePath);
}

bool DocumentCommands::settleChanges(bool cancelStops) {
    if (!IsDocumentChanged(doc_)) return true;
    const Answer a = prompts_.message(kTextSaveChanges, Buttons::YesNoCancel, Icon::Warning);
    if (a == Answer::Cancel) return !cancelStops;
    // A save that was cancelled or failed must not be followed by discarding the changes.
    return a != Answer::Yes || saveForPrompt();
}

bool DocumentCommands::mnuFileNew_Click() {
    // Cancel here goes on to the confirmation, which is where the menu's New can be stopped.
    if (!settleChanges(false)) return false;
    if (prompts_.message(kTextConfirmNew, Buttons::OkCancel, Icon::Warning) != Answer::Ok)
        return false;
    host_.LoadNewDoc();
    return true;
}

bool DocumentCommands::NewFileButton_Click() {
    if (!settleChanges(true)) return false;
    host_.LoadNewDoc();
    return true;
}

bool DocumentCommands::mnuFileOpen_Click() {
    return openChosenFile({});
}

bool DocumentCommands::mnuFileOpenBackup_Click(const std::string& backupFolder) {
    // Before the first transfer there is no folder yet; the dialog still opens in its place.
    std::error_code ec;
    if (!backupFolder.empty()) std::filesystem::create_directories(backupFolder, ec);
    return openChosenFile(backupFolder);
}

bool DocumentCommands::openChosenFile(const std::string& startFolder) {
    if (!settleChanges(true)) return false;
    const std::optional<std::string> path =
        files_.chooseOpenFile(host_.dialogParent(), openFilter_, startFolder);
    if (!path || path->empty()) return false;
    return openPath(*path);
}

bool DocumentCommands::openFile(const std::string& path) {
    if (!settleChanges(true)) return false;
    return openPath(path);
}

bool DocumentCommands::openRecentFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        prompts_.message("\"" + path + "\"" + prompts_.text(kTextRecentFileGone), Buttons::Ok,
                         Icon::Warning);
        host_.forgetFile(path);
        return false;
    }
    return openFile(path);
}

bool DocumentCommands::openPath(const std::string& path) {
    host_.CloseCurAllWindows();
    bool started = false;
    const OpenResult result = OpenFile(
        doc_, path, programFolder_, versions_, prompts_,
        [&](const std::string& dataVersion) { started = launch_ && launch_(dataVersion, path); });
    switch (result) {
        case OpenResult::Opened:
            doc_.CurrentFilePath = path;
            doc_.IsUntitled = false;
            host_.rememberFile(path);
            host_.documentOpened();
            return true;
        case OpenResult::OtherVersionStarted:
            // When the other version could not be started the user has been told, and this
            // program carries on with its document as it was.
            if (started) {
                host_.endProgram();
                return false;
            }
            break;
        case OpenResult::Refused:
            break;
    }
    // The editing windows were closed for the file; the document stays, so does its grid.
    host_.documentKept();
    return false;
}

bool DocumentCommands::mnuFileSave_Click() {
    if (doc_.IsUntitled) return mnuFileSaveAs_Click();
    const std::string prompt =
        "\"" + FileNameOfPath(doc_.CurrentFilePath) + "\"" + prompts_.text(kTextSaveUnderName);
    if (prompts_.message(prompt, Buttons::OkCancel, Icon::Question) != Answer::Ok) return false;
    return saveTo(doc_.CurrentFilePath);
}

bool DocumentCommands::mnuFileSaveAs_Click() {
    const std::optional<std::string> path =
        files_.chooseSaveFile(host_.dialogParent(), saveFilter_, doc_.CurrentFilePath);
    if (!path || path->empty()) return false;
    return saveTo(*path);
}

bool DocumentCommands::QueryUnload() {
    if (!IsDocumentChanged(doc_)) return true;
    switch (prompts_.message(kTextSaveChanges, Buttons::YesNoCancel, Icon::Warning)) {
        case Answer::Cancel:
            return false;
        // The user asked to keep the changes: closing after a cancelled or failed save
        // would lose them.
        case Answer::Yes:
            return mnuFileSave_Click();
        default:
            return true;
    }
}

}  // namespace k7x
