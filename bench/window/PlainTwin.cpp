#include "PlainTwin.h"

#include "HostWindow.h"
#include "ui/win32/ActivationContext.h"

#include <string>
#include <string_view>

namespace mdvr::wintest {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct Largest {
    HWND top;
    HWND found;
    long area;
};

// Pages are the dialogs inside the configuration window; the largest visible one is the page.
BOOL CALLBACK FindPage(HWND hwnd, LPARAM param) {
    auto* largest = reinterpret_cast<Largest*>(param);
    if (GetParent(hwnd) == largest->top || !IsWindowVisible(hwnd) || ClassOf(hwnd) != kDialogClass)
        return TRUE;
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const long area = (rect.right - rect.left) * (rect.bottom - rect.top);
    if (area > largest->area) *largest = {largest->top, hwnd, area};
    return TRUE;
}

// Our own classes draw themselves; in the twin they are what the platform has.
std::wstring PlatformClass(HWND hwnd) {
    constexpr std::wstring_view kPlatform[] = {
        L"Button",        L"Edit",      L"Static",          L"ComboBox",
        L"SysListView32", L"ListBox",   L"msctls_updown32", L"SysDateTimePick32",
        L"ScrollBar",     kDialogClass, L"SysTabControl32", L"msctls_trackbar32"};
    std::wstring name = ClassOf(hwnd);
    for (std::wstring_view platform : kPlatform) {
        if (_wcsicmp(name.c_str(), platform.data()) == 0) return name;
    }
    return L"Static";
}

LONG PlainStyle(const std::wstring& className, LONG style) {
    if (_wcsicmp(className.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_OWNERDRAW)
        return (style & ~BS_TYPEMASK) | BS_PUSHBUTTON;
    if (_wcsicmp(className.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_OWNERDRAW)
        return style & ~SS_TYPEMASK;
    if (_wcsicmp(className.c_str(), L"ComboBox") == 0)
        return style & ~(CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
    return style;
}

void CopyComboItems(HWND from, HWND to) {
    const LRESULT count = SendMessageW(from, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(
            static_cast<size_t>(SendMessageW(from, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)) + 1,
            L'\0');
        SendMessageW(from, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        SendMessageW(to, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(to, CB_SETCURSEL, static_cast<WPARAM>(SendMessageW(from, CB_GETCURSEL, 0, 0)), 0);
}

HWND CopyWindow(HWND from, HWND parent, LONG styleMask) {
    RECT rect{};
    GetWindowRect(from, &rect);
    MapWindowPoints(nullptr, GetParent(from), reinterpret_cast<POINT*>(&rect), 2);
    const std::wstring className = PlatformClass(from);
    const LONG style = PlainStyle(className, GetWindowLongW(from, GWL_STYLE)) & styleMask;
    HWND copy =
        CreateWindowExW(static_cast<DWORD>(GetWindowLongW(from, GWL_EXSTYLE)), className.c_str(),
                        TextOf(from).c_str(), static_cast<DWORD>(style), rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(from))),
                        GetModuleHandleW(nullptr), nullptr);
    if (copy == nullptr) return nullptr;
    SendMessageW(copy, WM_SETFONT, static_cast<WPARAM>(SendMessageW(from, WM_GETFONT, 0, 0)),
                 FALSE);
    if (className == L"ComboBox") CopyComboItems(from, copy);
    for (HWND child = GetWindow(from, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        // A combo's own edit and list come with the combo.
        if (className != L"ComboBox") CopyWindow(child, copy, ~0L);
    }
    return copy;
}

}  // namespace

HWND ShownWindow(HWND top) {
    for (HWND child = GetWindow(top, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && ClassOf(child) == kDialogClass) return child;
    }
    return nullptr;
}

HWND ShownPage(HWND top) {
    Largest largest{top, nullptr, 0};
    EnumChildWindows(top, &FindPage, reinterpret_cast<LPARAM>(&largest));
    return largest.found;
}

// Under the plug-in's own activation context, so the twin's controls are the same themed
// common controls, not the older unthemed ones a process without a manifest gets.
HWND MakePlainTwin(HWND page, HWND host) {
    static const ui::win32::ActivationContext context;
    const ui::win32::ActivationContext::Scope scope(context);
    return CopyWindow(page, host, ~static_cast<LONG>(WS_VISIBLE));
}

}  // namespace mdvr::wintest
