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

// What each command does, in the command list and its help.
inline constexpr int kTextNewCommand = 9130;
inline constexpr int kTextShowCommand = 9131;
inline constexpr int kTextPackCommand = 9132;
inline constexpr int kTextUnpackCommand = 9133;
inline constexpr int kTextReadCommand = 9134;
inline constexpr int kTextWriteCommand = 9135;
inline constexpr int kTextInfoCommand = 9136;
inline constexpr int kTextPortsCommand = 9137;
inline constexpr int kTextExportCsvCommand = 9300;
inline constexpr int kTextImportCsvCommand = 9301;
inline constexpr int kTextDiffCommand = 9470;
inline constexpr int kTextCompareCommand = 9480;
inline constexpr int kTextVerifyCommand = 9481;

// What each option does.
inline constexpr int kTextModeOption = 9140;
inline constexpr int kTextDatOutputOption = 9141;
inline constexpr int kTextImageOutputOption = 9142;
inline constexpr int kTextPortOption = 9143;
inline constexpr int kTextTraceOption = 9144;
inline constexpr int kTextPasswordFileOption = 9145;
inline constexpr int kTextPasswordOption = 9146;
inline constexpr int kTextRetriesOption = 9147;
inline constexpr int kTextCsvOutputOption = 9302;
inline constexpr int kTextPartialOption = 9303;
inline constexpr int kTextJsonOption = 9471;
inline constexpr int kTextYamlOption = 9561;
inline constexpr int kTextPreviewOption = 9482;
inline constexpr int kTextYesOption = 9483;
inline constexpr int kTextVerifyOption = 9484;

// convert.
inline constexpr int kTextConvertCommand = 9560;
inline constexpr int kTextNotAFileKind = 9562;  // path: not .dat, .yaml, .yml or .json

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
inline constexpr int kTextShortFile = 9194;          // size, the size a file has
inline constexpr int kTextBadChannelCount = 9195;    // count, capacity
inline constexpr int kTextBadChannelNumber = 9196;   // entry, number, capacity
inline constexpr int kTextRepeatedChannel = 9197;    // entry, number
inline constexpr int kTextCsvNothingWritten = 9317;  // count of rows not taken
inline constexpr int kTextCsvRowsLeftOut = 9318;     // channels taken, rows left out
inline constexpr int kTextOnlyIn = 9472;             // channel, file: what only one file has

// Versions, the radio, the terminal.
inline constexpr int kTextNoLaunch = 9126;  // data version
inline constexpr int kTextFailed = 9127;    // what, why
inline constexpr int kTextPasswordVisible = 9128;
inline constexpr int kTextReadingRadio = 9160;
inline constexpr int kTextWritingRadio = 9161;
inline constexpr int kTextReadingInformation = 9162;
inline constexpr int kTextStopped = 9163;             // the reason after kTextFailed
inline constexpr int kTextRadioPartlyWritten = 9164;  // write the file again
// Why a transfer did not complete, after kTextFailed.
inline constexpr int kTextReasonPortError = 9150;
inline constexpr int kTextReasonPortLost = 9151;
inline constexpr int kTextReasonCancelled = 9152;
inline constexpr int kTextReasonNoAnswer = 9153;
inline constexpr int kTextReasonPassword = 9154;
inline constexpr int kTextReasonOtherModel = 9155;
inline constexpr int kTextReasonModeMismatch = 9156;
inline constexpr int kTextReasonUnknownMode = 9157;
inline constexpr int kTextReasonOtherVersion = 9158;
inline constexpr int kTextReasonIncomplete = 9159;
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
// The problem report.
inline constexpr int kTextReportCommand = 9520;
inline constexpr int kTextReportOutputOption = 9521;
inline constexpr int kTextIncludeDocumentOption = 9522;

// The text of a number with its placeholders filled in.
inline std::string Text(const Prompts& prompts, int number,
                        std::initializer_list<std::string_view> args = {}) {
    return FillText(prompts.text(number), args);
}

}  // namespace k7x::cli
