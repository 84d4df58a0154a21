// Every page the page table can make, on arbitrary terminal replies: the first byte picks the
// page, the rest is the reply. No read outside an item, and what a page sends is stable: its own
// list decoded and encoded again gives the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "frame/PageTable.h"
#include "host/CLogFile2.h"
#include "host/IMsgTipPresenter.h"
#include "protocol/HostCallbacks.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using namespace mdvr;
using Bytes = std::vector<uint8_t>;

Bytes g_reply;
Bytes g_sent;
bool g_setCalled = false;

int MDVR_CALL Get(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    std::copy(g_reply.begin(), g_reply.end(), reply->bytes);
    reply->length = static_cast<uint32_t>(g_reply.size());
    return 1;
}

int MDVR_CALL Set(int, MDVR_ParamBufferSmall* request, MDVR_ParamBufferSmall*, void*) {
    g_sent.assign(request->bytes, request->bytes + request->length);
    g_setCalled = true;
    return 1;
}

// Rules that refuse a value show a tip; nobody is there to read it.
class SilentTips : public IMsgTipPresenter {
    int ShowMsgTip(std::wstring_view, std::wstring_view, int) override { return 0; }
};

std::vector<std::unique_ptr<CDlgCfgBase>>& Pages() {
    ui::HeadlessBackend::Instance();  // first, so that it outlives the pages at exit
    static SilentTips tips;
    static std::vector<std::unique_ptr<CDlgCfgBase>> pages = [] {
        SetMsgTipPresenter(&tips);
        CLogFile2::Instance().SetFile("/dev/null");  // every fetch is logged
        ui::HostWindow& host =
            ui::HeadlessBackend::Instance().CreateHostWindow({0, 0, 1000, 670});
        std::vector<std::unique_ptr<CDlgCfgBase>> made;
        for (const PageInfo& info : PageTable()) {
            if (info.make == nullptr) continue;
            made.push_back(info.make());
            if (!made.back()->CreateInNative(&host)) std::abort();
        }
        return made;
    }();
    return pages;
}

// Loads reply into the page and returns whether a save sent something, and what.
bool LoadAndSave(CDlgCfgBase& page, const Bytes& reply, Bytes& sent) {
    TheHostCallbacks().getFunc = &Get;
    TheHostCallbacks().setFunc = &Set;
    g_reply = reply;
    g_setCalled = false;
    page.LoadParams(true);
    page.SaveParams(false);
    sent = g_sent;
    return g_setCalled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > MDVR_FETCH_CAPACITY) return 0;  // longer replies never reach a page
    auto& pages = Pages();
    CDlgCfgBase& page = *pages[data[0] % pages.size()];
    Bytes first;
    if (!LoadAndSave(page, Bytes(data + 1, data + size), first)) return 0;  // a rule refused it
    Bytes second;
    if (!LoadAndSave(page, first, second) || second != first) std::abort();
    return 0;
}
