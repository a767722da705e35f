// The radio password and whether program, document and radio belong together.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using Texts = std::vector<std::string>;

// A read from a radio with the given password bytes; the dialog answers `typed`.
struct PasswordCase {
    std::vector<Byte> radio;
    std::string stored;
    std::vector<std::optional<std::string>> typed;
    bool dialog;
    bool passes;
    std::string storedAfter;
};

TEST(TransferChecks, Password) {
    const std::vector<PasswordCase> cases = {
        {{'a', 'b', 0xFF, 0xFF}, "", {"ab"}, true, true, "ab"},
        {{'a', 'b', 0xFF, 0xFF}, "ab", {}, false, true, "ab"},
        {{'a', 'b', 0xFF, 0xFF}, "", {"AB"}, true, false, "AB"},            // case matters
        {{'a', 'b', 0xFF, 0xFF}, "xy", {std::nullopt}, true, false, "xy"},  // cancelled
        {{'a', 'b', ' ', 0x00}, "", {"ab  "}, true, true, "ab"},  // both sides right-trimmed
        {{0x00, 'a', 'b', 'c'}, "", {}, false, true, ""},
        {{0xFF, 'a', 'b', 'c'}, "zz", {}, false, true, "zz"},
        {{0xE9, 't', 0xE9, 0xFF}, "", {"été"}, true, true, "été"},  // single-byte letters
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.storedAfter);
        LinkHarness h;
        h.radio.setPassword(c.radio);
        h.engine.setStoredPassword(c.stored);
        h.prompts.passwords.assign(c.typed.begin(), c.typed.end());
        h.engine.start(Operation::ImageRead);
        h.run();
        EXPECT_EQ(h.prompts.passwordRequests, c.dialog ? 1 : 0);
        EXPECT_EQ(h.outcome().completed, c.passes);
        EXPECT_EQ(h.engine.storedPassword(), c.storedAfter);
        if (!c.passes) {
            EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "PassWord Failure!"}));
            EXPECT_EQ(h.outcome().reason, FailureReason::PasswordFailure);
            EXPECT_EQ(h.count(RequestKind::ReadBlock), 1);  // nothing read
            EXPECT_EQ(h.radio.requests.back().kind, RequestKind::End);
        }
    }
}

TEST(TransferChecks, RepliesArrivingWhileThePasswordIsAskedAreNotLookedAt) {
    LinkHarness h;
    h.radio.setPassword({'p', 'w'});
    h.prompts.passwords = {"pw"};
    h.prompts.duringPassword = [&] {
        // A late copy of the information block, delivered by the dialog's event loop.
        std::array<Byte, kBlockSize> block{};
        std::copy(h.radio.info.begin() + 0x10, h.radio.info.begin() + 0x20, block.begin());
        h.engine.onBytesReceived(BuildBlockReply(kInformationBlockAddress, block));
        h.engine.onTimer(TimerId::WaitTimer);
    };
    h.engine.start(Operation::ImageRead);
    h.run();
    EXPECT_EQ(h.prompts.passwordRequests, 1);
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0), 1);
    EXPECT_TRUE(h.outcome().completed);
}

TEST(TransferChecks, PasswordTypedOnceServesLaterTransfers) {
    LinkHarness h;
    h.radio.setPassword({'k', '7', 'x', '1'});
    h.prompts.passwords = {"k7x1"};
    h.engine.start(Operation::ImageWrite);
    h.run();
    h.engine.start(Operation::ImageRead);
    h.run();
    EXPECT_EQ(h.prompts.passwordRequests, 1);
    EXPECT_EQ(h.listener.outcomes.size(), 2u);
    EXPECT_TRUE(h.outcome().completed);
}

TEST(TransferChecks, OtherModelIsNamedAndNothingIsRead) {
    LinkHarness h;
    h.radio.model = "KORVN5";
    h.engine.start(Operation::ImageRead);
    h.run();
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9012>\nPC is KORVAN 7X\nRadio is KORVN5"}));
    EXPECT_EQ(h.outcome().reason, FailureReason::OtherModel);
    EXPECT_EQ(h.count(RequestKind::ReadBlock), 1);
    EXPECT_TRUE(h.listener.unpackedAt.empty());
}

