// What a change of the document was about, in terms a user recognises: the undo history
// names its steps with it ("frequency of channel A 12", "tone tip 3").
#pragma once

#include "codeplug/ContentChange.h"

namespace k7x {

struct ChangeSubject {
    enum class Kind {
        Nothing,
        ChannelField,  // one field of one channel: channelNo, column
        Channel,       // several fields of one channel: channelNo
        Channels,      // count channels
        DtmfCode,      // number 1..16
        DtmfSettings,
        ToneTip,  // number 1..8; 0 for several
        Keys,
        CommonSettings,
        Options,
        Groups,
        CountryMode,
    };
    Kind kind = Kind::Nothing;
    int channelNo = 0;
    int column = 0;  // grid column 1..18
    int count = 0;
    int number = 0;

    bool operator==(const ChangeSubject&) const = default;
};

// A change that touches several areas is named by the one the user acted on: a DTMF code
// or a tone tip edit also clears references in channels, a channel edit also moves group
// settings along.
ChangeSubject DescribeChange(const ContentSnapshot& before, const DocumentState& now);

}  // namespace k7x
