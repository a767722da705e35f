// Every text number the program's code asks for must exist in both language files; a missing
// one shows as an empty caption or an empty message box.
//
// The code names its text numbers by constants, "constexpr int kText... = N;", kept in one header
// per layer; a few numbers are computed from such a constant and are listed below. A number
// written out anywhere else would escape this check, so no other source may hold an integer
// literal in the range of the text sections or as the number of a text call (GetLangText(s,
// 12000), text(9003), message(9063, ...), LangText(p, 23000), Text(p, 9116, ...)), once comments
// and string literals are taken out; the few literals in that range that are not texts are
// listed with their file.
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

// The numbers of the sections "Msg" to "ResetMode".
constexpr int kFirstTextNumber = 9000;
constexpr int kLastTextNumber = 31999;

// The headers that name the text numbers, one per layer.
constexpr const char* kTextHeaders[] = {
    "codeplug/CodeplugTexts.h", "link/LinkTexts.h",        "shell/ShellTexts.h",
    "channels/ChannelsTexts.h", "settings/SettingTexts.h", "cli/CliTexts.h",
};

// Literals in the text range that are something else. A value of 0 stands for every literal
// of the file.
struct NotAText {
    const char* file;
    int value;
    const char* what;
};
constexpr NotAText kNotTexts[] = {
    {"link/Frames.h", 9600, "the baud rate"},
    {"shell/WindowPlacement.h", 12500, "the main window's default width in twips"},
    {"shell/WindowPlacement.h", 9500, "the main window's default height in twips"},
    {"shell/LangTexts.cpp", 0, "the upper bounds of the sections"},
};

// Numbers the code computes from a constant, which no reading of the headers can see.
struct ComputedTexts {
    const char* how;
    int first;
    int last;
};
constexpr ComputedTexts kComputedTexts[] = {
    {"kTextProgressCaptionBase + operation", 9027, 9028},
    {"kTextTransferCompleteBase + operation", 9009, 9010},
    {"kTextModelFirstLabel + i", 13002, 13003},
    {"kTextWorkingChannel + emergency channel", 14053, 14054},
    {"kTextChangeFirstField + column", 10917, 10933},
    {"kTextCommonLabel + list, kTextEditRowLabel + row", 15006, 15020},
    {"kTextPowerLow + level", 15045, 15046},
    {"kTextOptSettingLabel + list", 16002, 16017},
    {"kTextDtmfListLabel + setting", 18006, 18009},
    {"kTextRadioInfoDealerLabel + i", 21014, 21016},
    {"kTextFirstStep + step", 29101, 29113},
};

// The source tree: from the test environment, else four folders above this file.
QString SourceDir() {
    if (const char* dir = std::getenv("K7X_SOURCE_DIR"); dir && *dir) {
        return QString::fromLocal8Bit(dir);
    }
    QDir here = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
    for (int i = 0; i < 3; ++i) here.cdUp();
    return here.exists(QStringLiteral("data/language")) ? here.absolutePath() : QString();
}

QString ReadSource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The code with comments, string and character literals blanked out; line ends stay, so
// positions keep their line numbers.
QString CodeOnly(const QString& source) {
    QString code = source;
    const qsizetype n = code.size();
    auto blank = [&code](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to && k < code.size(); ++k) {
            if (code[k] != u'\n') code[k] = u' ';
        }
    };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = source[i];
        const QChar next = i + 1 < n ? source[i + 1] : QChar();
        if (c == u'/' && next == u'/') {
            const qsizetype end = source.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            blank(i, stop);
            i = stop;
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            blank(i, stop);
            i = stop;
        } else if (c == u'R' && next == u'"' && (i == 0 || !source[i - 1].isLetterOrNumber())) {
            // R"delimiter( ... )delimiter"
            const qsizetype open = source.indexOf(u'(', i + 2);
            if (open < 0) break;
            const QString close = u')' + source.mid(i + 2, open - i - 2) + u'"';
            const qsizetype end = source.indexOf(close, open + 1);
            const qsizetype stop = end < 0 ? n : end + close.size();
            blank(i, stop);
            i = stop;
        } else if (c == u'"' || (c == u'\'' && (i == 0 || !source[i - 1].isLetterOrNumber()))) {
            // A string or character literal; a quote after a digit separates digits.
            qsizetype k = i + 1;
            while (k < n && source[k] != c && source[k] != u'\n') k += source[k] == u'\\' ? 2 : 1;
            const qsizetype stop = std::min(k + 1, n);
            blank(i, stop);
            i = stop;
        } else {
            ++i;
        }
    }
    return code;
}

