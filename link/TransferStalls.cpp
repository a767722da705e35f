// Where a transfer stalled and what the user is told about it. The stage points at the likely
// cause, and so at what usually helps: a radio that never answered is not plugged in, switched
// on or on the chosen port; one that fell silent midway lost its link; one that kept refusing
// a block hears a noisy line.
#include "codeplug/FillText.h"
#include "link/LinkTexts.h"
#include "link/TransferEngine.h"

namespace k7x {

namespace {

// A block of the area a transfer moves, counted from 1, and how many blocks the area has.
struct BlockPosition {
    int number = 0;
    int count = 0;
};

BlockPosition blockPositionOf(Operation operation, int address) {
    const int block = static_cast<int>(kBlockSize);
    const int first =
        operation == Operation::InformationRead ? kInfoAreaAddress : kImageStartAddress;
    const int end =
        operation == Operation::InformationRead ? kInformationEndLimit + 1 : kImageEndLimit + 1;
    return {(address - first) / block + 1, (end - first) / block};
}

}  // namespace

StallStage TransferEngine::stallStage() const {
    switch (state_.step) {
        case link_step::kHandshake:
            return StallStage::Handshake;
        case link_step::kReadBlock:
        case link_step::kWriteBlock:
            return answerRefused_ ? StallStage::BlockRefused : StallStage::Block;
        default:
            return StallStage::AfterHandshake;
    }
}

std::string TransferEngine::stallMessage() const {
    const StallStage stage = stallStage();
    if (stage == StallStage::Handshake) {
        // What the port check finds may explain it (another program holds the device, ...).
        std::string message = prompts_.text(kTextNoHandshakeAnswer);
        const std::string findings = env_.portFindings ? env_.portFindings() : std::string();
        if (!findings.empty()) {
            message += "\n" + prompts_.text(kTextPortCheckFound) + "\n" + findings;
        }
        return message;
    }
    if (stage == StallStage::AfterHandshake) return prompts_.text(kTextStoppedAfterHandshake);
    const BlockPosition at = blockPositionOf(state_.operation, state_.address);
    const int text = stage == StallStage::Block ? kTextStoppedAtBlock : kTextBlockRefused;
    return FillText(prompts_.text(text), {std::to_string(at.number), std::to_string(at.count)});
}

}  // namespace k7x
