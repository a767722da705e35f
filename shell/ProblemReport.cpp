#include "shell/ProblemReport.h"

#include <QByteArray>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "link/TraceExcerpt.h"

namespace k7x {

namespace {

constexpr const char* kUnreadable = "(missing or unreadable)";
constexpr const char* kWithheld = "(withheld)";
constexpr std::size_t kBase64LineLength = 76;

void Section(std::string& out, const char* name) {
    out += "\n== ";
    out += name;
    out += " ==\n";
}

void Field(std::string& out, const char* name, const std::string& value) {
    out += name;
    out += ": ";
    out += value.empty() ? std::string("(unknown)") : value;
    out += '\n';
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Sixteen bytes to a line, with their offset.
std::string HexDump(const std::vector<Byte>& bytes) {
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        char cell[24];
        std::snprintf(cell, sizeof cell, "%06zX ", at);
        text += cell;
        for (std::size_t i = at; i < std::min(bytes.size(), at + 16); ++i) {
            std::snprintf(cell, sizeof cell, " %02X", bytes[i]);
            text += cell;
        }
        text += '\n';
    }
    return text;
}

std::string Base64Lines(const std::vector<Byte>& bytes) {
    const QByteArray encoded = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size()))
                                   .toBase64();
    std::string text;
    for (qsizetype at = 0; at < encoded.size(); at += kBase64LineLength)
        text += encoded.mid(at, kBase64LineLength).toStdString() + '\n';
    return text;
}

void SettingsFiles(std::string& out, const ProblemReportFacts& f) {
    out += "--- " + f.setupFile.path + '\n';
    out += f.setupFile.content ? WithoutPasswords(*f.setupFile.content) : kUnreadable;
    if (out.back() != '\n') out += '\n';
    out += "--- " + f.settingFile.path + '\n';
    out +=
        f.settingFile.content ? HexDump(*f.settingFile.content) : kUnreadable + std::string("\n");
}

void LastTransfer(std::string& out, const ProblemReportFacts& f) {
    Field(out, "Trace", f.trace.path);
    if (!f.trace.content) {
        out += "No transfer has been traced.\n";
        return;
    }
    const std::string outcome = TraceOutcome(*f.trace.content);
    Field(out, "Outcome", outcome.empty() ? "(the transfer did not end)" : outcome);
    if (f.includeDocument) {
        out += "Whole trace:\n" + *f.trace.content;
    } else {
        out += "Exchanges (payloads withheld):\n" + TraceExcerpt(*f.trace.content);
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
}

void Document(std::string& out, const ProblemReportFacts& f) {
    if (!f.includeDocument) {
        out += kWithheld;
        out +=
            " The user chose to keep the channel data, the serial number and the password out.\n";
        return;
    }
    Field(out, "File", f.document.path);
    if (!f.document.content) {
        out += "No document.\n";
        return;
    }
    out += "Base64 of the .dat file:\n" + Base64Lines(*f.document.content);
}

}  // namespace

std::string WithoutPasswords(std::string_view iniText) {
    std::string out;
    while (!iniText.empty()) {
        const std::size_t end = std::min(iniText.find('\n'), iniText.size());
        std::string_view line = iniText.substr(0, end);
        iniText.remove_prefix(std::min(iniText.size(), end + 1));
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos &&
            Lower(line.substr(0, equals)).find("pass") != std::string::npos) {
            out += std::string(line.substr(0, equals + 1)) + kWithheld +
                   (line.ends_with('\r') ? "\r\n" : "\n");
        } else {
            out += std::string(line) + '\n';
        }
    }
    return out;
}

std::string BuildProblemReport(const ProblemReportFacts& f) {
    std::string out = "korvan7x problem report\n";
    Field(out, "Created", f.created);

    Section(out, "Program");
    Field(out, "Version", f.program);
    Field(out, "Build", f.build);
    Field(out, "Qt in use", f.qtRuntime);

    Section(out, "System");
    Field(out, "Operating system", f.osName);
    Field(out, "Kernel", f.kernel);

    Section(out, "Serial ports");
    for (const std::string& line : f.ports) out += line + '\n';

    Section(out, "Settings files");
    SettingsFiles(out, f);

    Section(out, "Last transfer");
    LastTransfer(out, f);

    Section(out, "Backups");
    Field(out, "Folder", f.backupFolder);
    for (const std::string& name : f.backups) out += name + '\n';
    if (f.backups.empty()) out += "(none)\n";

    Section(out, "Document");
    Document(out, f);
    return out;
}

}  // namespace k7x
