#pragma once
// The complete in-memory state of one control of a headless dialog.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/IView.h"
#include "ui/headless/EditBuffer.h"
#include "ui/headless/ListModel.h"

namespace mdvr::ui {

struct Balloon {
    std::wstring title;
    std::wstring text;
    BalloonIcon icon = BalloonIcon::None;
};

struct ComboEntry {
    std::wstring text;
    uint32_t data = 0;
};

struct HeadlessControl {
    // place is in device pixels (the declaration scaled for the screen).
    HeadlessControl(const ControlDecl& decl, Rect place);

    bool Is(ControlKind k) const { return kind == k; }
    bool HasStyle(uint32_t flag) const { return (style & flag) != 0; }
    // What the platform control shows as its text: the caption or edit text, the chosen entry of
    // a drop-down list, the formatted time of a picker.
    std::wstring Text() const;
    bool TakesFocus() const;  // a tab stop that can receive the keyboard focus

    int id;
    ControlKind kind;
    uint32_t style;
    int buddyId;
    Rect place;
    bool enabled;
    bool visible;
    EditBuffer edit;
    int check = 0;
    bool pressed = false;  // the left button went down on it and has not come up
    std::vector<ComboEntry> entries;
    int sel = -1;
    DateTime time;
    std::wstring timeFormat = L"yyyy-MM-dd";
    int spinLow = 0;
    int spinHigh = 100;
    int spinPos = 0;
    ListModel list;
    std::vector<Balloon> balloons;
    std::wstring toolTip;
    int toolTipCloses = 0;
    FontSpec font;
    std::array<std::wstring, 4> images;  // normal, hover, pressed, disabled
    // Looks handed over by the program, recorded as they came (nothing is drawn).
    std::optional<std::array<uint32_t, 2>> buttonText;  // normal, hover
    std::optional<uint32_t> checkMark;
    std::optional<GroupColours> groupColours;
    std::optional<ListColours> listColours;
    RowTextColourFn rowTextColour;
    int sortArrowColumn = -1;
    bool sortArrowUp = false;
    bool horzScrollBar = true;
};

}  // namespace mdvr::ui
