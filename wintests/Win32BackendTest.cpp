// Builds a dialog with every control kind through the Win32 backend inside a top-level window
// and drives the real controls the way automation does (GetDlgItem, SendMessage, BM_CLICK, ...).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Check.h"
#include "HostWindow.h"
#include "RecordingDialog.h"
#include "ui/IBackend.h"
#include "ui/win32/ImageBitmap.h"
#include "ui/win32/SubclassChain.h"

namespace mdvr::wintest {
namespace {

using ui::ControlKind;
using ui::Event;

enum : int { kLabel = 1001, kButton, kAutoCheck, kManualCheck, kRadio, kGroup, kDigits };
enum : int { kPlain = kDigits + 1, kCombo, kTime, kSpin, kSpinBuddy, kList, kSkinned, kUpper };
enum : int { kRadioTwo = kUpper + 1 };
constexpr uint32_t kPrivateMessage = 0x1400;
constexpr uint32_t kListStyle = ui::kStyleListCheckBoxes | ui::kStyleListFullRowSelect;

constexpr std::array<ui::ControlDecl, 15> kControls{{
    {kLabel, ControlKind::Static, {0, L"Label"}, ui::kStyleBlueText, {10, 10, 100, 20}},
    {kButton, ControlKind::Button, {0, L"Button"}, 0, {10, 40, 80, 24}},
    {kAutoCheck, ControlKind::CheckBox, {0, L"Auto"}, 0, {10, 70, 80, 20}},
    {kManualCheck, ControlKind::CheckBox, {0, L"Manual"}, ui::kStyleManualCheck, {10, 95, 80, 20}},
    {kRadio, ControlKind::Radio, {0, L"Radio"}, 0, {10, 120, 80, 20}},
    {kGroup, ControlKind::GroupBox, {0, L"Group"}, 0, {5, 150, 200, 100}},
    {kDigits, ControlKind::Edit, {}, ui::kStyleDigitsOnly, {200, 10, 100, 22}, 5},
    {kPlain, ControlKind::Edit, {}, 0, {200, 40, 100, 22}},
    {kCombo, ControlKind::ComboBox, {}, 0, {200, 70, 100, 22}},
    {kTime, ControlKind::TimePicker, {}, 0, {200, 100, 100, 22}},
    {kSpin, ControlKind::UpDown, {}, 0, {280, 130, 18, 22}, 0, kSpinBuddy},
    {kSpinBuddy, ControlKind::Edit, {}, ui::kStyleDigitsOnly, {200, 130, 80, 22}},
    {kList, ControlKind::ListView, {}, kListStyle, {320, 10, 300, 200}},
    {kSkinned, ControlKind::Button, {0, L"Skinned"}, ui::kStyleSkinned, {10, 260, 80, 24}},
    {kUpper, ControlKind::Edit, {}, ui::kStyleUpperCase, {200, 160, 100, 22}},
}};

// The events one control reported, in order.
std::vector<Event> EventsOf(RecordingDialog& dialog, int id) {
    std::vector<Event> events;
    for (const ui::Notification& n : dialog.Take()) {
        if (n.id == id) events.push_back(n.event);
    }
    return events;
}

void TestControlsCarryTheirIds(HWND dialog) {
    struct Row {
        int id;
        const wchar_t* className;
    };
    constexpr std::array<Row, 5> kRows{{{kButton, L"Button"},
                                        {kDigits, L"Edit"},
                                        {kCombo, L"ComboBox"},
                                        {kTime, L"SysDateTimePick32"},
                                        {kList, L"SysListView32"}}};
    // Labels and frames are drawn by the dialog: they have no window.
    for (const ui::ControlDecl& decl : kControls) {
        const bool drawn = decl.kind == ControlKind::Static || decl.kind == ControlKind::GroupBox;
        CHECK((GetDlgItem(dialog, decl.id) == nullptr) == drawn);
    }
    for (const Row& row : kRows) {
        CHECK(lstrcmpiW(ClassOf(GetDlgItem(dialog, row.id)).c_str(), row.className) == 0);
    }
    CHECK(ui::Backend().Dpi() >= 96);
}

void TestSetTextNotifies(RecordingDialog& dialog, HWND hwnd) {
    dialog.Take();
    SendMessageW(GetDlgItem(hwnd, kPlain), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    CHECK(EventsOf(dialog, kPlain) == std::vector<Event>{Event::TextChange});
    CHECK_TEXT(dialog.View().GetText(kPlain), L"abc");
    dialog.View().SetText(kPlain, L"abc");  // the same text set again is still a change
    CHECK(EventsOf(dialog, kPlain) == std::vector<Event>{Event::TextChange});
    dialog.View().SetText(kLabel, L"Changed");  // statics report nothing
    CHECK(EventsOf(dialog, kLabel).empty());
}

void TestCheckBoxClicks(RecordingDialog& dialog, HWND hwnd) {
    const std::pair<int, int> rows[] = {{kAutoCheck, BST_CHECKED}, {kManualCheck, BST_UNCHECKED}};
    for (const auto& [id, checkAfter] : rows) {
        dialog.Take();
        SendMessageW(GetDlgItem(hwnd, id), BM_CLICK, 0, 0);
        std::vector<Event> events = EventsOf(dialog, id);
        std::erase_if(events, [](Event e) {
            return e == Event::SetFocus || e == Event::KillFocus || e == Event::MouseMove;
        });
        CHECK(events == (std::vector{Event::MouseDown, Event::MouseUp, Event::Click}));
        CHECK(dialog.View().GetCheck(id) == checkAfter);
    }
}

void TestComboAndTime(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    CHECK(view.AddEntry(kCombo, L"first", 10) == 0);
    CHECK(view.AddEntry(kCombo, L"second", 0xFFFFFFF0u) == 1);
    dialog.Take();
    HWND combo = GetDlgItem(hwnd, kCombo);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    CHECK(EventsOf(dialog, kCombo).empty());  // setting the selection notifies nothing
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    CHECK(EventsOf(dialog, kCombo) == std::vector<Event>{Event::SelChange});
    CHECK(view.GetSel(kCombo) == 1);
    CHECK(view.EntryData(kCombo, 1) == 0xFFFFFFF0u);
    CHECK_TEXT(view.EntryText(kCombo, 0), L"first");
    CHECK(view.EntryData(kCombo, 5) == 0);
    const ui::DateTime time{2024, 2, 29, 23, 59, 0};
    view.SetTimeFormat(kTime, L"HH : mm");
    view.SetTime(kTime, time);
    CHECK(view.GetTime(kTime) == time);
}

void Type(HWND edit, std::wstring_view text, UINT msg = WM_CHAR) {
    for (wchar_t c : text) SendMessageW(edit, msg, c, 1);
}

// Typed and IME characters pass the edit's own filters; a paste passes none but the limit.
void TestTextInput(RecordingDialog& dialog, HWND hwnd) {
    struct Row {
        int id;
        UINT msg;  // WM_PASTE pastes input from the clipboard
        const wchar_t* input;
        const wchar_t* text;
        std::vector<Event> events;  // empty: not checked
    };
    const Row rows[] = {
        {kDigits, WM_CHAR, L"1a2b3456", L"12345", {}},  // digits, limit 5
        {kUpper, WM_CHAR, L"ab1", L"AB1", {}},
        {kPlain, WM_CHAR, L"x y", L"x y", {}},
        {kPlain, WM_IME_CHAR, L"q", L"q", {Event::ImeChar, Event::Char, Event::TextChange}},
        {kDigits, WM_PASTE, L"12ab", L"12ab", {Event::Pasted, Event::TextChange}},
    };
    for (const Row& row : rows) {
        dialog.View().SetText(row.id, L"");
        CHECK(!dialog.View().IsModified(row.id));
        dialog.Take();
        HWND edit = GetDlgItem(hwnd, row.id);
        if (row.msg == WM_PASTE) {
            ui::Backend().SetClipboardText(row.input);
            SendMessageW(edit, WM_PASTE, 0, 0);
        } else {
            Type(edit, row.input, row.msg);
        }
        CHECK_TEXT(dialog.View().GetText(row.id), row.text);
        CHECK(row.events.empty() || EventsOf(dialog, row.id) == row.events);
        CHECK(dialog.View().IsModified(row.id));  // the user's text, until the program sets one
    }
    // Consumed characters get no default handling.
    dialog.View().SetText(kPlain, L"");
    dialog.ConsumeWhen([](const ui::Notification& n) {
        return (n.event == Event::Char && n.key == L'#') || n.event == Event::ImeChar;
    });
    Type(GetDlgItem(hwnd, kPlain), L"a#b");
    Type(GetDlgItem(hwnd, kPlain), L"r", WM_IME_CHAR);
    CHECK_TEXT(dialog.View().GetText(kPlain), L"ab");
    dialog.ConsumeWhen(nullptr);
}

void TestSpin(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    view.SetSpinRange(kSpin, 0, 10);
    view.SetText(kSpinBuddy, L"5");
    dialog.Take();
    HWND spin = GetDlgItem(hwnd, kSpin);
    SendMessageW(spin, WM_KEYDOWN, VK_UP, 0);
    std::vector<ui::Notification> seen = dialog.Take();
    std::erase_if(seen, [](const ui::Notification& n) { return n.event == Event::KeyDown; });
    CHECK(!seen.empty() && seen.front().event == Event::Spin && seen.front().delta == 1);
    CHECK(seen.size() == 2 && seen.back().id == kSpinBuddy &&
          seen.back().event == Event::TextChange);
    CHECK_TEXT(view.GetText(kSpinBuddy), L"6");
    dialog.ConsumeWhen([](const ui::Notification& n) { return n.event == Event::Spin; });
    SendMessageW(spin, WM_KEYDOWN, VK_UP, 0);
    CHECK_TEXT(view.GetText(kSpinBuddy), L"6");  // a consumed step is cancelled
    dialog.ConsumeWhen(nullptr);
}

void TestListRowsChecksAndSort(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    CHECK(view.InsertColumn(kList, 0, L"Name", 100) == 0);
    CHECK(view.InsertColumn(kList, 1, L"Value", 80) == 1);
    const std::pair<const wchar_t*, uintptr_t> rows[] = {
        {L"c", 3}, {L"a1", 1}, {L"b", 2}, {L"a2", 1}};
    for (const auto& [name, data] : rows) {
        const int row = view.InsertRow(kList, -1, name);
        view.SetRowData(kList, row, data);
        view.SetCellText(kList, row, 1, std::to_wstring(data));
    }
    CHECK(view.RowCount(kList) == 4 && view.ColumnCount(kList) == 2);
    CHECK(view.ColumnWidth(kList, 0) == 100);
    HWND list = GetDlgItem(hwnd, kList);
    ListView_SetCheckState(list, 1, TRUE);
    CHECK(view.GetRowCheck(kList, 1) && !view.GetRowCheck(kList, 0));
    view.SetRowCheck(kList, 2, true);
    CHECK(ListView_GetCheckState(list, 2) != FALSE);
    view.SelectRow(kList, 3, true);
    CHECK(view.IsRowSelected(kList, 3) && !view.IsRowSelected(kList, 0));
    view.SortRows(kList, [](uintptr_t a, uintptr_t b) { return a < b ? -1 : (a > b ? 1 : 0); });
    const std::array<const wchar_t*, 4> sorted{L"a1", L"a2", L"b", L"c"};  // equal data keep order
    for (int row = 0; row < 4; ++row) CHECK_TEXT(view.GetCellText(kList, row, 0), sorted[row]);
    CHECK(view.GetRowData(kList, 0) == 1 && view.GetRowData(kList, 3) == 3);
    CHECK(view.GetRowCheck(kList, 0) && view.GetRowCheck(kList, 2));  // checks move with rows
    CHECK_TEXT(view.GetCellText(kList, 9, 0), L"");
}

// This process's tooltip windows.
// The balloon is a tooltip window of this thread (wine lacks the edit's own balloon).
void TestBalloonShows(RecordingDialog& dialog, HWND) {
    dialog.View().ShowBalloon(kDigits, L"Title", L"Out of range 0~127", ui::BalloonIcon::Error);
    const std::vector<HWND> tips = Tooltips();
    CHECK(std::any_of(tips.begin(), tips.end(), [](HWND tip) { return IsWindowVisible(tip); }));
    dialog.View().SetToolTip(kButton, L"tip");
    dialog.View().CloseToolTip(kButton);
}

void TestPostedMessagesInOrder(RecordingDialog& dialog, HWND) {
    dialog.Take();
    dialog.View().Post(kPrivateMessage, 1, 10);
    dialog.View().Post(kPrivateMessage + 1, 2, 20);
    Pump();
    std::vector<std::array<intptr_t, 3>> seen;
    for (const ui::Notification& n : dialog.Take()) {
        if (n.event != Event::Message) continue;
        seen.push_back({static_cast<intptr_t>(n.message), n.wParam, n.lParam});
    }
    CHECK(seen == (std::vector<std::array<intptr_t, 3>>{{kPrivateMessage, 1, 10},
                                                        {kPrivateMessage + 1, 2, 20}}));
}

// Focusing the dialog itself brings the keyboard into it (the platform passes it on to a
// control of the dialog); a control losing it reports that before the next one gains it.
void TestFocus(RecordingDialog& dialog, HWND hwnd) {
    SetFocus(GetAncestor(hwnd, GA_ROOT));
    dialog.View().SetFocus(0);
    CHECK(GetFocus() == hwnd || IsChild(hwnd, GetFocus()));
    dialog.View().SetFocus(kPlain);
    dialog.Take();
    dialog.View().SetFocus(kUpper);
    std::vector<std::pair<int, Event>> seen;
    for (const ui::Notification& n : dialog.Take()) seen.emplace_back(n.id, n.event);
    CHECK(seen.size() >= 2 && seen[0] == std::pair(int{kPlain}, Event::KillFocus) &&
          seen[1] == std::pair(int{kUpper}, Event::SetFocus));
    CHECK(dialog.View().FocusedId() == kUpper);
}

void TestDisabledAndHidden(RecordingDialog& dialog, HWND) {
    ui::IView& view = dialog.View();
    view.Enable(kButton, false);
    view.Show(kRadio, false);
    CHECK(!view.IsEnabled(kButton) && view.IsEnabled(kPlain));
    CHECK(!view.IsVisible(kRadio) && view.IsVisible(kPlain));
    CHECK(!view.Has(4242) && view.GetText(4242).empty() && view.GetSel(4242) == -1);
    CHECK(view.InsertRow(kPlain, -1, L"row") == -1 && view.RowCount(kPlain) == 0);
    const ui::Rect rect = view.GetRect(kButton);
    CHECK(rect.w == 80 && rect.h == 24);
}

// A 1x1 24-bit bottom-up BMP: the decoder path of the skinned buttons' theme images.
constexpr std::array<uint8_t, 58> kTinyBmp{
    'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0,   24,
    0,   0,   0,  0, 0, 4, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0};

void TestImageDecoding() {
    CHECK(ui::win32::ImageBitmap::FromBytes(kTinyBmp).HasPic());
    const std::array<uint8_t, 8> garbage{1, 2, 3, 4, 5, 6, 7, 8};
    CHECK(!ui::win32::ImageBitmap::FromBytes(garbage).HasPic());
    CHECK(ui::win32::ImageBitmap::FromFile(L"no-such-image.png") == nullptr);
}

class CaptionPopup : public RecordingDialog {
  public:
    using RecordingDialog::RecordingDialog;
    ui::HitZone HitTest(ui::Point p) override {
        return p.y < 30 ? ui::HitZone::Caption : ui::HitZone::Client;
    }
};

// The pop-up asks its dialog how the mouse treats a point (the title strip drags it).
void TestPopupHitTest(RecordingDialog& owner, HWND) {
    CaptionPopup popup(ui::DialogDecl{501, {0, L"Popup"}, 200, 100, {}, true});
    CHECK(popup.Create(&owner));
    HWND hwnd = static_cast<HWND>(popup.View().NativeHandle());
    for (const auto& [y, zone] : {std::pair{10, HTCAPTION}, std::pair{60, HTCLIENT}}) {
        POINT point{10, y};
        ClientToScreen(hwnd, &point);
        CHECK(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) == zone);
    }
}

RecordingDialog* g_modal = nullptr;

void CALLBACK EndStuckModal(HWND, UINT, UINT_PTR, DWORD) {
    if (g_modal != nullptr) g_modal->EndDialog(-1);
}

// How a modal run ends: a posted message ends it with its wParam, Escape in an edit is
// swallowed, and a pop-up ended before its run starts returns at once. A stuck run ends with -1.
void TestModalRuns(RecordingDialog& owner, HWND) {
    enum class Start { Post, EscapeThenPost, EndAtOnce };
    struct Starter : ui::IControlBehavior {
        explicit Starter(Start s) : start(s) {}
        void OnAttached(ui::IView& view, int id) override {
            if (start == Start::EndAtOnce) return view.EndModal(3);
            if (start == Start::EscapeThenPost) {
                HWND edit = GetDlgItem(static_cast<HWND>(view.NativeHandle()), id);
                PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
                PostMessageW(edit, WM_CHAR, VK_ESCAPE, 1);
                PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            }
            view.Post(kPrivateMessage, 7, 0);
        }
        bool OnInput(ui::IView&, const ui::Notification&) override { return false; }
        Start start;
    };
    constexpr std::array<ui::ControlDecl, 2> kPopupControls{
        {{2001, ControlKind::Button, {0, L"OK"}, 0, {10, 10, 60, 24}},
         {2002, ControlKind::Edit, {}, 0, {10, 40, 60, 20}}}};
    const std::pair<Start, int> cases[] = {
        {Start::Post, 7}, {Start::EscapeThenPost, 7}, {Start::EndAtOnce, 3}};
    for (const auto& [start, result] : cases) {
        RecordingDialog popup(ui::DialogDecl{500, {0, L"Popup"}, 200, 100, kPopupControls, true});
        popup.EndOnMessage(kPrivateMessage);
        Starter starter(start);
        popup.Attach(2002, starter);
        g_modal = &popup;
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, EndStuckModal);
        CHECK(popup.DoModal(&owner) == result);
        KillTimer(nullptr, guard);
        g_modal = nullptr;
        CHECK(
            IsWindowEnabled(GetAncestor(static_cast<HWND>(owner.View().NativeHandle()), GA_ROOT)));
    }
}

// A radio set by the program changes alone (its row sets the others) and stays an automatic radio
// with the tab stop of a checked one: a click still clears the rest of its group.
void TestRadioChecks(RecordingDialog&, HWND dialog) {
    HWND host = GetAncestor(dialog, GA_ROOT);
    constexpr std::array<ui::ControlDecl, 2> kRadios{{
        {kRadio, ControlKind::Radio, {0, L"One"}, ui::kStyleGroupStart, {10, 10, 80, 20}},
        {kRadioTwo, ControlKind::Radio, {0, L"Two"}, 0, {100, 10, 80, 20}},
    }};
    RecordingDialog page(ui::DialogDecl{604, {}, 300, 100, kRadios});
    CHECK(page.CreateInNative(host));
    ui::IView& view = page.View();
    HWND one = GetDlgItem(static_cast<HWND>(view.NativeHandle()), kRadio);
    view.SetCheck(kRadioTwo, 1);
    view.SetCheck(kRadio, 1);
    CHECK(view.GetCheck(kRadio) == 1 && view.GetCheck(kRadioTwo) == 1);
    const auto style = GetWindowLongPtrW(one, GWL_STYLE);
    CHECK((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && (style & WS_TABSTOP) != 0);
    view.SetCheck(kRadio, 0);
    SendMessageW(one, BM_CLICK, 0, 0);
    CHECK(view.GetCheck(kRadio) == 1 && view.GetCheck(kRadioTwo) == 0);
}

// A page hidden and shown by its frame: the focus leaves with it, and shown it is painted at the
// next paint.
void TestChildShownAndHidden(RecordingDialog&, HWND dialog) {
    HWND host = GetAncestor(dialog, GA_ROOT);
    RecordingDialog page(ui::DialogDecl{601, {}, 300, 200, kControls});
    CHECK(page.CreateInNative(host));
    HWND hwnd = static_cast<HWND>(page.View().NativeHandle());
    page.View().SetFocus(kPlain);
    page.View().ShowWindow(false);
    CHECK(!IsWindowVisible(hwnd));
    CHECK(GetFocus() != GetDlgItem(hwnd, kPlain));
    page.View().ShowWindow(true);
    CHECK(IsWindowVisible(hwnd) && GetUpdateRect(GetDlgItem(hwnd, kPlain), nullptr, FALSE));
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CHECK(!GetUpdateRect(GetDlgItem(hwnd, kPlain), nullptr, FALSE));
}

// The dialogs of one top-level window share its hover tooltip, which goes with the last of them;
// a view outlives the window it was in.
void TestPagesInOneHost(HWND host) {
    const size_t before = Tooltips().size();
    {
        RecordingDialog first(ui::DialogDecl{602, {}, 300, 200, kControls});
        RecordingDialog second(ui::DialogDecl{603, {}, 300, 200, kControls});
        CHECK(first.CreateInNative(host) && second.CreateInNative(host));
        first.View().SetToolTip(kButton, L"one");
        second.View().SetToolTip(kButton, L"two");
        CHECK(Tooltips().size() == before + 1);
        first.Destroy();
        CHECK(Tooltips().size() == before + 1);
    }
    CHECK(Tooltips().size() == before);
    RecordingDialog child(ui::DialogDecl{600, {}, 300, 200, kControls});
    CHECK(child.CreateInNative(host) && child.View().Has(kPlain));
    DestroyWindow(host);
    CHECK(child.View().NativeHandle() == nullptr && !child.View().Has(kPlain));
    child.View().SetText(kPlain, L"ignored");
    CHECK_TEXT(child.View().GetText(kPlain), L"");
}

ui::Rect RealRect(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool Same(const ui::Rect& a, const ui::Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Run-time geometry is the windows' own, in device pixels, whatever the screen's DPI.
void TestRunTimeGeometryIsDevicePixels(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    const ui::Rect declared = view.GetRect(kButton);
    const ui::Rect moved{13, 17, 91, 29};
    view.Move(kButton, moved);
    CHECK(Same(view.GetRect(kButton), moved) && Same(RealRect(hwnd, kButton), moved));
    view.Move(kButton, declared);
    RECT client{};
    GetClientRect(hwnd, &client);
    CHECK(view.ClientSize().x == client.right && view.ClientSize().y == client.bottom);
    const int col = view.InsertColumn(kList, view.ColumnCount(kList), L"Wide", 123);
    CHECK(view.ColumnWidth(kList, col) == 123);
    CHECK(ListView_GetColumnWidth(GetDlgItem(hwnd, kList), col) == 123);
    view.SetFont(kPlain, ui::FontSpec{L"Tahoma", 23, 700});
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(hwnd, kPlain), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    CHECK(font.lfHeight == -23 && font.lfWeight == 700);
    const ui::Rect window = view.WindowRect();
    view.MoveWindow({window.x + 3, window.y + 4, window.w, window.h});
    CHECK(view.WindowRect().x == window.x + 3 && view.WindowRect().y == window.y + 4);
    view.MoveWindow(window);
}

// One custom-draw stage of one item of from, as its dialog is asked it, painting into dc.
LRESULT CustomDraw(HWND to, HWND from, DWORD stage, NMLVCUSTOMDRAW& draw, HDC dc = nullptr,
                   DWORD_PTR item = 0) {
    draw = NMLVCUSTOMDRAW{};
    draw.nmcd.hdr = NMHDR{from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), NM_CUSTOMDRAW};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.hdc = dc;
    draw.nmcd.rc = RECT{0, 0, 80, 20};
    draw.nmcd.dwItemSpec = item;
    return SendMessageW(to, WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
}

// Over the platform's box, a checked box shows its mark in the given colour.
void TestCheckMarkColour(RecordingDialog& dialog, HWND hwnd) {
    constexpr COLORREF kMark = RGB(255, 0, 255);
    dialog.View().SetCheckMarkColour(kManualCheck, kMark);
    HWND box = GetDlgItem(hwnd, kManualCheck);
    const int middle = GetSystemMetrics(SM_CXMENUCHECK) / 2;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 80, 20));
    ReleaseDC(nullptr, screen);
    for (int state : {1, 0}) {
        dialog.View().SetCheck(kManualCheck, state);
        PatBlt(dc, 0, 0, 80, 20, WHITENESS);
        NMLVCUSTOMDRAW draw;
        CHECK(CustomDraw(hwnd, box, CDDS_PREPAINT, draw, dc) == CDRF_NOTIFYPOSTPAINT);
        CustomDraw(hwnd, box, CDDS_POSTPAINT, draw, dc);
        CHECK((GetPixel(dc, middle, 10) == kMark) == (state == 1));
    }
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

// Rows alternate their fills, a selected row takes the focus colours, and each row's own text
// colour is asked from the program (and wins over the selection's).
void TestListRowColours(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    view.SetListColours(kList, {{RGB(1, 0, 0), RGB(2, 0, 0)},
                                {},
                                {RGB(3, 0, 0), RGB(4, 0, 0)},
                                RGB(5, 0, 0),
                                0,
                                0,
                                RGB(8, 0, 0)});
    view.SetRowTextColours(kList, [](int row) -> std::optional<uint32_t> {
        return row % 2 == 1 ? std::optional<uint32_t>(RGB(0, 153, 0)) : std::nullopt;
    });
    for (int row = 0; row < view.RowCount(kList); ++row) view.SelectRow(kList, row, row >= 2);
    // Row, fill, text; the list is not focused.
    const std::array<COLORREF, 3> rows[] = {{0, RGB(1, 0, 0), RGB(5, 0, 0)},
                                            {1, RGB(2, 0, 0), RGB(0, 153, 0)},
                                            {2, RGB(4, 0, 0), RGB(8, 0, 0)},
                                            {3, RGB(4, 0, 0), RGB(0, 153, 0)}};
    for (const auto& [row, back, text] : rows) {
        NMLVCUSTOMDRAW draw;
        CHECK(CustomDraw(hwnd, GetDlgItem(hwnd, kList), CDDS_ITEMPREPAINT, draw, nullptr, row) ==
              CDRF_NOTIFYPOSTPAINT);
        CHECK(draw.clrTextBk == back && draw.clrText == text);
    }
}

UINT SortFormat(HWND list, int col) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(ListView_GetHeader(list), HDM_GETITEMW, static_cast<WPARAM>(col),
                 reinterpret_cast<LPARAM>(&item));
    return static_cast<UINT>(item.fmt) & (HDF_SORTUP | HDF_SORTDOWN);
}

void TestSortArrowAndScrollBar(RecordingDialog& dialog, HWND hwnd) {
    ui::IView& view = dialog.View();
    HWND list = GetDlgItem(hwnd, kList);
    view.SetSortArrow(kList, 1, true);
    CHECK(SortFormat(list, 1) == HDF_SORTUP && SortFormat(list, 0) == 0);
    view.SetSortArrow(kList, 0, false);
    CHECK(SortFormat(list, 0) == HDF_SORTDOWN && SortFormat(list, 1) == 0);
    view.InsertColumn(kList, view.ColumnCount(kList), L"Very wide", 900);
    const ui::Rect place = view.GetRect(kList);
    for (bool allowed : {true, false}) {
        view.SetHorzScrollBar(kList, allowed);
        view.Move(kList, {place.x, place.y, place.w, place.h - 1});
        view.Move(kList, place);
        CHECK(((GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL) != 0) == allowed);
    }
}

// ---- the in-process subclass chain ----------------------------------------------------------

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT_PTR kPassOn = 1;
constexpr UINT_PTR kSwallow = 2;
constexpr UINT_PTR kDetachSelf = 3;

using ui::win32::SubclassChain;

// Each link notes its id for the probe; kSwallow answers without passing the probe on.
LRESULT CALLBACK Link(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                      DWORD_PTR seen) {
    if (msg == kProbe) {
        reinterpret_cast<std::vector<UINT_PTR>*>(seen)->push_back(id);
        if (id == kSwallow) return 77;
        if (id == kDetachSelf) SubclassChain::Detach(hwnd, &Link, id);
    }
    if (msg == WM_NCDESTROY) reinterpret_cast<std::vector<UINT_PTR>*>(seen)->push_back(id + 100);
    return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
}

HWND ChainWindow() {
    return CreateWindowExW(0, L"STATIC", L"chain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void TestSubclassChain() {
    struct Case {
        std::vector<UINT_PTR> links;  // in the order attached
        std::vector<UINT_PTR> seen;   // by the first probe: newest first
        LRESULT answer;               // the window's own answer is 0
        std::vector<UINT_PTR> seenAgain;
    };
    const Case cases[] = {
        {{kPassOn}, {kPassOn}, 0, {kPassOn}},
        {{kSwallow, kPassOn}, {kPassOn, kSwallow}, 77, {kPassOn, kSwallow}},
        {{kPassOn, kSwallow}, {kSwallow}, 77, {kSwallow}},
        {{kPassOn, kDetachSelf}, {kDetachSelf, kPassOn}, 0, {kPassOn}},
    };
    for (const Case& c : cases) {
        HWND hwnd = ChainWindow();
        const LONG_PTR own = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
        std::vector<UINT_PTR> seen;
        for (UINT_PTR id : c.links) {
            CHECK(SubclassChain::Attach(hwnd, &Link, id, reinterpret_cast<DWORD_PTR>(&seen)));
        }
        CHECK(SendMessageW(hwnd, kProbe, 0, 0) == c.answer);
        CHECK(seen == c.seen);
        seen.clear();
        SendMessageW(hwnd, kProbe, 0, 0);
        CHECK(seen == c.seenAgain);
        // The window's own procedure stays reachable through the chain.
        CHECK(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0) == 5);
        for (UINT_PTR id : c.links) SubclassChain::Detach(hwnd, &Link, id);
        CHECK(GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == own);
        DestroyWindow(hwnd);
    }
    // A window destroyed with its links attached tells them, and the chain ends with it.
    HWND hwnd = ChainWindow();
    std::vector<UINT_PTR> seen;
    SubclassChain::Attach(hwnd, &Link, kPassOn, reinterpret_cast<DWORD_PTR>(&seen));
    DestroyWindow(hwnd);
    CHECK(seen == std::vector<UINT_PTR>{kPassOn + 100});
    HWND next = ChainWindow();
    CHECK(SubclassChain::Attach(next, &Link, kPassOn, reinterpret_cast<DWORD_PTR>(&seen)));
    seen.clear();
    SendMessageW(next, kProbe, 0, 0);
    CHECK(seen == std::vector<UINT_PTR>{kPassOn});
    DestroyWindow(next);
}

}  // namespace
}  // namespace mdvr::wintest

