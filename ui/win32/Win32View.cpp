#include "ui/win32/Win32View.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>

#include "ui/CallGuard.h"
#include "ui/PhaseClock.h"
#include "ui/win32/CheckMark.h"
#include "ui/win32/ControlClasses.h"
#include "ui/win32/DialogTemplate.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/ListView.h"
#include "ui/win32/SubclassChain.h"
#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

// Private messages (the pages' own and the host's automation) arrive as Event::Message; the
// dialog manager's DM_* messages at WM_USER and registered messages from 0xC000 do not.
constexpr UINT kPrivateFirst = WM_USER + 0x100;
constexpr UINT kPrivateLast = 0xBFFF;
constexpr uint32_t kKeepPlatformColours = 0x800;  // ES_READONLY among them
constexpr COLORREF kBlueText = RGB(0, 0, 255);
constexpr int kComboDropHeight = 200;
constexpr int kCancelId = IDCANCEL;

struct ZoneRow {
    HitZone zone;
    LRESULT hit;
};

constexpr std::array<ZoneRow, 10> kZones{{
    {HitZone::Client, HTCLIENT},
    {HitZone::Caption, HTCAPTION},
    {HitZone::Left, HTLEFT},
    {HitZone::Right, HTRIGHT},
    {HitZone::Top, HTTOP},
    {HitZone::Bottom, HTBOTTOM},
    {HitZone::TopLeft, HTTOPLEFT},
    {HitZone::TopRight, HTTOPRIGHT},
    {HitZone::BottomLeft, HTBOTTOMLEFT},
    {HitZone::BottomRight, HTBOTTOMRIGHT},
}};

// A control on screen with scroll bars redraws them at once on every change of text or size,
// which is slow where they are drawn from the visual style. Such a change is made with drawing off
// and the control painted once, with everything else, at the next paint. Out of sight (its dialog
// still hidden) nothing is drawn, and turning drawing off and on would only cost round trips.
template <class Fn>
void ChangeQuietly(HWND control, Fn&& change) {
    const auto style = GetWindowLongPtrW(control, GWL_STYLE);
    const bool quiet = (style & (WS_VSCROLL | WS_HSCROLL)) && IsWindowVisible(control);
    if (quiet) SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    change();
    if (!quiet) return;
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

SYSTEMTIME ToSystemTime(const DateTime& time) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(time.year);
    st.wMonth = static_cast<WORD>(time.month);
    st.wDay = static_cast<WORD>(time.day);
    st.wHour = static_cast<WORD>(time.hour);
    st.wMinute = static_cast<WORD>(time.minute);
    st.wSecond = static_cast<WORD>(time.second);
    return st;
}

}  // namespace

Win32View::Win32View(const DialogDecl& decl, IInputSink& sink, const ActivationContext& context)
    : m_decl(decl), m_sink(sink), m_context(context), m_input(sink) {}

Win32View::~Win32View() {
    m_input.Detach();
    m_shadow.reset();
    m_tips.reset();
    if (m_hwnd != nullptr) DestroyWindow(m_hwnd);
    if (m_background != nullptr) DeleteObject(m_background);
}

