// The radio's side of the line: it finds the program's requests in the bytes it receives and
// answers them from its memory image and information area, with optional faults for testing
// how the program copes with a poor line or an odd radio. No I/O and no clock: the server
// around it decides when the answers go out.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"
#include "codeplug/MemoryImage.h"
#include "link/Frames.h"
#include "radiosim/core/RequestParser.h"

namespace k7x::sim {

// What the radio says about itself in the identification.
struct RadioIdentity {
    std::string model = kModelName;
    int countryMode = 0;  // 0..2 for a sound radio; other values model a faulty one
    std::string version = "V100";
    bool ctcssDcs = true;
};

// Deliberate misbehaviour; 0 switches a fault off.
struct RadioFaults {
    int silentEvery = 0;       // every Nth request goes unheard: no answer, no effect
    int badChecksumEvery = 0;  // every Nth block reply carries a wrong checksum
    int resendEvery = 0;       // every Nth sound written block is answered 0A and not stored
    bool neverAnswer = false;  // hears nothing at all
    // Writes to the blocks at these addresses are acknowledged and not stored: a radio that
    // did not take part of a write while saying it did.
    std::vector<int> droppedWriteBlocks;
};

// One request found in the received bytes and the radio's answer to it.
struct RadioExchange {
    std::size_t endOffset = 0;  // bytes of the fed chunk used up when the request was whole
    RequestKind kind = RequestKind::Handshake;
    int address = 0;           // read and write requests
    std::vector<Byte> answer;  // empty when the radio stays silent
};

class SimulatedRadio {
public:
    SimulatedRadio(RadioIdentity identity, RadioFaults faults, const MemoryImage& image,
                   const InfoArea& info);

    // Takes the next bytes from the line. A request may span several calls; bytes that start
    // no request are skipped.
    std::vector<RadioExchange> receive(std::span<const Byte> bytes);
    // Forgets a request that was only partly received (the line fell idle in the middle).
    void dropPartialRequest() { pending_.clear(); }
    bool hasPartialRequest() const { return !pending_.empty(); }

    bool programming() const { return programming_; }
    const MemoryImage& image() const { return image_; }
    const InfoArea& info() const { return info_; }

private:
    std::vector<Byte> answer(const ParsedRequest& request);
    std::vector<Byte> answerRead(int address, int count);
    std::vector<Byte> answerWrite(const ParsedRequest& request);
    static bool isNth(int count, int every) { return every > 0 && count % every == 0; }

    RadioIdentity identity_;
    RadioFaults faults_;
    MemoryImage image_;
    InfoArea info_;
    std::vector<Byte> pending_;
    bool programming_ = false;
    int requests_ = 0;
    int blockReplies_ = 0;
    int soundWrites_ = 0;
};

}  // namespace k7x::sim
