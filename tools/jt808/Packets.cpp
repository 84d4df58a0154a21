#include "tools/jt808/Packets.h"

#include <algorithm>

namespace mdvr::jt808 {

std::vector<Message> Split(const Message& whole, size_t chunk) {
    chunk = std::clamp<size_t>(chunk, 1, kMaxBody);
    if (whole.body.size() <= chunk) return {whole};
    const size_t total = (whole.body.size() + chunk - 1) / chunk;
    std::vector<Message> packets;
    packets.reserve(total);
    for (size_t i = 0; i < total; ++i) {
        Message packet{whole.header, {}};
        packet.header.serial = static_cast<uint16_t>(whole.header.serial + i);
        packet.header.packetTotal = static_cast<uint16_t>(total);
        packet.header.packetIndex = static_cast<uint16_t>(i + 1);
        const auto begin = whole.body.begin() + static_cast<ptrdiff_t>(i * chunk);
        const auto end = whole.body.begin() +
                          static_cast<ptrdiff_t>(std::min(whole.body.size(), (i + 1) * chunk));
        packet.body.assign(begin, end);
        packets.push_back(std::move(packet));
    }
    return packets;
}

Reassembler::Added Reassembler::Add(Message packet, Clock::time_point now) {
    const Header& h = packet.header;
    if (h.packetTotal == 0) return {Outcome::Whole, std::move(packet)};
    const Key key{h.msgId, static_cast<uint16_t>(h.serial - (h.packetIndex - 1))};
    const bool valid = h.packetTotal <= kMaxPackets && h.packetIndex >= 1 &&
                       h.packetIndex <= h.packetTotal;
    auto it = m_sets.find(key);
    if (!valid || (it != m_sets.end() && it->second.parts.size() != h.packetTotal)) {
        if (it != m_sets.end()) m_sets.erase(it);
        return {Outcome::Rejected, std::nullopt};
    }
    if (it == m_sets.end()) {
        if (m_sets.size() == kMaxPending) DropOldest();
        Set set{h, std::vector<std::optional<Bytes>>(h.packetTotal), 0, now + m_timeout};
        it = m_sets.emplace(key, std::move(set)).first;
    }
    Set& set = it->second;
    std::optional<Bytes>& part = set.parts[h.packetIndex - 1u];
    if (!part) {
        if (h.packetIndex == 1) set.first = h;
        part = std::move(packet.body);
        ++set.received;
    }
    if (set.received < set.parts.size()) return {Outcome::Pending, std::nullopt};
    Message whole = Join(set);
    m_sets.erase(it);
    return {Outcome::Whole, std::move(whole)};
}

Message Reassembler::Join(Set& set) {
    Message whole{set.first, {}};
    whole.header.serial = static_cast<uint16_t>(set.first.serial - (set.first.packetIndex - 1));
    whole.header.packetTotal = 0;
    whole.header.packetIndex = 0;
    for (std::optional<Bytes>& part : set.parts) {
        whole.body.insert(whole.body.end(), part->begin(), part->end());
    }
    return whole;
}

size_t Reassembler::Expire(Clock::time_point now) {
    return std::erase_if(m_sets, [now](const auto& entry) { return entry.second.deadline <= now; });
}

std::optional<Reassembler::Clock::time_point> Reassembler::NextDeadline() const {
    if (m_sets.empty()) return {};
    return Oldest()->second.deadline;
}

std::map<Reassembler::Key, Reassembler::Set>::const_iterator Reassembler::Oldest() const {
    return std::min_element(m_sets.begin(), m_sets.end(), [](const auto& a, const auto& b) {
        return a.second.deadline < b.second.deadline;
    });
}

void Reassembler::DropOldest() {
    m_sets.erase(Oldest());
}

}  // namespace mdvr::jt808
