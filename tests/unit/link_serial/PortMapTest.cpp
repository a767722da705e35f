// Port numbers 1..16 and the devices behind them.
#include <gtest/gtest.h>

#include "link/serial/PortMap.h"

namespace k7x {
namespace {

std::vector<SerialDevice> devices(std::initializer_list<const char*> paths) {
    std::vector<SerialDevice> out;
    for (const char* p : paths) out.push_back({p, ""});
    return out;
}

// Port number -> device, for every number that has one.
std::map<int, std::string> numbering(const PortMap& map) {
    std::map<int, std::string> out;
    for (const PortMap::Entry& e : map.entries()) out[e.number] = e.path;
    return out;
}

const PortMap::ExistsFn kNothingExists = [](const std::string&) { return false; };

TEST(PortMapTest, UsbAdaptersComeFirstThenTheRestByName) {
    const PortMap map({}, devices({"/dev/ttyS1", "/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS0",
                                   "/dev/ttyUSB2", "/dev/ttyUSB0", "/dev/rfcomm0"}));
    EXPECT_EQ(numbering(map), (std::map<int, std::string>{{1, "/dev/ttyUSB0"},
                                                          {2, "/dev/ttyUSB2"},
                                                          {3, "/dev/ttyUSB10"},
                                                          {4, "/dev/ttyACM0"},
                                                          {5, "/dev/rfcomm0"},
                                                          {6, "/dev/ttyS0"},
                                                          {7, "/dev/ttyS1"}}));
}

TEST(PortMapTest, ASingleUsbCableIsPortOne) {
    const PortMap map({}, devices({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}));
    ASSERT_TRUE(map.entry(1));
    EXPECT_EQ(map.entry(1)->path, "/dev/ttyUSB0");
}

TEST(PortMapTest, NamedPortsKeepTheirNumbersAndTheRestFillTheGaps) {
    const std::map<int, std::string> configured = {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB7"}};
    const PortMap map(configured, devices({"/dev/ttyUSB1", "/dev/ttyUSB0", "/dev/ttyS0"}),
                      [](const std::string& p) { return p == "/dev/ttyS0"; });
    EXPECT_EQ(
        numbering(map),
        (std::map<int, std::string>{
            {1, "/dev/ttyS0"}, {2, "/dev/ttyUSB0"}, {3, "/dev/ttyUSB7"}, {4, "/dev/ttyUSB1"}}))
        << "ttyS0 is named as port 1 and gets no second number";
    EXPECT_TRUE(map.entry(1)->configured);
    EXPECT_TRUE(map.entry(1)->present);
    EXPECT_FALSE(map.entry(3)->present) << "named, but not plugged in";
    EXPECT_FALSE(map.entry(2)->configured);

    const std::vector<bool> available = map.availability();
    ASSERT_EQ(available.size(), 16u);
    EXPECT_EQ(available[0], true);
    EXPECT_EQ(available[1], true);
    EXPECT_EQ(available[2], false);
    EXPECT_EQ(available[3], true);
    EXPECT_EQ(available[4], false);
}

TEST(PortMapTest, ANumberWithoutADeviceIsNotPresent) {
    const PortMap map({}, devices({"/dev/ttyUSB0"}));
    EXPECT_FALSE(map.entry(2));
    EXPECT_FALSE(map.entry(0));
    EXPECT_FALSE(map.entry(17));
}

TEST(PortMapTest, NumbersOutsideOneToSixteenInTheSetupFileAreIgnored) {
    const PortMap map({{0, "/dev/ttyA"}, {17, "/dev/ttyB"}, {5, ""}}, devices({"/dev/ttyUSB0"}),
                      kNothingExists);
    EXPECT_EQ(numbering(map), (std::map<int, std::string>{{1, "/dev/ttyUSB0"}}));
}

TEST(PortMapTest, NoMoreThanSixteenNumbers) {
    std::vector<SerialDevice> many;
    for (int i = 0; i < 20; ++i) many.push_back({"/dev/ttyUSB" + std::to_string(i), ""});
    const PortMap map({{16, "/dev/ttyS0"}}, many, kNothingExists);
    ASSERT_EQ(map.entries().size(), 16u);
    EXPECT_EQ(map.entry(15)->path, "/dev/ttyUSB14");
    EXPECT_EQ(map.entry(16)->path, "/dev/ttyS0");
}

TEST(PortMapTest, NaturalOrderComparesNumbersByValue) {
    EXPECT_TRUE(ComesBeforeInPortOrder("/dev/ttyUSB9", "/dev/ttyUSB10"));
    EXPECT_FALSE(ComesBeforeInPortOrder("/dev/ttyUSB10", "/dev/ttyUSB9"));
    EXPECT_TRUE(ComesBeforeInPortOrder("/dev/ttyUSB99", "/dev/ttyACM0"));
    EXPECT_TRUE(ComesBeforeInPortOrder("/dev/ttyACM3", "/dev/ttyAMA0"));
    EXPECT_FALSE(ComesBeforeInPortOrder("/dev/ttyS0", "/dev/ttyS0"));
}

TEST(PortChoiceTest, ANumberOrAPath) {
    std::string problem;
    EXPECT_EQ(ParsePortChoice("1", problem)->number, 1);
    EXPECT_EQ(ParsePortChoice("16", problem)->number, 16);
    EXPECT_EQ(ParsePortChoice("07", problem)->number, 7);
    const std::optional<PortChoice> path = ParsePortChoice("/tmp/radio", problem);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->number, 0);
    EXPECT_EQ(path->path, "/tmp/radio");
    for (const char* bad : {"0", "17", "99999999999999999999", ""}) {
        problem.clear();
        EXPECT_FALSE(ParsePortChoice(bad, problem)) << bad;
        EXPECT_FALSE(problem.empty()) << bad;
    }
}

TEST(PortChoiceTest, ThePortsSectionIsReadKeyByKey) {
    const std::map<std::string, std::string> section = {{"COM2", "/dev/ttyUSB3"},
                                                        {"COM16", "/dev/ttyS4"}};
    std::vector<std::string> asked;
    const std::map<int, std::string> ports = PortsFromSection([&](const std::string& key) {
        asked.push_back(key);
        const auto it = section.find(key);
        return it == section.end() ? std::string() : it->second;
    });
    EXPECT_EQ(ports, (std::map<int, std::string>{{2, "/dev/ttyUSB3"}, {16, "/dev/ttyS4"}}));
    EXPECT_EQ(asked.size(), 16u);
    EXPECT_EQ(asked.front(), "COM1");
}

}  // namespace
}  // namespace k7x
