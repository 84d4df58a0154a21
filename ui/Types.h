#pragma once
// Toolkit-neutral vocabulary of the user interface: control declarations, input and geometry.
// Pages and controls speak only these types; the backends translate them to a toolkit.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mdvr::ui {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Contains(Point p) const { return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

enum class ControlKind : uint8_t {
    Static,
    Button,    // push button
    CheckBox,  // a platform check box; toggles itself unless kStyleManualCheck
    Radio,
    GroupBox,
    Edit,
    ComboBox,  // drop-down list; entries carry 32-bit item data
    TimePicker,
    UpDown,    // spin buttons attached to a buddy edit
    ListView,  // report view with columns and rows
};

// Style flags of a declared control.
enum Style : uint32_t {
    kStyleNone = 0,
    kStyleHidden = 1u << 0,
    kStyleDisabled = 1u << 1,
    kStyleDigitsOnly = 1u << 2,  // edit refuses typed non-digits (pasted text is not filtered)
    kStyleReadOnly = 1u << 3,
    kStyleUpperCase = 1u << 4,
    kStyleMultiLine = 1u << 5,
    kStyleVScroll = 1u << 6,
    kStyleHScroll = 1u << 7,
    kStylePassword = 1u << 8,
    kStyleManualCheck = 1u << 9,  // check box whose state the program keeps (skinned group heads)
    kStyleSkinned = 1u << 10,     // button drawn from theme images (see IView::SetButtonImages)
    kStyleListCheckBoxes = 1u << 11,
    kStyleListGridLines = 1u << 12,
    kStyleListFullRowSelect = 1u << 13,
    kStyleListSingleSelect = 1u << 14,
    kStyleListHeaderCheckBox = 1u << 15,
    kStyleNoTabStop = 1u << 16,
    kStyleTransparent = 1u << 17,
    kStyleBlueText = 1u << 18,  // static drawn in pure blue (hints under the pages)
    kStyleGroupStart = 1u << 19,  // first control of a radio group: a click clears only its group
};

// A caption is a language string ID, or a literal used as it stands when the ID is 0.
struct Caption {
    int stringId = 0;
    const wchar_t* literal = nullptr;
};

// One control of a dialog, declared once; both backends build from it.
struct ControlDecl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    Caption caption;
    uint32_t style = kStyleNone;
    Rect place;         // pixels at 96 DPI, in the dialog's client area
    int textLimit = 0;  // edits: maximum characters, 0 = platform default
    int buddyId = 0;    // up-down: the edit it steps
};

// A dialog: its template number, client size at 96 DPI, caption and controls.
struct DialogDecl {
    int templateId = 0;
    Caption title;
    int width = 0;
    int height = 0;
    std::span<const ControlDecl> controls;
    bool popup = false;  // a borderless pop-up with its own title strip (modal)
};

enum class BalloonIcon : uint8_t { None, Info, Warning, Error };

// Where a point of a pop-up lies, for moving and resizing it with the mouse.
enum class HitZone : uint8_t {
    Client,
    Caption,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

// Colours are 0x00BBGGRR (red in the low byte), as the platform's COLORREF.

// A group frame: its caption, the fill inside and the frame line.
struct GroupColours {
    uint32_t text = 0;
    uint32_t back = 0xFFFFFF;
    uint32_t border = 0xC0C0C0;
    friend bool operator==(const GroupColours&, const GroupColours&) = default;
};

// A report list's look; how each is painted is the backend's.
struct ListColours {
    uint32_t rowBack[2] = {0xFFFFFF, 0xFFFFFF};     // even rows, odd rows
    uint32_t headerBack[2] = {0xFFFFFF, 0xFFFFFF};  // header fill, top to bottom
    uint32_t focusBack[2] = {0xFFE8CC, 0xF0F0F0};   // selected rows: list focused, not focused
    uint32_t text = 0;
    uint32_t grid = 0xC0C0C0;
    uint32_t headerText = 0;
    uint32_t focusText = 0;  // selected rows; black reads best on the light default selection
    friend bool operator==(const ListColours&, const ListColours&) = default;
};

// A font by face, pixel height (character height, device pixels) and weight.
struct FontSpec {
    const wchar_t* face = L"Tahoma";
    int height = 11;
    int weight = 400;
};

// Virtual key codes (the Windows values, which the headless backend uses too).
enum Key : uint32_t {
    kKeyBack = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyUp = 0x26,
    kKeyDown = 0x28,
    kKeyDelete = 0x2E,
};

enum class Event : uint8_t {
    Click,       // button, check box, radio, or a click on a list row (row/col set)
    SelChange,   // combo box selection changed by the user
    TextChange,  // edit text changed (typed, pasted or set)
    SetFocus,
    KillFocus,
    Spin,       // up-down stepped: delta +1 or -1, buddyId's text not yet changed
    KeyDown,    // key with modifiers
    Char,       // a typed character, before the control inserts it
    ImeChar,    // a character delivered by an input method, before it becomes a Char
    Pasted,     // after the control pasted the clipboard text
    MouseDown,  // left button, point in control coordinates
    MouseMove,
    MouseUp,
    HeaderClick,  // list header column clicked (col set)
    TimeChange,   // time picker changed by the user
    Message,      // a posted private message: message, wParam, lParam
};

struct Notification {
    int id = 0;  // control ID, 0 for dialog-wide messages
    Event event = Event::Click;
    uint32_t key = 0;  // KeyDown: virtual key; Char/ImeChar: character code
    bool ctrl = false;
    bool shift = false;
    int delta = 0;       // Spin
    Point point;         // mouse events, control coordinates
    bool inside = true;  // mouse events: the point lies inside the control
    int row = -1;        // list events
    int col = -1;
    uint32_t message = 0;  // Message
    intptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Resolves a caption through the language table.
std::wstring CaptionText(const Caption& caption);

}  // namespace mdvr::ui
