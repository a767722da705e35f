#include "link/serial/PortFindings.h"

#include <algorithm>

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

}  // namespace k7x
