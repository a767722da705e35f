#include "codeplug/ChannelCsv.h"

#include <algorithm>
#include <map>

#include "codeplug/ChannelCommands.h"
#include "codeplug/ChannelList.h"
#include "codeplug/ChannelRows.h"
#include "codeplug/Conversions.h"
#include "codeplug/DelimitedText.h"
#include "codeplug/Groups.h"
#include "codeplug/MemFrequency.h"

namespace k7x {

namespace {

constexpr std::size_t kFrequencyColumn = 2;

// Text files hold tabs and line ends among the control bytes, nothing else.
bool HoldsControlBytes(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F;
    });
}

// The frequency a channel shows in its group; "" when its stored text is no frequency.
std::string ShownFrequency(const ChannelRecord& ch, const DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    return DisplayForGroup(ch.Frequency.raw(), GroupHoldingChannel(ch.ChannelNo, mode), mode)
        .value_or(std::string());
}

// Where a row goes, or why it cannot go anywhere.
struct Target {
    int channelNo = 0;
    int group = -1;
    int position = 0;
};

// Reads the rows and checks each first; then the rows that passed go into their groups, one
// group edit each.
class RowImporter {
public:
    RowImporter(CsvImport& out, const ChannelRowHeader& header, Prompts& prompts,
                const CsvPlacement& placement)
        : out_(out),
          doc_(out.result),
          header_(header),
          prompts_(prompts),
          placement_(placement),
          next_(std::max(placement.first, 1)) {}

    void read(const TextRow& row, int line) {
        line_ = line;
        ChannelFromRow read = header_.read(row, doc_);
        const std::optional<Target> target = targetOf(row, read);
        if (!target) return;
        if (const auto earlier = lineOf_.find(target->channelNo); earlier != lineOf_.end()) {
            refuse(target->channelNo, CsvRefusal::RepeatedLocation,
                   std::to_string(earlier->second));
            return;
        }
        if (!read.problems.empty()) {
            const ChannelRowProblem& p = read.problems.front();
            refuse(target->channelNo, CsvRefusal::Unreadable, p.column + " \"" + p.value + "\"");
            return;
        }
        if (read.frequency.empty()) {
            refuse(target->channelNo, CsvRefusal::NoFrequency, {});
            return;
        }
        if (!fitsMode(*target, read.frequency)) return;
        lineOf_[target->channelNo] = line_;
        Pending& group = pending_[target->group];
        group.lines.push_back(line_);
        group.channels.push_back(target->channelNo);
        group.rows.push_back({target->position, {read.record, read.frequency, {}}});
    }

    void apply() {
        for (const auto& [group, pending] : pending_) {
            const ChannelCommandResult result = PasteRowsAt(doc_, prompts_, group, pending.rows);
            for (const RefusedRow& r : result.refused) {
                const auto i = static_cast<std::size_t>(r.row - 1);
                line_ = pending.lines[i];
                memFrequency_.erase(pending.channels[i]);
                refuse(pending.channels[i],
                       r.why == PasteRefusal::OutOfBand   ? CsvRefusal::OutOfBand
                       : r.why == PasteRefusal::NoChannel ? CsvRefusal::NoChannel
                                                          : CsvRefusal::Unreadable,
                       r.detail);
            }
            out_.taken += static_cast<int>(pending.rows.size() - result.refused.size());
        }
        // Taken as typed input, a "MEM" channel would move to the nearest country channel.
        for (const auto& [channelNo, stored] : memFrequency_) {
            const int index = FindChannel(doc_, channelNo);
            if (index >= 0) doc_.ChannelList[static_cast<std::size_t>(index)].Frequency.set(stored);
        }
        std::stable_sort(
            out_.refused.begin(), out_.refused.end(),
            [](const CsvRowRefused& a, const CsvRowRefused& b) { return a.line < b.line; });
    }

private:
    struct Pending {
        std::vector<int> lines, channels;
        std::vector<PlacedRow> rows;
    };

    std::optional<Target> targetOf(const TextRow& row, const ChannelFromRow& read) {
        const int mode = doc_.CurrentCountryMode;
        Target t;
        if (placement_.byLocation) {
            const int group = read.location ? GroupHoldingChannel(*read.location, mode) : -1;
            if (group < 0) {
                refuse(0, CsvRefusal::NoLocation, header_.field(row, "Location"));
                return std::nullopt;
            }
            t.channelNo = *read.location;
            t.group = group;
            t.position = t.channelNo - GroupStart(group, mode);
            return t;
        }
        t.group = placement_.group;
        t.position = next_++;
        if (t.position > GroupSize(t.group, mode)) {
            refuse(0, CsvRefusal::PastEnd, GroupName(t.group, mode));
            return std::nullopt;
        }
        t.channelNo = GroupStart(t.group, mode) + t.position;
        return t;
    }

