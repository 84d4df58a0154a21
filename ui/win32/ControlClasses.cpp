#include "ui/win32/ControlClasses.h"

#include <commctrl.h>

#include <array>

namespace mdvr::ui::win32 {

namespace {

struct KindRow {
    ControlKind kind;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

constexpr std::array<KindRow, 10> kKinds{{
    {ControlKind::Static, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0},
    {ControlKind::Button, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ControlKind::CheckBox, WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {ControlKind::Radio, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP, 0},
    {ControlKind::GroupBox, WC_BUTTONW, BS_GROUPBOX, 0},
    {ControlKind::Edit, WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ControlKind::ComboBox, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0},
    {ControlKind::TimePicker, DATETIMEPICK_CLASSW, DTS_UPDOWN | WS_TABSTOP, 0},
    {ControlKind::UpDown, UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0},
    {ControlKind::ListView, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
}};

struct FlagRow {
    uint32_t flag;
    DWORD style;
};

// Declared flags that map to plain window styles (the edit ones only reach edits).
constexpr std::array<FlagRow, 6> kEditFlags{{
    {kStyleDigitsOnly, ES_NUMBER},
    {kStyleReadOnly, ES_READONLY},
    {kStyleUpperCase, ES_UPPERCASE},
    {kStyleMultiLine, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN},
    {kStylePassword, ES_PASSWORD},
    {kStyleHScroll, WS_HSCROLL},
}};

constexpr std::array<FlagRow, 3> kListExFlags{{
    {kStyleListCheckBoxes, LVS_EX_CHECKBOXES},
    {kStyleListGridLines, LVS_EX_GRIDLINES},
    {kStyleListFullRowSelect, LVS_EX_FULLROWSELECT},
}};

DWORD KindStyle(const ControlDecl& decl, DWORD style) {
    const uint32_t flags = decl.style;
    switch (decl.kind) {
        case ControlKind::Edit:
            for (const FlagRow& row : kEditFlags) style |= (flags & row.flag) ? row.style : 0;
            // Multi-line text wraps unless it scrolls sideways.
            if ((flags & kStyleMultiLine) && !(flags & kStyleHScroll))
                style &= ~DWORD{ES_AUTOHSCROLL};
            return style;
        case ControlKind::Button:
            return (flags & kStyleSkinned) ? style | BS_OWNERDRAW : style;
        case ControlKind::CheckBox:
            // The program keeps a manual box's state: the platform must not toggle it.
            return (flags & kStyleManualCheck) ? (style & ~DWORD{BS_AUTOCHECKBOX}) | BS_CHECKBOX
                                               : style;
        case ControlKind::ListView:
            return (flags & kStyleListSingleSelect) ? style | LVS_SINGLESEL : style;
        default:
            return style;
    }
}

}  // namespace

WindowClassStyle ClassFor(const ControlDecl& decl) {
    for (const KindRow& row : kKinds) {
        if (row.kind != decl.kind) continue;
        DWORD style = WS_CHILD | KindStyle(decl, row.style);
        if (!(decl.style & kStyleHidden)) style |= WS_VISIBLE;
        if (decl.style & kStyleDisabled) style |= WS_DISABLED;
        if (decl.style & kStyleNoTabStop) style &= ~DWORD{WS_TABSTOP};
        if (decl.style & kStyleVScroll) style |= WS_VSCROLL;
        if (decl.style & kStyleGroupStart) style |= WS_GROUP;
        return WindowClassStyle{row.className, style, row.exStyle};
    }
    return {};
}

DWORD ListExStyleFor(uint32_t style) {
    DWORD exStyle = LVS_EX_DOUBLEBUFFER;
    for (const FlagRow& row : kListExFlags) exStyle |= (style & row.flag) ? row.style : 0;
    return exStyle;
}

}  // namespace mdvr::ui::win32
