#include "codeplug/ChannelCommands.h"

#include <algorithm>
#include <set>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

// The attribute columns in the order they are set: AM_FM after Tx_Power, so that AM keeps
// its power within the two levels it allows.
constexpr std::array<int, 17> kAttributeColumns = {
    kColPublic,  kColDup,      kColOffset,   kColTsq,     kColScan,   kColHiCut,
    kColBusy,    kColNb,       kColAddSub5K, kColTxPower, kColRbTone, kColDtmfBot,
    kColDtmfEot, kColDtmfCall, kColRdct,     kColTdct,    kColAmFm};

// Counts the messages of a check instead of showing them: a row whose frequency draws a
// warning is refused as a whole, and the refusals are reported together.
class CountingPrompts : public Prompts {
public:
    explicit CountingPrompts(Prompts& inner) : inner_(inner) {}
    std::string text(int number) const override { return inner_.text(number); }
    Answer message(const std::string&, Buttons, Icon, const std::string&) override {
        ++messages;
        return Answer::Ok;
    }
    std::optional<std::string> askPassword() override { return std::nullopt; }
    int messages = 0;

private:
    Prompts& inner_;
};

// Sets every attribute of target from values, each through the checks of typed input.
void TakeAttributes(ChannelRecord& target, const ChannelRecord& values, const DocumentState& doc) {
    for (int column : kAttributeColumns)
        SetChannelField(target, column, std::to_string(ChannelField(values, column)), doc);
    target.RBTone = static_cast<Int>(CheckToneTipReference(doc.WorkDoc, target.RBTone));
    for (Int* tone : {&target.RDCT, &target.TDCT})
        if (*tone < 0 || *tone >= kToneValueCount) *tone = 0;
}

bool SameAttributes(const ChannelRecord& a, const ChannelRecord& b) {
    return std::all_of(kAttributeColumns.begin(), kAttributeColumns.end(),
                       [&](int c) { return ChannelField(a, c) == ChannelField(b, c); });
}

// The positions of one group while a command works on them. The command changes slots (and
// for removals the document); finish() writes the slots back and tells the windows.
class GroupEdit {
public:
    GroupEdit(DocumentState& doc, int group)
        : doc_(doc),
          group_(group),
          mode_(doc.CurrentCountryMode),
          start_(GroupStart(group, mode_)),
          size_(GroupSize(group, mode_)),
          attributesOnly_(AttributesOnly(group, mode_)),
          listBefore_(doc.ChannelList),
          countBefore_(doc.WorkDoc.ChannelCount),
          optionsBefore_(doc.WorkDoc.Options) {
        for (int p = 1; p <= size_; ++p) {
            const int index = FindChannel(doc, start_ + p);
            slots.push_back(index < 0 ? ChannelSlot{} : ChannelSlot{entry(index)});
            origin.push_back(p);
        }
        hadChannel_.reserve(slots.size());
        for (const ChannelSlot& s : slots) hadChannel_.push_back(s.has_value());
    }

    int size() const { return size_; }
    int group() const { return group_; }
    bool attributesOnly() const { return attributesOnly_; }
    bool hadChannel(int position) const {
        return hadChannel_[static_cast<std::size_t>(position - 1)];
    }
    ChannelSlot& slot(int position) { return slots[static_cast<std::size_t>(position - 1)]; }
    int channelNo(int position) const { return start_ + position; }

    // Removes the channel of a position from the document now, when the rules allow it.
    bool remove(int position) {
        ChannelSlot& s = slot(position);
        if (!s) return true;
        if (attributesOnly_) {
            s.reset();
            return true;
        }
        if (!MayRemoveChannel(doc_, group_, channelNo(position))) return false;
        DeleteChannel(doc_, FindChannel(doc_, channelNo(position)));
        s.reset();
        return true;
    }

    // A new channel's attributes at a position.
    ChannelRecord defaults(int position) const { return NewChannel(channelNo(position), "", doc_); }

