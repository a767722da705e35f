// Writing the text form with yaml-cpp's emitter: block style with comments for YAML, flow
// style with every text double-quoted for JSON.
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <type_traits>

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/DocumentFields.h"
#include "codeplug/TextTree.h"
#include "codeplug/TextValues.h"

namespace k7x {
namespace {

class Writer {
public:
    Writer(YAML::Emitter& out, TextForm form, const DocumentState& doc)
        : out_(out), yaml_(form == TextForm::Yaml), doc_(doc) {}

    template <class T>
    void number(std::string_view key, T& value) {
        out_ << YAML::Key << std::string(key) << YAML::Value << static_cast<int>(value);
    }

    template <class Array>
    void numbers(std::string_view key, Array& values) {
        out_ << YAML::Key << std::string(key) << YAML::Value;
        list(values);
    }

    // A setting with the English name of its choice, where the number alone does not say it.
    template <class T, class Namer>
    void choice(std::string_view key, T& value, Namer name) {
        number(key, value);
        comment(name(value), value);
    }

    // Settings one a line, each named as choice names one.
    template <class Array, class Namer>
    void choices(std::string_view key, Array& values, Namer name) {
        if (!yaml_) return numbers(key, values);
        out_ << YAML::Key << std::string(key) << YAML::Value << YAML::Block << YAML::BeginSeq;
        for (std::size_t i = 0; i < values.size(); ++i) {
            out_ << static_cast<int>(values[i]);
            comment(name(static_cast<int>(i), values[i]), values[i]);
        }
        out_ << YAML::EndSeq;
    }

    template <std::size_t N>
    void text(std::string_view key, FixedText<N>& value) {
        out_ << YAML::Key << std::string(key) << YAML::Value;
        if (IsPlainText(value.raw()))
            out_ << YAML::DoubleQuoted << value.str();
        else
            bytes(value.chars);
    }

    void frequency(std::string_view key, FixedText<8>& value) {
        out_ << YAML::Key << std::string(key) << YAML::Value;
        if (const auto shown = FrequencyText(value, doc_))
            out_ << YAML::DoubleQuoted << *shown;
        else
            bytes(value.chars);
    }

    void tone(std::string_view key, Int& value) {
        out_ << YAML::Key << std::string(key) << YAML::Value;
        if (const auto name = ToneName(value))
            out_ << *name;
        else
            out_ << static_cast<int>(value);
    }

    // The channel's name as a comment, for the entries of the channel list.
    void place(Int channelNo) {
        if (!yaml_ || !naming_) return;
        const std::string name = ChannelName(channelNo, doc_.CurrentCountryMode);
        if (!name.empty()) out_ << YAML::Comment(name);
    }

    template <class Record, class Fn>
    void record(std::string_view key, Record& value, Fn visit) {
        out_ << YAML::Key << std::string(key) << YAML::Value;
        map(value, visit);
    }

    template <class Record, std::size_t N, class Fn>
    void records(std::string_view key, std::array<Record, N>& values, Fn visit) {
        out_ << YAML::Key << std::string(key) << YAML::Value << YAML::BeginSeq;
        for (Record& value : values) map(value, visit, YAML::Flow);
        out_ << YAML::EndSeq;
    }

    template <class Record, class Fn>
    void map(Record& value, Fn visit, YAML::EMITTER_MANIP style = YAML::Block) {
        if (yaml_) out_ << style;
        out_ << YAML::BeginMap;
        visit(*this, value);
        out_ << YAML::EndMap;
    }

    // Channel names go into comments while this is set.
    bool naming_ = false;

private:
    void comment(const std::string& name, Int value) {
        if (yaml_ && !name.empty() && name != std::to_string(value)) out_ << YAML::Comment(name);
    }

