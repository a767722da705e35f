// What the image does with values and texts the editors would never produce: free bytes stay
// 0, and a value wider than its field never reaches a neighbouring field.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "ImageTestDocs.h"
#include "RecordingPrompts.h"
#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

using test::Bit;
using test::Bytes;
using test::Channel;
using test::SetChannels;
using test::Slice;

// The 409 channel slots: channels 1..400, the MEM channels, the VFO channel.
std::vector<std::size_t> SlotAddresses() {
    std::vector<std::size_t> out;
    for (std::size_t n = 0; n < 400; ++n) out.push_back(n * 16);
    for (std::size_t n = 0; n < 8; ++n) out.push_back(0x1980 + n * 16);
    out.push_back(0x1A00);
    return out;
}

// Every address the image gives a meaning to; everything else must stay 0.
std::vector<bool> UsedBytes() {
    std::vector<bool> used(kImageSize, false);
    auto mark = [&](std::size_t from, std::size_t to) {
        for (std::size_t a = from; a <= to; ++a) used[a] = true;
    };
    for (std::size_t a : SlotAddresses()) {
        mark(a, a + 8);
        mark(a + 10, a + 15);
    }
    mark(0x1900, 0x1931);
    mark(0x1940, 0x1971);
    mark(0x1A11, 0x1A12);
    mark(0x1A19, 0x1A29);
    mark(0x1A33, 0x1A38);  // the common channel settings: bytes 3..8 and 10..15
    mark(0x1A3A, 0x1A55);
    mark(0x1A80, 0x1A91);
    for (std::size_t a : {0x1AA0, 0x1AB0, 0x1AC0, 0x1AD0}) mark(a, a + 9);
    for (std::size_t pair = 0; pair < 4; ++pair) mark(0x1B00 + pair * 64, 0x1B3B + pair * 64);
    mark(0x1C00, 0x1CFF);
    return used;
}

// A document whose every field has all bits set, as a damaged file could hold.
void FillWithAllBits(DocumentState& doc) {
    doc.WorkDoc.ChannelCount = 409;
    for (int i = 0; i < 409; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        const int number = i + 1;
        c.ChannelNo = static_cast<Int>(number);
        c.Frequency.set("99999999");
        c.Scan = c.OffSetFre = c.DUP = c.HI_CUT = c.BUSY = c.NB = c.Add_Sub_5K = c.AM_FM =
            c.Tx_Power = c.Public = c.RBTone = c.DTMF_BOT = c.DTMF_EOT = c.DTMF_Call = c.TSQ = -1;
        c.RDCT = 142;
        c.TDCT = 38;
    }
    ChannelRecord& p = doc.WorkDoc.PublicChannel;
    p = doc.ChannelList[0];
    OptionRecord& o = doc.WorkDoc.Options;
    o.UseMem = o.UseVfo = o.CurrentMem = -1;
    o.GroupEnabled.fill(-1);
    o.GroupCurrent.fill(-1);
    for (auto& pair : o.GroupPair) pair.fill(-1);
    o.Setting.fill(-1);
    for (auto& pair : o.GroupBytes) pair.fill(0xFF);
    doc.WorkDoc.Keys.KeyOption = -1;
    doc.WorkDoc.Keys.KeyFunction.fill(-1);
    doc.WorkDoc.Dtmf.DtmfSetting.fill(-1);
    for (DtmfCode& code : doc.WorkDoc.Dtmf.Codes) {
        code.CodeLength = 16;
        code.Digits.set("################");
    }
    for (ToneTipRecord& t : doc.WorkDoc.ToneTips) {
        t.RepeatCount = t.RepeatGap = -1;
        for (ToneStep& s : t.Steps) s.Pitch = s.Duration = -1;
    }
}

TEST(PackImage, FreeBytesStayZeroWhateverTheRecordsHold) {
    DocumentState doc;
    FillWithAllBits(doc);
    doc.MemImage.fill(0xEE);  // the image starts over from zeros
    PackImage(doc);
    const std::vector<bool> used = UsedBytes();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (!used[a]) {
            EXPECT_EQ(doc.MemImage[a], 0) << "address 0x" << std::hex << a;
        }
    }
    // Bits that no field owns: bit 3 of each slot's byte 10, bits 2..7 of 0x1A55.
    for (std::size_t a : SlotAddresses()) {
        EXPECT_FALSE(Bit(doc.MemImage, a + 10, 3)) << "slot 0x" << std::hex << a;
    }
    EXPECT_FALSE(Bit(doc.MemImage, 0x1A3A, 3));
    EXPECT_EQ(doc.MemImage[0x1A55], 0x03);
    EXPECT_EQ(doc.MemImage[0x1A1F], 0x03);  // groups 8 and 9 only
}

// One field set to a value wider than it, and the only byte and bits allowed to change.
struct OutOfRange {
    const char* name;
    void (*apply)(DocumentState&);
    std::size_t address;
    int bits;       // mask of the bits at address that belong to the field
    int bytes = 1;  // a 16-bit field: the same mask in the byte after address too
};

