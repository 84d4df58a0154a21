#include "ui/win32/SubclassChain.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace mdvr::ui::win32 {

namespace {

struct Link {
    SUBCLASSPROC proc;
    UINT_PTR id;
    DWORD_PTR data;
    bool removed;
};

struct Chain {
    WNDPROC original = nullptr;
    std::vector<Link> links;  // oldest first; a message walks them from the back
    size_t next = 0;          // links below this index are still to run for the current message
    int depth = 0;            // messages of this window being handled right now
    bool destroyed = false;
};

// The UI thread's: controls are made and driven there. Elements keep their address when others
// come and go, so a chain stays valid while its procedures run.
std::unordered_map<HWND, Chain>& Chains() {
    static std::unordered_map<HWND, Chain> chains;
    return chains;
}

Chain* ChainOf(HWND hwnd) {
    auto it = Chains().find(hwnd);
    return it != Chains().end() ? &it->second : nullptr;
}

// Drops removed links, and the chain itself once empty or its window gone; only between
// messages, never under a running procedure.
void Tidy(HWND hwnd, Chain& chain, WNDPROC self) {
    if (chain.depth > 0) return;
    std::erase_if(chain.links, [](const Link& link) { return link.removed; });
    if (!chain.destroyed && !chain.links.empty()) return;
    if (!chain.destroyed) {
        // Someone subclassed the window after us: our procedure stays, passing everything on.
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != self) return;
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
    }
    Chains().erase(hwnd);
}

}  // namespace

bool SubclassChain::Attach(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    if (hwnd == nullptr || proc == nullptr) return false;
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr) {
        const auto original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Dispatch)));
        if (original == nullptr) return false;
        chain = &Chains()[hwnd];
        chain->original = original;
    }
    for (Link& link : chain->links) {
        if (link.proc == proc && link.id == id && !link.removed) {
            link.data = data;
            return true;
        }
    }
    chain->links.push_back(Link{proc, id, data, false});
    return true;
}

void SubclassChain::Detach(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr) return;
    for (Link& link : chain->links) {
        if (link.proc == proc && link.id == id) link.removed = true;
    }
    Tidy(hwnd, *chain, &Dispatch);
}

LRESULT SubclassChain::CallNext(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const size_t resume = chain->next;
    size_t at = resume;
    while (at > 0 && chain->links[at - 1].removed) --at;
    if (at == 0) return CallWindowProcW(chain->original, hwnd, msg, wParam, lParam);
    const Link link = chain->links[at - 1];
    chain->next = at - 1;
    const LRESULT result = link.proc(hwnd, msg, wParam, lParam, link.id, link.data);
    chain->next = resume;
    return result;
}

LRESULT CALLBACK SubclassChain::Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const size_t outer = chain->next;
    chain->next = chain->links.size();
    ++chain->depth;
    const LRESULT result = CallNext(hwnd, msg, wParam, lParam);
    --chain->depth;
    chain->next = outer;
    if (msg == WM_NCDESTROY) chain->destroyed = true;
    Tidy(hwnd, *chain, &Dispatch);
    return result;
}

}  // namespace mdvr::ui::win32
