// libFuzzer target: INI files are untrusted input. Every code page reads arbitrary bytes without
// leaving the buffer, a value never exceeds the caller's buffer, and a written key reads back
// while keys elsewhere keep their values.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shell/IniFile.h"

using namespace k7x;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

const QString kNone = QStringLiteral("<none>");

void exercise(const QByteArray& bytes, IniCodec codec) {
    IniFile ini = IniFile::fromBytes(bytes, codec);
    check(ini.bytes() == bytes);

    // The names the program reads, and a short buffer that cuts the value.
    const QString language = ini.value("Language", "CurrentLanguage", kNone);
    const QString message = ini.value("Msg", "9001", kNone);
    const QString cut = ini.value("Msg", "9001", kNone, 5);
    check(cut == kNone || cut.size() <= 4);
    check(cut == kNone || message.startsWith(cut) || codec == IniCodec::Gbk);
    check(ini.value("Msg", "9001", kNone, 0).isEmpty() || message == kNone);
    if (language != kNone) check(ini.contains("Language", "CurrentLanguage"));

    // Writing one key: it reads back and the other keys stay.
    const QString otherSection = ini.value("Msg", "9001", kNone);
    const QString sameSection = ini.value("Language", "comPort", kNone);
    check(ini.setValue("language", "CurrentLanguage", "2"));
    check(ini.value("LANGUAGE", "currentlanguage", kNone) == "2");
    check(ini.value("Msg", "9001", kNone) == otherSection);
    check(ini.value("Language", "comPort", kNone) == sameSection);

    // What cannot be stored on one line is refused and changes nothing.
    const QByteArray before = ini.bytes();
    check(!ini.setValue("Language", "comPort", "1\n[Msg]\n9001=x"));
    check(ini.bytes() == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The files the program reads are a few kilobytes; larger inputs only slow the search.
    if (size > 4096) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (IniCodec codec : {IniCodec::Latin1, IniCodec::Windows1252, IniCodec::Gbk}) {
        exercise(bytes, codec);
    }
    return 0;
}
