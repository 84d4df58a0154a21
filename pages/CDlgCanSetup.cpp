#include "pages/CDlgCanSetup.h"

#include <array>

#include "pagebase/RowCodec.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr uint32_t kRule = 0x0110;
constexpr Caption kMilliseconds{18608};
constexpr Caption kSecondsNote{18611};

constexpr Choice kChannels[] = {{0, {18600}}, {1, {18601}}};
constexpr Choice kFrameTypes[] = {{0, {18602}}, {1, {18603}}};
constexpr Choice kMethods[] = {{0, {18604}}, {1, {18605}}};

// The rule is an interval word, then a word of channel, frame type and method bits over the
// 29-bit bus ID; the rows below the interval name their bits in that second word.
constexpr ParamRow kRows[] = {
    Heading(4620, {}),
    Num32(0x0100, 4600, 0, {18606}).Limit(8).Signed().EmptyAsZero().Unit(4610, kMilliseconds),
    Num16(0x0101, 4601, 1, {18609}).Limit(8).AtWidth().EmptyAsZero().Unit(4611, kSecondsNote),
    Num32(0x0102, 4602, 2, {18607}).Limit(8).Signed().EmptyAsZero().Unit(4612, kMilliseconds),
    Num16(0x0103, 4603, 3, {18610}).Limit(8).AtWidth().EmptyAsZero().Unit(4613, kSecondsNote),
    Heading(4621, {}),
    Num32(kRule, CDlgCanSetup::kRuleIntervalId, 4, {18612})
        .Limit(8)
        .Signed()
        .Unit(4614, kMilliseconds),
    Combo(kRule, Wire::kU32, CDlgCanSetup::kChannelId, 4, {18613}, kChannels)
        .Bits(31, 1)
        .Initial(0),
    Combo(kRule, Wire::kU32, CDlgCanSetup::kFrameTypeId, 4, {18614}, kFrameTypes)
        .Bits(30, 1)
        .Initial(0),
    Combo(kRule, Wire::kU32, CDlgCanSetup::kMethodId, 4, {18615}, kMethods).Bits(29, 1).Initial(0),
    Num32(kRule, CDlgCanSetup::kBusId, 4, {18616}).Limit(8).Bits(0, 29),
};

// Box 4 reads "enable" on a line of its own above the rule's captioned controls.
constexpr Caption kGroupCaptions[] = {{}, {}, {}, {}, {11007}};

constexpr PageModel kModel{.templateId = CDlgCanSetup::kTemplateId,
                         .title = {14010},
                         .groupCount = CDlgCanSetup::kGroups,
                         .rows = kRows,
                         .groupCaptions = kGroupCaptions,
                         .columns = {.label = 220, .control = 150, .unit = 180},
                         .batchKind = 0x55};

}  // namespace

CDlgCanSetup::CDlgCanSetup() : CDlgTablePage(kModel) {}

// A set bit selects its list's second entry; a clear bit leaves the list as it was.
bool CDlgCanSetup::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.id != kRule) return false;
    const uint32_t word = item.BigEndian(4, 4);
    if (!row.IsPacked()) {
        SetRowNumber(row, static_cast<int32_t>(item.BigEndian(0, 4)));
    } else if (row.kind == RowKind::kEdit) {
        SetRowNumber(row, word & 0x1FFFFFFF);
    } else if (((word >> row.shift) & 1) != 0) {
        SetRowNumber(row, 1);
    }
    return true;
}

// The rule's head row writes all eight bytes; empty or bad edits count as 0.
bool CDlgCanSetup::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kRule) return false;
    uint32_t word = 0;
    for (const ParamRow& part : Model().rows) {
        if (part.id == kRule && part.IsPacked())
            word = PackRowBits(word, part, SnapshotNumber(part));
    }
    const auto interval = static_cast<uint32_t>(SnapshotNumber(row));
    const std::array<uint8_t, 8> value = {
        static_cast<uint8_t>(interval >> 24), static_cast<uint8_t>(interval >> 16),
        static_cast<uint8_t>(interval >> 8),  static_cast<uint8_t>(interval),
        static_cast<uint8_t>(word >> 24),     static_cast<uint8_t>(word >> 16),
        static_cast<uint8_t>(word >> 8),      static_cast<uint8_t>(word)};
    return writer.AppendBytes(kRule, value);
}

}  // namespace mdvr
