#include "ui/win32/InputTranslator.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/CallGuard.h"
#include "ui/win32/SubclassChain.h"

namespace mdvr::ui::win32 {

namespace {

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CheckBox ||
           kind == ControlKind::Radio;
}

HWND g_buttonGoingUp = nullptr;  // one UI thread

bool KeyHeld(int key) {
    return GetKeyState(key) < 0;
}

Notification Make(HWND control, Event event) {
    Notification n;
    n.id = control != nullptr ? GetDlgCtrlID(control) : 0;
    n.event = event;
    return n;
}

Notification KeyNotification(HWND control, Event event, WPARAM key) {
    Notification n = Make(control, event);
    n.key = static_cast<uint32_t>(key);
    n.ctrl = KeyHeld(VK_CONTROL);
    n.shift = KeyHeld(VK_SHIFT);
    return n;
}

Notification MouseNotification(HWND window, HWND control, UINT msg, LPARAM lParam) {
    static constexpr Event kEvents[] = {Event::MouseMove, Event::MouseDown, Event::MouseUp};
    Notification n = Make(control, kEvents[msg - WM_MOUSEMOVE]);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client{};
    GetClientRect(window, &client);
    n.inside = PtInRect(&client, point) != FALSE;
    n.point = Point{point.x, point.y};
    return n;
}

}  // namespace

void InputTranslator::Subclass(HWND control, ControlKind kind) {
    SubclassChain::Attach(control, ControlProc, static_cast<UINT_PTR>(kind),
                          reinterpret_cast<DWORD_PTR>(this));
}

bool InputTranslator::Deliver(const Notification& n) {
    return m_sink != nullptr && m_sink->OnInput(n);
}

LRESULT CALLBACK InputTranslator::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR kind, DWORD_PTR self) {
    const CallGuard guard;  // a close asked for meanwhile waits until the translator is done
    auto* translator = reinterpret_cast<InputTranslator*>(self);
    return translator->OnControlMessage(hwnd, static_cast<ControlKind>(kind), msg, wParam, lParam);
}

LRESULT InputTranslator::OnControlMessage(HWND hwnd, ControlKind kind, UINT msg, WPARAM wParam,
                                          LPARAM lParam) {
    switch (msg) {
        case WM_CHAR:
            if (Deliver(KeyNotification(hwnd, Event::Char, wParam))) return 0;
            break;
        case WM_IME_CHAR:
            // An input-method character the sink left goes down the typed-character path.
            if (Deliver(KeyNotification(hwnd, Event::ImeChar, wParam))) return 0;
            return SendMessageW(hwnd, WM_CHAR, wParam, lParam);
        case WM_KEYDOWN:
            if (Deliver(KeyNotification(hwnd, Event::KeyDown, wParam))) return 0;
            break;
        case WM_PASTE:
            return OnPaste(hwnd, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocus(hwnd, msg, wParam, lParam);
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            if (IsButtonKind(kind)) OnButtonMouse(hwnd, msg, lParam);
            break;
        case WM_MOUSELEAVE:
            TrackHover(hwnd, false);
            break;
        default:
            break;
    }
    return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
}

// The platform pastes first; its change notice is held back until the sink heard of the paste.
LRESULT InputTranslator::OnPaste(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    m_pasting = hwnd;
    m_pasteChanged = false;
    const LRESULT result = SubclassChain::CallNext(hwnd, WM_PASTE, wParam, lParam);
    m_pasting = nullptr;
    Deliver(Make(hwnd, Event::Pasted));
    if (m_pasteChanged) Deliver(Make(hwnd, Event::TextChange));
    return result;
}

LRESULT InputTranslator::OnFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = SubclassChain::CallNext(hwnd, msg, wParam, lParam);
    Deliver(Make(hwnd, msg == WM_SETFOCUS ? Event::SetFocus : Event::KillFocus));
    return result;
}

HWND InputTranslator::ButtonGoingUp() {
    return g_buttonGoingUp;
}

void InputTranslator::OnButtonMouse(HWND hwnd, UINT msg, LPARAM lParam) {
    const Notification n = MouseNotification(hwnd, hwnd, msg, lParam);
    if (msg == WM_MOUSEMOVE) TrackHover(hwnd, n.inside);
    HWND outer = g_buttonGoingUp;
    if (msg == WM_LBUTTONUP) g_buttonGoingUp = hwnd;
    Deliver(n);
    g_buttonGoingUp = outer;
}

void InputTranslator::TrackHover(HWND hwnd, bool inside) {
    if ((m_hover == hwnd) == inside) return;
    if (inside) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
    }
    m_hover = inside ? hwnd : nullptr;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void InputTranslator::OnCommand(HWND control, ControlKind kind, UINT code) {
    if (IsButtonKind(kind) && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        Deliver(Make(control, Event::Click));
    } else if (kind == ControlKind::ComboBox && code == CBN_SELCHANGE) {
        Deliver(Make(control, Event::SelChange));
    } else if (kind == ControlKind::Edit && code == EN_CHANGE) {
        if (control == m_pasting) {
            m_pasteChanged = true;
        } else {
            Deliver(Make(control, Event::TextChange));
        }
    }
}

LRESULT InputTranslator::OnNotify(const NMHDR& header, ControlKind kind) {
    Notification n = Make(header.hwndFrom, Event::Click);
    if (kind == ControlKind::TimePicker && header.code == DTN_DATETIMECHANGE) {
        n.event = Event::TimeChange;
        Deliver(n);
    } else if (kind == ControlKind::UpDown && header.code == UDN_DELTAPOS) {
        n.event = Event::Spin;
        n.delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
        return Deliver(n) ? TRUE : FALSE;  // non-zero cancels the step
    } else if (kind == ControlKind::ListView && header.code == NM_CLICK) {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        n.row = click.iItem;
        n.col = click.iSubItem;
        if (n.row >= 0) Deliver(n);
    } else if (kind == ControlKind::ListView && header.code == LVN_COLUMNCLICK) {
        n.event = Event::HeaderClick;
        n.col = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
        Deliver(n);
    }
    return 0;
}

void InputTranslator::OnDialogMouse(HWND dialog, UINT msg, LPARAM lParam) {
    Deliver(MouseNotification(dialog, nullptr, msg, lParam));
}

}  // namespace mdvr::ui::win32
