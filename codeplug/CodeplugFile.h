// The .dat codeplug file: a 1071-byte document block and 409 channel blocks of 60 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "codeplug/Versions.h"

namespace k7x {

inline constexpr std::size_t kDocumentBlockSize = 1071;
inline constexpr std::size_t kChannelBlockSize = 60;
inline constexpr std::size_t kFileSize = kDocumentBlockSize + kChannelCapacity * kChannelBlockSize;

// The band text of a country mode; nullopt for a mode outside 0..2.
std::optional<std::string> BandTextOfMode(int mode);

// The file's bytes for a document and its whole channel array.
std::vector<Byte> EncodeFile(const CodeplugDocument& doc, const ChannelArray& channels);
// Reads the document block; the span must hold at least kDocumentBlockSize bytes.
CodeplugDocument DecodeDocumentBlock(std::span<const Byte> bytes);
// Reads the 409 channel blocks that follow the document block; needs kFileSize bytes.
ChannelArray DecodeChannelBlocks(std::span<const Byte> bytes);
// The reason a file's content is refused, or nullopt when it is sound: short file,
// channel count outside 0..409, a used channel number outside 1..409 or repeated.
std::optional<std::string> FindFileDamage(std::span<const Byte> bytes);

// What FindFileDamage found, for a message in the user's language.
struct FileDamageDetail {
    enum class Kind { ShortFile, ChannelCount, ChannelNumber, RepeatedChannel };
    Kind kind = Kind::ShortFile;
    int entry = 0;  // the channel entry, counted from 1 (channel number faults)
    int value = 0;  // the file's size, the channel count or the channel number found
};
std::optional<FileDamageDetail> FindFileDamageDetail(std::span<const Byte> bytes);

// Header of WorkDoc from the current model and mode, then the saved copy := working document.
void TakeIntoSavedCopy(DocumentState& doc);
// CurrentModel, CurrentCountryMode, InfoCountryMode, BandText and limits from WorkDoc's header.
// False (nothing changed) when the header's country mode is outside 0..2.
bool ApplyHeader(DocumentState& doc);

// Writes the document atomically, as a .dat file or, when the path ends in .yaml, .yml or
// .json, as its text form; message 9002 and false on failure.
bool SaveFile(DocumentState& doc, const std::string& path, Prompts& prompts);

enum class OpenResult { Opened, Refused, OtherVersionStarted };
using VersionLauncher = std::function<void(const std::string& dataVersion)>;
// Opens a .dat file, or a text form by its extension, into the working document; on refusal
// nothing at all changes. A text's missing keys take the values of a new document made from
// programFolder's templates. OtherVersionStarted: the caller ends the program.
OpenResult OpenFile(DocumentState& doc, const std::string& path, const std::string& programFolder,
                    const VersionTable& versions, Prompts& prompts, const VersionLauncher& launch);

// Template files for new documents: false, with the built-in defaults kept, when unusable.
bool LoadTemplateFile(DocumentState& doc, const std::string& path);
bool LoadTemplateSettings(DocumentState& doc, const std::string& path);

}  // namespace k7x