TEST(TransferChecks, UnlistedVersionOffersTheProgramThatHandlesIt) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        LinkHarness h;
        h.radio.version = "V101";
        h.versions.VersionPairs.push_back({"V102", "V101"});
        h.prompts.answers = {Answer::Ok, answer};
        h.engine.start(Operation::ImageWrite);
        h.run();
        ASSERT_EQ(h.prompts.shown.size(), 2u);
        EXPECT_EQ(h.prompts.shown[1].buttons, Buttons::YesNo);
        EXPECT_EQ(h.prompts.shown[1].text,
                  BuildVersionMessage("V100", "V101", VersionSource::Radio, h.prompts));
        EXPECT_EQ(h.outcome().reason, FailureReason::OtherVersion);
        EXPECT_EQ(h.count(RequestKind::WriteBlock), 0);
        EXPECT_EQ(h.launched, answer == Answer::Yes ? std::vector<std::string>{"V101"}
                                                    : std::vector<std::string>{});
        EXPECT_EQ(h.listener.ends, answer == Answer::Yes ? 1 : 0);
    }
}

TEST(TransferChecks, CountryModeMattersForWritesOnly) {
    LinkHarness write;
    write.doc.CurrentCountryMode = 0;
    write.radio.mode = 1;
    write.engine.start(Operation::ImageWrite);
    write.run();
    EXPECT_EQ(write.prompts.texts(), (Texts{"<9005>", "<9030>"}));
    EXPECT_EQ(write.prompts.shown[1].icon, Icon::Warning);
    EXPECT_EQ(write.count(RequestKind::WriteBlock), 0);
    EXPECT_EQ(write.radio.requests.back().kind, RequestKind::End);
    EXPECT_EQ(write.outcome().reason, FailureReason::CountryModeMismatch);

    LinkHarness read;
    read.doc.CurrentCountryMode = 0;
    read.radio.mode = 1;
    read.engine.start(Operation::ImageRead);
    read.run();
    EXPECT_TRUE(read.outcome().completed);
    EXPECT_EQ(read.doc.RadioCountryMode, 1);
    EXPECT_EQ(read.doc.CurrentCountryMode, 1);  // the read image is a mode-1 document
}

TEST(TransferChecks, UnknownCountryModeFailsTheTransferOnly) {
    for (Operation op : {Operation::ImageRead, Operation::ImageWrite}) {
        LinkHarness h;
        h.radio.mode = 5;
        h.doc.RadioCountryMode = 2;
        const CodeplugDocument before = h.doc.WorkDoc;
        h.engine.start(op, false);
        h.run();
        EXPECT_EQ(h.prompts.texts(), Texts{"Country Mode Error!"});
        EXPECT_EQ(h.outcome().reason, FailureReason::CountryModeError);
        EXPECT_EQ(h.doc.RadioCountryMode, 2);
        EXPECT_EQ(h.doc.WorkDoc, before);
        EXPECT_EQ(h.count(RequestKind::WriteBlock) + h.count(RequestKind::ReadBlock), 1);
        EXPECT_FALSE(h.engine.isBusy());
    }
}

TEST(TransferChecks, RadioWithoutCtcssDcsIsWarnedOnceBeforeTheFirstBlock) {
    LinkHarness h;
    h.radio.ctcss = false;
    std::size_t shownAtFirstBlock = 0;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<test::RadioAction> {
        if (r.kind == RequestKind::WriteBlock && r.address == 0) {
            shownAtFirstBlock = h.prompts.shown.size();
        }
        return std::nullopt;
    };
    h.engine.start(Operation::ImageWrite);
    h.run();
    const Texts expected{"<9005>", "CTCSS/DCS Function is invalid,\nSome features will not work.",
                         "<9010>"};
    EXPECT_EQ(h.prompts.texts(), expected);
    EXPECT_EQ(h.prompts.shown[1].icon, Icon::Warning);
    EXPECT_EQ(shownAtFirstBlock, 2u);
    EXPECT_TRUE(h.outcome().completed);

    LinkHarness read;  // a read does not warn
    read.radio.ctcss = false;
    read.engine.start(Operation::ImageRead, false);
    read.run();
    EXPECT_EQ(read.prompts.texts(), Texts{"<9009>"});
}

}  // namespace
}  // namespace k7x
