#include "codeplug/DocumentDiff.h"

namespace k7x {
namespace {

// The fields that differ between two lists of the same names in the same order.
void AddFieldDifferences(std::vector<Difference>& out, const std::string& channel,
                         const NamedValues& first, const NamedValues& second) {
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i) {
        if (first[i].value != second[i].value)
            out.push_back({channel, first[i].name, first[i].value, second[i].value});
    }
}

}  // namespace

std::vector<Difference> CompareDocuments(const DocumentState& first, const DocumentState& second) {
    std::vector<Difference> out;
    const int mode = first.CurrentCountryMode;
    const std::vector<const ChannelRecord*> a = ChannelsByNumber(first);
    const std::vector<const ChannelRecord*> b = ChannelsByNumber(second);
    auto ia = a.begin();
    auto ib = b.begin();
    while (ia != a.end() || ib != b.end()) {
        const bool takeA = ib == b.end() || (ia != a.end() && (*ia)->ChannelNo < (*ib)->ChannelNo);
        const bool takeB = ia == a.end() || (ib != b.end() && (*ib)->ChannelNo < (*ia)->ChannelNo);
        if (takeA) {
            out.push_back({ChannelName((*ia)->ChannelNo, mode), "", (*ia)->ChannelNo, {}});
            ++ia;
        } else if (takeB) {
            out.push_back({ChannelName((*ib)->ChannelNo, mode), "", {}, (*ib)->ChannelNo});
            ++ib;
        } else {
            AddFieldDifferences(out, ChannelName((*ia)->ChannelNo, mode), ChannelFieldValues(**ia),
                                ChannelFieldValues(**ib));
            ++ia;
            ++ib;
        }
    }
    AddFieldDifferences(out, "", DocumentSettingValues(first.WorkDoc),
                        DocumentSettingValues(second.WorkDoc));
    return out;
}

}  // namespace k7x