bool IsListedAsNotAText(const QString& file, int value) {
    for (const NotAText& e : kNotTexts) {
        if (file == QLatin1String(e.file) && (e.value == 0 || e.value == value)) return true;
    }
    return false;
}

bool IsStartOfAny(const QString& file, const auto& prefixes) {
    for (const char* prefix : prefixes) {
        if (file.startsWith(QLatin1String(prefix))) return true;
    }
    return false;
}

// The text constants of a header's code; name -> number.
std::map<QString, int> ConstantsIn(const QString& source) {
    static const QRegularExpression kConstant(R"(\bconstexpr\s+int\s+(kText\w*)\s*=\s*(\d+)\s*;)");
    std::map<QString, int> constants;
    for (auto m = kConstant.globalMatch(CodeOnly(source)); m.hasNext();) {
        const auto match = m.next();
        constants.emplace(match.captured(1), match.captured(2).toInt());
    }
    return constants;
}

// The text numbers one file's code writes out; number -> "file:line" of the first.
std::map<int, QString> BareNumbersIn(const QString& file, const QString& source) {
    static const QRegularExpression kCalls[] = {
        QRegularExpression(R"(\b(?:GetLangTextQ?|LangText|Text)\s*\(\s*[\w.\->*&]+\s*,\s*(\d+)\b)"),
        QRegularExpression(R"(\b(?:text|message)\s*\(\s*(\d+)\s*[,)])"),
    };
    static const QRegularExpression kLiteral(R"((?<![\w.'])(\d{4,5})(?![\w.']))");
    const QString code = CodeOnly(source);
    std::map<int, QString> found;
    auto record = [&](qsizetype at, int number) {
        const int line = static_cast<int>(code.left(at).count(u'\n')) + 1;
        found.emplace(number, file + ':' + QString::number(line));
    };
    for (const QRegularExpression& re : kCalls) {
        for (auto m = re.globalMatch(code); m.hasNext();) {
            const auto match = m.next();
            record(match.capturedStart(1), match.captured(1).toInt());
        }
    }
    for (auto m = kLiteral.globalMatch(code); m.hasNext();) {
        const auto match = m.next();
        const int value = match.captured(1).toInt();
        if (value < kFirstTextNumber || value > kLastTextNumber) continue;
        if (IsListedAsNotAText(file, value)) continue;
        record(match.capturedStart(1), value);
    }
    return found;
}

struct TreeScan {
    std::map<int, QString> texts;  // every text number -> where it is named first
    QStringList bare;              // "file:line: number" written out where no number may be
};

TreeScan ScanTree(const QString& root) {
    TreeScan scan;
    for (const char* header : kTextHeaders) {
        for (const auto& [name, number] : ConstantsIn(ReadSource(root + '/' + header))) {
            scan.texts.emplace(number, QLatin1String(header) + ": " + name);
        }
    }
    for (const ComputedTexts& c : kComputedTexts) {
        for (int n = c.first; n <= c.last; ++n) scan.texts.emplace(n, QLatin1String(c.how));
    }
    for (const char* folder :
         {"codeplug", "link", "shell", "channels", "settings", "app", "cli", "radiosim"}) {
        QDirIterator it(root + '/' + folder, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next().mid(root.size() + 1);
            if (IsStartOfAny(file, kTextHeaders)) continue;
            for (const auto& [number, where] : BareNumbersIn(file, ReadSource(root + '/' + file)))
                scan.bare.append(where + ": " + QString::number(number));
        }
    }
    return scan;
}

