// The language texts the data core words its messages with, by number. The desktop program,
// the command line and the link use them as well where they say the same thing.
#pragma once

namespace k7x {

// Files and versions.
inline constexpr int kTextFileNotReadOrWritten = 9002;
inline constexpr int kTextOtherModel = 9012;          // the radio or the file is of another model
inline constexpr int kTextFrequencyCorrected = 9021;  // outside the band or off the raster
inline constexpr int kTextRadioDataVersion = 9060;    // label in front of the radio's version
inline constexpr int kTextProgramVersion = 9061;      // label in front of this program's version
inline constexpr int kTextVersionNotHandled = 9062;   // start the version that handles it?
inline constexpr int kTextNoProgramVersion = 9063;    // no installed version handles the data
inline constexpr int kTextFileDataVersion = 9064;     // label in front of the file's version
inline constexpr int kTextFileVersionInvalid = 9065;

// Channel tables: why a row is not taken ("Line %1: ...").
inline constexpr int kTextCsvRowUnreadable = 9304;        // line, the field
inline constexpr int kTextCsvRowNoFrequency = 9305;       // line
inline constexpr int kTextCsvRowOutOfBand = 9306;         // line, frequency, band
inline constexpr int kTextCsvRowNoLocation = 9307;        // line, location
inline constexpr int kTextCsvRowRepeatedLocation = 9308;  // line, channel, earlier line
inline constexpr int kTextCsvRowFixedFrequency = 9309;    // line, channel, its frequency
inline constexpr int kTextCsvRowNoChannel = 9310;         // line, channel
inline constexpr int kTextCsvRowPastEnd = 9311;           // line, group
inline constexpr int kTextCsvRowNotOffered = 9331;        // line, channel, frequency
// Channel tables: why a file is none ("%1" the file name).
inline constexpr int kTextCsvTooLarge = 9312;  // file name, the limit in kB
inline constexpr int kTextCsvNotText = 9313;
inline constexpr int kTextCsvNoHeader = 9314;
inline constexpr int kTextCsvNoRows = 9315;
// Channel tables: reading, writing and importing them.
inline constexpr int kTextCsvRowsRefused = 9316;  // file name: heading of the refused rows
inline constexpr int kTextCsvCannotRead = 9319;   // path
inline constexpr int kTextCsvCannotWrite = 9320;  // path, reason
inline constexpr int kTextCsvFilter = 9321;       // the file dialogs' filter
inline constexpr int kTextCsvNoneTaken = 9328;
inline constexpr int kTextCsvImportStep = 9329;  // count: the undo step's name

// Channels whose stored frequency is no frequency.
inline constexpr int kTextDamagedFrequency = 9473;  // channel, stored text: nothing written
inline constexpr int kTextNotAFrequency = 9474;     // stored text, marked

// Codeplugs as text: where a text is refused, and what is wrong there.
inline constexpr int kTextTextProblemAt = 9564;  // line, column, the problem
inline constexpr int kTextUnknownKey = 9565;     // key
inline constexpr int kTextBadCountryMode = 9566;
inline constexpr int kTextBadModel = 9567;  // the model name
inline constexpr int kTextBadFileVersion = 9568;
inline constexpr int kTextWholeNumberExpected = 9569;  // lowest, highest
inline constexpr int kTextListTooLong = 9570;          // most entries
inline constexpr int kTextTextOutOfBand = 9571;        // frequency, band
inline constexpr int kTextNoSuchTone = 9572;           // the tone as written
inline constexpr int kTextNotAChannelOfMode = 9573;    // country mode
inline constexpr int kTextChannelTwice = 9574;         // channel number
inline constexpr int kTextTextTooLong = 9575;          // most characters
inline constexpr int kTextYamlSyntax = 9576;           // the parser's own words
inline constexpr int kTextMapExpected = 9577;
inline constexpr int kTextFrequencyExpected = 9578;
inline constexpr int kTextNoFrequency = 9579;  // the value as written
inline constexpr int kTextToneExpected = 9580;
inline constexpr int kTextByteListExpected = 9581;  // number of bytes
inline constexpr int kTextBadChannelOrder = 9582;
inline constexpr int kTextEntryListExpected = 9583;
inline constexpr int kTextBadEntryNumber = 9584;
inline constexpr int kTextPartsExpected = 9585;
inline constexpr int kTextTextNotOpened = 9586;     // file name: heading of the problems
inline constexpr int kTextMoreTextProblems = 9587;  // how many more problems there are
inline constexpr int kTextCodeplugAsText = 9588;    // the file dialogs' filter name

}  // namespace k7x
