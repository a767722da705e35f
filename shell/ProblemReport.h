// The problem report a user attaches to a bug report: one UTF-8 text of what the program, the
// system, the serial ports, the settings files, the last transfer and the backups look like.
// Without the user's consent it carries nothing of the radio's contents: no channel data, no
// serial number, no password (the trace's payloads are left out, passwords in the settings
// files blanked). With it, the whole trace and the document go in as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// A file the report shows: where it is and what it held (nullopt: missing or unreadable).
template <typename Content>
struct ReportFile {
    std::string path;
    std::optional<Content> content = {};
};

struct ProblemReportFacts {
    std::string created;  // when the report was made
    std::string program;  // "korvan7x 1.0.0 (V100)"
    std::string build;    // build type, compiler and the Qt it was built with
    std::string qtRuntime;
    std::string osName;  // PRETTY_NAME of os-release
    std::string kernel;  // uname
    std::vector<std::string> ports;
    ReportFile<std::string> setupFile = {};          // mysetup.ini, as text
    ReportFile<std::vector<Byte>> settingFile = {};  // Setting.ini, binary records
    ReportFile<std::string> trace = {};              // the last transfer's kept trace
    std::string backupFolder;
    std::vector<std::string> backups;  // file names
    bool includeDocument = false;      // the user consents to the radio's contents going in
    ReportFile<std::vector<Byte>> document = {};  // the .dat file, with consent
};

// The report's sections in order, each under a "== Name ==" line.
std::string BuildProblemReport(const ProblemReportFacts& facts);

// The settings text with the value of every key whose name holds "pass" blanked.
std::string WithoutPasswords(std::string_view iniText);

}  // namespace k7x
