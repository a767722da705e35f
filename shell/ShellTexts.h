// The language texts of the desktop program's shell, its dialogs and its main window, by number.
#pragma once

namespace k7x {

// The shared buttons of the dialogs, editing windows and message boxes.
inline constexpr int kTextOk = 9017;
inline constexpr int kTextCancel = 9018;
inline constexpr int kTextClose = 9023;
inline constexpr int kTextHelp = 9025;
inline constexpr int kTextYes = 9040;
inline constexpr int kTextNo = 9041;
inline constexpr int kTextRetry = 9042;

// The document.
inline constexpr int kTextSaveChanges = 9006;       // unsaved changes: save them?
inline constexpr int kTextSaveUnderName = 9007;     // follows the quoted file name: continue?
inline constexpr int kTextConfirmNew = 9026;        // start a new document?
inline constexpr int kTextRecentFileGone = 9220;    // follows the quoted path of a recent file
inline constexpr int kTextPrintMenu = 10005;        // the print preview's title
inline constexpr int kTextPdfFiles = 9350;          // the PDF export's file filter
inline constexpr int kTextPdfNotWritten = 9351;     // followed by the path
inline constexpr int kTextPrintCountryMode = 9352;  // page heading labels
inline constexpr int kTextPrintFileName = 9353;
inline constexpr int kTextPrintDate = 9354;
inline constexpr int kTextPageNumber = 9355;  // "%1" the page, "%2" the number of pages

// The main window and its navigation pane.
inline constexpr int kTextAppTitle = 12000;  // also the caption of a message box that names none
inline constexpr int kTextNodeChannels = 12001;
inline constexpr int kTextNodeOptions = 12002;
inline constexpr int kTextNodeDtmf = 12004;
inline constexpr int kTextNodeRadioInfo = 12007;
inline constexpr int kTextNodeKeys = 12010;
inline constexpr int kTextNodeToneTips = 12014;

// The captions of the editing windows, shown while a window's own content is not there yet.
inline constexpr int kTextWindowChannelGrid = 14050;
inline constexpr int kTextWindowChannelEdit = 15000;
inline constexpr int kTextWindowOptions = 16000;
inline constexpr int kTextWindowDtmf = 18000;
inline constexpr int kTextWindowRadioInfo = 21000;
inline constexpr int kTextWindowKeys = 25000;
inline constexpr int kTextWindowToneTips = 29000;

// The model dialog.
inline constexpr int kTextModelCaption = 13000;
inline constexpr int kTextModelFirstLabel = 13001;   // + i: 13001 model, 13002 mode, 13003 band
inline constexpr int kTextCountryModeChange = 9016;  // starts a new document: continue?
inline constexpr int kTextCountryModeChangeTitle = 9019;  // the question's caption

// The lists a channel's settings are chosen from.
inline constexpr int kTextNoDtmfCode = 14013;
inline constexpr int kTextRogerBeepOff = 15030;
inline constexpr int kTextPowerLow = 15044;  // + 1 middle (15045), + 2 high (15046)

// The channel table import.
inline constexpr int kTextCsvImportTitle = 9322;
inline constexpr int kTextCsvImportByLocation = 9323;
inline constexpr int kTextCsvImportIntoGroup = 9324;
inline constexpr int kTextCsvImportGroup = 9325;
inline constexpr int kTextCsvImportPosition = 9326;
inline constexpr int kTextCsvImportTakeRest = 9327;

// The language and password dialogs.
inline constexpr int kTextLanguageCaption = 23000;
inline constexpr int kTextLanguageLabel = 23001;
inline constexpr int kTextLanguageEnglish = 23002;
inline constexpr int kTextLanguageChinese = 23003;
inline constexpr int kTextPasswordCaption = 23100;
inline constexpr int kTextPasswordLabel = 23101;

// The About dialog.
inline constexpr int kTextAboutCaption = 24000;
inline constexpr int kTextAboutTitle = 24001;
inline constexpr int kTextAboutVersion = 24002;
inline constexpr int kTextAboutDescription = 24003;
inline constexpr int kTextAboutDisclaimer = 24004;
inline constexpr int kTextAboutOk = 24005;

}  // namespace k7x
