// Sub-packets: splitting, reassembly in any order, and every way a set can fail to complete.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/jt808/Packets.h"

namespace mdvr::jt808 {
namespace {

using namespace std::chrono_literals;
using Clock = Reassembler::Clock;

Message Whole(size_t size, uint16_t serial = 100) {
    Message m;
    m.header.msgId = 0x0104;
    m.header.phone = "013912345678";
    m.header.serial = serial;
    for (size_t i = 0; i < size; ++i) m.body.push_back(static_cast<uint8_t>(i * 7));
    return m;
}

TEST(Jt808Packets, SplitNumbersPacketsAndKeepsShortBodiesWhole) {
    EXPECT_EQ(Split(Whole(kMaxBody)), std::vector<Message>{Whole(kMaxBody)});
    const std::vector<Message> packets = Split(Whole(2500));
    ASSERT_EQ(packets.size(), 3u);
    for (size_t i = 0; i < packets.size(); ++i) {
        EXPECT_EQ(packets[i].header.serial, 100 + i);
        EXPECT_EQ(packets[i].header.packetTotal, 3);
        EXPECT_EQ(packets[i].header.packetIndex, i + 1);
    }
    EXPECT_EQ(packets[2].body.size(), 2500 - 2 * kMaxBody);
}

TEST(Jt808Packets, ReassemblesInAnyOrder) {
    const std::vector<size_t> orders[] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 1, 0}};  // with a repeat
    for (const auto& order : orders) {
        Reassembler reassembler(1s);
        const std::vector<Message> packets = Split(Whole(2500, 0xFFFF));  // serials wrap
        std::optional<Message> whole;
        for (size_t i : order) {
            EXPECT_FALSE(whole);
            whole = reassembler.Add(packets[i], Clock::now()).whole;
        }
        ASSERT_TRUE(whole);
        EXPECT_EQ(*whole, Whole(2500, 0xFFFF));
        EXPECT_EQ(reassembler.Pending(), 0u);
    }
}

TEST(Jt808Packets, AMissingPacketEndsInATimeOut) {
    Reassembler reassembler(1s);
    const std::vector<Message> packets = Split(Whole(2500));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(reassembler.Add(packets[0], start).outcome, Reassembler::Outcome::Pending);
    EXPECT_EQ(reassembler.NextDeadline(), start + 1s);
    EXPECT_EQ(reassembler.Expire(start + 500ms), 0u);
    EXPECT_EQ(reassembler.Expire(start + 1s), 1u);
    EXPECT_EQ(reassembler.Pending(), 0u);
    EXPECT_FALSE(reassembler.NextDeadline());
}

TEST(Jt808Packets, PacketFieldsThatLieAreRejected) {
    auto packet = [](uint16_t total, uint16_t index) {
        Message m = Whole(10);
        m.header.packetTotal = total;
        m.header.packetIndex = index;
        m.header.serial = static_cast<uint16_t>(100 + index - 1);
        return m;
    };
    const struct {
        const char* name;
        std::vector<Message> packets;
    } cases[] = {
        {"index 0", {packet(3, 0)}},
        {"index past the total", {packet(3, 4)}},
        {"total past the bound", {packet(Reassembler::kMaxPackets + 1, 1)}},
        {"total changes within a set", {packet(3, 1), packet(4, 2)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reassembler reassembler(1s);
        Reassembler::Added last;
        for (const Message& m : c.packets) last = reassembler.Add(m, Clock::now());
        EXPECT_EQ(last.outcome, Reassembler::Outcome::Rejected);
        EXPECT_EQ(reassembler.Pending(), 0u);
    }
}

TEST(Jt808Packets, PendingSetsAreBounded) {
    Reassembler reassembler(1min);
    for (uint16_t i = 0; i < 3 * Reassembler::kMaxPending; ++i) {
        reassembler.Add(Split(Whole(2500, static_cast<uint16_t>(i * 10)))[0], Clock::now());
    }
    EXPECT_EQ(reassembler.Pending(), Reassembler::kMaxPending);
}

}  // namespace
}  // namespace mdvr::jt808
