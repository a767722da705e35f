// The frequency text the channel windows show for a stored frequency.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// As the channel's group shows it. A stored text that is no frequency (a damaged or foreign
// file) is told to the user and shown as the lower band limit, which the window then offers.
std::string ShownFrequency(std::string_view stored, int group, int mode, const DocumentState& doc,
                           Prompts& prompts);

// A typed frequency as it is committed: a number in "#0.00000"; a blank text becomes empty
// (which asks for the channel's removal), and a text that is no number goes on as typed, to be
// refused by the frequency check.
std::string FrequencyForCommit(const QString& typed);

}  // namespace k7x
