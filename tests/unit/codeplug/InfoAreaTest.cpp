// The radio's information area into the radio information record.
#include <gtest/gtest.h>

#include <string>

#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

void Put(InfoArea& area, std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) area[offset + i] = static_cast<Byte>(text[i]);
}

InfoArea AllFF() {
    InfoArea area;
    area.fill(0xFF);
    return area;
}

TEST(InfoArea, EachTextComesFromItsOwnBytes) {
    InfoArea area = AllFF();
    area[0] = 0x21;         // the high four bits are not part of the mode
    Put(area, 28, "PASS");  // the radio password is never copied
    Put(area, 32, "07-1-E-1");
    Put(area, 40, "001A");
    Put(area, 44, "EU");
    Put(area, 48, "SN0123456789ABCD");
    Put(area, 64, "2024-01-02");
    Put(area, 80, "2024-03-04");
    Put(area, 96, std::string(96, 'r'));
    Put(area, 192, "DEALER");
    Put(area, 208, "2024-05-06");
    Put(area, 224, "2024-07-08");
    Put(area, 240, "Alice");

    RadioInfoRecord info;
    info.InfoModel = "KORVN7X";
    info.InfoVersion = "V1.00";
    UnpackInfoArea(area, info);

    EXPECT_EQ(info.InfoCountryMode, 1);
    EXPECT_EQ(info.BatchNumber.str(), "07-1-E-1");
    EXPECT_EQ(info.CustomerCode.str(), "001A");
    EXPECT_EQ(info.SalesAreaCode, "EU");
    EXPECT_EQ(info.SerialNumber.str(), "SN0123456789ABCD");  // all 16 characters
    EXPECT_EQ(info.FactoryDate.str(), "2024-01-02");
    EXPECT_EQ(info.RepairDate.str(), "2024-03-04");
    EXPECT_EQ(info.RepairReason.str(), std::string(96, 'r'));
    EXPECT_EQ(info.DealerCode.str(), "DEALER");
    EXPECT_EQ(info.StockInTime.str(), "2024-05-06");
    EXPECT_EQ(info.SaleTime.str(), "2024-07-08");
    EXPECT_EQ(info.HandledBy.str(), "Alice");
    // Neither the model nor the version text comes from the radio.
    EXPECT_EQ(info.InfoModel, "KORVN7X");
    EXPECT_EQ(info.InfoVersion, "V1.00");
}

TEST(InfoArea, TextsEndAtTheFirstZeroOrFFByte) {
    InfoArea area = AllFF();
    area[0] = 0x02;
    Put(area, 48, "12345");  // followed by 0xFF
    Put(area, 64, "AB");
    area[66] = 0x00;
    Put(area, 67, "hidden");
    Put(area, 44, "X");
    area[45] = 0x00;
    area[46] = 'Y';  // after the end: not part of the sales area code

    RadioInfoRecord info;
    UnpackInfoArea(area, info);
    EXPECT_EQ(info.InfoCountryMode, 2);
    EXPECT_EQ(info.SerialNumber.str(), "12345");
    // Stored as the text, one NUL, then blanks.
    EXPECT_EQ(info.SerialNumber.raw(), std::string("12345") + '\0' + std::string(10, ' '));
    EXPECT_EQ(info.FactoryDate.str(), "AB");
    EXPECT_EQ(info.SalesAreaCode, "X");
}

TEST(InfoArea, AreaOfAllFFGivesEmptyTexts) {
    RadioInfoRecord info;
    info.SerialNumber.set("OLD SERIAL");
    info.SalesAreaCode = "OLD";
    info.RepairReason.set("OLD REASON");
    UnpackInfoArea(AllFF(), info);
    EXPECT_EQ(info.InfoCountryMode, 15);  // out of range: the window reports it
    EXPECT_EQ(info.SalesAreaCode, "");
    for (const std::string& s :
         {info.SerialNumber.str(), info.FactoryDate.str(), info.RepairDate.str(),
          info.RepairReason.str(), info.BatchNumber.str(), info.CustomerCode.str(),
          info.DealerCode.str(), info.StockInTime.str(), info.SaleTime.str(),
          info.HandledBy.str()}) {
        EXPECT_EQ(s, "");
    }
}

TEST(InfoArea, FieldsNeverReadTheirNeighbours) {
    // Every byte printable: each field is exactly as long as its range.
    InfoArea area;
    for (std::size_t i = 0; i < area.size(); ++i) area[i] = static_cast<Byte>('a' + i % 26);
    area[0] = 0x10;
    RadioInfoRecord info;
    UnpackInfoArea(area, info);
    auto expected = [&](std::size_t from, std::size_t n) {
        return std::string(reinterpret_cast<const char*>(area.data()) + from, n);
    };
    EXPECT_EQ(info.InfoCountryMode, 0);
    EXPECT_EQ(info.BatchNumber.str(), expected(32, 8));
    EXPECT_EQ(info.CustomerCode.str(), expected(40, 4));
    EXPECT_EQ(info.SalesAreaCode, expected(44, 4));
    EXPECT_EQ(info.SerialNumber.str(), expected(48, 16));
    EXPECT_EQ(info.RepairReason.str(), expected(96, 96));
    EXPECT_EQ(info.HandledBy.str(), expected(240, 16));
}

TEST(InfoArea, BytesAboveAsciiAreKeptOneCharacterEach) {
    InfoArea area = AllFF();
    area[0] = 0;
    area[240] = 0xD5;
    area[241] = 0xC5;
    RadioInfoRecord info;
    UnpackInfoArea(area, info);
    EXPECT_EQ(info.HandledBy.str(), "\xD5\xC5");
}

}  // namespace
}  // namespace k7x
