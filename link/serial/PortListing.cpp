#include "link/serial/PortListing.h"

#include "link/LinkTexts.h"
#include "link/serial/PortCheck.h"
#include "link/serial/PortLabel.h"

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
        // The same words as the port dialog: port, device and adapter.
        std::string line =
            PortLabel(text, e.number, IdentifyDevice(input.roots, e.path), e.description);
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
