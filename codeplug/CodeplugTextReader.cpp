// Reading the text form: yaml-cpp parses it, then the records are filled from the tree with
// every value checked against what its field can hold. Each problem names its place.
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <set>
#include <type_traits>

#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/CodeplugTexts.h"
#include "codeplug/Conversions.h"
#include "codeplug/Defaults.h"
#include "codeplug/Groups.h"
#include "codeplug/TextTree.h"
#include "codeplug/TextValues.h"
#include "codeplug/Versions.h"

namespace k7x {
namespace {

using Problems = std::vector<TextProblem>;

// A problem at a place of the text; where yaml-cpp knows no place (the root of an empty
// text), at its start.
TextProblem ProblemAt(const YAML::Mark& mark, int text, std::vector<std::string> args) {
    return {std::max(mark.line, 0) + 1, std::max(mark.column, 0) + 1, text, std::move(args)};
}

void Report(Problems& problems, const YAML::Node& node, int text,
            std::vector<std::string> args = {}) {
    problems.push_back(ProblemAt(node.Mark(), text, std::move(args)));
}

// The integer a plain scalar holds, when it lies in lo..hi.
std::optional<int> IntegerOf(const YAML::Node& node, int lo, int hi) {
    if (!node.IsScalar()) return std::nullopt;
    const std::string& s = node.Scalar();
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

// Reads the keys of one map into a record; keys it was not asked for are reported as unknown.
class Reader {
public:
    Reader(const YAML::Node& map, Problems& problems, const DocumentState& doc)
        : problems_(problems), map_(map), doc_(doc) {}

    ~Reader() {
        for (const auto& item : map_) {
            const std::string key = item.first.Scalar();
            if (!taken_.contains(key)) Report(problems_, item.first, kTextUnknownKey, {key});
        }
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    template <class T>
    void number(std::string_view key, T& value) {
        if (const YAML::Node node = take(key)) integer(node, value);
    }

    template <class Array>
    void numbers(std::string_view key, Array& values) {
        if (const YAML::Node node = take(key)) list(node, values);
    }

    template <class T, class Namer>
    void choice(std::string_view key, T& value, Namer) {
        number(key, value);
    }

    template <class Array, class Namer>
    void choices(std::string_view key, Array& values, Namer) {
        numbers(key, values);
    }

    template <std::size_t N>
    void text(std::string_view key, FixedText<N>& value) {
        const YAML::Node node = take(key);
        if (!node || bytes(node, value.chars)) return;
        if (!node.IsScalar() || !IsPlainText(node.Scalar()) || node.Scalar().size() > N) {
            Report(problems_, node, kTextTextTooLong, {std::to_string(N)});
            return;
        }
        value.set(node.Scalar());
    }

    void frequency(std::string_view key, FixedText<8>& value) {
        const YAML::Node node = take(key);
        if (!node || bytes(node, value.chars)) return;
        const std::string& text = node.Scalar();
        if (!node.IsScalar()) {
            Report(problems_, node, kTextFrequencyExpected);
            return;
        }
        if (text.empty()) {
            value.set("");
            return;
        }
        const std::optional<double> mhz = ParseNumber(text);
        if (!mhz || text.find_first_not_of("0123456789.") != std::string::npos) {
            Report(problems_, node, kTextNoFrequency, {text});
        } else if (!IsInBand(*mhz, doc_)) {
            Report(problems_, node, kTextTextOutOfBand, {text, doc_.BandText});
        } else {
            value.set(DisplayToStored(text, doc_));
        }
    }

    void tone(std::string_view key, Int& value) {
        const YAML::Node node = take(key);
        if (!node) return;
        if (!node.IsScalar()) {
            Report(problems_, node, kTextToneExpected);
        } else if (const auto tone = ToneOfName(node.Scalar())) {
            value = *tone;
        } else if (const auto number = IntegerOf(node, -32768, 32767);
                   number && (*number < 0 || *number >= kToneValueCount)) {
            value = static_cast<Int>(*number);  // a stored value no list names
        } else {
            Report(problems_, node, kTextNoSuchTone, {node.Scalar()});
        }
    }

    void place(Int) {}

    template <class Record, class Fn>
    void record(std::string_view key, Record& value, Fn visit) {
        if (const YAML::Node node = take(key)) map(node, value, visit);
    }

    template <class Record, std::size_t N, class Fn>
    void records(std::string_view key, std::array<Record, N>& values, Fn visit) {
        const YAML::Node node = take(key);
        if (!node || !sequence(node, N)) return;
        for (std::size_t i = 0; i < node.size(); ++i) map(node[i], values[i], visit);
    }

    template <class Record, class Fn>
    void map(const YAML::Node& node, Record& value, Fn visit) {
        if (!node.IsMap()) {
            Report(problems_, node, kTextMapExpected);
            return;
        }
        Reader inner(node, problems_, doc_);
        visit(inner, value);
    }

    // The node of a key, marked as read; an undefined node when the map has no such key.
    YAML::Node take(std::string_view key) {
        taken_.insert(std::string(key));
        return map_[std::string(key)];
    }

    Problems& problems_;

private:
    template <class T>
    void integer(const YAML::Node& node, T& value) {
        constexpr int lo = std::is_same_v<T, Byte> ? 0 : -32768;
        constexpr int hi = std::is_same_v<T, Byte> ? 255 : 32767;
        if (const auto number = IntegerOf(node, lo, hi))
            value = static_cast<T>(*number);
        else
            Report(problems_, node, kTextWholeNumberExpected,
                   {std::to_string(lo), std::to_string(hi)});
    }

    bool sequence(const YAML::Node& node, std::size_t most) {
        if (node.IsSequence() && node.size() <= most) return true;
        Report(problems_, node, kTextListTooLong, {std::to_string(most)});
        return false;
    }

    template <class Array>
    void list(const YAML::Node& node, Array& values) {
        if (!sequence(node, values.size())) return;
        for (std::size_t i = 0; i < node.size(); ++i) {
            if constexpr (text_tree::IsArray<std::remove_cvref_t<decltype(values[0])>>::value)
                list(node[i], values[i]);
            else
                integer(node[i], values[i]);
        }
    }

    // A text given as its byte values: all of them, each 0..255.
    template <std::size_t N>
    bool bytes(const YAML::Node& node, std::array<char, N>& chars) {
        if (!node.IsSequence()) return false;
        std::array<Byte, N> values{};
        if (node.size() != N) {
            Report(problems_, node, kTextByteListExpected, {std::to_string(N)});
            return true;
        }
        list(node, values);
        std::transform(values.begin(), values.end(), chars.begin(),
                       [](Byte b) { return static_cast<char>(b); });
        return true;
    }

    const YAML::Node map_;
    const DocumentState& doc_;
    std::set<std::string> taken_;
};

// Whether a document of the mode may hold the channel: a group of the mode holds it, or it is
// the VFO channel, which every document holds though mode 0 shows it in no group.
bool IsChannelOfMode(int channelNo, int mode) {
    return channelNo == kVfoChannel || PlaceOfChannel(channelNo, mode).group >= 0;
}

// The channel list: every channel at a number the mode has, none twice.
void ReadChannels(Reader& top, const YAML::Node& node, DocumentState& doc,
                  std::vector<ChannelRecord>& channels) {
    if (!node.IsSequence() || node.size() > static_cast<std::size_t>(kChannelCapacity)) {
        Report(top.problems_, node, kTextListTooLong, {std::to_string(kChannelCapacity)});
        return;
    }
    std::set<int> seen;
    for (const YAML::Node& entry : node) {
        const YAML::Node number = entry.IsMap() ? entry["ChannelNo"] : YAML::Node();
        const auto channelNo = number ? IntegerOf(number, 1, kChannelCapacity) : std::nullopt;
        if (!channelNo || !IsChannelOfMode(*channelNo, doc.CurrentCountryMode)) {
            Report(top.problems_, number ? number : entry, kTextNotAChannelOfMode,
                   {std::to_string(doc.CurrentCountryMode)});
            continue;
        }
        if (!seen.insert(*channelNo).second) {
            Report(top.problems_, number, kTextChannelTwice, {std::to_string(*channelNo)});
            continue;
        }
        ChannelRecord c = NewChannel(*channelNo, "", doc);
        top.map(entry, c, text_tree::Channel<Reader>);
        channels.push_back(c);
    }
    std::sort(channels.begin(), channels.end(), [](const ChannelRecord& a, const ChannelRecord& b) {
        return a.ChannelNo < b.ChannelNo;
    });
}

// The file's order of the channels, when given: the same numbers as the channel list.
void ReadChannelOrder(Reader& top, const YAML::Node& node, std::vector<ChannelRecord>& channels) {
    std::vector<ChannelRecord> ordered;
    if (node.IsSequence()) {
        for (const YAML::Node& number : node) {
            const auto n = IntegerOf(number, 1, kChannelCapacity);
            const auto at = std::find_if(channels.begin(), channels.end(),
                                         [&](const ChannelRecord& c) { return n == c.ChannelNo; });
            if (at == channels.end()) break;
            ordered.push_back(*at);
        }
    }
    std::set<int> distinct;
    for (const ChannelRecord& c : ordered) distinct.insert(c.ChannelNo);
    if (ordered.size() != channels.size() || distinct.size() != channels.size()) {
        Report(top.problems_, node, kTextBadChannelOrder);
        return;
    }
    channels = ordered;
}

void ReadSpareEntries(Reader& top, const YAML::Node& node, DocumentState& doc) {
    if (!node.IsSequence()) {
        Report(top.problems_, node, kTextEntryListExpected);
        return;
    }
    for (const YAML::Node& entry : node) {
        const YAML::Node at = entry.IsMap() ? entry["Entry"] : YAML::Node();
        const auto index =
            at ? IntegerOf(at, doc.WorkDoc.ChannelCount, kChannelCapacity - 1) : std::nullopt;
        if (!index) {
            Report(top.problems_, at ? at : entry, kTextBadEntryNumber);
            continue;
        }
        ChannelRecord& c = doc.SavedChannels[static_cast<std::size_t>(*index)];
        top.map(entry, c, [](Reader& r, ChannelRecord& record) {
            r.take("Entry");
            text_tree::Channel(r, record);
        });
    }
}

// The header: the model and version a file must have, and the country mode that chooses the
// new document the text is read into.
std::optional<int> ReadHeader(Reader& top, DocumentState& doc) {
    int mode = 0;
    if (const YAML::Node node = top.take("country_mode")) {
        const auto value = IntegerOf(node, 0, 2);
        if (!value) {
            Report(top.problems_, node, kTextBadCountryMode);
            return std::nullopt;
        }
        mode = *value;
    }
    doc.CurrentCountryMode = static_cast<Int>(mode);
    if (const YAML::Node node = top.take("model"); node && !IsSameModel(node.Scalar(), kModelName))
        Report(top.problems_, node, kTextBadModel, {std::string(kModelName)});
    return mode;
}

// The top-level keys besides the header's.
constexpr std::string_view kPartKeys[] = {"file_version",  "settings",     "channels",
                                          "dtmf",          "keys",         "tone_tips",
                                          "channel_order", "spare_entries"};

void ReadDocument(Reader& top, const std::string& programFolder, DocumentState& doc) {
    if (!ReadHeader(top, doc)) {
        // Without a country mode the parts cannot be read; they are no unknown keys for that.
        for (std::string_view key : kPartKeys) top.take(key);
        return;
    }
    InitNewDocument(doc, programFolder, false);
    CodeplugDocument& d = doc.WorkDoc;
    if (const YAML::Node node = top.take("file_version")) {
        if (!node.IsScalar() || !IsValidVersionText(node.Scalar()))
            Report(top.problems_, node, kTextBadFileVersion);
        else
            d.Header.FileVersion.set(node.Scalar());
    }
    top.record("settings", d, text_tree::Settings<Reader>);
    top.record("dtmf", d.Dtmf, text_tree::Dtmf<Reader>);
    top.record("keys", d.Keys, text_tree::Keys<Reader>);
    top.records("tone_tips", d.ToneTips, text_tree::ToneTip<Reader>);

    if (const YAML::Node node = top.take("channels")) {
        std::vector<ChannelRecord> channels;
        ReadChannels(top, node, doc, channels);
        if (const YAML::Node order = top.take("channel_order"))
            ReadChannelOrder(top, order, channels);
        d.ChannelCount = static_cast<Int>(channels.size());
        std::copy(channels.begin(), channels.end(), doc.ChannelList.begin());
    }
    std::fill(doc.SavedChannels.begin() + d.ChannelCount, doc.SavedChannels.end(), ChannelRecord{});
    if (const YAML::Node node = top.take("spare_entries")) ReadSpareEntries(top, node, doc);
}

}  // namespace

std::string DescribeTextProblem(const TextProblem& problem, const TextLookup& texts) {
    return FillText(texts(kTextTextProblemAt),
                    {std::to_string(problem.line), std::to_string(problem.column),
                     FillTextList(texts(problem.text), problem.args)});
}

std::vector<TextProblem> ReadCodeplugText(std::string_view text, const std::string& programFolder,
                                          DocumentState& doc) {
    Problems problems;
    YAML::Node root;
    try {
        root = YAML::Load(std::string(text));
    } catch (const YAML::ParserException& e) {
        problems.push_back(ProblemAt(e.mark, kTextYamlSyntax, {e.msg}));
        return problems;
    }
    if (!root.IsMap()) {
        Report(problems, root, kTextPartsExpected);
        return problems;
    }
    DocumentState read;
    {
        Reader top(root, problems, read);
        ReadDocument(top, programFolder, read);
    }
    if (!problems.empty()) return problems;
    read.IsUntitled = true;
    read.listeners = doc.listeners;
    doc = std::move(read);
    return problems;
}

}  // namespace k7x
