// What is wrong with a damaged .dat file, as the CLI words it for the user: which fault, which
// channel entry and which value.
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "codeplug/CodeplugFile.h"

namespace k7x {
namespace {

using Kind = FileDamageDetail::Kind;
using test::ChannelBlockAt;
using test::PutInt;

class FileDamageDetailTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::FileDocGenerator gen(7);
        bytes = EncodeFile(gen.document(1, 5), gen.channels(5));
    }
    void expect(Kind kind, int entry, int value) const {
        const std::optional<FileDamageDetail> d = FindFileDamageDetail(bytes);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->kind, kind);
        EXPECT_EQ(d->entry, entry);
        EXPECT_EQ(d->value, value);
        // The English reason of the older call tells the same fault.
        EXPECT_TRUE(FindFileDamage(bytes));
    }
    std::vector<Byte> bytes;
};

TEST_F(FileDamageDetailTest, NamesTheFaultTheEntryAndTheValueFound) {
    for (std::size_t i = 0; i < 5; ++i) PutInt(bytes, ChannelBlockAt(i), static_cast<int>(i + 1));
    EXPECT_FALSE(FindFileDamageDetail(bytes));

    PutInt(bytes, ChannelBlockAt(2), 0);
    expect(Kind::ChannelNumber, 3, 0);
    PutInt(bytes, ChannelBlockAt(2), 410);
    expect(Kind::ChannelNumber, 3, 410);
    // The second of two entries with one number is the one at fault.
    PutInt(bytes, ChannelBlockAt(2), 3);
    PutInt(bytes, ChannelBlockAt(4), 2);
    expect(Kind::RepeatedChannel, 5, 2);

    PutInt(bytes, test::kChannelCountAt, -3);
    expect(Kind::ChannelCount, 0, -3);

    bytes.resize(100);
    expect(Kind::ShortFile, 0, 100);
}

}  // namespace
}  // namespace k7x
