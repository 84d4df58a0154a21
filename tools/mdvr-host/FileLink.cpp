#include "tools/mdvr-host/FileLink.h"

namespace mdvr::refhost {
namespace {

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
        std::optional<Bytes> list = terminal.AnswerList(query);
        answer.ok = list.has_value();
        if (list) answer.list = std::move(*list);
        if (!list) answer.note = "the answer does not fit a list";
    });
}

void FileLink::Set(int devId, const Bytes& list, Done done) {
    Answer(m_fleet, devId, done, [&](TerminalStore& terminal, LinkAnswer& answer) {
        if (!terminal.ApplyAndSave(list)) {
            answer.note = "the list is cut short, nothing applied";
            return;
        }
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
