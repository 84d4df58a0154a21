// Labels and group frames that the dialog draws itself: what shows on screen after each change,
// what each change marks for repainting, and their hover tips.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <vector>

#include "Check.h"
#include "HostWindow.h"
#include "RecordingDialog.h"

namespace mdvr::wintest {
namespace {

using ui::ControlKind;

enum Id : int {
    kLabel = 2001,
    kLater,
    kFrame,
    kInner,
    kButton,
    kOver,
};

constexpr COLORREF kBack = RGB(200, 220, 240);
constexpr ui::GroupColours kFrameColours{RGB(0, 0, 128), RGB(255, 255, 224), RGB(255, 0, 0)};

// The hint overlaps the button's top edge, as the main window's hint does its action row.
constexpr std::array<ui::ControlDecl, 6> kControls{{
    {kLabel, ControlKind::Static, {0, L"Label text"}, ui::kStyleBlueText, {10, 10, 100, 20}},
    {kLater,
     ControlKind::Static,
     {0, L""},
     ui::kStyleBlueText | ui::kStyleHidden,
     {10, 40, 100, 20}},
    {kFrame, ControlKind::GroupBox, {0, L"Frame"}, 0, {10, 80, 200, 100}},
    {kInner, ControlKind::Static, {0, L"Inner"}, 0, {20, 110, 80, 20}},
    {kButton, ControlKind::Button, {0, L"Button"}, 0, {250, 200, 80, 24}},
    {kOver, ControlKind::Static, {0, L"Over"}, ui::kStyleBlueText, {230, 190, 200, 18}},
}};

RECT ToRECT(const ui::Rect& rect) {
    return {rect.x, rect.y, rect.Right(), rect.Bottom()};
}

void PaintNow(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Pixels of a window's client area that pass a test.
int CountPixels(HWND hwnd, const RECT& area, const std::function<bool(COLORREF)>& test) {
    HDC dc = GetDC(hwnd);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += test(GetPixel(dc, x, y)) ? 1 : 0;
    }
    ReleaseDC(hwnd, dc);
    return count;
}

COLORREF PixelAt(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

bool Bluish(COLORREF c) {
    return GetBValue(c) > GetRValue(c) + 100;
}

bool NotBack(COLORREF c) {
    return c != kBack;
}

int BluePixels(HWND hwnd, const ui::Rect& rect) {
    return CountPixels(hwnd, ToRECT(rect), Bluish);
}

// A caption set while hidden shows its text once shown; a disabled one is grey, not blue.
void TestTextAndState(ui::IView& view, HWND hwnd) {
    CHECK(view.Has(kLabel) && GetDlgItem(hwnd, kLabel) == nullptr);
    const ui::Rect later = view.GetRect(kLater);
    view.SetText(kLater, L"Shown later");
    PaintNow(hwnd);
    CHECK(CountPixels(hwnd, ToRECT(later), NotBack) == 0);
    view.Show(kLater, true);
    PaintNow(hwnd);
    CHECK(view.IsVisible(kLater) && view.GetText(kLater) == L"Shown later");
    CHECK(BluePixels(hwnd, later) > 0);

    const ui::Rect label = view.GetRect(kLabel);
    view.Enable(kLabel, false);
    PaintNow(hwnd);
    CHECK(!view.IsEnabled(kLabel));
    CHECK(BluePixels(hwnd, label) == 0 && CountPixels(hwnd, ToRECT(label), NotBack) > 0);
    view.Enable(kLabel, true);
    PaintNow(hwnd);
    CHECK(BluePixels(hwnd, label) > 0);
}

// Moved away, a caption leaves only background behind; moved back, it shows there again.
void TestMoveLeavesNoTrace(ui::IView& view, HWND hwnd) {
    const ui::Rect home = view.GetRect(kLabel);
    const ui::Rect away{10, 260, 100, 20};
    view.Move(kLabel, away);
    PaintNow(hwnd);
    CHECK(view.GetRect(kLabel) == away);
    CHECK(CountPixels(hwnd, ToRECT(home), NotBack) == 0 && BluePixels(hwnd, away) > 0);
    view.Move(kLabel, home);
    PaintNow(hwnd);
    CHECK(CountPixels(hwnd, ToRECT(away), NotBack) == 0 && BluePixels(hwnd, home) > 0);
}

// The frame's fill, its line and the strip above it, and a label inside sitting on the fill.
void TestFrame(ui::IView& view, HWND hwnd) {
    const RECT frame = ToRECT(view.GetRect(kFrame));
    const RECT inner = ToRECT(view.GetRect(kInner));
    const int middle = (frame.top + frame.bottom) / 2;
    struct Probe {
        int x;
        int y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {frame.right - 5, frame.bottom - 5, kFrameColours.back},
        {frame.left, middle, kFrameColours.border},
        {frame.right - 1, middle, kFrameColours.border},
        {frame.right - 5, frame.top, kBack},
        {inner.right - 2, inner.bottom - 2, kFrameColours.back},
    };
    for (const Probe& p : probes) CHECK(PixelAt(hwnd, p.x, p.y) == p.colour);
}

// A caption over a control never paints over it: the button keeps its top edge.
void TestControlStaysOnTop(ui::IView& view, HWND hwnd) {
    const RECT button = ToRECT(view.GetRect(kButton));
    const RECT over = ToRECT(view.GetRect(kOver));
    CHECK(over.top < button.top && over.bottom > button.top);
    view.Redraw(kOver);
    PaintNow(hwnd);
    HWND control = GetDlgItem(hwnd, kButton);
    const COLORREF edge = PixelAt(control, (button.right - button.left) / 2, 0);
    CHECK(edge != kBack && !Bluish(edge));
}

// Each change marks the caption's own place for repainting, and a change to what it already is
// marks nothing.
void TestOnlyChangesRepaint(ui::IView& view, HWND hwnd) {
    const ui::Rect place = view.GetRect(kLabel);
    const RECT expected = ToRECT(place);
    struct Case {
        const char* what;
        std::function<void()> same;
        std::function<void()> change;
        std::function<void()> undo;
    };
    const Case cases[] = {
        {"text", [&] { view.SetText(kLabel, view.GetText(kLabel)); },
         [&] { view.SetText(kLabel, L"Other"); }, [&] { view.SetText(kLabel, L"Label text"); }},
        {"shown", [&] { view.Show(kLabel, true); }, [&] { view.Show(kLabel, false); },
         [&] { view.Show(kLabel, true); }},
        {"enabled", [&] { view.Enable(kLabel, true); }, [&] { view.Enable(kLabel, false); },
         [&] { view.Enable(kLabel, true); }},
        {"place", [&] { view.Move(kLabel, place); },
         [&] {
             view.Move(kLabel, {place.x, place.y, place.w - 10, place.h});
         },
         [&] { view.Move(kLabel, place); }},
    };
    for (const Case& c : cases) {
        PaintNow(hwnd);
        c.same();
        CHECK(!GetUpdateRect(hwnd, nullptr, FALSE));
        c.change();
        RECT dirty{};
        CHECK(GetUpdateRect(hwnd, &dirty, FALSE));
        CHECK(EqualRect(&dirty, &expected) != FALSE);
        c.undo();
    }
    PaintNow(hwnd);
}

// Whether the hover tooltip answers at a point of the dialog with the caption's tip.
bool TipAt(HWND tips, HWND hwnd, int x, int y, int id) {
    TTHITTESTINFOW hit{};
    hit.hwnd = hwnd;
    hit.pt = {x, y};
    hit.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    return SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)) != FALSE &&
           hit.ti.uId == static_cast<UINT_PTR>(id);
}

// A label's tip covers its place, a frame's its caption; both follow their caption and answer
// nowhere while it is hidden.
void TestTips(ui::IView& view, HWND hwnd) {
    view.SetToolTip(kLabel, L"About the label");
    const std::vector<HWND> all = Tooltips();
    CHECK(all.size() == 1);
    if (all.size() != 1) return;
    HWND tips = all.front();
    const ui::Rect home = view.GetRect(kLabel);
    const ui::Rect away{10, 260, 100, 20};
    CHECK(TipAt(tips, hwnd, home.x + 5, home.y + 5, kLabel));
    view.Move(kLabel, away);
    CHECK(!TipAt(tips, hwnd, home.x + 5, home.y + 5, kLabel));
    CHECK(TipAt(tips, hwnd, away.x + 5, away.y + 5, kLabel));
    view.Show(kLabel, false);
    CHECK(!TipAt(tips, hwnd, away.x + 5, away.y + 5, kLabel));
    view.Show(kLabel, true);
    CHECK(TipAt(tips, hwnd, away.x + 5, away.y + 5, kLabel));
    view.Move(kLabel, home);
    // A frame's tip answers on its caption only, however long the caption grows.
    view.SetToolTip(kFrame, L"Frame");
    const ui::Rect frame = view.GetRect(kFrame);
    CHECK(TipAt(tips, hwnd, frame.x + 12, frame.y + 4, kFrame));
    CHECK(!TipAt(tips, hwnd, frame.x + 150, frame.y + 4, kFrame));
    CHECK(!TipAt(tips, hwnd, frame.x + 100, frame.y + 60, kFrame));
    view.SetText(kFrame, L"A much longer frame caption");
    CHECK(TipAt(tips, hwnd, frame.x + 150, frame.y + 4, kFrame));
    view.SetText(kFrame, L"Frame");
}

}  // namespace
}  // namespace mdvr::wintest

int main() {
    using namespace mdvr::wintest;
    HWND host = CreateHostWindow(L"MdvrCaptionHost");
    RecordingDialog dialog(mdvr::ui::DialogDecl{700, {}, 500, 300, kControls});
    CHECK(host != nullptr && dialog.CreateInNative(host));
    if (!dialog.IsCreated()) return Summary();
    mdvr::ui::IView& view = dialog.View();
    HWND hwnd = static_cast<HWND>(view.NativeHandle());
    view.SetBackground(kBack);
    view.SetGroupColours(kFrame, kFrameColours);
    Pump();
    TestTextAndState(view, hwnd);
    TestMoveLeavesNoTrace(view, hwnd);
    TestFrame(view, hwnd);
    TestControlStaysOnTop(view, hwnd);
    TestOnlyChangesRepaint(view, hwnd);
    TestTips(view, hwnd);
    dialog.Destroy();
    DestroyWindow(host);
    return Summary();
}
