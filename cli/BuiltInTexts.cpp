#include "cli/BuiltInTexts.h"

#include <QFile>

#include "shell/AppSettings.h"
#include "shell/LangTexts.h"

namespace k7x::cli {

namespace {

// Where the build puts the copy of english.ini among the program's resources.
constexpr const char* kBuiltInFile = ":/korvan7x-cli/english.ini";

IniFile LoadBuiltInFile() {
    QFile file(QString::fromLatin1(kBuiltInFile));
    if (!file.open(QIODevice::ReadOnly)) return IniFile(CodecOfLanguageFile(kEnglishFile));
    return IniFile::fromBytes(file.readAll(), CodecOfLanguageFile(kEnglishFile));
}

}  // namespace

BuiltInTexts::BuiltInTexts() : file_(LoadBuiltInFile()) {}

std::string BuiltInTexts::text(int number) const {
    return file_
        .value(QString::fromLatin1(LangSectionOf(number)), QString::number(number), {},
               kLangTextBuffer)
        .toStdString();
}

}  // namespace k7x::cli
