#include "codeplug/DamagedFrequency.h"

#include "codeplug/Conversions.h"
#include "codeplug/DocumentFields.h"
#include "codeplug/FillText.h"

namespace k7x {

const ChannelRecord* FirstDamagedFrequency(const DocumentState& doc) {
    for (const ChannelRecord* ch : ChannelsByNumber(doc))
        if (!StoredToDisplay(ch->Frequency.raw())) return ch;
    return nullptr;
}

std::optional<std::string> DamagedFrequencyRefusal(const DocumentState& doc,
                                                   const Prompts& prompts) {
    const ChannelRecord* ch = FirstDamagedFrequency(doc);
    if (!ch) return std::nullopt;
    return FillText(prompts.text(kTextDamagedFrequency),
                    {ChannelName(ch->ChannelNo, doc.CurrentCountryMode), ch->Frequency.str()});
}

std::string NotAFrequencyText(std::string_view stored, const Prompts& prompts) {
    return FillText(prompts.text(kTextNotAFrequency), {stored});
}

}  // namespace k7x
