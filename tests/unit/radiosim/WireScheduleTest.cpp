// Timing of the simulated line: at 9600 baud a byte takes 10/9600 s; a request is whole when its
// last byte has crossed, and the answer follows a turnaround later, byte by byte.
#include <gtest/gtest.h>

#include "radiosim/core/WireSchedule.h"

namespace k7x::sim {
namespace {

using std::chrono::microseconds;
using std::chrono::nanoseconds;

const WireTime t0 = WireTime{} + std::chrono::seconds(100);

TEST(WireScheduleTest, ByteTimeAt9600BaudIsTenBitTimes) {
    EXPECT_EQ(ByteTimeAt(9600), nanoseconds(1'041'666));
}

TEST(WireScheduleTest, UntimedLineDeliversEverythingAtOnce) {
    WireSchedule wire;
    const std::vector<WireTime> arrivals = wire.arrive(t0, 3);
    EXPECT_EQ(arrivals, std::vector<WireTime>(3, t0));
    const std::vector<Byte> echo = {1, 2, 3};
    wire.echo(echo, arrivals);
    wire.answer(std::vector<Byte>{9, 8}, t0);
    EXPECT_EQ(wire.nextDue(), t0);
    EXPECT_EQ(wire.takeDue(t0), (std::vector<Byte>{1, 2, 3, 9, 8}));
    EXPECT_FALSE(wire.nextDue());
}

TEST(WireScheduleTest, TimedAnswerFollowsTheRequestsLastByteAndTheTurnaround) {
    const nanoseconds T = ByteTimeAt(9600);
    WireSchedule wire(T, microseconds(2000));
    const std::vector<WireTime> arrivals = wire.arrive(t0, 4);
    ASSERT_EQ(arrivals.size(), 4u);
    EXPECT_EQ(arrivals.front(), t0 + T);
    EXPECT_EQ(arrivals.back(), t0 + 4 * T);

    const std::vector<Byte> reply(22, 0x57);
    wire.answer(reply, arrivals.back());
    const WireTime firstByte = t0 + 4 * T + microseconds(2000) + T;
    EXPECT_EQ(wire.nextDue(), firstByte);
    EXPECT_TRUE(wire.takeDue(firstByte - nanoseconds(1)).empty());
    EXPECT_EQ(wire.takeDue(firstByte).size(), 1u);
    // The whole answer has crossed 26 byte times and a turnaround after the request was sent.
    const WireTime lastByte = t0 + 26 * T + microseconds(2000);
    EXPECT_EQ(wire.takeDue(lastByte - nanoseconds(1)).size(), 20u);
    EXPECT_EQ(wire.takeDue(lastByte).size(), 1u);
    EXPECT_FALSE(wire.nextDue());
}

TEST(WireScheduleTest, BytesQueueBehindEachOtherOnABusyLine) {
    const nanoseconds T = ByteTimeAt(9600);
    WireSchedule wire(T, microseconds(0));
    // A second chunk seen while the first is still crossing waits for it.
    wire.arrive(t0, 10);
    const std::vector<WireTime> second = wire.arrive(t0 + 2 * T, 2);
    EXPECT_EQ(second.front(), t0 + 11 * T);
    // Two answers in a row: the second starts when the first has gone out.
    wire.answer(std::vector<Byte>{1, 2, 3}, t0);
    wire.answer(std::vector<Byte>{4}, t0);
    std::vector<Byte> sent;
    for (int i = 1; i <= 4; ++i) {
        const std::vector<Byte> due = wire.takeDue(t0 + i * T);
        ASSERT_EQ(due.size(), 1u) << i;
        sent.push_back(due[0]);
    }
    EXPECT_EQ(sent, (std::vector<Byte>{1, 2, 3, 4}));
}

TEST(WireScheduleTest, EchoGoesOutAsEachByteArrivesAheadOfTheAnswer) {
    const nanoseconds T = ByteTimeAt(9600);
    WireSchedule wire(T, microseconds(500));
    const std::vector<Byte> request = {'E', 'N', 'D'};
    const std::vector<WireTime> arrivals = wire.arrive(t0, request.size());
    wire.answer(std::vector<Byte>{0x06}, arrivals.back());
    wire.echo(request, arrivals);  // order of scheduling does not matter
    EXPECT_EQ(wire.takeDue(t0 + T), std::vector<Byte>{'E'});
    EXPECT_EQ(wire.takeDue(t0 + 3 * T), (std::vector<Byte>{'N', 'D'}));
    EXPECT_EQ(wire.takeDue(t0 + 4 * T + microseconds(500)), std::vector<Byte>{0x06});
}

}  // namespace
}  // namespace k7x::sim