    // follow: the working and emergency channels go where their channels went.
    void finish(ChannelCommandResult& result, bool follow) {
        if (attributesOnly_)
            storeAttributes();
        else
            storeChannels();
        if (follow && !attributesOnly_) followChannels();
        lockFmOnlyModulation();
        result.changed = doc_.WorkDoc.ChannelCount != countBefore_ ||
                         doc_.ChannelList != listBefore_ || doc_.WorkDoc.Options != optionsBefore_;
        if (!result.changed) return;
        UpdateGroupBookkeeping(doc_, group_);
        for (int p = 1; p <= size_; ++p)
            doc_.notify([n = channelNo(p)](DocumentListener& l) { l.reShowGrid(n); });
        doc_.notify([](DocumentListener& l) { l.SetGridEditData(); });
    }

    std::vector<ChannelSlot> slots;
    std::vector<int> origin;  // per position, the position its slot came from (0: none)

private:
    ChannelRecord& entry(int index) { return doc_.ChannelList[static_cast<std::size_t>(index)]; }

    void fixFm(ChannelRecord& ch, int position) {
        if (IsFmOnlyPosition(group_, position, mode_) && ch.AM_FM != 0)
            SetChannelField(ch, kColAmFm, "0", doc_);
    }

    // The group's entries keep their places in the list; more channels than before are
    // appended, fewer leave the list.
    void storeChannels() {
        std::vector<int> places;
        for (int p = 1; p <= size_; ++p)
            if (const int index = FindChannel(doc_, channelNo(p)); index >= 0)
                places.push_back(index);
        std::sort(places.begin(), places.end());
        std::size_t used = 0;
        for (int p = 1; p <= size_; ++p) {
            ChannelSlot& s = slot(p);
            if (!s) continue;
            s->ChannelNo = static_cast<Int>(channelNo(p));
            fixFm(*s, p);
            if (used < places.size()) {
                entry(places[used++]) = *s;
            } else if (doc_.WorkDoc.ChannelCount < kChannelCapacity) {
                entry(doc_.WorkDoc.ChannelCount) = *s;
                ++doc_.WorkDoc.ChannelCount;
            }
        }
        for (std::size_t i = places.size(); i > used; --i) DeleteChannel(doc_, places[i - 1]);
    }

    // Every channel keeps its number and frequency; its attributes come from its slot.
    void storeAttributes() {
        for (int p = 1; p <= size_; ++p) {
            const int index = FindChannel(doc_, channelNo(p));
            if (index < 0) continue;
            ChannelRecord& ch = entry(index);
            const ChannelSlot& s = slot(p);
            TakeAttributes(ch, s ? *s : defaults(p), doc_);
            fixFm(ch, p);
        }
    }

    void followChannels() {
        auto follow = [this](Int& stored) {
            const auto at = std::find(origin.begin(), origin.end(), stored + 1);
            if (at != origin.end()) stored = static_cast<Int>(at - origin.begin());
        };
        OptionRecord& opt = doc_.WorkDoc.Options;
        if (IsMemGroup(group_, mode_)) {
            follow(opt.CurrentMem);
        } else if (group_ >= 0 && group_ < MemoryGroupCount(mode_)) {
            const auto g = static_cast<std::size_t>(group_);
            follow(opt.GroupCurrent[g]);
            for (Int& pair : opt.GroupPair[g]) follow(pair);
        }
    }

    // An emergency channel on an FM-only position sends FM.
    void lockFmOnlyModulation() {
        if (IsMemGroup(group_, mode_) || group_ < 0 || group_ >= MemoryGroupCount(mode_)) return;
        const auto g = static_cast<std::size_t>(group_);
        OptionRecord& opt = doc_.WorkDoc.Options;
        for (std::size_t k = 0; k < 2; ++k)
            if (IsFmOnlyPosition(group_, opt.GroupPair[g][k] + 1, mode_)) opt.GroupBytes[g][k] = 0;
    }

