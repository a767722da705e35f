#include "codeplug/Versions.h"

#include <algorithm>

#include "codeplug/CodeplugTexts.h"
#include "codeplug/Conversions.h"
#include "codeplug/Records.h"

namespace k7x {

bool IsValidVersionText(std::string_view text) {
    const std::string trimmed = TrimField(text);
    return trimmed.size() == 4 && trimmed[0] == 'V' && IsNumeric(trimmed.substr(1));
}

bool IsVersionPairListed(const VersionTable& table, std::string_view programVersion,
                         std::string_view dataVersion) {
    return std::any_of(table.VersionPairs.begin(), table.VersionPairs.end(), [&](const auto& p) {
        return p.first == programVersion && p.second == dataVersion;
    });
}

std::string FindProgramForVersion(const VersionTable& table, std::string_view dataVersion) {
    for (const auto& [program, data] : table.VersionPairs) {
        if (data == dataVersion) return program;
    }
    return {};
}

std::string VersionDisplayText(std::string_view version) {
    const std::string_view head = version.substr(0, 2);
    const std::string_view tail = version.size() > 2 ? version.substr(version.size() - 2) : version;
    return std::string(head) + "." + std::string(tail);
}

std::string BuildVersionMessage(std::string_view programVersion, std::string_view dataVersion,
                                VersionSource source, const Prompts& prompts) {
    const int dataLabel =
        source == VersionSource::Radio ? kTextRadioDataVersion : kTextFileDataVersion;
    return prompts.text(kTextVersionNotHandled) + "\n" + prompts.text(dataLabel) + " " +
           VersionDisplayText(dataVersion) + "\n" + prompts.text(kTextProgramVersion) + " " +
           VersionDisplayText(programVersion);
}

bool IsSameModel(std::string_view a, std::string_view b) {
    return a == b;
}

bool IsSameCountryMode(int documentMode, int radioMode, int transferKind) {
    constexpr int kWriteTransfer = 2;
    return transferKind != kWriteTransfer || documentMode == radioMode;
}

}  // namespace k7x
