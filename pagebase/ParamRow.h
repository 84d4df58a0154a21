#pragma once
// One row of a table-driven page: a parameter (a bit range of one, or a field of a record value)
// bound to a control, with everything the five page operations and the layout need to know
// about it. Rows are built with the constexpr helpers at the bottom and refined with the
// chained setters:
//   Num32(0x0055, 4365, 5, {16500}).Range(0, 300).Unit(4403, {0, L"(0-300)(km/h)"})
#include <cstdint>
#include <span>

#include "ui/Types.h"

namespace mdvr {

// How the value travels.
enum class Wire : uint8_t {
    kNone,     // layout only (headings, labels): no parameter
    kU8,       // big-endian integers
    kU16,
    kU32,
    kText,     // ANSI bytes, as long as the text
    kFixed,    // ANSI bytes cut or zero-padded to the row's width
    kBcdDate,  // YY MM DD, packed BCD
    kBcdTime,  // hh mm [ss], packed BCD (width 2 or 3)
};

// The control that shows the value.
enum class RowKind : uint8_t {
    kEdit,
    kCombo,    // drop-down list; the selected entry's data is the value
    kRadio,    // radio buttons; the checked button's value is the value
    kCheck,    // check box; 1 when checked
    kTime,     // date or time picker
    kHeading,  // a frame with a caption around the rows up to the next heading
    kLabel,    // a static text on its own line (or, with Width, a cell of the line)
    kButton,   // a push button that no parameter travels through (paging, editors)
};

// What a checked row whose edit is empty sends.
enum class EmptySends : uint8_t {
    kNothing,    // no item
    kZero,       // the value 0
    kEmptyItem,  // a zero-length item (texts)
};

// Checks run by ValidateInput, in row order, on rows whose group is checked.
enum class Rule : uint8_t {
    kNone,
    kDigits,    // IsAllDigits; with Range() also within the range (empty counts as 0)
    kHost,      // IsHostText (a host name or dotted address)
    kRange,     // the number (signed, empty = 0) within the range; no digit test
    kAlphanumeric,  // IsAlphanumeric: ASCII letters and digits only (empty passes)
    kChosen,    // combos: an entry is selected (an unknown value received selects none)
};

// An entry of a combo or a radio row: the value it stands for and its caption. Radio buttons
// carry their own control IDs.
struct Choice {
    uint32_t value = 0;
    ui::Caption text;
    int controlId = 0;
};

struct ParamRow {
  private:
    // Defined first: the setters below are evaluated at compile time.
    template <typename T, typename V>
    constexpr ParamRow With(T ParamRow::*field, V value) const {
        ParamRow r = *this;
        r.*field = value;
        return r;
    }

  public:
    uint32_t id = 0;  // parameter ID; 0 for layout-only rows
    Wire wire = Wire::kNone;
    RowKind kind = RowKind::kEdit;
    int control = 0;  // control ID (radio rows: see choices)
    int group = -1;   // group check box index, -1 = always sent
    ui::Caption caption;
    int labelId = 0;  // static control of the caption when the group box does not carry it
    int limit = 0;    // edit characters; kFixed: bytes on the wire; kBcdTime: 2 or 3 bytes
    bool hasRange = false;
    int64_t low = 0;
    int64_t high = 0;
    Rule rule = Rule::kNone;
    int ruleTextId = 15000;      // rule text after the caption: 15000 numbers, 15016 hosts
    bool ruleBelowLevel1 = false;  // the rule holds only for terminals below protocol level 1
    ui::Caption message;  // a fixed message instead of caption + rule text
    ui::Caption fieldName;  // the field's name in its message when it is not the caption
    EmptySends empty = EmptySends::kNothing;
    bool checkOnReceipt = false;  // the page's first load checks the group when the item arrives
    uint8_t shift = 0;  // bit range inside a packed value: shift and width (0 = whole value)
    uint8_t bits = 0;
    bool atWidth = false;   // decoded from the wire width's bytes whatever the item's length
    bool isSigned = false;  // ... and sign-extended
    int16_t at = -1;  // a field of a record: its byte offset in the value, at its wire width
    uint8_t variant = 0;  // fields of one record layout only: 0 = every layout (RowVariant)
    int customEdit = 0;   // combos: the edit holding a value no entry stands for
    uint32_t customValue = 0;  // ... chosen through the entry of this value
    uint32_t noneValue = 0;  // radio rows: the value sent when no button is checked
    ui::Caption unit;
    int unitId = 0;
    ui::Caption hint;  // a second text after the unit
    int hintId = 0;
    int spin = 0;        // up-down control stepping this edit, placed right after it
    int maskButton = 0;  // "..." button opening the alarm-mask popup on this edit
    int maskMode = 1;    // the popup's bit names: 1 JT/T 808 alarm bits, 0 video alarm bits
    bool maskInGroup = false;  // the button follows the group's enabling
    ui::Caption maskTitle;     // the popup's title; none = the row's caption
    bool maskUnsigned = false; // the popup's word goes back as an unsigned number (else signed)
    bool ascii = false;        // edit kept to printable ASCII; rejected input shows a balloon
    bool hasInitial = false;   // combos and radios: the entry selected at initialisation
    uint32_t initial = 0;
    std::span<const Choice> choices;
    uint32_t style = ui::kStyleNone;  // extra control styles
    int width = 0;                    // control width in dialog units, 0 = the column's
    bool sameLine = false;            // continue the previous row's line
    bool stacked = false;             // radio rows: one button a line, under the first
    const wchar_t* timeFormat = nullptr;