    DocumentState& doc_;
    int group_;
    int mode_;
    int start_;
    int size_;
    bool attributesOnly_;
    ChannelArray listBefore_;
    Int countBefore_;
    OptionRecord optionsBefore_;
    std::vector<bool> hadChannel_;
};

std::vector<int> ValidPositions(std::vector<int> positions, int size) {
    std::erase_if(positions, [size](int p) { return p < 1 || p > size; });
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

}  // namespace

std::vector<PasteRow> PasteRowsFromSlots(const std::vector<ChannelSlot>& copied) {
    std::vector<PasteRow> rows;
    rows.reserve(copied.size());
    for (const ChannelSlot& slot : copied) {
        PasteRow row{slot, {}, {}};
        // A copied text that is no frequency is pasted as it is, and judged as typed text.
        if (slot)
            row.frequency =
                StoredToDisplay(slot->Frequency.raw()).value_or(TrimField(slot->Frequency.raw()));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::vector<PasteRow>> PasteRowsFromText(std::string_view text,
                                                       const DocumentState& doc) {
    const std::vector<TextRow> table = ReadDelimitedText(text);
    std::optional<ChannelRowHeader> header;
    std::vector<PasteRow> rows;
    for (const TextRow& line : table) {
        if (!header) {
            header = ChannelRowHeader::FromRow(line);
            continue;
        }
        ChannelFromRow read = header->read(line, doc);
        PasteRow row;
        row.frequency = read.frequency;
        row.problems = std::move(read.problems);
        if (!read.frequency.empty()) row.channel = read.record;
        rows.push_back(std::move(row));
    }
    if (!header) return std::nullopt;
    return rows;
}

bool AttributesOnly(int group, int mode) {
    return mode == 0 && !IsMemGroup(group, mode);
}

std::vector<ChannelSlot> CopyPositions(const DocumentState& doc, int group,
                                       const std::vector<int>& positions) {
    const int mode = doc.CurrentCountryMode;
    std::vector<ChannelSlot> slots;
    for (int p : ValidPositions(positions, GroupSize(group, mode))) {
        const int index = FindChannel(doc, GroupStart(group, mode) + p);
        slots.push_back(index < 0 ? ChannelSlot{}
                                  : ChannelSlot{doc.ChannelList[static_cast<std::size_t>(index)]});
    }
    return slots;
}

ChannelCommandResult ClearPositions(DocumentState& doc, int group,
                                    const std::vector<int>& positions) {
    GroupEdit edit(doc, group);
    ChannelCommandResult result;
    for (int p : ValidPositions(positions, edit.size())) {
        if (!edit.hadChannel(p)) continue;
        if (edit.remove(p))
            ++result.count;
        else
            result.keptFrequency.push_back(edit.channelNo(p));
    }
    edit.finish(result, false);
    return result;
}

ChannelCommandResult InsertPosition(DocumentState& doc, int group, int position) {
    GroupEdit edit(doc, group);
    ChannelCommandResult result;
    const int size = edit.size();
    if (position < 1 || position > size) return result;
    // The last position's channel would be pushed out of the group. In mode 0 its frequency
    // stays; only attributes other than a new channel's would be lost.
    const ChannelSlot& last = edit.slot(size);
    result.groupFull =
        last && (!edit.attributesOnly() || !SameAttributes(*last, edit.defaults(size)));
    if (result.groupFull) return result;
    edit.slots.insert(edit.slots.begin() + (position - 1), ChannelSlot{});
    edit.slots.pop_back();
    edit.origin.insert(edit.origin.begin() + (position - 1), 0);
    edit.origin.pop_back();
    result.count = 1;
    edit.finish(result, true);
    return result;
}

ChannelCommandResult DeletePositions(DocumentState& doc, int group,
                                     const std::vector<int>& positions) {
    GroupEdit edit(doc, group);
    ChannelCommandResult result;
    std::set<int> removed;
    for (int p : ValidPositions(positions, edit.size())) {
        const bool held = edit.slot(p).has_value();
        if (!edit.remove(p)) {
            result.keptFrequency.push_back(edit.channelNo(p));
            continue;
        }
        removed.insert(p);
        if (held) ++result.count;
    }
    std::vector<ChannelSlot> slots;
    std::vector<int> origin;
    for (int p = 1; p <= edit.size(); ++p) {
        if (removed.contains(p)) continue;
        slots.push_back(edit.slot(p));
        origin.push_back(p);
    }
    slots.resize(static_cast<std::size_t>(edit.size()));
    origin.resize(static_cast<std::size_t>(edit.size()), 0);
    edit.slots = std::move(slots);
    edit.origin = std::move(origin);
    edit.finish(result, true);
    return result;
}

ChannelCommandResult MoveBlock(DocumentState& doc, int group, int first, int last, int step) {
    GroupEdit edit(doc, group);
    ChannelCommandResult result;
    if (first > last) std::swap(first, last);
    if (first < 1 || last > edit.size() || (step != -1 && step != 1)) return result;
    if ((step < 0 && first == 1) || (step > 0 && last == edit.size())) return result;
    auto rotate = [&](auto& v) {
        if (step < 0)
            std::rotate(v.begin() + (first - 2), v.begin() + (first - 1), v.begin() + last);
        else
            std::rotate(v.begin() + (first - 1), v.begin() + last, v.begin() + last + 1);
    };
    rotate(edit.slots);
    rotate(edit.origin);
    result.count = last - first + 1;
    edit.finish(result, true);
    return result;
}

ChannelCommandResult PasteRows(DocumentState& doc, Prompts& prompts, int group, int first,
                               const std::vector<PasteRow>& rows) {
    if (first < 1) first = 1;
    const std::size_t room =
        static_cast<std::size_t>(std::max(0, GroupSize(group, doc.CurrentCountryMode) - first + 1));
    std::vector<PlacedRow> placed;
    for (std::size_t i = 0; i < rows.size() && i < room; ++i)
        placed.push_back({first + static_cast<int>(i), rows[i]});
    ChannelCommandResult result = PasteRowsAt(doc, prompts, group, placed);
    result.pastEnd = static_cast<int>(rows.size() - placed.size());
    return result;
}

ChannelCommandResult PasteRowsAt(DocumentState& doc, Prompts& prompts, int group,
                                 const std::vector<PlacedRow>& rows) {
    GroupEdit edit(doc, group);
    ChannelCommandResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PasteRow& row = rows[i].row;
        const int rowNumber = static_cast<int>(i) + 1;
        const int p = rows[i].position;
        if (p < 1 || p > edit.size()) continue;
        if (!row.problems.empty()) {
            const ChannelRowProblem& problem = row.problems.front();
            result.refused.push_back({rowNumber, PasteRefusal::Unreadable,
                                      problem.column + " \"" + problem.value + "\""});
            continue;
        }
        ChannelSlot& target = edit.slot(p);
        if (edit.attributesOnly()) {
            if (!edit.hadChannel(p)) {
                result.refused.push_back({rowNumber, PasteRefusal::NoChannel, {}});
                continue;
            }
            target = row.channel ? row.channel : ChannelSlot{edit.defaults(p)};
            ++result.count;
            continue;
        }
        if (!row.channel || row.frequency.empty()) {
            if (edit.remove(p))
                ++result.count;
            else
                result.keptFrequency.push_back(edit.channelNo(p));
            continue;
        }
        CountingPrompts check(prompts);
        const std::string frequency = ValidateFrequencyInput(row.frequency, group, doc, check);
        if (check.messages > 0) {
            result.refused.push_back({rowNumber, PasteRefusal::OutOfBand, row.frequency});
            continue;
        }
        ChannelRecord ch = *row.channel;
        ch.ChannelNo = static_cast<Int>(edit.channelNo(p));
        ch.IsEmpty = kFalse;
        SetChannelField(ch, kColFrequency, frequency, doc);
        TakeAttributes(ch, *row.channel, doc);
        target = ch;
        ++result.count;
    }
    edit.finish(result, false);
    return result;
}

}  // namespace k7x
