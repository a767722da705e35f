// The frequency text the channel windows show for a stored frequency.
#pragma once

#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// As the channel's group shows it. A stored text that is no frequency (a damaged or foreign
// file) is told to the user and shown as the lower band limit, which the window then offers.
std::string ShownFrequency(std::string_view stored, int group, int mode, const DocumentState& doc,
                           Prompts& prompts);

}  // namespace k7x
