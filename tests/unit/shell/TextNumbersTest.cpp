// Every text number the program's code asks for must exist in both language files; a missing
// one shows as an empty caption or an empty message box.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdlib>
#include <map>
#include <set>

#include "shell/IniFile.h"
#include "shell/LangTexts.h"

namespace k7x {
namespace {

// The source tree: from the test environment, else four folders above this file.
QString SourceDir() {
    if (const char* dir = std::getenv("K7X_SOURCE_DIR"); dir && *dir) {
        return QString::fromLocal8Bit(dir);
    }
    QDir here = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
    for (int i = 0; i < 3; ++i) here.cdUp();
    return here.exists(QStringLiteral("data/language")) ? here.absolutePath() : QString();
}

// number -> the first file that uses it
std::map<int, QString> CollectTextNumbers(const QString& root) {
    static const QRegularExpression kUses[] = {
        QRegularExpression(R"(\bGetLangTextQ?\s*\(\s*[\w.\->]+\s*,\s*(\d+)\s*\))"),
        QRegularExpression(R"(\btext\s*\(\s*(\d+)\s*\))"),
        QRegularExpression(R"(\bmessage\s*\(\s*(\d+)\s*[,)])"),
    };
    std::map<int, QString> found;
    for (const char* folder :
         {"codeplug", "link", "shell", "channels", "settings", "app", "cli", "radiosim"}) {
        QDirIterator it(root + '/' + folder, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString code = QString::fromUtf8(file.readAll());
            for (const QRegularExpression& re : kUses) {
                auto matches = re.globalMatch(code);
                while (matches.hasNext()) {
                    const int n = matches.next().captured(1).toInt();
                    found.emplace(n, path.mid(root.size() + 1));
                }
            }
        }
    }
    return found;
}

TEST(TextNumbers, ScanFindsTheNumbersOfThisLibrary) {
    ASSERT_FALSE(SourceDir().isEmpty()) << "source tree not found";
    const std::map<int, QString> found = CollectTextNumbers(SourceDir());
    EXPECT_TRUE(found.contains(9063));
    EXPECT_TRUE(found.contains(12000));
}

TEST(TextNumbers, BothLanguageFilesDefineEveryNumberTheCodeUses) {
    ASSERT_FALSE(SourceDir().isEmpty()) << "source tree not found";
    const std::map<int, QString> found = CollectTextNumbers(SourceDir());
    for (const char* name : {"english.ini", "chinese.ini"}) {
        const QString path = SourceDir() + "/data/language/" + name;
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        const IniFile ini = IniFile::load(path, CodecOfLanguageFile(name));
        for (const auto& [number, user] : found) {
            EXPECT_FALSE(ini.value(QString::fromLatin1(LangSectionOf(number)),
                                   QString::number(number), {}, kLangTextBuffer)
                             .isEmpty())
                << name << " has no text " << number << " (used in " << user.toStdString() << ")";
        }
    }
}

}  // namespace
}  // namespace k7x
