#include "shell/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace k7x {

namespace {

const char* codecName(IniCodec codec) {
    switch (codec) {
        case IniCodec::Windows1252:
            return "windows-1252";
        case IniCodec::Gbk:
            return "GBK";
        case IniCodec::Latin1:
            break;
    }
    return nullptr;
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString decode(QByteArrayView bytes, IniCodec codec) {
    const char* name = codecName(codec);
    // Every code page here is a superset of ASCII; most names and values are plain ASCII.
    if (name == nullptr || isAscii(bytes)) return QString::fromLatin1(bytes);
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text, IniCodec codec) {
    const char* name = codecName(codec);
    if (name != nullptr) {
        QStringEncoder encoder(name, QStringConverter::Flag::Stateless);
        if (encoder.isValid()) return encoder.encode(text);
    }
    return text.toLatin1();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView v) {
    while (!v.isEmpty() && isBlank(v.front())) v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back())) v.chop(1);
    return v;
}

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
qsizetype cutLength(QByteArrayView v, qsizetype maxBytes, IniCodec codec) {
    if (codec != IniCodec::Gbk) return std::min(v.size(), maxBytes);
    qsizetype i = 0;
    while (i < v.size()) {
        const auto lead = static_cast<unsigned char>(v[i]);
        const qsizetype len = (lead >= 0x81 && lead <= 0xFE && i + 1 < v.size()) ? 2 : 1;
        if (i + len > maxBytes) break;
        i += len;
    }
    return i;
}

// One line of the file: [begin, end) is its content, next the start of the following line.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

// What a line is to the profile reader.
struct Parsed {
    enum Kind { Other, Section, Entry } kind = Other;
    QString name;          // section name or key, trimmed
    QByteArrayView value;  // raw value bytes, blanks around removed
};

template <typename Fn>
void forEachLine(const QByteArray& bytes, Fn&& fn) {
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? bytes.size() : nl + 1;
        qsizetype end = nl < 0 ? bytes.size() : nl;
        if (end > pos && bytes[end - 1] == '\r') --end;
        if (!fn(Line{pos, end, next})) return;
        pos = next;
    }
}

Parsed parseLine(const QByteArray& bytes, const Line& line, IniCodec codec) {
    Parsed p;
    const QByteArrayView content =
        trimBlanks(QByteArrayView(bytes).sliced(line.begin, line.end - line.begin));
    if (content.isEmpty() || content.front() == ';') return p;
    if (content.front() == '[') {
        // Decode before looking for "]": in GBK it can be the second byte of a character.
        const QString text = decode(content.sliced(1), codec);
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        p.kind = Parsed::Section;
        p.name = (close < 0 ? text : text.left(close)).trimmed();
        return p;
    }
    // "=" never occurs inside a multi-byte character of these code pages.
    const qsizetype eq = content.indexOf('=');
    if (eq < 0) return p;
    p.kind = Parsed::Entry;
    p.name = decode(trimBlanks(content.first(eq)), codec).trimmed();
    p.value = trimBlanks(content.sliced(eq + 1));
    return p;
}

bool sameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Finds the first entry of the key in any section of that name.
bool findEntry(const QByteArray& bytes, IniCodec codec, const QString& section, const QString& key,
               Line* lineOut, QByteArrayView* valueOut) {
    bool inSection = false;
    bool found = false;
    forEachLine(bytes, [&](const Line& line) {
        const Parsed p = parseLine(bytes, line, codec);
        if (p.kind == Parsed::Section) {
            inSection = sameName(p.name, section);
        } else if (p.kind == Parsed::Entry && inSection && sameName(p.name, key)) {
            if (lineOut) *lineOut = line;
            if (valueOut) *valueOut = p.value;
            found = true;
            return false;
        }
        return true;
    });
    return found;
}

bool fitsOnOneLine(const QString& s) {
    return !s.contains(QLatin1Char('\n')) && !s.contains(QLatin1Char('\r')) &&
           !s.contains(QChar(0));
}

}  // namespace

IniCodec CodecOfLanguageFile(std::string_view fileName) {
    std::string lower(fileName);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return lower == "chinese.ini" ? IniCodec::Gbk : IniCodec::Windows1252;
}

