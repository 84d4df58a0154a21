// Page 1's decoder on arbitrary terminal replies: no read outside the list, and what it sends
// is stable: decoding its own list and encoding again gives the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "pages/CDlgFirstPage.h"
#include "protocol/HostCallbacks.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using namespace mdvr;
using Bytes = std::vector<uint8_t>;

Bytes g_reply;
Bytes g_sent;

int MDVR_CALL Get(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    std::copy(g_reply.begin(), g_reply.end(), reply->bytes);
    reply->length = static_cast<uint32_t>(g_reply.size());
    return 1;
}

int MDVR_CALL Set(int, MDVR_ParamBufferSmall* request, MDVR_ParamBufferSmall*, void*) {
    g_sent.assign(request->bytes, request->bytes + request->length);
    return 1;
}

CDlgFirstPage& Page() {
    ui::HeadlessBackend::Instance();  // first, so that it outlives the page at exit
    static CDlgFirstPage page;
    static const bool created =
        page.CreateInNative(&ui::HeadlessBackend::Instance().CreateHostWindow({0, 0, 1000, 670}));
    if (!created) std::abort();
    return page;
}

// Loads reply into the page and returns what a save then sends.
Bytes LoadAndSave(const Bytes& reply) {
    TheHostCallbacks().getFunc = &Get;
    TheHostCallbacks().setFunc = &Set;
    g_reply = reply;
    g_sent.clear();
    Page().LoadParams(true);
    if (!Page().SaveParams(false)) std::abort();  // every group is checked
    return g_sent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= MDVR_FETCH_CAPACITY) return 0;  // such replies are never handed to a page
    const Bytes first = LoadAndSave(Bytes(data, data + size));
    const Bytes second = LoadAndSave(first);
    if (second != first) std::abort();
    return 0;
}