    template <class Array>
    void list(Array& values) {
        if (yaml_) out_ << YAML::Flow;
        out_ << YAML::BeginSeq;
        for (auto& value : values) {
            if constexpr (text_tree::IsArray<std::remove_cvref_t<decltype(value)>>::value)
                list(value);
            else
                out_ << static_cast<int>(value);
        }
        out_ << YAML::EndSeq;
    }

    template <std::size_t N>
    void bytes(std::array<char, N>& chars) {
        std::array<Byte, N> values{};
        std::transform(chars.begin(), chars.end(), values.begin(),
                       [](char c) { return static_cast<Byte>(c); });
        list(values);
    }

    YAML::Emitter& out_;
    bool yaml_;
    const DocumentState& doc_;
};

// The listed channels in number order, and whether the list holds them in another order.
std::vector<ChannelRecord> SortedChannels(const DocumentState& doc, bool& reordered) {
    std::vector<ChannelRecord> channels(doc.ChannelList.begin(),
                                        doc.ChannelList.begin() + doc.WorkDoc.ChannelCount);
    const auto byNumber = [](const ChannelRecord& a, const ChannelRecord& b) {
        return a.ChannelNo < b.ChannelNo;
    };
    reordered = !std::is_sorted(channels.begin(), channels.end(), byNumber);
    std::stable_sort(channels.begin(), channels.end(), byNumber);
    return channels;
}

void WriteChannels(Writer& w, YAML::Emitter& out, const DocumentState& doc) {
    bool reordered = false;
    std::vector<ChannelRecord> channels = SortedChannels(doc, reordered);
    out << YAML::Key << "channels" << YAML::Value << YAML::BeginSeq;
    w.naming_ = true;
    for (ChannelRecord& c : channels) w.map(c, text_tree::Channel<Writer>);
    w.naming_ = false;
    out << YAML::EndSeq;
    if (!reordered) return;
    std::vector<int> order;
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i)
        order.push_back(doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo);
    out << YAML::Key << "channel_order" << YAML::Value << YAML::Flow << order;
}

// The entries after the channel list that a save writes out, where they are not blank.
void WriteSpareEntries(Writer& w, YAML::Emitter& out, const DocumentState& doc) {
    const ChannelRecord blank{};
    out << YAML::Key << "spare_entries" << YAML::Value << YAML::BeginSeq;
    for (int i = doc.WorkDoc.ChannelCount; i < kChannelCapacity; ++i) {
        ChannelRecord entry = doc.SavedChannels[static_cast<std::size_t>(i)];
        if (entry == blank) continue;
        w.map(entry, [i](Writer& v, ChannelRecord& c) {
            int index = i;
            v.number("Entry", index);
            text_tree::Channel(v, c);
        });
    }
    out << YAML::EndSeq;
}

}  // namespace

std::string WriteCodeplugText(const DocumentState& doc, TextForm form) {
    YAML::Emitter out;
    if (form == TextForm::Json) {
        out.SetMapFormat(YAML::Flow);
        out.SetSeqFormat(YAML::Flow);
        out.SetStringFormat(YAML::DoubleQuoted);
    }
    CodeplugDocument d = doc.WorkDoc;
    Writer w(out, form, doc);
    const int mode = doc.CurrentCountryMode;

    out << YAML::BeginMap;
    out << YAML::Key << "model" << YAML::Value << d.Header.ModelName.str();
    out << YAML::Key << "country_mode" << YAML::Value << mode;
    if (form == TextForm::Yaml) out << YAML::Comment(BandTextOfMode(mode).value_or(""));
    out << YAML::Key << "file_version" << YAML::Value << d.Header.FileVersion.str();
    w.record("settings", d, text_tree::Settings<Writer>);
    WriteChannels(w, out, doc);
    w.record("dtmf", d.Dtmf, text_tree::Dtmf<Writer>);
    w.record("keys", d.Keys, text_tree::Keys<Writer>);
    w.records("tone_tips", d.ToneTips, text_tree::ToneTip<Writer>);
    WriteSpareEntries(w, out, doc);
    out << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

}  // namespace k7x