IniFile IniFile::load(const QString& path, IniCodec codec) {
    IniFile ini(codec);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return ini;
    ini.usable_ = false;
    // Only regular files: a FIFO or a device would block or never end.
    if (!info.isFile() || info.size() > kMaxFileSize) return ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ini;
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize || file.error() != QFileDevice::NoError) return ini;
    ini.bytes_ = std::move(bytes);
    ini.usable_ = true;
    return ini;
}

IniFile IniFile::fromBytes(const QByteArray& bytes, IniCodec codec) {
    IniFile ini(codec);
    ini.bytes_ = bytes;
    return ini;
}

QString IniFile::value(const QString& section, const QString& key, const QString& def,
                       int bufferSize) const {
    QByteArrayView raw;
    if (!findEntry(bytes_, codec_, section, key, nullptr, &raw)) return def;
    const qsizetype nul = raw.indexOf('\0');
    if (nul >= 0) raw = raw.first(nul);
    const qsizetype room = std::max(bufferSize - 1, 0);
    return decode(raw.first(cutLength(raw, room, codec_)), codec_);
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return findEntry(bytes_, codec_, section, key, nullptr, nullptr);
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QString trimmedKey = key.trimmed();
    if (section.trimmed().isEmpty() || trimmedKey.isEmpty() || !fitsOnOneLine(section) ||
        !fitsOnOneLine(key) || !fitsOnOneLine(value) || section.contains(QLatin1Char(']')) ||
        key.contains(QLatin1Char('=')) || trimmedKey.startsWith(QLatin1Char('[')) ||
        trimmedKey.startsWith(QLatin1Char(';'))) {
        return false;
    }
    const qsizetype firstNl = bytes_.indexOf('\n');
    const QByteArray eol = (firstNl > 0 && bytes_[firstNl - 1] == '\r') ? "\r\n" : "\n";
    const QByteArray entry = encode(trimmedKey, codec_) + '=' + encode(value, codec_);
    // Ends a last line that has no newline. A lone carriage return there is the first half of
    // a line end already: only "\n" completes it, so that line keeps its value.
    const QByteArray closeLast = bytes_.endsWith('\r') ? QByteArray("\n") : eol;

    Line keyLine{};
    if (findEntry(bytes_, codec_, section, trimmedKey, &keyLine, nullptr)) {
        bytes_.replace(keyLine.begin, keyLine.end - keyLine.begin, entry);
        return true;
    }

    // The last non-blank line of the first section of that name.
    bool inSection = false;
    bool sectionSeen = false;
    Line last{};
    forEachLine(bytes_, [&](const Line& line) {
        const Parsed p = parseLine(bytes_, line, codec_);
        if (p.kind == Parsed::Section) {
            if (sectionSeen && inSection) return false;
            inSection = sameName(p.name, section);
            if (inSection) {
                sectionSeen = true;
                last = line;
            }
        } else if (inSection &&
                   !trimBlanks(QByteArrayView(bytes_).sliced(line.begin, line.end - line.begin))
                        .isEmpty()) {
            last = line;
        }
        return true;
    });
    if (sectionSeen) {
        if (last.next == bytes_.size() && !bytes_.endsWith('\n')) {
            bytes_.insert(last.next, closeLast + entry);  // the section's last line ends the file
        } else {
            bytes_.insert(last.next, entry + eol);
        }
        return true;
    }

    if (!bytes_.isEmpty() && !bytes_.endsWith('\n')) bytes_.append(closeLast);
    bytes_.append('[' + encode(section.trimmed(), codec_) + ']' + eol + entry + eol);
    return true;
}

bool IniFile::save(const QString& path) const {
    if (!usable_) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes_) != bytes_.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& def, int bufferSize, IniCodec codec) {
    return IniFile::load(path, codec).value(section, key, def, bufferSize);
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value, IniCodec codec) {
    IniFile ini = IniFile::load(path, codec);
    if (!ini.isUsable() || !ini.setValue(section, key, value)) return false;
    return ini.save(path);
}

}  // namespace k7x