bool Win32View::Create(HWND parent) {
    const PhaseClock::Scope phase(Phase::kControls);
    ActivationContext::Scope scope(m_context);
    m_popup = m_decl.popup || parent == nullptr;
    // Hidden until the dialog has been initialised (Dialog shows a child then).
    const DWORD style = m_popup ? WS_POPUP | WS_CLIPCHILDREN
                                : WS_CHILD | DS_CONTROL | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    const DialogTemplate dialog(style, WS_EX_CONTROLPARENT, CaptionText(m_decl.title));
    HWND owner = m_popup && parent != nullptr ? GetAncestor(parent, GA_ROOT) : parent;
    CreateDialogIndirectParamW(ThisModule(), dialog.Get(), owner, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (m_hwnd == nullptr) return false;
    m_tips = std::make_unique<TipWindows>(m_hwnd);
    m_font = GdiCache::Instance().Font(
        FontSpec{FontSpec{}.face, ToScreen(FontSpec{}.height), FontSpec{}.weight});
    PlaceWindow(owner);
    for (const ControlDecl& control : m_decl.controls) CreateControl(control);
    // A buddy may be declared after its up-down.
    for (const ControlDecl& control : m_decl.controls) {
        if (control.kind == ControlKind::UpDown) AttachBuddy(Item(control.id), control.buddyId);
    }
    return true;
}

void Win32View::PlaceWindow(HWND owner) {
    const PhaseClock::Scope phase(Phase::kLayout);
    RECT rect{0, 0, ToScreen(m_decl.width), ToScreen(m_decl.height)};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE)));
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = 0;
    int y = 0;
    if (m_popup) {
        RECT area{};
        if (owner == nullptr || !GetWindowRect(owner, &area)) {
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        }
        x = (area.left + area.right - width) / 2;
        y = (area.top + area.bottom - height) / 2;
    }
    SetWindowPos(m_hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32View::CreateControl(const ControlDecl& decl) {
    const WindowClassStyle cls = ClassFor(decl);
    if (m_hwnd == nullptr || cls.className == nullptr || Has(decl.id)) return false;
    const PhaseClock::Scope phase(Phase::kControls);
    if (DrawnCaptions::IsCaption(decl.kind)) {
        m_frameOf.clear();
        return m_captions.Add(decl, ToScreen(decl.place), m_font);
    }
    ActivationContext::Scope scope(m_context);
    const RECT place = ToScreen(decl.place);
    const int dropHeight = decl.kind == ControlKind::ComboBox ? ToScreen(kComboDropHeight) : 0;
    HWND control = CreateWindowExW(
        cls.exStyle, cls.className, CaptionText(decl.caption).c_str(), cls.style, place.left,
        place.top, place.right - place.left, place.bottom - place.top + dropHeight, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(decl.id)), ThisModule(), nullptr);
    if (control == nullptr) return false;
    {
        const PhaseClock::Scope fonts(Phase::kFonts);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    if (decl.textLimit > 0) SendMessageW(control, EM_SETLIMITTEXT, decl.textLimit, 0);
    if (decl.kind == ControlKind::UpDown) AttachBuddy(control, decl.buddyId);
    if (decl.kind == ControlKind::ListView) {
        ListView(control).Configure(ListExStyleFor(decl.style),
                                    (decl.style & kStyleListHeaderCheckBox) != 0);
    }
    m_frameOf.clear();
    ControlState& state = m_controls[decl.id];
    state = ControlState{};
    state.hwnd = control;
    state.kind = decl.kind;
    state.style = decl.style;
    if (decl.style & kStyleSkinned) state.skin = std::make_unique<ButtonSkin>();
    if (decl.kind == ControlKind::ListView) state.list = std::make_unique<ListLook>(control);
    m_input.Subclass(control, decl.kind);
    return true;
}

void Win32View::AttachBuddy(HWND upDown, int buddyId) const {
    HWND buddy = Item(buddyId);
    if (upDown != nullptr && buddy != nullptr)
        SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

// From the view's own table: looking a child up by ID asks the window manager each time.
HWND Win32View::Item(int id) const {
    if (m_hwnd == nullptr) return nullptr;
    auto it = m_controls.find(id);
    return it != m_controls.end() ? it->second.hwnd : nullptr;
}

// A list-view wrapper that is empty for any other kind of control.
ListView Win32View::ListOf(int id) const {
    const ControlState* state = StateOf(id);
    const bool isList = state != nullptr && state->kind == ControlKind::ListView;
    return ListView(isList ? Item(id) : nullptr);
}

const DrawnCaptions::Caption* Win32View::Caption(int id) const {
    return m_hwnd != nullptr ? m_captions.Find(id) : nullptr;
}

const Win32View::ControlState* Win32View::StateOf(int id) const {
    auto it = m_controls.find(id);
    return it != m_controls.end() ? &it->second : nullptr;
}

Win32View::ControlState* Win32View::StateOf(int id, ControlKind kind) {
    auto it = m_controls.find(id);
    const bool found = it != m_controls.end() && it->second.kind == kind && Item(id) != nullptr;
    return found ? &it->second : nullptr;
}

LRESULT Win32View::SendTo(int id, UINT msg, WPARAM wParam, LPARAM lParam) const {
    HWND control = Item(id);
    return control != nullptr ? SendMessageW(control, msg, wParam, lParam) : 0;
}

COLORREF Win32View::TextColour() const {
    return m_textColour.value_or(GetSysColor(COLOR_WINDOWTEXT));
}

// ---- window procedure ---------------------------------------------------------------------

INT_PTR CALLBACK Win32View::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const CallGuard guard;  // a close asked for meanwhile waits until the view is done
    if (msg == WM_INITDIALOG) {
        auto* view = reinterpret_cast<Win32View*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        view->m_hwnd = hwnd;
        SubclassChain::Attach(hwnd, DirectProc, 0, static_cast<DWORD_PTR>(lParam));
        return FALSE;  // the page decides where the focus goes
    }
    auto* view = reinterpret_cast<Win32View*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return view != nullptr ? view->OnMessage(msg, wParam, lParam) : FALSE;
}

INT_PTR Win32View::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnInputMessage(msg, wParam, lParam, &result)) return Answer(result);
    if (OnPaintMessage(msg, wParam, lParam, &result)) return static_cast<INT_PTR>(result);
    if (OnFrameMessage(msg, lParam, &result)) return Answer(result);
    if (msg >= kPrivateFirst && msg <= kPrivateLast) {
        Notification n;
        n.event = Event::Message;
        n.message = msg;
        n.wParam = static_cast<intptr_t>(wParam);
        n.lParam = static_cast<intptr_t>(lParam);
        m_input.Deliver(n);
        return TRUE;
    }
    return FALSE;
}

