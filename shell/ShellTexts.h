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
inline constexpr int kTextPrintAllPositions = 9551;  // the print preview's choice
inline constexpr int kTextPageNumber = 9355;         // "%1" the page, "%2" the number of pages

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

// The problem report.
inline constexpr int kTextReportCaption = 9523;
inline constexpr int kTextReportAbout = 9524;
inline constexpr int kTextReportIncludeDocument = 9525;
inline constexpr int kTextReportSaved = 9526;     // path
inline constexpr int kTextReportNotSaved = 9527;  // why
inline constexpr int kTextReportFiles = 9528;

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

// The menus and their entries, by the object names of the entries.
inline constexpr int kTextMenuFile = 10000;
inline constexpr int kTextMenuFileNew = 10001;
inline constexpr int kTextMenuFileOpen = 10002;
inline constexpr int kTextMenuFileSave = 10003;
inline constexpr int kTextMenuFileSaveAs = 10004;
inline constexpr int kTextMenuFilePrint = 10005;
inline constexpr int kTextMenuFileExit = 10006;
inline constexpr int kTextMenuModel = 10100;
inline constexpr int kTextMenuModelInfo = 10101;
inline constexpr int kTextMenuEdit = 10200;
inline constexpr int kTextMenuChannelInfo = 10201;
inline constexpr int kTextMenuOptFeature = 10202;
inline constexpr int kTextMenuRadioFre = 10203;
inline constexpr int kTextMenuDTMF = 10204;
inline constexpr int kTextMenuTestFre = 10205;
inline constexpr int kTextMenuEmbeddedMsg = 10206;
inline constexpr int kTextMenuLocalInfo = 10207;
inline constexpr int kTextMenuKey = 10208;
inline constexpr int kTextMenuScan = 10209;
inline constexpr int kTextMenuAlert = 10210;
inline constexpr int kTextMenuGroupName = 10220;
inline constexpr int kTextMenuToneTips = 10221;
inline constexpr int kTextMenuResetInit = 10222;
inline constexpr int kTextMenuProgram = 10300;
inline constexpr int kTextMenuReadFromRadio = 10301;
inline constexpr int kTextMenuWriteToRadio = 10302;
inline constexpr int kTextMenuProPassWord = 10303;
inline constexpr int kTextMenuCompareWithRadio = 10304;
inline constexpr int kTextMenuSet = 10400;
inline constexpr int kTextMenuComm = 10401;
inline constexpr int kTextMenuLanguage = 10402;
inline constexpr int kTextMenuInit = 10403;
inline constexpr int kTextMenuPreviewWrite = 10404;  // checkable
inline constexpr int kTextMenuCheckWrite = 10405;    // checkable
inline constexpr int kTextMenuView = 10500;
inline constexpr int kTextMenuTreeView = 10501;
inline constexpr int kTextMenuViewToolbar = 10502;
inline constexpr int kTextMenuViewStatusBar = 10503;
inline constexpr int kTextMenuWindow = 10600;
inline constexpr int kTextMenuWindowCascade = 10601;
inline constexpr int kTextMenuCloseAll = 10602;
inline constexpr int kTextMenuHelp = 10700;
inline constexpr int kTextMenuHelpTopic = 10701;
inline constexpr int kTextMenuHelpAbout = 10702;
inline constexpr int kTextMenuHelpReport = 10703;
inline constexpr int kTextMenuChannelEdit = 10800;
inline constexpr int kTextMenuChannelCut = 10801;
inline constexpr int kTextMenuChannelCopy = 10802;
inline constexpr int kTextMenuChannelPaste = 10803;
inline constexpr int kTextMenuChannelInsert = 10804;
inline constexpr int kTextMenuChannelDelete = 10805;
inline constexpr int kTextMenuChannelMoveUp = 10806;
inline constexpr int kTextMenuChannelMoveDown = 10807;
inline constexpr int kTextMenuChannelHabits = 10808;
inline constexpr int kTextMenuFileOpenBackup = 10940;
inline constexpr int kTextMenuFileImportCsv = 10941;
inline constexpr int kTextMenuFileExportCsv = 10942;
inline constexpr int kTextMenuFileExportPdf = 10943;

// The toolbar buttons' tips.
inline constexpr int kTextToolNewFile = 11000;
inline constexpr int kTextToolOpenFile = 11001;
inline constexpr int kTextToolSaveFile = 11002;
inline constexpr int kTextToolPrint = 11003;
inline constexpr int kTextToolReadRadio = 11004;
inline constexpr int kTextToolCommSet = 11005;
inline constexpr int kTextToolWriteRadio = 11006;
inline constexpr int kTextToolAbout = 11007;
inline constexpr int kTextToolChannelCut = 11010;
inline constexpr int kTextToolChannelCopy = 11011;
inline constexpr int kTextToolChannelPaste = 11012;
inline constexpr int kTextToolChannelInsert = 11013;
inline constexpr int kTextToolChannelDelete = 11014;
inline constexpr int kTextToolChannelMoveUp = 11015;
inline constexpr int kTextToolChannelMoveDown = 11016;

// The main window.
inline constexpr int kTextDatFiles = 9001;      // the file dialogs' filter, before " (*.dat)"
inline constexpr int kTextStatusPort = 12008;   // the status bar's port, before its number
inline constexpr int kTextTitleFile = 12009;    // the title's file label
inline constexpr int kTextCommandFault = 9475;  // a command failed unexpectedly: what failed

// The undo history: the menu entries and the names of the steps.
inline constexpr int kTextUndo = 10900;
inline constexpr int kTextRedo = 10901;
inline constexpr int kTextUndoWhat = 10902;              // "Undo: %1"
inline constexpr int kTextRedoWhat = 10903;              // "Redo: %1"
inline constexpr int kTextChangeFieldOfChannel = 10904;  // "%1 of channel %2"
inline constexpr int kTextChangeChannel = 10905;         // "channel %1"
inline constexpr int kTextChangeChannels = 10906;        // "%1 channels"
inline constexpr int kTextChangeOptions = 10907;
inline constexpr int kTextChangeCommonSettings = 10908;
inline constexpr int kTextChangeKeys = 10909;
inline constexpr int kTextChangeDtmfSettings = 10910;
inline constexpr int kTextChangeDtmfCode = 10911;  // "DTMF code %1"
inline constexpr int kTextChangeToneTip = 10912;   // "tone tip %1"
inline constexpr int kTextChangeGroups = 10913;
inline constexpr int kTextChangeCountryMode = 10914;
inline constexpr int kTextChangeToneTips = 10915;
// + column - 1: 10916..10933, the field names of the channel columns 1..18
inline constexpr int kTextChangeFirstField = 10916;

}  // namespace k7x
