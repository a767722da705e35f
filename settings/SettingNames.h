// The names the windows give the radio-wide settings: the window, then the label a setting's
// control carries ("Optional features › Speaker volume"), for lists of differences that speak
// the user's language.
#pragma once

#include <string>

#include "codeplug/Prompts.h"

namespace k7x {

// The window and label of a setting named as DocumentSettingValues names it
// ("Options.Setting[4]", "PublicChannel.DUP"); empty for a value no window shows by a label.
std::string SettingDisplayName(const std::string& name, const Prompts& prompts);

}  // namespace k7x
