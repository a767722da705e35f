#include "link/serial/PortListing.h"

#include "link/LinkTexts.h"
#include "link/serial/PortCheck.h"

namespace k7x {

namespace {

void AddFindings(PortListing& listing, const TextLookup& text, const std::vector<Finding>& findings,
                 const char* indent) {
    for (const std::string& line : FormatFindings(text, findings))
        listing.lines.push_back(indent + line);
    listing.problem = listing.problem || HasProblem(findings);
}

}  // namespace

PortListing ListPorts(const TextLookup& text, const PortListingInput& input) {
    PortListing listing;
    if (input.map.entries().empty()) {
        std::string line = text(kTextNoSerialPorts);
        if (!input.noPortsHint.empty()) line += ' ' + input.noPortsHint;
        listing.lines.push_back(line);
        listing.problem = input.check != nullptr;
    }
    for (const PortMap::Entry& e : input.map.entries()) {
        std::string line = (e.number < 10 ? " " : "") + std::to_string(e.number) + "  " + e.path;
        if (!e.description.empty()) line += "  " + e.description;
        if (e.configured) line += "  (named in " + input.setupFile + ")";
        if (!e.present) line += "  (not present)";
        if (e.number == input.defaultPort) line += "  (default)";
        listing.lines.push_back(line);
        if (input.check)
            AddFindings(listing, text, CheckPort(e.path, *input.check), kFindingIndent);
    }
    if (input.check) AddFindings(listing, text, CheckServices(*input.check), "");
    return listing;
}

}  // namespace k7x