const OutOfRange kOutOfRange[] = {
    {"DUP", [](DocumentState& d) { d.ChannelList[0].DUP = 0x7F; }, 0x10A, 0x03},
    {"TSQ", [](DocumentState& d) { d.ChannelList[0].TSQ = 6; }, 0x10A, 0x04},
    {"BUSY", [](DocumentState& d) { d.ChannelList[0].BUSY = 2; }, 0x10B, 0x01},
    {"Add_Sub_5K", [](DocumentState& d) { d.ChannelList[0].Add_Sub_5K = -2; }, 0x10B, 0x08},
    {"Tx_Power", [](DocumentState& d) { d.ChannelList[0].Tx_Power = 7; }, 0x10B, 0x60},
    {"Public", [](DocumentState& d) { d.ChannelList[0].Public = 0x1FE; }, 0x10B, 0x80},
    {"RBTone", [](DocumentState& d) { d.ChannelList[0].RBTone = 0x1FF; }, 0x10C, 0xFF},
    {"DTMF_Call", [](DocumentState& d) { d.ChannelList[0].DTMF_Call = 300; }, 0x10F, 0xFF},
    {"OffSetFre", [](DocumentState& d) { d.ChannelList[0].OffSetFre = -1; }, 0x103, 0xFF, 2},
    {"Scan", [](DocumentState& d) { d.ChannelList[0].Scan = 3; }, 0x1942, 0x01},
    {"UseVfo", [](DocumentState& d) { d.WorkDoc.Options.UseVfo = 0x1FF; }, 0x1A11, 0xFF},
    {"UseMem", [](DocumentState& d) { d.WorkDoc.Options.UseMem = 0x300; }, 0x1A12, 0xFF},
    {"CurrentMem", [](DocumentState& d) { d.WorkDoc.Options.CurrentMem = -2; }, 0x1A1B, 0xFF},
    {"GroupEnabled 7", [](DocumentState& d) { d.WorkDoc.Options.GroupEnabled[7] = 0x7E; }, 0x1A1E,
     0x80},
    {"GroupCurrent 9", [](DocumentState& d) { d.WorkDoc.Options.GroupCurrent[9] = 1000; }, 0x1A29,
     0xFF},
    {"AsqValue", [](DocumentState& d) { d.WorkDoc.Options.Setting[6] = 0xFF; }, 0x1A45, 0x7F},
    {"AsqFun", [](DocumentState& d) { d.WorkDoc.Options.Setting[5] = 0x102; }, 0x1A45, 0x80},
    {"Setting 8", [](DocumentState& d) { d.WorkDoc.Options.Setting[8] = 256 + 9; }, 0x1A47, 0xFF},
    {"KeyOption", [](DocumentState& d) { d.WorkDoc.Keys.KeyOption = -100; }, 0x1A48, 0xFF},
    {"Setting 14", [](DocumentState& d) { d.WorkDoc.Options.Setting[14] = 0xFE; }, 0x1A55, 0x01},
    {"Setting 15", [](DocumentState& d) { d.WorkDoc.Options.Setting[15] = -1; }, 0x1A55, 0x02},
    {"KeyFunction 17", [](DocumentState& d) { d.WorkDoc.Keys.KeyFunction[17] = 0x7FFF; }, 0x1A91,
     0xFF},
    {"GroupPair 9,1", [](DocumentState& d) { d.WorkDoc.Options.GroupPair[9][1] = 0x1234; }, 0x1AB9,
     0xFF},
    {"Tone tip 2 gap", [](DocumentState& d) { d.WorkDoc.ToneTips[1].RepeatGap = 0x2FF; }, 0x1B1F,
     0xFF},
    {"Tone tip 8 last duration",
     [](DocumentState& d) { d.WorkDoc.ToneTips[7].Steps[13].Duration = -3; }, 0x1BFB, 0xFF},
};

TEST(PackImage, OutOfRangeValuesNeverReachANeighbouringField) {
    test::ImageDocGenerator gen(20240611);
    for (const OutOfRange& c : kOutOfRange) {
        SCOPED_TRACE(c.name);
        DocumentState doc;
        gen.fill(doc, 1);
        // Channel 17 first in the list, so the channel cases know its slot (0x100).
        ChannelRecord* c17 = std::find_if(doc.ChannelList.begin(), doc.ChannelList.end(),
                                          [](const ChannelRecord& r) { return r.ChannelNo == 17; });
        std::swap(doc.ChannelList[0], *c17);
        doc.ChannelList[0].Scan = 0;
        PackImage(doc);
        const MemoryImage before = doc.MemImage;
        c.apply(doc);
        PackImage(doc);
        for (std::size_t a = 0; a < kImageSize; ++a) {
            const int changed = before[a] ^ doc.MemImage[a];
            const bool inField =
                a >= c.address && a < c.address + static_cast<std::size_t>(c.bytes);
            const int allowed = inField ? c.bits : 0;
            EXPECT_EQ(changed & ~allowed, 0) << "address 0x" << std::hex << a;
        }
    }
}

TEST(PackImage, TonesOutsideTheTablesPackAsNoTone) {
    DocumentState doc;
    ChannelRecord c = Channel(1, "02800500");
    c.TDCT = 5;
    c.DUP = 3;
    c.RDCT = 1000;  // far beyond the DCS table
    ChannelRecord d = Channel(2, "02800500");
    d.RDCT = -4;
    d.TDCT = 143;
    SetChannels(doc, {c, d});
    PackImage(doc);
    EXPECT_EQ(Slice(doc.MemImage, 5, 6), (Bytes{0, 0, 4, 0, 0, 0x43}));
    EXPECT_EQ(Slice(doc.MemImage, 0x15, 6), (Bytes{0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace k7x