// Storing the result is a round trip to the window server under wine, and nearly every answer
// (custom draw of each button painted among them) is the zero stored already.
INT_PTR Win32View::Answer(LRESULT result) {
    if (m_hwnd != nullptr && GetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT) != result)
        SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool Win32View::OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return true;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            const ControlState* state = StateOf(static_cast<int>(header.idFrom));
            if (state == nullptr || header.hwndFrom != Item(static_cast<int>(header.idFrom))) {
                return false;
            }
            *result = m_input.OnNotify(header, state->kind);
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (m_tips) m_tips->RelayOwnerMouse(msg, wParam, lParam);
            m_input.OnDialogMouse(m_hwnd, msg, lParam);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (m_tips) m_tips->RelayOwnerMouse(msg, wParam, lParam);
            return false;
        case WM_TIMER:
            return m_tips != nullptr && m_tips->OnTimer(wParam);
        default:
            return false;
    }
}

void Win32View::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        // Escape in a dialog: the pop-up's owner may handle it, else the pop-up is cancelled.
        if (id != kCancelId) return;
        Notification n;
        n.id = kCancelId;
        if (!m_input.Deliver(n) && m_inModal) EndModal(kCancelId);
        return;
    }
    const ControlState* state = StateOf(id);
    if (state != nullptr && control == Item(id))
        m_input.OnCommand(control, state->kind, HIWORD(wParam));
}

// Answers given straight from a window procedure. A dialog procedure's answer goes through the
// dialog's result slot, a round trip to the window server under wine for every one that is not
// zero and another when the dialog manager clears it for the next message; and the background,
// left to the dialog manager, is first offered to the visual style's handler, which looks for a
// window property, another round trip, every time a themed control paints its parent's
// background under itself.
LRESULT CALLBACK Win32View::DirectProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* view = reinterpret_cast<Win32View*>(data);
    if (msg == WM_NOTIFY) {
        const CallGuard guard;  // a list's colours come from the page
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header.code == NM_CUSTOMDRAW && view->OnCustomDraw(header, &result)) return result;
    } else if (msg == WM_ERASEBKGND) {
        view->EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    }
    return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
}

// As the dialog manager does it: the client area filled with the dialog's brush, the platform's
// face colour when it has none of its own (with the platform's colours set on the way).
void Win32View::EraseBackground(HDC dc) const {
    HBRUSH brush = m_background;
    if (brush == nullptr) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_3DFACE));
        brush = GetSysColorBrush(COLOR_3DFACE);
    }
    RECT client{};
    GetClientRect(m_hwnd, &client);
    DPtoLP(dc, reinterpret_cast<POINT*>(&client), 2);
    FillRect(dc, &client, brush);
}

// Lists and check boxes with their own colours; everything else is drawn by the platform.
bool Win32View::OnCustomDraw(NMHDR& header, LRESULT* result) {
    const int id = static_cast<int>(header.idFrom);
    const ControlState* state = StateOf(id);
    if (state == nullptr || header.hwndFrom != Item(id)) return false;
    if (state->list) {
        *result = state->list->OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        return true;
    }
    if (state->checkMark) {
        *result = DrawCheckMark(reinterpret_cast<NMCUSTOMDRAW&>(header), *state->checkMark);
        return true;
    }
    return false;
}

bool Win32View::OnPaintMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
        case WM_CTLCOLORDLG:
            *result = reinterpret_cast<LRESULT>(m_background);
            return m_background != nullptr;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HBRUSH brush =
                OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            *result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            *result = TRUE;
            return true;
        case WM_PAINT:
            if (m_captions.Empty()) return false;
            PaintCaptions();
            *result = TRUE;
            return true;
        default:
            return false;
    }
}

// The background is erased as the platform does it (WM_CTLCOLORDLG); the captions go on top.
void Win32View::PaintCaptions() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    m_captions.Paint(dc, ps.rcPaint, [this](uint32_t style, const GroupBoxSkin* frame) {
        // With no colours of its own the dialog leaves them to the platform, as it would a static.
        return InkFor(style, frame)
            .value_or(CaptionInk{GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE),
                                 GetSysColor(COLOR_WINDOWTEXT)});
    });
    EndPaint(m_hwnd, &ps);
}

