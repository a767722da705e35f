// The radio's replies, byte by byte, in the frame layouts the program reads them with.
// Used by the simulated radio and by the tests' scripted radio.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "link/Frames.h"

namespace k7x {

std::vector<Byte> BuildIdentification(const std::string& model, Byte countryMode,
                                      const std::string& version, bool ctcssDcs);
std::vector<Byte> BuildBlockReply(int address, std::span<const Byte, kBlockSize> data);

}  // namespace k7x
