#include "codeplug/FileLayout.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "codeplug/CodeplugFile.h"

namespace k7x {
namespace {

using file_layout::FieldRef;
using file_layout::Row;
using file_layout::RowsOf;

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

// Calls op for every leaf field of a record, with the field's absolute byte position.
template <class Record, class Op>
void Walk(Record& record, std::size_t base, Op& op) {
    for (const Row<Record>& row : RowsOf<Record>()) {
        for (std::size_t i = 0; i < row.count; ++i) {
            const std::size_t at = base + row.offset + i * row.width;
            std::visit(Overloaded{
                           [&](Int* v) { op.integer(at, *v); },
                           [&](Byte* v) { op.bytes(at, std::span<Byte>(v, 1)); },
                           [&](std::span<char> t) { op.text(at, t); },
                           [&](std::span<Byte> b) { op.bytes(at, b); },
                           [&](auto* nested) { Walk(*nested, at, op); },
                       },
                       row.field(record, i));
        }
    }
}

struct Writer {
    std::span<Byte> out;

    void integer(std::size_t at, Int v) {
        const auto u = static_cast<std::uint16_t>(v);
        out[at] = static_cast<Byte>(u & 0xFF);
        out[at + 1] = static_cast<Byte>(u >> 8);
    }
    void text(std::size_t at, std::span<const char> t) {
        for (std::size_t i = 0; i < t.size(); ++i) out[at + i] = static_cast<Byte>(t[i]);
    }
    void bytes(std::size_t at, std::span<const Byte> b) {
        for (std::size_t i = 0; i < b.size(); ++i) out[at + i] = b[i];
    }
};

// Reads fields from a buffer; bytes beyond its end read as 0, so a short buffer never
// leads to a read out of bounds.
struct Reader {
    std::span<const Byte> in;

    Byte at(std::size_t i) const { return i < in.size() ? in[i] : Byte{0}; }
    void integer(std::size_t pos, Int& v) const {
        const auto u = static_cast<std::uint16_t>(at(pos) | (at(pos + 1) << 8));
        v = static_cast<Int>(u);
    }
    void text(std::size_t pos, std::span<char> t) const {
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<char>(at(pos + i));
    }
    void bytes(std::size_t pos, std::span<Byte> b) const {
        for (std::size_t i = 0; i < b.size(); ++i) b[i] = at(pos + i);
    }
};

Int ReadInt(std::span<const Byte> bytes, std::size_t pos) {
    Int v = 0;
    Reader{bytes}.integer(pos, v);
    return v;
}

// Positions of the fields FindFileDamage looks at, taken from the tables.
std::size_t ChannelCountOffset() {
    CodeplugDocument probe;
    for (const Row<CodeplugDocument>& row : file_layout::kDocumentRows) {
        FieldRef f = row.field(probe, 0);
        if (auto* p = std::get_if<Int*>(&f); p && *p == &probe.ChannelCount) return row.offset;
    }
    return 0;  // not reached: the table holds the field
}

std::size_t ChannelNoOffset() {
    ChannelRecord probe;
    for (const Row<ChannelRecord>& row : file_layout::kChannelRows) {
        FieldRef f = row.field(probe, 0);
        if (auto* p = std::get_if<Int*>(&f); p && *p == &probe.ChannelNo) return row.offset;
    }
    return 0;
}

}  // namespace

std::vector<Byte> EncodeFile(const CodeplugDocument& doc, const ChannelArray& channels) {
    std::vector<Byte> out(kFileSize, 0);
    Writer writer{out};
    CodeplugDocument docCopy = doc;  // the tables hand out mutable references
    Walk(docCopy, 0, writer);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        ChannelRecord channel = channels[i];
        Walk(channel, kDocumentBlockSize + i * kChannelBlockSize, writer);
    }
    return out;
}

CodeplugDocument DecodeDocumentBlock(std::span<const Byte> bytes) {
    CodeplugDocument doc;
    Reader reader{bytes};
    Walk(doc, 0, reader);
    return doc;
}

ChannelArray DecodeChannelBlocks(std::span<const Byte> bytes) {
    ChannelArray channels{};
    Reader reader{bytes};
    for (std::size_t i = 0; i < channels.size(); ++i)
        Walk(channels[i], kDocumentBlockSize + i * kChannelBlockSize, reader);
    return channels;
}

std::optional<FileDamageDetail> FindFileDamageDetail(std::span<const Byte> bytes) {
    using Kind = FileDamageDetail::Kind;
    if (bytes.size() < kFileSize) {
        return FileDamageDetail{Kind::ShortFile, 0, static_cast<int>(bytes.size())};
    }
    const int count = ReadInt(bytes, ChannelCountOffset());
    if (count < 0 || count > kChannelCapacity) {
        return FileDamageDetail{Kind::ChannelCount, 0, count};
    }
    const std::size_t noOffset = ChannelNoOffset();
    std::bitset<kChannelCapacity + 1> seen;
    for (int i = 0; i < count; ++i) {
        const int number = ReadInt(bytes, kDocumentBlockSize + i * kChannelBlockSize + noOffset);
        if (number < 1 || number > kChannelCapacity) {
            return FileDamageDetail{Kind::ChannelNumber, i + 1, number};
        }
        if (seen.test(number)) return FileDamageDetail{Kind::RepeatedChannel, i + 1, number};
        seen.set(number);
    }
    return std::nullopt;
}

std::optional<std::string> FindFileDamage(std::span<const Byte> bytes) {
    const std::optional<FileDamageDetail> damage = FindFileDamageDetail(bytes);
    if (!damage) return std::nullopt;
    const std::string entry = std::to_string(damage->entry);
    const std::string value = std::to_string(damage->value);
    switch (damage->kind) {
        case FileDamageDetail::Kind::ShortFile:
            return "the file holds " + value + " bytes instead of " + std::to_string(kFileSize);
        case FileDamageDetail::Kind::ChannelCount:
            return "the channel count " + value + " lies outside 0.." +
                   std::to_string(kChannelCapacity);
        case FileDamageDetail::Kind::ChannelNumber:
            return "channel entry " + entry + " has the number " + value + ", outside 1.." +
                   std::to_string(kChannelCapacity);
        case FileDamageDetail::Kind::RepeatedChannel:
            return "channel entry " + entry + " repeats channel number " + value;
    }
    return "the content is damaged";
}

}  // namespace k7x