// Check boxes and radios take the dialog's colours, as the drawn captions do; controls with style
// bit 0x800 (read-only edits) keep the platform's.
HBRUSH Win32View::OnCtlColor(HDC dc, HWND control) {
    const ControlState* state = StateOf(GetDlgCtrlID(control));
    const auto windowStyle = static_cast<uint32_t>(GetWindowLongPtrW(control, GWL_STYLE));
    if (state == nullptr || (windowStyle & kKeepPlatformColours) != 0) return nullptr;
    const std::optional<CaptionInk> ink = InkFor(state->style, FrameAround(control));
    if (!ink) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink->text);
    SetBkColor(dc, ink->back);
    return ink->brush;
}

// None while the dialog has no colours of its own. What lies inside a frame sits on the frame's
// fill, not the dialog's.
std::optional<CaptionInk> Win32View::InkFor(uint32_t style, const GroupBoxSkin* frame) const {
    if (m_background == nullptr && !m_textColour && !(style & kStyleBlueText)) return {};
    const COLORREF text = (style & kStyleBlueText) ? kBlueText : TextColour();
    if (frame != nullptr) return CaptionInk{frame->BackBrush(), frame->Back(), text};
    if (m_background != nullptr) return CaptionInk{m_background, m_backColour, text};
    return CaptionInk{GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE), text};
}

// Asked for every control at every paint; the answer changes only when controls or frames move,
// show, hide, come or go.
const GroupBoxSkin* Win32View::FrameAround(HWND control) const {
    auto known = m_frameOf.find(control);
    if (known != m_frameOf.end()) return known->second;
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
    const GroupBoxSkin* frame = m_captions.FrameAround(place, 0);
    m_frameOf.emplace(control, frame);
    return frame;
}

void Win32View::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const ControlState* state = StateOf(static_cast<int>(item.CtlID));
    if (state == nullptr || state->skin == nullptr) return;
    const COLORREF face = m_background != nullptr ? m_backColour : GetSysColor(COLOR_BTNFACE);
    state->skin->Draw(item, m_input.IsHovered(item.hwndItem), face, TextColour());
}

bool Win32View::OnFrameMessage(UINT msg, LPARAM lParam, LRESULT* result) {
    switch (msg) {
        case WM_SIZE:
            OnSize();
            return true;
        case WM_NCHITTEST:
            if (!m_popup) return false;
            *result = HitTest(lParam);
            return true;
        case WM_WINDOWPOSCHANGED:
            if (m_shadow) m_shadow->Follow();
            return false;
        case WM_CLOSE:
            if (m_inModal) EndModal(kCancelId);
            return m_inModal;
        case WM_DESTROY:
            m_input.Detach();
            return false;
        case WM_NCDESTROY:
            OnNcDestroy();
            return false;
        default:
            return false;
    }
}

void Win32View::OnSize() {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (m_corner.cx > 0 || m_corner.cy > 0) {
        RECT window{};
        GetWindowRect(m_hwnd, &window);
        SetWindowRgn(m_hwnd,
                     CreateRoundRectRgn(0, 0, window.right - window.left + 1,
                                        window.bottom - window.top + 1, m_corner.cx, m_corner.cy),
                     TRUE);
    }
    m_sink.OnResize(client.right, client.bottom);
}

LRESULT Win32View::HitTest(LPARAM lParam) const {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(m_hwnd, &point);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (!PtInRect(&client, point)) return HTNOWHERE;
    const HitZone zone = m_sink.HitTest(Point{point.x, point.y});
    for (const ZoneRow& row : kZones) {
        if (row.zone == zone) return row.hit;
    }
    return HTCLIENT;
}

// The window died with its parent or by the host; the view stays, with nothing left to reach.
void Win32View::OnNcDestroy() {
    SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
    m_input.Detach();
    m_hwnd = nullptr;
    if (m_inModal && !m_modalResult) m_modalResult = kCancelId;
}

// ---- the dialog itself --------------------------------------------------------------------

constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

void Win32View::ShowWindow(bool show) {
    if (m_hwnd == nullptr) return;
    if (m_popup) {
        ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
        // The platform's show leaves the borders of controls in a child dialog unpainted.
        if (show) RedrawWindow(m_hwnd, nullptr, nullptr, kRedrawAll);
        if (m_shadow) m_shadow->Follow();
        return;
    }
    const bool visible = (GetWindowLongPtrW(m_hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != show) ShowQuietly(show);
}

namespace {

// The child dialog shown last: a page switch hides one page and shows the next in its place.
HWND& LastShown() {
    static HWND shown = nullptr;
    return shown;
}

// True when a child dialog shown since covers the place (parent's client coordinates).
bool CoveredByShown(HWND parent, const RECT& place) {
    HWND shown = LastShown();
    if (shown == nullptr || !IsWindow(shown) || GetParent(shown) != parent ||
        !::IsWindowVisible(shown))
        return false;
    RECT cover{};
    GetWindowRect(shown, &cover);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&cover), 2);
    RECT both{};
    IntersectRect(&both, &cover, &place);
    return EqualRect(&both, &place) != FALSE;
}

}  // namespace

