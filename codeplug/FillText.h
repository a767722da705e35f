// Language texts with placeholders: "%1" to "%9" stand for values the program fills in, so each
// language can put them where its sentence needs them.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace k7x {

// Where numbered texts come from (a Prompts' text(), a language file); "" when there is none.
using TextLookup = std::function<std::string(int number)>;

// The text with the arguments in place of "%1", "%2", ... Done in one pass, so a value that
// itself holds "%2" (a file name, say) is taken as it stands. A placeholder without an argument,
// and a "%" followed by anything else, stay as written.
std::string FillText(std::string_view form, std::initializer_list<std::string_view> args);
// The same with arguments gathered at run time.
std::string FillTextList(std::string_view form, const std::vector<std::string>& args);

}  // namespace k7x