    // --- chained setters ---
    constexpr ParamRow Limit(int characters) const { return With(&ParamRow::limit, characters); }
    constexpr ParamRow Range(int64_t from, int64_t to) const {
        ParamRow r = *this;
        r.hasRange = true;
        r.low = from;
        r.high = to;
        return r;
    }
    constexpr ParamRow Check(Rule what) const { return With(&ParamRow::rule, what); }
    constexpr ParamRow RuleText(int stringId) const { return With(&ParamRow::ruleTextId, stringId); }
    constexpr ParamRow RuleBelowLevel1() const { return With(&ParamRow::ruleBelowLevel1, true); }
    constexpr ParamRow CheckOnReceipt() const { return With(&ParamRow::checkOnReceipt, true); }
    constexpr ParamRow FieldName(ui::Caption name) const { return With(&ParamRow::fieldName, name); }
    constexpr ParamRow Message(ui::Caption text) const { return With(&ParamRow::message, text); }
    constexpr ParamRow Empty(EmptySends what) const { return With(&ParamRow::empty, what); }
    constexpr ParamRow EmptyAsZero() const { return Empty(EmptySends::kZero); }
    constexpr ParamRow Bits(int from, int count) const {
        ParamRow r = *this;
        r.shift = static_cast<uint8_t>(from);
        r.bits = static_cast<uint8_t>(count);
        return r;
    }
    constexpr ParamRow AtWidth() const { return With(&ParamRow::atWidth, true); }
    constexpr ParamRow Signed() const { return AtWidth().With(&ParamRow::isSigned, true); }
    constexpr ParamRow At(int offset) const {
        return With(&ParamRow::at, static_cast<int16_t>(offset));
    }
    constexpr ParamRow Variant(uint8_t layout) const { return With(&ParamRow::variant, layout); }
    // The custom entry: its edit takes the value (within Range, stepped by Spin, Hint beside it).
    constexpr ParamRow CustomEntry(uint32_t value, int edit) const {
        ParamRow r = With(&ParamRow::customValue, value);
        r.customEdit = edit;
        return r;
    }
    constexpr ParamRow NoneValue(uint32_t value) const { return With(&ParamRow::noneValue, value); }
    constexpr ParamRow Unit(int id, ui::Caption text) const {
        ParamRow r = *this;
        r.unitId = id;
        r.unit = text;
        return r;
    }
    constexpr ParamRow Hint(int id, ui::Caption text) const {
        ParamRow r = *this;
        r.hintId = id;
        r.hint = text;
        return r;
    }
    constexpr ParamRow Label(int id) const { return With(&ParamRow::labelId, id); }
    constexpr ParamRow Mask(int buttonId, int mode = 1, bool inGroup = false) const {
        ParamRow r = With(&ParamRow::maskButton, buttonId);
        r.maskMode = mode;
        r.maskInGroup = inGroup;
        return r;
    }
    constexpr ParamRow MaskTitle(ui::Caption title) const {
        return With(&ParamRow::maskTitle, title);
    }
    constexpr ParamRow Spin(int upDownId) const { return With(&ParamRow::spin, upDownId); }
    constexpr ParamRow UnsignedMask() const { return With(&ParamRow::maskUnsigned, true); }
    constexpr ParamRow Ascii() const { return With(&ParamRow::ascii, true); }
    constexpr ParamRow Initial(uint32_t value) const {
        ParamRow r = With(&ParamRow::initial, value);
        r.hasInitial = true;
        return r;
    }
    constexpr ParamRow Choices(std::span<const Choice> list) const {
        return With(&ParamRow::choices, list);
    }
    constexpr ParamRow Style(uint32_t flags) const { return With(&ParamRow::style, style | flags); }
    constexpr ParamRow Width(int w) const { return With(&ParamRow::width, w); }
    constexpr ParamRow SameLine() const { return With(&ParamRow::sameLine, true); }
    constexpr ParamRow Stacked() const { return With(&ParamRow::stacked, true); }
    constexpr ParamRow Format(const wchar_t* format) const {
        return With(&ParamRow::timeFormat, format);
    }

