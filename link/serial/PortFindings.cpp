#include "link/serial/PortFindings.h"

#include <algorithm>
#include <iterator>

namespace k7x {

namespace {

constexpr const char* kFixIndent = "  ";

}  // namespace

std::vector<std::string> FormatFindings(const TextLookup& text,
                                        const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& finding : findings) {
        lines.push_back(FillTextList(text(finding.text), finding.args));
        if (!finding.fix.empty())
            lines.push_back(kFixIndent + FillText(text(kTextCheckFix), {finding.fix}));
    }
    return lines;
}

bool HasProblem(const std::vector<Finding>& findings) {
    return std::ranges::any_of(findings,
                               [](const Finding& f) { return f.severity == Severity::Problem; });
}

std::string NoAnswerFindings(const TextLookup& text, const std::vector<Finding>& findings) {
    std::vector<Finding> kept;
    std::ranges::copy_if(findings, std::back_inserter(kept), [](const Finding& f) {
        const bool service =
            f.kind == FindingKind::ModemManagerRunning || f.kind == FindingKind::BrlttyRunning;
        return service || (f.severity == Severity::Problem && f.kind != FindingKind::Busy);
    });
    std::string joined;
    for (const std::string& line : FormatFindings(text, kept)) {
        if (!joined.empty()) joined += '\n';
        joined += line;
    }
    return joined;
}

}  // namespace k7x