// A child dialog shown or hidden the platform's way has every control erased at once and painted
// again at the next paint; here the shown dialog, or the place the hidden one leaves, is only
// invalidated and painted once, with everything else. The place left is not drawn at all when
// the dialog shown next covers it.
void Win32View::ShowQuietly(bool show) {
    constexpr UINT kQuiet = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    if (show) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0, kQuiet | SWP_SHOWWINDOW);
        RedrawWindow(m_hwnd, nullptr, nullptr, kRedrawAll);
        LastShown() = m_hwnd;
        return;
    }
    HWND parent = GetParent(m_hwnd);
    // As the platform's hiding does: the focus does not stay in a hidden window.
    HWND focus = GetFocus();
    if (focus != nullptr && (focus == m_hwnd || IsChild(m_hwnd, focus))) ::SetFocus(parent);
    const RECT place = ToRECT(WindowRect());
    SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0, kQuiet | SWP_HIDEWINDOW);
    if (parent == nullptr) return;
    CallGuard::WhenOutermostReturns([parent, place] {
        if (IsWindow(parent) && !CoveredByShown(parent, place))
            RedrawWindow(parent, &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    });
}

bool Win32View::IsWindowVisible() const {
    return m_hwnd != nullptr && ::IsWindowVisible(m_hwnd) != FALSE;
}

// A move to where the window already is would still resize and repaint it and its children.
void Win32View::MoveWindow(const Rect& rect) {
    if (m_hwnd == nullptr || WindowRect() == rect) return;
    const PhaseClock::Scope phase(Phase::kLayout);
    const RECT place = ToRECT(rect);
    ::MoveWindow(m_hwnd, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 TRUE);
}

Rect Win32View::WindowRect() const {
    if (m_hwnd == nullptr) return {};
    RECT rect{};
    GetWindowRect(m_hwnd, &rect);
    HWND parent = m_popup ? nullptr : GetParent(m_hwnd);
    if (parent != nullptr) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return ToRect(rect);
}

Point Win32View::ClientSize() const {
    RECT client{};
    if (m_hwnd != nullptr) GetClientRect(m_hwnd, &client);
    return Point{client.right, client.bottom};
}

void Win32View::SetTitle(std::wstring_view title) {
    if (m_hwnd != nullptr) SetWindowTextW(m_hwnd, std::wstring(title).c_str());
}

void Win32View::SetBackground(uint32_t colour) {
    if (m_background != nullptr) DeleteObject(m_background);
    m_backColour = static_cast<COLORREF>(colour);
    m_background = CreateSolidBrush(m_backColour);
    Invalidate();
}

void Win32View::SetTextColour(uint32_t colour) {
    m_textColour = static_cast<COLORREF>(colour);
    Invalidate();
}

void Win32View::SetRoundedCorners(int ellipseWidth, int ellipseHeight) {
    m_corner = SIZE{ellipseWidth, ellipseHeight};
    if (m_hwnd == nullptr) return;
    if (ellipseWidth <= 0 && ellipseHeight <= 0) {
        SetWindowRgn(m_hwnd, nullptr, TRUE);
    } else {
        OnSize();
    }
}

void Win32View::SetShadow(bool shadow) {
    if (!shadow || m_hwnd == nullptr) {
        m_shadow.reset();
    } else if (!m_shadow && m_popup) {
        m_shadow = std::make_unique<ShadowWindow>(m_hwnd);
    }
}

void Win32View::Invalidate() {
    InvalidateShown(m_hwnd);
}

