#include "tools/mdvr-host/FileLink.h"

#include "protocol/ParamItem.h"

namespace mdvr::refhost {
namespace {

constexpr size_t kLongestList = 1 + kMaxListItems * (5 + 255);

// A missing or corrupt file fails the request with the store's message.
template <typename Fn>
void Answer(TerminalFleet& fleet, int devId, const TerminalLink::Done& done, Fn&& fn) {
    LinkAnswer answer;
    try {
        TerminalStore& terminal = fleet.Terminal(devId);
        if (terminal.Online()) {
            fn(terminal, answer);
        } else {
            answer.note = "offline, no answer";
        }
    } catch (const std::exception& e) {
        answer.note = e.what();
    }
    done(std::move(answer));
}

}  // namespace

void FileLink::Get(int devId, const std::optional<Bytes>& query, Done done) {
    Answer(m_fleet, devId, done, [&](const TerminalStore& terminal, LinkAnswer& answer) {
        answer.list.resize(kLongestList);
        std::optional<uint32_t> length =
            query ? terminal.AnswerQuery(*query, query->size(), answer.list)
                  : terminal.AnswerAll(answer.list);
        answer.ok = length.has_value();
        answer.list.resize(length.value_or(0));
        if (!length) answer.note = "the answer does not fit a list";
    });
}

void FileLink::Set(int devId, const Bytes& list, Done done) {
    Answer(m_fleet, devId, done, [&](TerminalStore& terminal, LinkAnswer& answer) {
        TerminalStore updated = terminal;  // the terminal changes only once its file did
        if (!updated.Apply(list, list.size())) {
            answer.note = "the list is cut short, nothing applied";
            return;
        }
        updated.Save();
        terminal = std::move(updated);
        answer.ok = true;
        answer.note = terminal.File().filename().string() + " written";
    });
}

const TerminalStore* FileLink::Types(int devId) {
    try {
        return &m_fleet.Terminal(devId);
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace mdvr::refhost
