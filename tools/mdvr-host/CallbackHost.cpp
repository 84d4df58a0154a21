#include "tools/mdvr-host/CallbackHost.h"

#include <exception>

#include "tools/mdvr-host/ListPrinter.h"

namespace mdvr::refhost {
namespace {

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

TerminalStore* CallbackHost::Reachable(int devId, const char* what) {
    TerminalStore& terminal = m_fleet.Terminal(devId);  // a corrupt file throws, naming its line
    if (terminal.Online()) return &terminal;
    m_out << "[" << what << "] device " << devId << " is offline: no answer\n";
    return nullptr;
}

bool CallbackHost::Get(int command, const MDVR_ParamBuffer& request, MDVR_ParamBuffer& reply) {
    const bool query = command == MDVR_CMD_QUERY;
    const char* what = query ? "query" : "get";
    TerminalStore* terminal = Reachable(m_devId, what);
    if (terminal == nullptr) return false;
    std::optional<uint32_t> length =
        query ? terminal->AnswerQuery(Used(request.bytes, request.length), request.length,
                                      reply.bytes)
              : terminal->AnswerAll(reply.bytes);
    if (!length) {
        m_out << "[" << what << "] device " << m_devId << ": the answer does not fit a list\n";
        return false;
    }
    reply.length = *length;
    m_out << "[" << what << "] device " << m_devId << " answered " << int{reply.bytes[0]}
          << " item(s), " << *length << " bytes\n";
    return true;
}

bool CallbackHost::Set(std::span<const uint8_t> list) {
    m_out << "[set] device " << m_devId << ", " << list.size() << " bytes sent:\n";
    TerminalStore* terminal = Reachable(m_devId, "set");
    m_out << DescribeList(list, list.size(), terminal);
    return terminal != nullptr && SaveTo(m_devId, list);
}

bool CallbackHost::MultiSet(const MDVR_BatchSetRecord& record, std::span<const uint8_t> list) {
    m_out << "[multi-set] kind " << record.kind << ", " << list.size() << " bytes sent to "
          << m_targets.size() << " device(s):\n"
          << DescribeList(list, list.size(), nullptr);
    size_t saved = 0;
    for (int devId : m_targets) {
        if (Guarded(m_out, [&] { return Reachable(devId, "multi-set") && SaveTo(devId, list); })) {
            ++saved;
        }
    }
    m_out << "[multi-set] " << saved << " of " << m_targets.size() << " device(s) saved\n";
    return saved > 0;
}

bool CallbackHost::SaveTo(int devId, std::span<const uint8_t> list) {
    TerminalStore& terminal = m_fleet.Terminal(devId);
    TerminalStore updated = terminal;  // the terminal changes only once its file did
    if (!updated.Apply(list, list.size())) {
        m_out << "[save] device " << devId << ": the list is cut short, nothing applied\n";
        return false;
    }
    updated.Save();
    terminal = std::move(updated);
    m_out << "[save] device " << devId << ": " << terminal.File().filename().string()
          << " written\n";
    return true;
}

}  // namespace mdvr::refhost
