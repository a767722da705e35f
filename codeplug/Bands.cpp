// The band of each country mode and taking over a document's header.
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"

namespace k7x {

std::optional<std::string> BandTextOfMode(int mode) {
    switch (mode) {
        case 0:
            return "26.965 - 27.405 MHz";
        case 1:
            return "25.615 - 30.105 MHz";
        case 2:
            return "28.000 - 29.700 MHz";
        default:
            return std::nullopt;
    }
}

bool ApplyHeader(DocumentState& doc) {
    const Int mode = doc.WorkDoc.Header.CountryMode;
    std::optional<std::string> band = BandTextOfMode(mode);
    if (!band) return false;
    doc.CurrentModel = doc.WorkDoc.Header.ModelName.str();
    doc.CurrentCountryMode = mode;
    doc.RadioInfo.InfoCountryMode = mode;
    doc.BandText = *band;
    ParseBandText(doc, doc.BandText);
    return true;
}

}  // namespace k7x
