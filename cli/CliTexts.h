// The language texts korvan7x-cli shows, by number. Every message comes through the Prompts'
// text(), so the program speaks the language stored in the setup file; "%1", "%2", ... are
// filled in by Text().
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "codeplug/FillText.h"
#include "codeplug/Prompts.h"

namespace k7x::cli {

// How the program names itself in its messages and in the usage.
inline constexpr const char* kProgramName = "korvan7x-cli";

// Usage and mistakes on the command line.
inline constexpr int kTextUsage = 9110;       // Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]
inline constexpr int kTextAbout = 9111;       // what the program is
inline constexpr int kTextCommands = 9112;    // heading of the command list
inline constexpr int kTextOptions = 9113;     // heading of a command's options
inline constexpr int kTextExitStatus = 9114;  // the meaning of the exit codes
inline constexpr int kTextHelpHint = 9115;    // (%1 --help lists the commands)
inline constexpr int kTextUnknownCommand = 9116;
inline constexpr int kTextUnknownOption = 9117;  // option, command
inline constexpr int kTextTakesNoValue = 9118;   // option
inline constexpr int kTextNeedsValue = 9119;     // option, value placeholder
inline constexpr int kTextOutputMissing = 9120;
inline constexpr int kTextBadMode = 9121;        // the value given
inline constexpr int kTextCommandUsage = 9173;   // Usage: %1
inline constexpr int kTextCommandHelp = 9174;    // %1 COMMAND --help shows ...
inline constexpr int kTextNoArguments = 9175;    // command, count given
inline constexpr int kTextArgumentCount = 9176;  // command, arguments, count given
inline constexpr int kTextNumberRange = 9177;    // option, lowest, highest
inline constexpr int kTextBadPort = 9178;        // the value given
inline constexpr int kTextTwoPasswords = 9129;

// Files.
inline constexpr int kTextCannotRead = 9122;   // path
inline constexpr int kTextCannotWrite = 9123;  // path
inline constexpr int kTextNotAnImage = 9124;   // path, image size
inline constexpr int kTextNotUnpacked = 9125;
inline constexpr int kTextCannotReadPasswordFile = 9179;  // path
inline constexpr int kTextNotOpened = 9190;               // path
inline constexpr int kTextNotOpenedBecause = 9191;        // path, one of 9193-9197
inline constexpr int kTextNotOpenedNotWritten = 9192;     // path
inline constexpr int kTextUnreadable = 9193;
inline constexpr int kTextShortFile = 9194;         // size, the size a file has
inline constexpr int kTextBadChannelCount = 9195;   // count, capacity
inline constexpr int kTextBadChannelNumber = 9196;  // entry, number, capacity
inline constexpr int kTextRepeatedChannel = 9197;   // entry, number

// Versions, the radio, the terminal.
inline constexpr int kTextNoLaunch = 9126;  // data version
inline constexpr int kTextFailed = 9127;    // what, why
inline constexpr int kTextPasswordVisible = 9128;
inline constexpr int kTextReadingRadio = 9160;
inline constexpr int kTextWritingRadio = 9161;
inline constexpr int kTextReadingInformation = 9162;
inline constexpr int kTextStopped = 9163;             // the reason after kTextFailed
inline constexpr int kTextRadioPartlyWritten = 9164;  // write the file again
inline constexpr int kTextProgressRead = 9027;
inline constexpr int kTextProgressWrite = 9028;
inline constexpr int kTextAnsweredWithout = 9180;  // the answer's button caption
inline constexpr int kTextPasswordPrompt = 9181;
inline constexpr int kTextPasswordProtected = 9182;
inline constexpr int kTextPasswordNeeded = 9183;
inline constexpr int kTextTryingAgain = 9184;  // tries left
inline constexpr int kTextGivingUp = 9185;
inline constexpr int kTextTransferRunning = 9186;
inline constexpr int kTextNoSerialPorts = 9106;
inline constexpr int kTextDevicePathHint = 9198;
inline constexpr int kTextDevice = 9100;  // path
inline constexpr int kTextCheckOption = 9400;
inline constexpr int kTextCheckedPortOption = 9422;
inline constexpr int kTextOptionGoesWith = 9423;  // option, the option it needs
inline constexpr int kTextCancelButton = 9018;
inline constexpr int kTextNoButton = 9041;
inline constexpr int kTextNoBackupOption = 9201;
inline constexpr int kTextBackupKept = 9202;  // path

// The text of a number with its placeholders filled in.
inline std::string Text(const Prompts& prompts, int number,
                        std::initializer_list<std::string_view> args = {}) {
    return FillText(prompts.text(number), args);
}

}  // namespace k7x::cli
