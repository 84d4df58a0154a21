#include "tools/mdvr-host/CallbackHost.h"

#include <exception>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

#include "tools/mdvr-host/ListPrinter.h"

namespace mdvr::refhost {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSlice{10};

// Nothing may unwind into the plug-in: a failure becomes a failed callback.
template <typename Fn>
int Guarded(std::ostream& out, Fn&& fn) {
    try {
        return fn() ? 1 : 0;
    } catch (const std::exception& e) {
        out << "  error: " << e.what() << '\n';
    } catch (...) {
        out << "  error: unknown\n";
    }
    return 0;
}

template <size_t N>
std::span<const uint8_t> Used(const uint8_t (&bytes)[N], uint32_t length) {
    return std::span<const uint8_t>(bytes, length < N ? length : N);
}

// The window stays responsive while a terminal is slow.
void PumpWindowMessages() {
#ifdef _WIN32
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
#endif
}

}  // namespace

void CallbackHost::Install(const PluginExports& plugin) {
    plugin.SetConfigFunction(&CallbackHost::OnSet, nullptr, this);
    plugin.SetConfigFunctionEx(&CallbackHost::OnGet, this);
    plugin.SetConfigFuncMutli(&CallbackHost::OnMultiSet, this);
}

int MDVR_CALL CallbackHost::OnGet(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                                  void* user) {
    auto* self = static_cast<CallbackHost*>(user);
    return Guarded(self->m_out, [&] { return self->Get(command, *request, *reply); });
}

int MDVR_CALL CallbackHost::OnSet(int /*command*/, MDVR_ParamBufferSmall* request,
                                  MDVR_ParamBufferSmall* /*reply*/, void* user) {
    auto* self = static_cast<CallbackHost*>(user);
    return Guarded(self->m_out, [&] { return self->Set(Used(request->bytes, request->length)); });
}

int MDVR_CALL CallbackHost::OnMultiSet(MDVR_BatchSetRecord* record, MDVR_ParamBuffer* list,
                                       void* user) {
    auto* self = static_cast<CallbackHost*>(user);
    return Guarded(self->m_out,
                   [&] { return self->MultiSet(*record, Used(list->bytes, list->length)); });
}

std::vector<LinkAnswer> CallbackHost::Await(
    std::vector<int> devIds, const std::function<void(int, TerminalLink::Done)>& start) {
    // Answers that come after the time-out land here harmlessly.
    struct Pending {
        std::vector<LinkAnswer> answers;
        std::vector<bool> arrived;
        size_t count = 0;
    };
    auto pending = std::make_shared<Pending>();
    pending->answers.resize(devIds.size());
    pending->arrived.resize(devIds.size());
    for (size_t i = 0; i < devIds.size(); ++i) {
        start(devIds[i], [pending, i](LinkAnswer answer) {
            if (pending->arrived[i]) return;
            pending->answers[i] = std::move(answer);
            pending->arrived[i] = true;
            ++pending->count;
        });
    }
    const Clock::time_point begin = Clock::now();
    Clock::time_point nextProgress = begin + m_progressEvery;
    while (pending->count < devIds.size() && Clock::now() - begin < m_timeout) {
        m_link.Wait(kSlice);
        PumpWindowMessages();
        if (Clock::now() >= nextProgress) {
            m_out << "  ... " << pending->count << " / " << devIds.size() << " terminal(s) done\n"
                  << std::flush;
            nextProgress += m_progressEvery;
        }
    }
    std::vector<LinkAnswer> answers = pending->answers;
    for (size_t i = 0; i < devIds.size(); ++i) {
        if (!pending->arrived[i]) {
            answers[i].note = "no answer within " + std::to_string(m_timeout.count()) + " ms";
        }
    }
    return answers;
}

bool CallbackHost::Get(int command, const MDVR_ParamBuffer& request, MDVR_ParamBuffer& reply) {
    const bool query = command == MDVR_CMD_QUERY;
    const char* what = query ? "query" : "get";
    std::optional<Bytes> ids;
    if (query) {
        std::span<const uint8_t> used = Used(request.bytes, request.length);
        ids.emplace(used.begin(), used.end());
    }
    LinkAnswer answer =
        Await({m_devId}, [&](int devId, TerminalLink::Done done) {
            m_link.Get(devId, ids, std::move(done));
        }).front();
    if (answer.ok && answer.list.size() > sizeof reply.bytes) {
        answer = {false, {}, "the answer does not fit a list"};
    }
    if (!answer.ok || answer.list.empty()) {
        m_out << "[" << what << "] device " << m_devId << ": "
              << (answer.ok ? "an empty answer" : answer.note) << '\n';
        return false;
    }
    std::copy(answer.list.begin(), answer.list.end(), reply.bytes);
    reply.length = static_cast<uint32_t>(answer.list.size());
    m_out << "[" << what << "] device " << m_devId << " answered " << int{reply.bytes[0]}
          << " item(s), " << reply.length << " bytes\n";
    return true;
}

bool CallbackHost::Set(std::span<const uint8_t> list) {
    m_out << "[set] device " << m_devId << ", " << list.size() << " bytes sent:\n"
          << DescribeList(list, list.size(), m_link.Types(m_devId));
    return SaveTo({m_devId}, list).front().ok;
}

bool CallbackHost::MultiSet(const MDVR_BatchSetRecord& record, std::span<const uint8_t> list) {
    m_out << "[multi-set] kind " << record.kind << ", " << list.size() << " bytes sent to "
          << m_targets.size() << " device(s):\n"
          << DescribeList(list, list.size(), nullptr);
    const std::vector<LinkAnswer> answers = SaveTo(m_targets, list);
    const auto saved = std::count_if(answers.begin(), answers.end(),
                                     [](const LinkAnswer& a) { return a.ok; });
    m_out << "[multi-set] " << saved << " of " << m_targets.size() << " device(s) saved\n";
    return saved > 0;
}

std::vector<LinkAnswer> CallbackHost::SaveTo(const std::vector<int>& devIds,
                                             std::span<const uint8_t> list) {
    const Bytes bytes(list.begin(), list.end());
    std::vector<LinkAnswer> answers = Await(devIds, [&](int devId, TerminalLink::Done done) {
        m_link.Set(devId, bytes, std::move(done));
    });
    for (size_t i = 0; i < devIds.size(); ++i) {
        m_out << "[save] device " << devIds[i] << ": "
              << (answers[i].ok ? "" : "failed, ") << answers[i].note << '\n';
    }
    return answers;
}

}  // namespace mdvr::refhost
