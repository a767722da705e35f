// Packing and unpacking as inverse operations, over many seeded random documents and images.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ImageTestDocs.h"
#include "RecordingPrompts.h"
#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

constexpr unsigned kDocuments = 60;

// What unpacking into `target` must give for the packed `source`: the source's records, except
// what the image does not hold, which keeps the target's values.
CodeplugDocument ExpectedDocument(const DocumentState& source, const CodeplugDocument& target) {
    CodeplugDocument e = source.WorkDoc;
    e.Header.ModelName = target.Header.ModelName;
    e.Header.FileVersion = target.Header.FileVersion;
    e.Options.CurrentGroup = target.Options.CurrentGroup;
    e.Options.Spare = target.Options.Spare;
    e.Dtmf.Spare = target.Dtmf.Spare;
    for (std::size_t k = 0; k < e.Dtmf.Codes.size(); ++k) {
        if (e.Dtmf.Codes[k].CodeLength == 0) e.Dtmf.Codes[k].Digits = target.Dtmf.Codes[k].Digits;
    }
    const ChannelRecord& tp = target.PublicChannel;
    e.PublicChannel.ChannelNo = tp.ChannelNo;
    e.PublicChannel.IsEmpty = tp.IsEmpty;
    e.PublicChannel.Scan = tp.Scan;
    e.PublicChannel.Frequency = tp.Frequency;
    e.PublicChannel.Reserved = tp.Reserved;
    return e;
}

// The source's channels in ascending order, as fresh records (no Reserved bytes, not empty).
std::vector<ChannelRecord> ExpectedChannels(const DocumentState& source) {
    std::vector<ChannelRecord> out(source.ChannelList.begin(),
                                   source.ChannelList.begin() + source.WorkDoc.ChannelCount);
    for (ChannelRecord& c : out) {
        c.IsEmpty = kFalse;
        c.Reserved = {};
    }
    std::sort(out.begin(), out.end(), [](const ChannelRecord& a, const ChannelRecord& b) {
        return a.ChannelNo < b.ChannelNo;
    });
    return out;
}

std::vector<ChannelRecord> Listed(const DocumentState& doc) {
    return {doc.ChannelList.begin(), doc.ChannelList.begin() + doc.WorkDoc.ChannelCount};
}

TEST(ImageRoundTrip, PackThenUnpackGivesTheSameRecords) {
    for (unsigned seed = 1; seed <= kDocuments; ++seed) {
        SCOPED_TRACE(seed);
        test::ImageDocGenerator gen(seed);
        const int mode = static_cast<int>(seed % 3);
        DocumentState source;
        gen.fill(source, mode, seed % 4 == 0 ? -1 : gen.range(0, 409));
        PackImage(source);

        // The target is another document altogether, in another mode.
        DocumentState target;
        gen.fill(target, (mode + 1) % 3);
        target.WorkDoc.Header.ModelName.set("OTHER");
        target.MemImage = source.MemImage;
        target.RadioCountryMode = static_cast<Int>(mode);
        const CodeplugDocument expected = ExpectedDocument(source, target.WorkDoc);

        test::RecordingPrompts prompts;
        ASSERT_TRUE(UnpackImage(target, prompts));
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(target.WorkDoc, expected);
        EXPECT_EQ(Listed(target), ExpectedChannels(source));
        EXPECT_EQ(target.CurrentCountryMode, mode);
    }
}

TEST(ImageRoundTrip, UnpackThenPackGivesTheSameImage) {
    for (unsigned seed = 100; seed < 100 + kDocuments; ++seed) {
        SCOPED_TRACE(seed);
        test::ImageDocGenerator gen(seed);
        const int mode = static_cast<int>(seed % 3);
        DocumentState doc;
        gen.fill(doc, mode, gen.range(0, 409));
        PackImage(doc);
        const MemoryImage packed = doc.MemImage;

        test::RecordingPrompts prompts;
        ASSERT_TRUE(UnpackImage(doc, prompts));
        PackImage(doc);
        EXPECT_EQ(doc.MemImage, packed);
    }
}

TEST(ImageRoundTrip, EmptyVfoChannelKeepsItsImage) {
    test::ImageDocGenerator gen(7);
    DocumentState doc;
    gen.fill(doc, 1, 20);
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        if (c.ChannelNo == kVfoChannel) c.Frequency.set("FFFFFFFF");
    }
    PackImage(doc);
    const MemoryImage packed = doc.MemImage;
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    PackImage(doc);
    EXPECT_EQ(doc.MemImage, packed);
    EXPECT_EQ(doc.MemImage[0x1A02], 0xFF);
}

// Any image at all, as a damaged transfer could leave it: unpacking never fails in a valid
// mode, and one round of unpacking and packing reaches an image that then stays the same.
TEST(ImageRoundTrip, ArbitraryImagesSettleAfterOneRound) {
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        DocumentState doc;
        for (Byte& b : doc.MemImage) b = static_cast<Byte>(byte(rng));
        // Some images lean to the extremes that trip parsers: all set or all clear.
        if (round == 0) doc.MemImage.fill(0xFF);
        if (round == 1) doc.MemImage.fill(0x00);
        doc.RadioCountryMode = static_cast<Int>(round % 3);

        test::RecordingPrompts prompts;
        ASSERT_TRUE(UnpackImage(doc, prompts));
        ASSERT_GE(doc.WorkDoc.ChannelCount, 0);
        ASSERT_LE(doc.WorkDoc.ChannelCount, kChannelCapacity);
        for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
            const ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
            EXPECT_EQ(c.Frequency.str().size(), 8U);
            // Every tone is an entry of the 143-entry tone lists.
            EXPECT_GE(c.RDCT, 0);
            EXPECT_LE(c.RDCT, 142);
            EXPECT_GE(c.TDCT, 0);
            EXPECT_LE(c.TDCT, 142);
        }
        for (const DtmfCode& code : doc.WorkDoc.Dtmf.Codes) {
            EXPECT_GE(code.CodeLength, 0);
            EXPECT_LE(code.CodeLength, 16);
        }
        PackImage(doc);
        const MemoryImage settled = doc.MemImage;
        ASSERT_TRUE(UnpackImage(doc, prompts));
        PackImage(doc);
        EXPECT_EQ(doc.MemImage, settled);
    }
}

}  // namespace
}  // namespace k7x
