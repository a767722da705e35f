// Conversions between the coded forms the records hold and the texts the windows show:
// frequencies, tones, DTMF digits, and the small text helpers every window shares.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// ---- text helpers ----

// True for a text that reads as a decimal number (blanks around it allowed).
bool IsNumeric(std::string_view text);
// The value of a numeric text; nullopt when it is not numeric.
std::optional<double> ParseNumber(std::string_view text);
// Blank or non-numeric text gives the default, otherwise the integer value.
int NumberOrDefault(std::string_view text, int defaultValue);
// Non-numeric gives the default; otherwise clamped to min..max and, with step >= 2,
// reduced to a multiple of step.
int ClampToStep(std::string_view text, int minimum, int maximum, int step, int defaultValue);
// The part of a path after its last "/".
std::string FileNameOfPath(std::string_view path);
// The file name's extension after its last ".", in lower case; "" when it has none.
std::string ExtensionOfPath(std::string_view path);
// Hexadecimal text of value, upper case, padded with "0" to width or cut to width characters.
std::string ByteToHex2(int value, int width = 2);
// "&h" followed by one or two hexadecimal digits, as a byte; nullopt when malformed.
std::optional<Byte> HexTextToByte(std::string_view text);

// ---- frequencies ----

// A number in MHz as "#0.00000".
std::string FormatFrequency(double mhz);
// Stored digits (10 Hz units) to display text; blank or "FFFFFFFF" gives "". A stored text
// that is not a number (a damaged or foreign file) is no frequency: nullopt.
std::optional<std::string> StoredToDisplay(std::string_view stored);
// StoredToDisplay, with the 12.5 kHz display of the "UK" and high "MEM" channels in mode 0.
std::optional<std::string> DisplayForGroup(std::string_view stored, int group, int mode);
// Display text to the 8-digit stored form; blank stays blank.
std::string DisplayToStored(std::string_view text, const DocumentState& doc);
// Sets FreqMin and FreqMax from a band text such as "26.965 - 27.405 MHz".
void ParseBandText(DocumentState& doc, std::string_view bandText);
// Moves a frequency down onto the 5 kHz raster that starts at FreqMin.
double SnapToRaster(double mhz, const DocumentState& doc);
// Limits to the band (message 9021 when outside), then snaps to the raster.
double CheckFrequency(double mhz, const DocumentState& doc, Prompts& prompts);
// The list index of the country channel (numbers 1..360) whose shown frequency lies nearest to
// mhz, the first of equals; -1 when no such channel has a frequency.
int NearestCountryChannel(double mhz, const DocumentState& doc);
// Mode 0 "MEM" channels: the frequency of the nearest country channel (numbers <= 360).
double NearestChannelFrequency(double mhz, const DocumentState& doc, Prompts& prompts);
// A typed frequency for a channel of the group, checked and formatted "#0.00000".
std::string ValidateFrequencyInput(std::string_view text, int group, const DocumentState& doc,
                                   Prompts& prompts);

// ---- tones ----

inline constexpr int kCtcssCount = 38;
inline constexpr int kDcsCount = 104;
inline constexpr int kToneValueCount = 1 + kCtcssCount + kDcsCount;  // 143 list entries

double CtcssFrequency(int toneNumber);  // 1..38 -> Hz
int DcsCode(int codeNumber);            // 1..104 -> the octal code as written, e.g. 23 for "023"
// List text of a tone value: "Off", "C_001(67.0Hz)", "D_001(023N)"; "" outside 0..142.
std::string ToneText(int value, std::string_view offText = "Off");

// How a tone value is held in the image: type 0 none, 1 CTCSS, 2 DCS, with a 0-based index.
struct ImageTone {
    int type = 0;
    int ctcssIndex = 0;
    int dcsIndex = 0;
    bool operator==(const ImageTone&) const = default;
};
ImageTone ToneToImage(int value);
int ImageToTone(int type, int ctcssIndex, int dcsIndex);

// ---- DTMF digits ----

// Record digits ("0"-"9", "A"-"D", "*", "#") to image hexadecimal digits ("*" -> "F", "#" -> "E").
std::string DtmfToImageText(std::string_view digits);
// Image hexadecimal digits back to record digits ("E" -> "#", "F" -> "*").
std::string ImageTextToDtmf(std::string_view hexDigits);

}  // namespace k7x
