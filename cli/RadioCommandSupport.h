// What the commands that talk to the radio share: their options, the settings of a session
// read from them, the backup copies, the event loop and how a failed transfer is reported.
#pragma once

#include <QCoreApplication>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/RadioSession.h"
#include "codeplug/Backups.h"
#include "link/BackupKeeper.h"

namespace k7x::cli {

inline const OptionSpec kNoBackupOption{"--no-backup", "", kTextNoBackupOption};

// --port, --trace, --password-file, --password and --retries.
std::vector<OptionSpec> TransferOptions();

// A Qt event loop for the serial port and the timers; one per process.
QCoreApplication& EventLoopApplication();

// The settings shared by the transfers; false (after reporting) on a misuse.
bool ReadSessionSettings(const Arguments& args, CliContext& ctx, RadioSessionSettings& s,
                         int& exitCode);

// The last line on stderr: which transfer failed and why (`what` names it). Stopped by a signal,
// the exit status is 128 plus its number, as a shell shows a program that the signal ended.
int TransferFailure(CliContext& ctx, int what, const RadioSessionResult& r);

// The backup copies of a read or a write: kept in the user's data folder unless --no-backup
// says otherwise.
class CliBackups {
public:
    explicit CliBackups(const Arguments& args) {
        if (args.has("--no-backup")) return;
        store_.emplace(BackupFolderOfProcess());
        keeper_.emplace(*store_);
    }
    BackupKeeper* keeper() { return keeper_ ? &*keeper_ : nullptr; }
    // Tells where the copy of the last transfer went, if it kept one, and then removes the
    // copies older than a year. A transfer that kept none leaves the folder alone.
    void finish(CliContext& ctx) {
        if (!keeper_ || keeper_->lastKept().empty() || keeper_->lastKept() == reported_) return;
        reported_ = keeper_->lastKept();
        ctx.err << kProgramName << ": " << Text(ctx.prompts, kTextBackupKept, {reported_}) << '\n';
        store_->prune();
    }

private:
    std::string reported_;
    std::optional<BackupStore> store_;
    std::optional<StoreBackupKeeper> keeper_;
};

}  // namespace k7x::cli