std::set<int> NumbersIn(const QString& source, const QString& file = QStringLiteral("x.cpp")) {
    std::set<int> numbers;
    for (const auto& entry : BareNumbersIn(file, source)) numbers.insert(entry.first);
    return numbers;
}

TEST(TextNumbers, TheConstantsOfAHeaderAreRead) {
    EXPECT_EQ(
        ConstantsIn(QStringLiteral("inline constexpr int kTextOk = 9017;  // OK\n"
                                   "constexpr int kTextPowerLow = 15044;\n"
                                   "inline constexpr int kTextCheckLinkTarget = kTextDevice;\n"
                                   "// inline constexpr int kTextOld = 9099;\n"
                                   "inline constexpr int kPortChoices = 16;\n")),
        (std::map<QString, int>{{"kTextOk", 9017}, {"kTextPowerLow", 15044}}));
}

TEST(TextNumbers, EveryWayTheCodeWritesATextNumberOutIsSeen) {
    EXPECT_EQ(NumbersIn(QStringLiteral("GetLangText(s_.settings, 12000); text(9003);\n"
                                       "prompts.message(9063, Buttons::Ok);\n"
                                       "LangText(prompts, 23000); Text(ctx.prompts, 9116, {w});\n"
                                       "LangText(*prompts_, 7);")),
              (std::set<int>{7, 9003, 9063, 9116, 12000, 23000}));
    EXPECT_EQ(NumbersIn(QStringLiteral("inline constexpr int kTextOk = 9017;\n"
                                       "entry(\"mnuFileNew\", 10001, \"Ctrl+N\"),\n"
                                       "{&kDtmfWindow, 18000, 7000, 5000},\n"
                                       "const int label = radio ? 9060 : 9064;\n"
                                       "{\"new\", \"\", 0, 9130, {kModeOption}, RunNew},")),
              (std::set<int>{9017, 9060, 9064, 9130, 10001, 18000}));
}

TEST(TextNumbers, CommentsStringsAndOtherNumbersAreNotTexts) {
    EXPECT_EQ(NumbersIn(QStringLiteral("// message 9021 when outside\n"
                                       "/* 9006, then\n 9026 */ x = 1;\n"
                                       "s = \"9600 baud \\\" 12000\"; c = '9';\n"
                                       "r = R\"x(text(9123) )\" 9124)x\";\n"
                                       "kImageSize = 7424; f = 9000.5; g = 1.9100e3;\n"
                                       "h = 0x9100; n = 1'9100; big = 123456;")),
              std::set<int>{});
    // A literal after a comment or string on the same line still counts.
    EXPECT_EQ(NumbersIn(QStringLiteral("f(\"a//b\", 9002); /* c */ g(9005); // 9007\n")),
              (std::set<int>{9002, 9005}));
    EXPECT_EQ(NumbersIn(QStringLiteral("int baud = 9600;"), QStringLiteral("link/Frames.h")),
              std::set<int>{});
}

TEST(TextNumbers, TheHeadersNameTheNumbersOfTheProgram) {
    ASSERT_FALSE(SourceDir().isEmpty()) << "source tree not found";
    for (const char* header : kTextHeaders) {
        EXPECT_GE(ConstantsIn(ReadSource(SourceDir() + '/' + header)).size(), 10u) << header;
    }
    const std::map<int, QString> texts = ScanTree(SourceDir()).texts;
    // The version question, the application title, the command line and the serial adapter.
    for (int number : {9063, 12000, 9116, 9103}) EXPECT_TRUE(texts.contains(number)) << number;
}

TEST(TextNumbers, NoSourceWritesATextNumberOut) {
    ASSERT_FALSE(SourceDir().isEmpty()) << "source tree not found";
    for (const QString& where : ScanTree(SourceDir()).bare) {
        ADD_FAILURE() << where.toStdString() << ": name it in the layer's texts header";
    }
}

TEST(TextNumbers, BothLanguageFilesDefineEveryNumberTheCodeUses) {
    ASSERT_FALSE(SourceDir().isEmpty()) << "source tree not found";
    const std::map<int, QString> found = ScanTree(SourceDir()).texts;
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
