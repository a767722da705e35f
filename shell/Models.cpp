#include "shell/Models.h"

#include "codeplug/DocumentState.h"
#include "codeplug/Records.h"

namespace k7x {

std::string CountryModeName(int mode) {
    switch (mode) {
        case 0:
            return "CB";
        case 1:
            return "HF";
        case 2:
            return "HAM";
        default:
            return "Unknown";
    }
}

std::string BandDisplayText(std::string_view bandText) {
    return bandText == "26.965 - 27.405 MHz" ? std::string("Frequency") : std::string(bandText);
}

}  // namespace k7x
