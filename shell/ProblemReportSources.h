// Gathers what a problem report shows from the running program and its system, and writes the
// report. The desktop program and the command line both come here; each says where its files
// are and, with the user's consent, which document goes in.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "codeplug/FillText.h"
#include "codeplug/Records.h"
#include "link/serial/SystemView.h"
#include "shell/ProblemReport.h"

namespace k7x {

struct ProblemReportSources {
    std::string setupFile;    // mysetup.ini
    std::string settingFile;  // Setting.ini
    std::map<int, std::string> configuredPorts = {};
    int defaultPort = 1;
    std::string backupFolder;
    std::string traceFile;  // the last transfer's kept trace
    TextLookup text;        // words the port findings
    // The system whose ports are checked; none: this one.
    const SystemView* system = nullptr;
    bool includeDocument = false;
    std::string documentName = {};
    std::optional<std::vector<Byte>> document = {};  // the .dat file, with consent
};

ProblemReportFacts GatherProblemReportFacts(const ProblemReportSources& sources);

// Gathers, builds and writes the report; nullopt when it was written, else why not.
std::optional<std::string> SaveProblemReport(const std::string& path,
                                             const ProblemReportSources& sources);

}  // namespace k7x
