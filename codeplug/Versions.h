// Which program version handles which data version, and the comparison rules that go with it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr const char* ProgramVersion = "V100";

struct VersionTable {
    std::string CurrentVersion;
    std::vector<std::string> SoftVersions;
    // (program version, data version), in key order.
    std::vector<std::pair<std::string, std::string>> VersionPairs;
};

enum class VersionSource { Radio = 0, File = 1 };

// Exactly four characters after trimming: "V" and three characters that form a number.
bool IsValidVersionText(std::string_view text);
bool IsVersionPairListed(const VersionTable& table, std::string_view programVersion,
                         std::string_view dataVersion);
// The program version of the first pair handling the data version; "" when none does.
std::string FindProgramForVersion(const VersionTable& table, std::string_view dataVersion);
// "V100" -> "V1.00".
std::string VersionDisplayText(std::string_view version);
// The question asked when this program is not meant for the data version.
std::string BuildVersionMessage(std::string_view programVersion, std::string_view dataVersion,
                                VersionSource source, const Prompts& prompts);
bool IsSameModel(std::string_view a, std::string_view b);
// Transfer kind 2 is the write; only a write requires equal country modes.
bool IsSameCountryMode(int documentMode, int radioMode, int transferKind);

}  // namespace k7x