void Win32View::Post(uint32_t message, intptr_t wParam, intptr_t lParam) {
    if (m_hwnd != nullptr) {
        PostMessageW(m_hwnd, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }
}

// Also before the run starts (a pop-up that ends in its initialisation): the run then returns at
// once.
void Win32View::EndModal(int result) {
    m_modalResult = result;
    if (m_inModal && m_hwnd != nullptr) PostMessageW(m_hwnd, WM_NULL, 0, 0);  // wakes the loop
}

bool Win32View::IsOwnEscape(const MSG& msg) const {
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR;
    return key && msg.wParam == VK_ESCAPE && m_hwnd != nullptr &&
           (msg.hwnd == m_hwnd || IsChild(m_hwnd, msg.hwnd));
}

// The owner is disabled for the run, as a platform modal dialog does; WM_QUIT is passed on.
int Win32View::RunModal() {
    if (m_hwnd == nullptr) return 0;
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    m_inModal = true;
    ShowWindow(true);
    MSG msg{};
    while (!m_modalResult) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsOwnEscape(msg)) continue;  // Escape never ends a run: it would drop the user's edits
        if (m_hwnd != nullptr && IsDialogMessageW(m_hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    m_inModal = false;
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    ShowWindow(false);
    if (owner != nullptr) SetActiveWindow(owner);
    return m_modalResult.value_or(kCancelId);
}

// ---- controls ------------------------------------------------------------------------------

bool Win32View::AddControl(const ControlDecl& decl) {
    return CreateControl(decl);
}

void Win32View::RemoveControl(int id) {
    HWND control = Item(id);
    if (control != nullptr) DestroyWindow(control);
    m_controls.erase(id);
    if (m_tips && Caption(id) != nullptr) m_tips->MoveAreaTip(id, RECT{});
    m_captions.Remove(id);
    m_frameOf.clear();
}

// Rules enable and disable whole rows over and over; a control already so is left alone (the
// platform would still cancel its modes and, under wine, ask the window server).
void Win32View::Enable(int id, bool enable) {
    if (Caption(id) != nullptr) m_captions.Enable(id, enable);
    HWND control = Item(id);
    if (control != nullptr && (IsWindowEnabled(control) != FALSE) != enable)
        EnableWindow(control, enable ? TRUE : FALSE);
}

bool Win32View::IsEnabled(int id) const {
    if (const DrawnCaptions::Caption* caption = Caption(id)) return caption->enabled;
    HWND control = Item(id);
    return control != nullptr && IsWindowEnabled(control) != FALSE;
}

void Win32View::Show(int id, bool show) {
    if (const DrawnCaptions::Caption* caption = Caption(id)) {
        if (caption->visible == show) return;
        m_captions.Show(id, show);
        if (caption->frame) m_frameOf.clear();
        FollowTip(id);
        return;
    }
    HWND control = Item(id);
    if (control == nullptr) return;
    ::ShowWindow(control, show ? SW_SHOW : SW_HIDE);
    m_frameOf.clear();
}

// The control's own visibility, whatever its dialog's.
bool Win32View::IsVisible(int id) const {
    if (const DrawnCaptions::Caption* caption = Caption(id)) return caption->visible;
    HWND control = Item(id);
    return control != nullptr && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32View::SetFocus(int id) {
    HWND target = id == 0 ? m_hwnd : Item(id);
    if (target != nullptr) ::SetFocus(target);
}

int Win32View::FocusedId() const {
    HWND focus = GetFocus();
    while (focus != nullptr && m_hwnd != nullptr && GetParent(focus) != m_hwnd) {
        focus = GetParent(focus);
    }
    return focus != nullptr && m_hwnd != nullptr ? GetDlgCtrlID(focus) : 0;
}

void Win32View::Move(int id, const Rect& rect) {
    if (const DrawnCaptions::Caption* caption = Caption(id)) {
        if (GetRect(id) == rect) return;
        const PhaseClock::Scope phase(Phase::kLayout);
        m_captions.Move(id, ToRECT(rect));
        if (caption->frame) m_frameOf.clear();
        FollowTip(id);
        return;
    }
    HWND control = Item(id);
    if (control == nullptr || GetRect(id) == rect) return;
    const PhaseClock::Scope phase(Phase::kLayout);
    m_frameOf.clear();
    const RECT place = ToRECT(rect);
    ChangeQuietly(control, [&] {
        ::MoveWindow(control, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, TRUE);
    });
}

Rect Win32View::GetRect(int id) const {
    if (const DrawnCaptions::Caption* caption = Caption(id)) return ToRect(caption->place);
    HWND control = Item(id);
    if (control == nullptr) return {};
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&rect), 2);
    return ToRect(rect);
}

void Win32View::SetFont(int id, const FontSpec& font) {
    const PhaseClock::Scope phase(Phase::kFonts);
    HFONT handle = GdiCache::Instance().Font(font);
    if (id != 0) {
        m_captions.SetFont(id, handle);
        FollowTip(id);
        SendTo(id, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
        return;
    }
    m_font = handle;
    m_captions.SetFonts(handle);
    for (const auto& [controlId, state] : m_controls) {
        SendTo(controlId, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    }
}

void Win32View::SetToolTip(int id, std::wstring_view text) {
    const PhaseClock::Scope phase(Phase::kTooltips);
    if (!m_tips) return;
    if (Caption(id) != nullptr) {
        m_tips->SetAreaTip(id, m_captions.TipArea(id), text);
    } else {
        m_tips->SetToolTip(Item(id), text);
    }
}

// A drawn caption's tip covers what it shows, which moves with its place, text and font.
void Win32View::FollowTip(int id) {
    if (m_tips && Caption(id) != nullptr) m_tips->MoveAreaTip(id, m_captions.TipArea(id));
}

void Win32View::CloseToolTip(int /*id*/) {
    if (m_tips) m_tips->CloseToolTip();
}

// A plain check box looks only as the platform draws its state, which it redraws on every change
// of it, and as its mark's colour, which redraws it when set; drawing it again for nothing is a
// paint of its own, with the visual style's round trips under wine.
void Win32View::Redraw(int id) {
    m_captions.Redraw(id);
    const ControlState* state = StateOf(id);
    if (state != nullptr && state->kind == ControlKind::CheckBox && !state->skin) return;
    InvalidateShown(Item(id));
}

// ---- text ----------------------------------------------------------------------------------

std::wstring Win32View::GetText(int id) const {
    if (const DrawnCaptions::Caption* caption = Caption(id)) return caption->text;
    return WindowText(Item(id));
}

// A caption (button, drawn label or frame) repaints on every set, and pages set many to what they
// already show; an edit is always set, as its change notice belongs to every set.
void Win32View::SetText(int id, std::wstring_view text) {
    m_captions.SetText(id, text);
    FollowTip(id);
    const ControlState* state = StateOf(id);
    HWND control = Item(id);
    if (control == nullptr) return;
    const bool edit = state->kind == ControlKind::Edit;
    if (!edit && state->kind != ControlKind::ComboBox && WindowText(control) == text) return;
    ChangeQuietly(control, [&] { SetWindowTextW(control, std::wstring(text).c_str()); });
    if (edit) SendMessageW(control, EM_SETMODIFY, FALSE, 0);  // program text is not the user's
}

void Win32View::InsertText(int id, int at, std::wstring_view text) {
    const ControlState* state = StateOf(id);
    HWND control = Item(id);
    if (control == nullptr || state->kind != ControlKind::Edit) return;
    const int place = at < 0 ? GetWindowTextLengthW(control) : at;
    ChangeQuietly(control, [&] {
        SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(place), place);
        SendMessageW(control, EM_REPLACESEL, FALSE,
                     reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
    });
    SendMessageW(control, EM_SETMODIFY, FALSE, 0);  // program text is not the user's
}

void Win32View::SetTextLimit(int id, int limit) {
    SendTo(id, EM_SETLIMITTEXT, limit, 0);
}

void Win32View::SetReadOnly(int id, bool readOnly) {
    SendTo(id, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool Win32View::IsModified(int id) const {
    HWND control = Item(id);
    return control != nullptr && SendMessageW(control, EM_GETMODIFY, 0, 0) != 0;
}

void Win32View::SelectText(int id, int start, int end) {
    HWND control = Item(id);
    if (control == nullptr) return;
    const int last = end < 0 ? GetWindowTextLengthW(control) : end;
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(start), last);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

void Win32View::ShowBalloon(int id, std::wstring_view title, std::wstring_view text,
                            BalloonIcon icon) {
    if (m_tips) m_tips->ShowBalloon(Item(id), title, text, icon);
}

// ---- check boxes and skinned buttons ---------------------------------------------------------

int Win32View::GetCheck(int id) const {
    return static_cast<int>(SendTo(id, BM_GETCHECK, 0, 0));
}

// Checking an automatic radio makes the platform look for its group by walking the dialog's
// controls several times over (under wine a round trip to the window server a step). A set
// changes this button alone, as everywhere else; its row sets the others. The check is made while
// the button is a plain radio, and it keeps the tab stop a checked radio gets.
void Win32View::SetCheck(int id, int state) {
    const ControlState* control = StateOf(id);
    if (control == nullptr || control->hwnd == nullptr) return;
    if (control->kind != ControlKind::Radio || state != BST_CHECKED) {
        SendMessageW(control->hwnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
        return;
    }
    const auto style = GetWindowLongPtrW(control->hwnd, GWL_STYLE);
    SetWindowLongPtrW(control->hwnd, GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | BS_RADIOBUTTON);
    SendMessageW(control->hwnd, BM_SETCHECK, BST_CHECKED, 0);
    SetWindowLongPtrW(control->hwnd, GWL_STYLE, style | WS_TABSTOP);
}

void Win32View::SetButtonImages(int id, std::wstring_view normal, std::wstring_view hover,
                                std::wstring_view pressed, std::wstring_view disabled) {
    auto it = m_controls.find(id);
    if (it == m_controls.end() || !it->second.skin) return;
    const PhaseClock::Scope phase(Phase::kImages);
    it->second.skin->Load({normal, hover, pressed, disabled});
    Redraw(id);
}

void Win32View::SetButtonTextColours(int id, uint32_t normal, uint32_t hover) {
    ControlState* state = StateOf(id, ControlKind::Button);
    if (state == nullptr || !state->skin) return;
    state->skin->SetTextColours(normal, hover);
    Redraw(id);
}

void Win32View::SetCheckMarkColour(int id, uint32_t colour) {
    if (ControlState* state = StateOf(id, ControlKind::CheckBox)) {
        state->checkMark = colour;
        InvalidateShown(state->hwnd);
    }
}

void Win32View::SetGroupColours(int id, const GroupColours& colours) {
    m_captions.SetColours(id, colours);
}

// ---- drop-down lists -----------------------------------------------------------------------

void Win32View::ClearEntries(int id) {
    SendTo(id, CB_RESETCONTENT, 0, 0);
}

int Win32View::AddEntry(int id, std::wstring_view text, uint32_t data) {
    if (Item(id) == nullptr) return -1;
    const std::wstring entry(text);
    const auto index = SendTo(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (index < 0) return -1;
    SendTo(id, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    return static_cast<int>(index);
}

int Win32View::EntryCount(int id) const {
    return Item(id) != nullptr ? static_cast<int>(SendTo(id, CB_GETCOUNT, 0, 0)) : 0;
}

uint32_t Win32View::EntryData(int id, int index) const {
    if (index < 0 || index >= EntryCount(id)) return 0;
    return static_cast<uint32_t>(SendTo(id, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

std::wstring Win32View::EntryText(int id, int index) const {
    if (index < 0 || index >= EntryCount(id)) return {};
    const auto length = SendTo(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendTo(id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int Win32View::GetSel(int id) const {
    if (Item(id) == nullptr) return -1;
    const auto sel = SendTo(id, CB_GETCURSEL, 0, 0);
    return sel < 0 ? -1 : static_cast<int>(sel);
}

void Win32View::SetSel(int id, int index) {
    SendTo(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- time pickers and up-downs -------------------------------------------------------------

void Win32View::SetTimeFormat(int id, std::wstring_view format) {
    const std::wstring text(format);
    SendTo(id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

DateTime Win32View::GetTime(int id) const {
    SYSTEMTIME st{};
    if (SendTo(id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return {};
    return DateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

void Win32View::SetTime(int id, const DateTime& time) {
    SYSTEMTIME st = ToSystemTime(time);
    SendTo(id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

void Win32View::SetSpinRange(int id, int low, int high) {
    SendTo(id, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

// ---- list views ----------------------------------------------------------------------------

int Win32View::InsertColumn(int id, int index, std::wstring_view title, int width) {
    return ListOf(id).InsertColumn(index, title, width);
}

int Win32View::ColumnCount(int id) const {
    return ListOf(id).ColumnCount();
}

int Win32View::ColumnWidth(int id, int col) const {
    return ListOf(id).ColumnWidth(col);
}

int Win32View::InsertRow(int id, int index, std::wstring_view text) {
    return ListOf(id).InsertRow(index, text);
}

void Win32View::DeleteAllRows(int id) {
    ListOf(id).DeleteAllRows();
}

int Win32View::RowCount(int id) const {
    return ListOf(id).RowCount();
}

std::wstring Win32View::GetCellText(int id, int row, int col) const {
    return ListOf(id).CellText(row, col);
}

void Win32View::SetCellText(int id, int row, int col, std::wstring_view text) {
    ListOf(id).SetCellText(row, col, text);
}

uintptr_t Win32View::GetRowData(int id, int row) const {
    return ListOf(id).RowData(row);
}

void Win32View::SetRowData(int id, int row, uintptr_t data) {
    ListOf(id).SetRowData(row, data);
}

bool Win32View::GetRowCheck(int id, int row) const {
    return ListOf(id).RowCheck(row);
}

void Win32View::SetRowCheck(int id, int row, bool checked) {
    ListOf(id).SetRowCheck(row, checked);
}

bool Win32View::IsRowSelected(int id, int row) const {
    return ListOf(id).IsRowSelected(row);
}

void Win32View::SelectRow(int id, int row, bool selected) {
    ListOf(id).SelectRow(row, selected);
}

void Win32View::SetHeaderCheck(int id, bool checked) {
    ListOf(id).SetHeaderCheck(checked);
}

void Win32View::SortRows(int id, const std::function<int(uintptr_t, uintptr_t)>& compare) {
    ListOf(id).SortRows(compare);
}

bool Win32View::CellUnderPointer(int id, int* row, int* col) const {
    return ListOf(id).CellUnderPointer(row, col);
}

void Win32View::SetListColours(int id, const ListColours& colours) {
    if (ControlState* state = StateOf(id, ControlKind::ListView)) state->list->SetColours(colours);
}

void Win32View::SetRowTextColours(int id, RowTextColourFn colourOf) {
    if (ControlState* state = StateOf(id, ControlKind::ListView)) {
        state->list->SetRowTextColours(std::move(colourOf));
        Redraw(id);
    }
}

void Win32View::SetSortArrow(int id, int col, bool ascending) {
    ListOf(id).SetSortArrow(col, ascending);
}

void Win32View::SetHorzScrollBar(int id, bool allowed) {
    if (ControlState* state = StateOf(id, ControlKind::ListView)) {
        state->list->SetHorzScrollBar(allowed);
    }
}

}  // namespace mdvr::ui::win32
