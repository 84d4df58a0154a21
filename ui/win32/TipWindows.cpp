#include "ui/win32/TipWindows.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <map>

#include "ui/win32/SubclassChain.h"
#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

constexpr UINT_PTR kBalloonTimer = 0x4D42;  // private to the owner dialog
constexpr UINT_PTR kRelayId = 0x5454;       // apart from the input translator's kind IDs
constexpr UINT kBalloonMillis = 8000;
constexpr int kTipWidth = 320;

constexpr std::array<WPARAM, 4> kIcons{TTI_NONE, TTI_INFO, TTI_WARNING, TTI_ERROR};

// A tooltip is a top-level window of its own, costly to make under wine: the dialogs of one
// top-level window (the frame and each of its pages) share one hover tooltip.
struct SharedTip {
    HWND tip = nullptr;
    int users = 0;
};

// By top-level window; the UI thread's.
std::map<HWND, SharedTip>& SharedTips() {
    static std::map<HWND, SharedTip> tips;
    return tips;
}

}  // namespace

TipWindows::TipWindows(HWND owner) : m_owner(owner) {}

TipWindows::~TipWindows() {
    if (m_balloon != nullptr) DestroyWindow(m_balloon);
    ReleaseHoverTip();
}

HWND TipWindows::CreateTip(DWORD style, HWND owner) const {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | style, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               ThisModule(), nullptr);
    if (tip != nullptr) SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    return tip;
}

// The smallest layout every common-controls version accepts.
TOOLINFOW TipWindows::ToolFor(HWND control, DWORD flags, std::wstring& text) const {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | flags;
    tool.hwnd = m_owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    return tool;
}

TOOLINFOW TipWindows::AreaToolFor(int id, std::wstring& text) const {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = m_owner;
    tool.uId = static_cast<UINT_PTR>(id);
    tool.lpszText = text.data();
    return tool;
}

void TipWindows::ShowBalloon(HWND control, std::wstring_view title, std::wstring_view text,
                             BalloonIcon icon) {
    if (control == nullptr) return;
    HideBalloon();
    if (m_balloon == nullptr) m_balloon = CreateTip(TTS_BALLOON, m_owner);
    if (m_balloon == nullptr) return;
    std::wstring body(text);
    std::wstring heading(title);
    TOOLINFOW tool = ToolFor(control, TTF_TRACK | TTF_ABSOLUTE, body);
    SendMessageW(m_balloon, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_balloon, TTM_SETTITLEW, kIcons[static_cast<size_t>(icon)],
                 reinterpret_cast<LPARAM>(heading.c_str()));
    RECT rect{};
    GetWindowRect(control, &rect);
    const int x = (rect.left + rect.right) / 2;
    SendMessageW(m_balloon, TTM_TRACKPOSITION, 0, MAKELPARAM(x, rect.bottom));
    SendMessageW(m_balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    m_balloonControl = control;
    SetTimer(m_owner, kBalloonTimer, kBalloonMillis, nullptr);
}

void TipWindows::HideBalloon() {
    if (m_balloon == nullptr || m_balloonControl == nullptr) return;
    std::wstring none;
    TOOLINFOW tool = ToolFor(m_balloonControl, 0, none);
    SendMessageW(m_balloon, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_balloon, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    m_balloonControl = nullptr;
    KillTimer(m_owner, kBalloonTimer);
}

void TipWindows::SetToolTip(HWND control, std::wstring_view text) {
    if (control == nullptr) return;
    if (m_tips == nullptr) m_tips = AcquireHoverTip();
    if (m_tips == nullptr) return;
    std::wstring body(text);
    TOOLINFOW tool = ToolFor(control, 0, body);
    SendMessageW(m_tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (std::find(m_tools.begin(), m_tools.end(), control) == m_tools.end())
        m_tools.push_back(control);
    SubclassChain::Attach(control, RelayProc, kRelayId, reinterpret_cast<DWORD_PTR>(m_tips));
}

void TipWindows::SetAreaTip(int id, const RECT& area, std::wstring_view text) {
    if (m_tips == nullptr) m_tips = AcquireHoverTip();
    if (m_tips == nullptr) return;
    std::wstring body(text);
    TOOLINFOW tool = AreaToolFor(id, body);
    tool.rect = area;
    SendMessageW(m_tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (std::find(m_areas.begin(), m_areas.end(), id) == m_areas.end()) m_areas.push_back(id);
}

void TipWindows::MoveAreaTip(int id, const RECT& area) {
    if (m_tips == nullptr || std::find(m_areas.begin(), m_areas.end(), id) == m_areas.end()) return;
    std::wstring none;
    TOOLINFOW tool = AreaToolFor(id, none);
    tool.rect = area;
    SendMessageW(m_tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TipWindows::RelayOwnerMouse(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (m_tips != nullptr && !m_areas.empty()) Relay(m_tips, m_owner, msg, wParam, lParam);
}

// A tooltip left by a destroyed top-level window (its owner took it along) is made anew.
HWND TipWindows::AcquireHoverTip() {
    m_root = GetAncestor(m_owner, GA_ROOT);
    SharedTip& shared = SharedTips()[m_root];
    if (shared.tip == nullptr || !IsWindow(shared.tip)) shared = {CreateTip(0, m_root), 0};
    if (shared.tip != nullptr) ++shared.users;
    return shared.tip;
}

// The dialog's tools leave the shared tooltip; the last dialog takes the tooltip with it.
void TipWindows::ReleaseHoverTip() {
    if (m_tips == nullptr) return;
    std::wstring none;
    for (HWND control : m_tools) {
        TOOLINFOW tool = ToolFor(control, 0, none);
        SendMessageW(m_tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    for (int id : m_areas) {
        TOOLINFOW tool = AreaToolFor(id, none);
        SendMessageW(m_tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    auto shared = SharedTips().find(m_root);
    if (shared == SharedTips().end() || shared->second.tip != m_tips) return;
    if (--shared->second.users > 0) return;
    DestroyWindow(m_tips);
    SharedTips().erase(shared);
}

LRESULT CALLBACK TipWindows::RelayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR tips) {
    switch (msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            Relay(reinterpret_cast<HWND>(tips), hwnd, msg, wParam, lParam);
            break;
        default:
            break;
    }
    return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
}

void TipWindows::Relay(HWND tip, HWND from, UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG relayed{from, msg, wParam, lParam, 0, {}};
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TipWindows::CloseToolTip() {
    if (m_tips != nullptr) SendMessageW(m_tips, TTM_POP, 0, 0);
}

bool TipWindows::OnTimer(UINT_PTR timerId) {
    if (timerId != kBalloonTimer) return false;
    HideBalloon();
    return true;
}

}  // namespace mdvr::ui::win32