    // Mode 0: a country channel's frequency belongs to its position, and a "MEM" channel keeps
    // its own or takes a country channel's. The band of the other modes is checked as typed
    // input is.
    bool fitsMode(const Target& t, const std::string& frequency) {
        const int mode = doc_.CurrentCountryMode;
        if (mode != 0) return true;
        const int index = FindChannel(doc_, t.channelNo);
        const ChannelRecord* own =
            index < 0 ? nullptr : &doc_.ChannelList[static_cast<std::size_t>(index)];
        if (AttributesOnly(t.group, mode)) {
            if (!own) {
                refuse(t.channelNo, CsvRefusal::NoChannel, {});
                return false;
            }
            const std::string fixed = ShownFrequency(*own, doc_);
            if (SameFrequency(frequency, fixed)) return true;
            refuse(t.channelNo, CsvRefusal::FixedFrequency, fixed);
            return false;
        }
        const std::optional<std::string> stored = MemFrequencyFor(frequency, own, doc_);
        if (!stored) {
            refuse(t.channelNo, CsvRefusal::NotOffered, frequency);
            return false;
        }
        memFrequency_[t.channelNo] = *stored;
        return true;
    }

    void refuse(int channelNo, CsvRefusal why, std::string detail) {
        out_.refused.push_back({line_, channelNo, why, std::move(detail)});
    }

    CsvImport& out_;
    DocumentState& doc_;
    const ChannelRowHeader& header_;
    Prompts& prompts_;
    CsvPlacement placement_;
    int next_;
    int line_ = 0;
    std::map<int, int> lineOf_;       // channel number -> the line of the row that goes there
    std::map<int, Pending> pending_;  // by group
    std::map<int, std::string> memFrequency_;  // mode 0 "MEM" channel -> its stored frequency
};

}  // namespace

std::string ExportChannelsCsv(const DocumentState& doc) {
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    std::vector<const ChannelRecord*> used;
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(i)];
        if (GroupHoldingChannel(ch.ChannelNo, doc.CurrentCountryMode) >= 0) used.push_back(&ch);
    }
    std::stable_sort(used.begin(), used.end(), [](const ChannelRecord* a, const ChannelRecord* b) {
        return a->ChannelNo < b->ChannelNo;
    });
    std::vector<TextRow> rows = {ChannelRowHeaderNames()};
    for (const ChannelRecord* ch : used) {
        TextRow row = ChannelToRow(*ch, doc);
        if (!row[kFrequencyColumn].empty()) rows.push_back(std::move(row));
    }
    return WriteDelimitedText(rows, ',');
}

CsvImport ImportChannelsCsv(std::string_view text, const DocumentState& doc, Prompts& prompts,
                            const CsvPlacement& placement) {
    CsvImport out;
    out.result = doc;
    out.result.listeners.clear();
    if (text.size() > kMostCsvBytes) {
        out.damage = CsvDamage::TooLarge;
        return out;
    }
    if (HoldsControlBytes(text)) {
        out.damage = CsvDamage::NotText;
        return out;
    }
    std::vector<int> lines;
    const std::vector<TextRow> table = ReadDelimitedText(text, &lines);
    const std::optional<ChannelRowHeader> header =
        table.empty() ? std::nullopt : ChannelRowHeader::FromRow(table.front());
    if (!header || !header->has("Location")) {
        out.damage = CsvDamage::NoHeader;
        return out;
    }
    if (table.size() < 2) {
        out.damage = CsvDamage::NoRows;
        return out;
    }
    RowImporter importer(out, *header, prompts, placement);
    for (std::size_t r = 1; r < table.size(); ++r) importer.read(table[r], lines[r]);
    importer.apply();
    return out;
}

void TakeImport(DocumentState& doc, const CsvImport& import) {
    if (import.damage) return;
    doc.WorkDoc.ChannelCount = import.result.WorkDoc.ChannelCount;
    doc.WorkDoc.Options = import.result.WorkDoc.Options;
    doc.ChannelList = import.result.ChannelList;
    doc.notify([](DocumentListener& l) { l.DocumentRestored(); });
}

}  // namespace k7x
