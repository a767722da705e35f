#include "codeplug/CodeplugFile.h"

#include <algorithm>

#include "codeplug/CodeplugText.h"
#include "codeplug/CodeplugTexts.h"
#include "codeplug/Conversions.h"
#include "codeplug/FileContent.h"
#include "codeplug/FileIo.h"

namespace k7x {
namespace {

int UsedCount(Int channelCount) {
    return std::clamp<int>(channelCount, 0, kChannelCapacity);
}

// The channel list := the first ChannelCount entries of the saved array.
void CopyUsedChannels(const ChannelArray& from, ChannelArray& to, Int count) {
    std::copy_n(from.begin(), UsedCount(count), to.begin());
}

// The working and the saved document from a decoded file; the header is taken as it stands.
void CommitDocument(DocumentState& doc, const CodeplugDocument& saved,
                    const ChannelArray& channels) {
    doc.SavedDoc = saved;
    doc.SavedChannels = channels;
    doc.WorkDoc = doc.SavedDoc;
    ApplyHeader(doc);
    CopyUsedChannels(doc.SavedChannels, doc.ChannelList, doc.WorkDoc.ChannelCount);
}

bool IsKnownCountryMode(Int mode) {
    return BandTextOfMode(mode).has_value();
}

}  // namespace

void TakeIntoSavedCopy(DocumentState& doc) {
    DocumentHeader& header = doc.WorkDoc.Header;
    header.ModelName.set(doc.CurrentModel);
    header.CountryMode = doc.CurrentCountryMode;
    header.FileVersion.set(ProgramVersion);
    doc.SavedDoc = doc.WorkDoc;
    CopyUsedChannels(doc.ChannelList, doc.SavedChannels, doc.WorkDoc.ChannelCount);
}

bool SaveFile(DocumentState& doc, const std::string& path, Prompts& prompts) {
    // Kept so that a failed save does not make the document look saved.
    const DocumentHeader previousHeader = doc.WorkDoc.Header;
    const CodeplugDocument previousSaved = doc.SavedDoc;
    const ChannelArray previousChannels = doc.SavedChannels;

    TakeIntoSavedCopy(doc);
    std::vector<Byte> bytes;
    if (const std::optional<TextForm> form = TextFormOfPath(path)) {
        const std::string text = WriteCodeplugText(doc, *form);
        bytes.assign(text.begin(), text.end());
    } else {
        bytes = EncodeFile(doc.SavedDoc, doc.SavedChannels);
    }
    if (WriteFileAtomically(path, bytes)) {
        doc.WorkDoc.Header = previousHeader;
        doc.SavedDoc = previousSaved;
        doc.SavedChannels = previousChannels;
        prompts.message(kTextFileNotReadOrWritten, Buttons::Ok, Icon::Warning);
        return false;
    }
    doc.CurrentFilePath = path;
    doc.IsUntitled = false;
    return true;
}

OpenResult OpenFileContent(DocumentState& doc, std::span<const Byte> bytes,
                           const VersionTable& versions, Prompts& prompts,
                           const VersionLauncher& launch) {
    // The header alone first: a file of another model is refused before anything else.
    const CodeplugDocument decoded = DecodeDocumentBlock(bytes);
    const DocumentHeader& header = decoded.Header;
    if (!IsSameModel(header.ModelName.str(), doc.CurrentModel)) {
        prompts.message(kTextOtherModel, Buttons::Ok, Icon::Warning);
        return OpenResult::Refused;
    }
    const std::string fileVersion = header.FileVersion.str();
    if (!IsValidVersionText(fileVersion)) {
        prompts.message(kTextFileVersionInvalid, Buttons::Ok, Icon::Warning);
        return OpenResult::Refused;
    }
    if (!IsVersionPairListed(versions, ProgramVersion, fileVersion)) {
        const std::string question =
            BuildVersionMessage(ProgramVersion, fileVersion, VersionSource::File, prompts);
        if (prompts.message(question, Buttons::YesNo, Icon::Question) == Answer::Yes) {
            if (launch) launch(fileVersion);
            return OpenResult::OtherVersionStarted;
        }
        return OpenResult::Refused;
    }
    if (FindFileDamage(bytes)) {
        prompts.message(kTextFileNotReadOrWritten, Buttons::Ok, Icon::Warning);
        return OpenResult::Refused;
    }
    if (!IsKnownCountryMode(header.CountryMode)) {
        prompts.message(kCountryModeError, Buttons::Ok);
        return OpenResult::Refused;
    }

    CodeplugDocument saved = decoded;
    saved.Header.FileVersion.set(ProgramVersion);
    CommitDocument(doc, saved, DecodeChannelBlocks(bytes));
    return OpenResult::Opened;
}

OpenResult OpenFile(DocumentState& doc, const std::string& path, const std::string& programFolder,
                    const VersionTable& versions, Prompts& prompts, const VersionLauncher& launch) {
    const bool isText = TextFormOfPath(path).has_value();
    // One byte past the limit tells a text that is too long from one that just fits.
    const std::size_t limit = isText ? kLargestCodeplugText + 1 : kFileSize;
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, limit);
    if (!bytes || (isText && bytes->size() > kLargestCodeplugText)) {
        prompts.message(kTextFileNotReadOrWritten, Buttons::Ok, Icon::Warning);
        return OpenResult::Refused;
    }
    const OpenResult result =
        isText ? OpenTextContent(
                     doc,
                     std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                     FileNameOfPath(path), programFolder, versions, prompts, launch)
               : OpenFileContent(doc, *bytes, versions, prompts, launch);
    if (result == OpenResult::Opened) {
        doc.CurrentFilePath = path;
        doc.IsUntitled = false;
    }
    return result;
}

bool TakeTemplateContent(DocumentState& doc, std::span<const Byte> bytes) {
    if (FindFileDamage(bytes)) return false;
    const CodeplugDocument decoded = DecodeDocumentBlock(bytes);
    if (!IsKnownCountryMode(decoded.Header.CountryMode)) return false;
    CommitDocument(doc, decoded, DecodeChannelBlocks(bytes));
    return true;
}

bool TakeTemplateSettingsContent(DocumentState& doc, std::span<const Byte> bytes) {
    if (FindFileDamage(bytes)) return false;
    CodeplugDocument settings = DecodeDocumentBlock(bytes);
    settings.ChannelCount = 0;
    doc.WorkDoc = settings;
    TakeIntoSavedCopy(doc);  // the header keeps the current model and mode
    return true;
}

bool LoadTemplateFile(DocumentState& doc, const std::string& path) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, kFileSize);
    if (bytes && TakeTemplateContent(doc, *bytes)) return true;
    TakeIntoSavedCopy(doc);
    return false;
}

bool LoadTemplateSettings(DocumentState& doc, const std::string& path) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, kFileSize);
    if (bytes && TakeTemplateSettingsContent(doc, *bytes)) return true;
    TakeIntoSavedCopy(doc);
    return false;
}

}  // namespace k7x
