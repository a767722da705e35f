// INI files with the semantics of the classic private-profile functions: section and key names
// compare without regard to case, values are trimmed, anything missing gives the default, a
// value is cut at the caller's buffer size, and writing one key keeps every other line of the
// file byte for byte. The files are untrusted: oversized or odd files read as empty and are
// never overwritten.
#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

namespace k7x {

// The code page a file is stored in.
enum class IniCodec { Latin1, Windows1252, Gbk };

// The code page of a language file: "chinese.ini" is GBK, every other one Windows-1252.
IniCodec CodecOfLanguageFile(std::string_view fileName);

class IniFile {
public:
    // Larger files are not ours (ours hold a few kilobytes): they read as empty.
    static constexpr qsizetype kMaxFileSize = 1 << 20;

    explicit IniFile(IniCodec codec = IniCodec::Latin1) : codec_(codec) {}

    // A missing file loads as empty and may be created by save(). A file that cannot be read,
    // is not a regular file or is larger than kMaxFileSize loads as empty and refuses save().
    static IniFile load(const QString& path, IniCodec codec = IniCodec::Latin1);
    static IniFile fromBytes(const QByteArray& bytes, IniCodec codec = IniCodec::Latin1);

    // The value as a profile read into a buffer of bufferSize characters returns it: blanks
    // around it removed, cut at the first NUL, at most bufferSize - 1 bytes of the file (never
    // half a character). def when the section or the key is missing. A section that appears
    // twice counts as one; the first line of a key wins.
    QString value(const QString& section, const QString& key, const QString& def = {},
                  int bufferSize = 512) const;
    bool contains(const QString& section, const QString& key) const;

    // Sets one key, keeping every other line as it was: the key's line is replaced, a new key
    // goes after the last line of its section, a new section goes to the end of the file.
    // False (nothing changed) for a name or value that cannot be stored on one line.
    bool setValue(const QString& section, const QString& key, const QString& value);

    const QByteArray& bytes() const { return bytes_; }
    // False when the file exists but could not be taken in; save() then refuses.
    bool isUsable() const { return usable_; }

    // Writes the whole file through a temporary file renamed over the target, so an
    // interrupted write never leaves half a file. The folder must exist.
    bool save(const QString& path) const;

private:
    QByteArray bytes_;
    IniCodec codec_ = IniCodec::Latin1;
    bool usable_ = true;
};

// The one-call forms: each opens the file, reads or writes one value and closes it again.
QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& def, int bufferSize, IniCodec codec = IniCodec::Latin1);
// Creates the file when missing; false when it cannot be written (the file is then unchanged).
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value, IniCodec codec = IniCodec::Latin1);

}  // namespace k7x