    // --- what the operations ask ---
    constexpr bool IsParam() const { return wire != Wire::kNone; }
    constexpr bool IsPacked() const { return bits != 0; }
    constexpr bool IsField() const { return at >= 0; }
    // The edit a spin steps: a combo's custom edit, else the row's own.
    constexpr int SpunEdit() const { return customEdit != 0 ? customEdit : control; }
    constexpr bool IsNumber() const {
        return wire == Wire::kU8 || wire == Wire::kU16 || wire == Wire::kU32;
    }
    constexpr size_t WireWidth() const {
        switch (wire) {
            case Wire::kU8: return 1;
            case Wire::kU16: return 2;
            case Wire::kU32: return 4;
            case Wire::kBcdDate: return 3;
            case Wire::kBcdTime: return limit == 3 ? 3 : 2;
            case Wire::kFixed: return static_cast<size_t>(limit);
            default: return 0;
        }
    }

};

// A control shown by the layout whose value a record page moves itself.
constexpr ParamRow Shown(RowKind kind, int control, ui::Caption caption) {
    ParamRow r;
    r.kind = kind;
    r.control = control;
    r.caption = caption;
    return r;
}

// --- row makers: parameter, control, group index, caption ---
constexpr ParamRow MakeRow(uint32_t id, Wire wire, RowKind kind, int control, int group,
                           ui::Caption caption) {
    ParamRow r;
    r.id = id;
    r.wire = wire;
    r.kind = kind;
    r.control = control;
    r.group = group;
    r.caption = caption;
    return r;
}
// A numeric field of a record: the value's bytes from offset, at the wire's width. The bytes no
// field covers go back as received.
constexpr ParamRow Field(uint32_t id, Wire wire, int offset, RowKind kind, int control, int group,
                         ui::Caption caption) {
    return MakeRow(id, wire, kind, control, group, caption).At(offset);
}
// Numeric edits take at most 10 characters unless limited further.
constexpr ParamRow Num32(uint32_t id, int edit, int group, ui::Caption caption) {
    return MakeRow(id, Wire::kU32, RowKind::kEdit, edit, group, caption).Limit(10);
}
constexpr ParamRow Num16(uint32_t id, int edit, int group, ui::Caption caption) {
    return MakeRow(id, Wire::kU16, RowKind::kEdit, edit, group, caption).Limit(5);
}
constexpr ParamRow Num8(uint32_t id, int edit, int group, ui::Caption caption) {
    return MakeRow(id, Wire::kU8, RowKind::kEdit, edit, group, caption).Limit(3);
}
constexpr ParamRow Text(uint32_t id, int edit, int group, ui::Caption caption, int limit) {
    return MakeRow(id, Wire::kText, RowKind::kEdit, edit, group, caption).Limit(limit);
}
constexpr ParamRow FixedText(uint32_t id, int edit, int group, ui::Caption caption, int bytes) {
    return MakeRow(id, Wire::kFixed, RowKind::kEdit, edit, group, caption).Limit(bytes);
}
constexpr ParamRow Combo(uint32_t id, Wire wire, int combo, int group, ui::Caption caption,
                         std::span<const Choice> choices) {
    return MakeRow(id, wire, RowKind::kCombo, combo, group, caption).Choices(choices);
}
constexpr ParamRow Radio(uint32_t id, Wire wire, int group, ui::Caption caption,
                         std::span<const Choice> buttons) {
    return MakeRow(id, wire, RowKind::kRadio, 0, group, caption).Choices(buttons);
}
constexpr ParamRow CheckBit(uint32_t id, Wire wire, int box, int group, ui::Caption caption,
                            int bit) {
    return MakeRow(id, wire, RowKind::kCheck, box, group, caption).Bits(bit, 1);
}
constexpr ParamRow Time(uint32_t id, Wire wire, int picker, int group, ui::Caption caption) {
    return MakeRow(id, wire, RowKind::kTime, picker, group, caption);
}
constexpr ParamRow Heading(int frameId, ui::Caption caption) {
    return MakeRow(0, Wire::kNone, RowKind::kHeading, frameId, -1, caption);
}
constexpr ParamRow Note(int staticId, ui::Caption caption) {
    return MakeRow(0, Wire::kNone, RowKind::kLabel, staticId, -1, caption);
}
constexpr ParamRow Button(int buttonId, ui::Caption caption) {
    return MakeRow(0, Wire::kNone, RowKind::kButton, buttonId, -1, caption);
}

}  // namespace mdvr
