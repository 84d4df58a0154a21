#pragma once
// Sub-packets: a body longer than one packet holds goes out in consecutive serials, each packet
// naming the total and its 1-based index, and is put together again on the other side.
#include <chrono>
#include <map>
#include <optional>
#include <vector>

#include "tools/jt808/Frame.h"

namespace mdvr::jt808 {

// The packets of whole, whose header serial is the first packet's; a body that fits one packet
// gives the message unchanged.
std::vector<Message> Split(const Message& whole, size_t chunk = kMaxBody);

// Collects packets per (message ID, first serial). Memory is bounded: at most kMaxPending sets
// of at most kMaxPackets packets; a set not completed within the time-out is dropped.
class Reassembler {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kMaxPackets = 128;
    static constexpr size_t kMaxPending = 4;

    enum class Outcome { Whole, Pending, Rejected };
    struct Added {
        Outcome outcome = Outcome::Pending;
        std::optional<Message> whole;
    };

    explicit Reassembler(Clock::duration timeout) : m_timeout(timeout) {}

    // A packet whose total or index cannot be true is rejected, with the set it claims to join.
    Added Add(Message packet, Clock::time_point now);
    // Drops the sets whose time ran out; how many.
    size_t Expire(Clock::time_point now);
    size_t Pending() const { return m_sets.size(); }
    // When the oldest pending set runs out of time; nullopt when none is pending.
    std::optional<Clock::time_point> NextDeadline() const;

  private:
    struct Set {
        Header first;
        std::vector<std::optional<Bytes>> parts;
        size_t received = 0;
        Clock::time_point deadline;
    };
    using Key = std::pair<uint16_t, uint16_t>;  // message ID, first serial

    static Message Join(Set& set);
    std::map<Key, Set>::const_iterator Oldest() const;
    void DropOldest();

    Clock::duration m_timeout;
    std::map<Key, Set> m_sets;
};

}  // namespace mdvr::jt808
