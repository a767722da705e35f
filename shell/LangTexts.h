// Every user-visible text comes from the current language file by number: the number chooses
// the section, its decimal text is the key. Nothing is cached; each call reads the file.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "shell/AppSettings.h"

namespace k7x {

// The profile buffer of a text: at most 254 bytes of the file's code page.
inline constexpr int kLangTextBuffer = 255;

// The section that holds a text number.
const char* LangSectionOf(std::int32_t number);
// ProgramFolder/language/LangFile.
std::string LangFilePath(const AppSettings& settings);
// The text of the number in the current language; "" when the file, section or key is missing.
QString GetLangTextQ(const AppSettings& settings, std::int32_t number);
// The same as UTF-8.
std::string GetLangText(const AppSettings& settings, std::int32_t number);

}  // namespace k7x
