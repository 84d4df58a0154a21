#include "ui/win32/Win32Backend.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "ui/win32/Win32Helpers.h"
#include "ui/win32/Win32View.h"

namespace mdvr::ui {

IBackend& Backend() {
    static win32::Win32Backend backend;
    return backend;
}

}  // namespace mdvr::ui

namespace mdvr::ui::win32 {

namespace {

HWND HandleOf(const IView& view) {
    return static_cast<HWND>(view.NativeHandle());
}

HWND TopLevelOf(const IView& view) {
    HWND hwnd = HandleOf(view);
    return hwnd != nullptr ? GetAncestor(hwnd, GA_ROOT) : nullptr;
}

constexpr DWORD kControlClasses = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                  ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES;

}  // namespace

Win32Backend::Win32Backend() {
    ActivationContext::Scope scope(m_context);
    const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), kControlClasses};
    InitCommonControlsEx(&init);
    m_previousPresenter = SetMsgTipPresenter(&m_presenter);
}

Win32Backend::~Win32Backend() {
    SetMsgTipPresenter(m_previousPresenter);
}

std::unique_ptr<IView> Win32Backend::CreateView(const DialogDecl& decl, IView* parent,
                                                void* nativeParent, IInputSink& sink) {
    HWND parentHwnd = parent != nullptr ? HandleOf(*parent) : static_cast<HWND>(nativeParent);
    if (parentHwnd != nullptr && !IsWindow(parentHwnd)) return nullptr;
    auto view = std::make_unique<Win32View>(decl, sink, m_context);
    if (!view->Create(parentHwnd)) return nullptr;
    return view;
}

int Win32Backend::RunModal(IView& view) {
    return static_cast<Win32View&>(view).RunModal();
}

int Win32Backend::Dpi() const {
    return ScreenDpi();
}

void Win32Backend::SetClipboardText(std::wstring_view text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory);
    // On behalf of the active window: the list's dialog when the user pressed the keys.
    if (!OpenClipboard(GetActiveWindow())) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

uint32_t Win32Backend::TickCount() const {
    return static_cast<uint32_t>(GetTickCount());
}

Point Win32Backend::CursorPos() const {
    POINT point{};
    GetCursorPos(&point);
    return Point{point.x, point.y};
}

int Win32Backend::MonitorCount() const {
    return GetSystemMetrics(SM_CMONITORS);
}

Point Win32Backend::MaximisedSize() const {
    return Point{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

// The pages are control parents inside the main dialog, so the dialog manager walks their
// controls too. Only keys: everything else the host dispatches itself.
bool Win32Backend::TranslateDialogKey(IView& view, void* hostMessage) {
    auto* msg = static_cast<MSG*>(hostMessage);
    HWND dialog = HandleOf(view);
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || dialog == nullptr) return false;
    if (msg->hwnd != dialog && IsChild(dialog, msg->hwnd) == FALSE) return false;
    return IsDialogMessageW(dialog, msg) != FALSE;
}

void Win32Backend::CaptureMouse(IView& view, int id) {
    HWND dialog = HandleOf(view);
    SetCapture(id != 0 ? GetDlgItem(dialog, id) : dialog);
}

// A button's own button-up releases its capture after it sent the click; released earlier, the
// platform would drop the click.
void Win32Backend::ReleaseMouse() {
    if (GetCapture() != InputTranslator::ButtonGoingUp()) ReleaseCapture();
}

void Win32Backend::ConfineCursor(const Rect* screenRect) {
    if (screenRect == nullptr) {
        ClipCursor(nullptr);
        return;
    }
    const RECT rect{screenRect->x, screenRect->y, screenRect->Right(), screenRect->Bottom()};
    ClipCursor(&rect);
}

Rect Win32Backend::TopLevelRect(const IView& view) const {
    RECT rect{};
    HWND top = TopLevelOf(view);
    if (top == nullptr || !GetWindowRect(top, &rect)) return {};
    return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Win32Backend::MoveTopLevel(const IView& view, const Rect& rect) {
    HWND top = TopLevelOf(view);
    if (top != nullptr) MoveWindow(top, rect.x, rect.y, rect.w, rect.h, TRUE);
}

bool Win32Backend::IsParentMaximised(const IView& view) const {
    HWND hwnd = HandleOf(view);
    HWND parent = hwnd != nullptr ? GetParent(hwnd) : nullptr;
    return parent != nullptr && IsZoomed(parent) != FALSE;
}

Point Win32Backend::NativeClientSize(void* native) const {
    RECT client{};
    auto* hwnd = static_cast<HWND>(native);
    if (hwnd == nullptr || !IsWindow(hwnd) || !GetClientRect(hwnd, &client)) return {};
    return Point{client.right - client.left, client.bottom - client.top};
}

}  // namespace mdvr::ui::win32
