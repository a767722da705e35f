// The checks an image transfer makes once the radio's information block has arrived: the
// radio password, then whether this program, this document and this radio belong together.
#include "codeplug/CodeplugTexts.h"
#include "link/LinkTexts.h"
#include "link/TransferEngine.h"

namespace k7x {

namespace {

constexpr const char* kPasswordFailure = "PassWord Failure!";
constexpr const char* kCountryModeError = "Country Mode Error!";
constexpr const char* kCtcssDcsWarning =
    "CTCSS/DCS Function is invalid,\nSome features will not work.";
constexpr int kHighestCountryMode = 2;

// Single-byte characters as UTF-8 (the radio's bytes read as Latin-1), so that a password
// typed with accented letters compares equal to the same letters stored in the radio.
std::string latin1ToUtf8(std::span<const Byte> bytes) {
    std::string text;
    for (Byte b : bytes) {
        if (b < 0x80) {
            text.push_back(static_cast<char>(b));
        } else {
            text.push_back(static_cast<char>(0xC0 | (b >> 6)));
            text.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return text;
}

// The password in bytes 12..15 of the information block, ended early by 00 or FF.
std::string radioPassword(std::span<const Byte, kBlockSize> block) {
    std::size_t length = 0;
    while (length < kPasswordLength) {
        const Byte b = block[kPasswordOffset + length];
        if (b == 0x00 || b == 0xFF) break;
        ++length;
    }
    return TrimField(latin1ToUtf8(block.subspan(kPasswordOffset, length)));
}

}  // namespace

void TransferEngine::acceptInformationBlock(const Reply& reply) {
    if (!passwordCheck(reply.data)) {
        // A port lost or a cancel during the password dialog ends the transfer for that reason.
        if (!stopPending()) endFailed(checkReason_, checkMessage_);
        return;
    }
    if (!compatibilityCheck()) {
        endFailed(checkReason_, checkMessage_);
        return;
    }
    // The radio has been accepted: its country mode is the one its image is read in.
    env_.doc.RadioCountryMode = state_.RadioCountryMode;
    if (state_.operation == Operation::ImageRead) {
        state_.step = link_step::kReadBlock;
        nextReadBlock();
        return;
    }
    state_.step = link_step::kWriteBlock;
    if (!state_.RadioCtcssDcs) {
        prompts_.show(kCtcssDcsWarning, Buttons::Ok, Icon::Warning);
        if (stopPending()) return;
    }
    nextWriteBlock();
}

bool TransferEngine::passwordCheck(std::span<const Byte, kBlockSize> informationBlock) {
    const std::string password = radioPassword(informationBlock);
    if (password.empty() || password == storedPassword_) return true;

    env_.timers.stop(TimerId::WaitTimer);
    if (std::optional<std::string> typed = prompts_.askPassword()) {
        storedPassword_ = TrimField(*typed);
    }
    if (stopPending()) return false;
    if (password == storedPassword_) return true;

    prompts_.show(kPasswordFailure, Buttons::Ok, Icon::None);
    checkReason_ = FailureReason::PasswordFailure;
    checkMessage_ = kPasswordFailure;
    return false;
}

bool TransferEngine::compatibilityCheck() {
    const std::string pcModel = TrimField(env_.doc.CurrentModel);
    const Int radioMode = state_.RadioCountryMode;
    const bool sameMode = IsSameCountryMode(env_.doc.CurrentCountryMode, radioMode,
                                            static_cast<int>(state_.operation));
    const bool sameModel = IsSameModel(pcModel, state_.RadioModel);
    const bool listed = IsVersionPairListed(env_.versions, ProgramVersion, state_.RadioVersion);
    const bool knownMode = radioMode >= 0 && radioMode <= kHighestCountryMode;
    if (sameMode && sameModel && listed && knownMode) return true;

    if (!sameModel) {
        checkReason_ = FailureReason::OtherModel;
        checkMessage_ = prompts_.text(kTextOtherModel) + "\nPC is " + ModelDisplayName(pcModel) +
                        "\nRadio is " + ModelDisplayName(state_.RadioModel);
        prompts_.show(checkMessage_, Buttons::Ok, Icon::None);
    } else if (!listed) {
        // Another program version may be meant for this radio.
        checkReason_ = FailureReason::OtherVersion;
        checkMessage_ = BuildVersionMessage(ProgramVersion, state_.RadioVersion,
                                            VersionSource::Radio, prompts_);
        if (prompts_.show(checkMessage_, Buttons::YesNo, Icon::None) == Answer::Yes) {
            if (env_.launchProgramVersion) env_.launchProgramVersion(state_.RadioVersion);
            env_.listener.endProgram();
        }
    } else if (!knownMode) {
        // A mode this version does not know would give an image nothing can be made of.
        checkReason_ = FailureReason::CountryModeError;
        checkMessage_ = kCountryModeError;
        prompts_.show(checkMessage_, Buttons::Ok, Icon::None);
    } else {
        checkReason_ = FailureReason::CountryModeMismatch;
        checkMessage_ = prompts_.text(kTextCountryModeMismatch);
        prompts_.show(checkMessage_, Buttons::Ok, Icon::Warning);
    }
    return false;
}

}  // namespace k7x