int main() {
    using namespace mdvr::wintest;
    HWND host = CreateHostWindow(L"MdvrBackendHost");
    SetForegroundWindow(host);
    RecordingDialog dialog(mdvr::ui::DialogDecl{100, {}, 700, 320, kControls});
    CHECK(host != nullptr && dialog.CreateInNative(host));
    if (!dialog.IsCreated()) return Summary();
    HWND hwnd = static_cast<HWND>(dialog.View().NativeHandle());
    TestControlsCarryTheirIds(hwnd);
    using Test = void (*)(RecordingDialog&, HWND);
    for (Test test : {TestSetTextNotifies, TestCheckBoxClicks, TestComboAndTime, TestTextInput,
                      TestSpin, TestListRowsChecksAndSort, TestRunTimeGeometryIsDevicePixels,
                      TestCheckMarkColour, TestListRowColours, TestSortArrowAndScrollBar, TestFocus,
                      TestBalloonShows, TestPostedMessagesInOrder, TestDisabledAndHidden,
                      TestPopupHitTest, TestModalRuns, TestRadioChecks, TestChildShownAndHidden}) {
        test(dialog, hwnd);
    }
    TestImageDecoding();
    TestSubclassChain();
    TestPagesInOneHost(CreateHostWindow(L"MdvrBackendHost"));
    dialog.Destroy();
    DestroyWindow(host);
    return Summary();
}
