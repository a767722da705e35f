// The document being edited, its saved copy and everything derived from its header.
// The application owns one; windows get a reference. Tests build as many as they like.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

inline constexpr std::size_t kImageSize = 7424;  // radio addresses 0x0000..0x1CFF
using MemoryImage = std::array<Byte, kImageSize>;

inline constexpr const char* kModelName = "KORVN7X";
inline constexpr const char* kUntitledName = "new.dat";

// The name the user knows a model by: "KORVN7X" shows as "KORVAN 7X", any other model
// identifier as itself (cut at the first NUL, trailing blanks removed).
inline std::string ModelDisplayName(std::string_view modelId) {
    std::string id = TrimField(modelId);
    return id == kModelName ? std::string("KORVAN 7X") : id;
}

// Windows that show the document subscribe here; core operations announce what changed.
struct DocumentListener {
    virtual ~DocumentListener() = default;
    virtual void reShowGrid(int /*channelNo*/) {}  // the row of this channel changed
    virtual void SetGridEditData() {}              // the channel edit window reloads its controls
    virtual void ReshowByCh() {}                   // channels were added or removed
    virtual void ShowRB() {}                       // tone tip references were re-validated
    virtual void ShowRBOpt() {}
    virtual void ShowDtmfLists() {}     // the defined DTMF codes changed
    virtual void DocumentRestored() {}  // undo or redo put the document back: show it afresh
};

struct DocumentState {
    CodeplugDocument WorkDoc;
    ChannelArray ChannelList{};  // entries 0..WorkDoc.ChannelCount-1 are in use
    CodeplugDocument SavedDoc;
    ChannelArray SavedChannels{};  // entries 0..SavedDoc.ChannelCount-1 are meaningful

    std::string CurrentModel = kModelName;
    Int CurrentCountryMode = 0;
    std::string BandText;
    double FreqMin = 100.0;
    double FreqMax = 500.0;
    Int RadioCountryMode = 0;
    std::string CurrentFilePath = kUntitledName;
    bool IsUntitled = true;

    MemoryImage MemImage{};
    RadioInfoRecord RadioInfo;  // holds InfoCountryMode

    std::vector<DocumentListener*> listeners;

    // Calls fn on every listener; listeners may not subscribe or leave from inside.
    void notify(const std::function<void(DocumentListener&)>& fn) const {
        for (DocumentListener* l : listeners) fn(*l);
    }
    void subscribe(DocumentListener* l) { listeners.push_back(l); }
    void unsubscribe(DocumentListener* l) { std::erase(listeners, l); }
};

}  // namespace k7x
