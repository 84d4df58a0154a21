#include "pages/CDlgSbChuan.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "controls/EditNumber.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr uint32_t kMac = 0xFF00;
constexpr size_t kMacLength = CDlgSbChuan::kMacBytes;
constexpr int kMacWidth = 28;
constexpr int kColonWidth = 6;

// Byte index of the MAC address in edit kFirstMacId + index, two upper-case hex digits. The
// hooks below decode and send the six bytes as one item; the row's own width goes unused.
constexpr ParamRow MacByte(int index) {
    const ParamRow row =
        MakeRow(kMac, Wire::kFixed, RowKind::kEdit, CDlgSbChuan::kFirstMacId + index, 0, {18701})
            .Limit(2)
            .Width(kMacWidth)
            .Style(ui::kStyleUpperCase);
    return index == 0 ? row : row.SameLine();
}

constexpr ParamRow Colon() {
    return Note(0, {0, L":"}).Width(kColonWidth).SameLine();
}

constexpr ParamRow kRows[] = {
    Heading(CDlgSbChuan::kFrameId, {18700}),
    MacByte(0),
    Colon(),
    MacByte(1),
    Colon(),
    MacByte(2),
    Colon(),
    MacByte(3),
    Colon(),
    MacByte(4),
    Colon(),
    MacByte(5).Unit(4305, {18704}),
    FixedText(0xFF01, CDlgSbChuan::kManufacturerId, 1, {18702}, 7)
        .Style(ui::kStyleDigitsOnly)
        .Check(Rule::kAlphanumeric)
        .EmptyAsZero()
        .Unit(4306, {18705}),
    FixedText(0xFF02, CDlgSbChuan::kModelId, 2, {18703}, 20)
        .Check(Rule::kAlphanumeric)
        .EmptyAsZero()
        .Unit(4307, {18706}),
};

constexpr PageModel kModel{.templateId = CDlgSbChuan::kTemplateId,
                           .title = {18700},
                           .groupCount = CDlgSbChuan::kGroups,
                           .rows = kRows,
                           .columns = {.label = 130, .control = 170, .unit = 170}};

int HexDigit(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    return -1;
}

// One or two hexadecimal digits as a byte; -1 for anything else, the empty text included.
int ParseHexByte(std::wstring_view text) {
    if (text.empty() || text.size() > 2) return -1;
    int value = 0;
    for (wchar_t ch : text) {
        const int digit = HexDigit(ch);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// A short address fills the last bytes, as a shorter big-endian number would; the bytes in
// front of it read 0. A longer one gives its first six.
uint8_t MacByteOf(const ParamItemView& item, size_t index) {
    const size_t missing = kMacLength - std::min(item.Length(), kMacLength);
    return index < missing ? 0 : item.At(index - missing);
}

size_t MacIndex(const ParamRow& row) {
    return static_cast<size_t>(row.control - CDlgSbChuan::kFirstMacId);
}

}  // namespace

CDlgSbChuan::CDlgSbChuan() : CDlgTablePage(kModel) {}

bool CDlgSbChuan::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (!IsMacEdit(row.control)) return false;
    if (!IsCreated()) return true;
    m_decoding = true;
    View().SetText(row.control, HexByte(MacByteOf(item, MacIndex(row))));
    m_decoding = false;
    return true;
}

// An emptied or mistyped byte is refused with the field's message, never sent as 00.
bool CDlgSbChuan::ValidateRow(const ParamRow& row) {
    if (!IsMacEdit(row.control) || ParseHexByte(Snapshot(row)) >= 0) return true;
    ShowRowMessage(row);
    return false;
}

// The first MAC row sends the whole address from the six bytes validation read.
bool CDlgSbChuan::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kMac) return false;
    std::array<uint8_t, kMacLength> mac{};
    for (const ParamRow& each : Model().rows) {
        if (each.id == kMac)
            mac[MacIndex(each)] = static_cast<uint8_t>(ParseHexByte(Snapshot(each)));
    }
    writer.AppendBytes(kMac, mac);
    return true;
}

bool CDlgSbChuan::OnNotify(const ui::Notification& n) {
    if (IsMacEdit(n.id)) {
        // Only hexadecimal digits are typed; control characters (erase, copy, paste) pass.
        const bool printable = n.key >= 0x20;
        if (n.event == ui::Event::Char && printable && HexDigit(static_cast<wchar_t>(n.key)) < 0) {
            return true;
        }
        if (n.event == ui::Event::TextChange) MoveToNextByte(n.id);
    }
    return CDlgTablePage::OnNotify(n);
}

// A byte typed in full moves the user on to the next, selected so that typing replaces it.
// A load leaves the focus where it is.
void CDlgSbChuan::MoveToNextByte(int id) {
    const int next = id + 1;
    if (m_decoding || !IsMacEdit(next) || View().FocusedId() != id) return;
    if (View().GetText(id).size() != 2) return;
    View().SetFocus(next);
    View().SelectText(next, 0, -1);
}

}  // namespace mdvr
