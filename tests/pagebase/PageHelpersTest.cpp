#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "pagebase/BcdTime.h"
#include "pagebase/ComboData.h"
#include "pagebase/EditRange.h"
#include "pagebase/RowCodec.h"
#include "text/CodePage.h"
#include "ui/Dialog.h"
#include "ui/headless/Automation.h"

namespace mdvr::test {
namespace {

using ui::ControlKind;

constexpr int kTemplate = 951;
constexpr int kEdit = 10, kOther = 11, kCombo = 12, kTime = 13;

constexpr ui::ControlDecl kControls[] = {
    {kEdit, ControlKind::Edit, {}, ui::kStyleNone, {10, 10, 80, 20}},
    {kOther, ControlKind::Edit, {}, ui::kStyleNone, {10, 40, 80, 20}},
    {kCombo, ControlKind::ComboBox, {}, ui::kStyleNone, {10, 70, 80, 200}},
    {kTime, ControlKind::TimePicker, {}, ui::kStyleNone, {10, 100, 80, 20}},
};
constexpr ui::DialogDecl kDecl{kTemplate, {}, 200, 140, kControls};

class PageHelpersTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(nullptr)); }
    ui::IView& View() { return m_dialog.View(); }

    ui::Automation m_automation;
    ui::Dialog m_dialog{kDecl};
};

TEST(EditRangeTest, TextInRange) {
    struct Case {
        const wchar_t* text;
        int64_t low, high;
        bool pass;
    };
    const Case cases[] = {
        {L"", 0, 10, true},
        {L"", 1, 10, false},
        {L"", -5, -1, false},
        {L"10", 0, 10, true},
        {L"11", 0, 10, false},
        {L"0", 1, 10, false},
        {L"-1", -5, 5, false},
        {L"1 ", 0, 10, false},
        {L"+1", 0, 10, false},
        {L"4294967295", 0, 4294967295LL, true},
        {L"4294967296", 0, 4294967295LL, false},
        {L"99999999999999999999999", 0, 4294967295LL, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTextInRange(c.text, c.low, c.high), c.pass)
            << testing::PrintToString(std::wstring(c.text).size()) << " chars, " << c.low << "~"
            << c.high;
    }
}

TEST_F(PageHelpersTest, ClampRewritesOnlyChangedValues) {
    struct Case {
        const wchar_t* before;
        int step;
        const wchar_t* after;
        int64_t value;
    };
    const Case cases[] = {
        {L"300", 0, L"255", 255}, {L"-7", 0, L"0", 0},    {L"", 0, L"", 0},
        {L"abc", 0, L"abc", 0},   {L"", 1, L"1", 1},      {L"255", 1, L"255", 255},
        {L"0", -1, L"0", 0},      {L"12", -1, L"11", 11}, {L"99999999999999999999", 1, L"255", 255},
    };
    for (const Case& c : cases) {
        View().SetText(kEdit, c.before);
        EXPECT_EQ(ClampEdit(View(), kEdit, c.step, 0, 255), c.value);
        EXPECT_EQ(View().GetText(kEdit), c.after);
    }
}

TEST_F(PageHelpersTest, ComboEntriesByData) {
    EXPECT_EQ(SelectedComboData(View(), kCombo), 0u);  // empty list
    EXPECT_EQ(AddComboEntry(View(), kCombo, L"a", 10), 0);
    EXPECT_EQ(AddComboEntry(View(), kCombo, L"b", 20), 1);
    EXPECT_EQ(AddComboEntry(View(), kCombo, L"c", 20), 2);
    EXPECT_EQ(SelectedComboData(View(), kCombo), 0u);  // nothing selected
    EXPECT_EQ(FindComboData(View(), kCombo, 20, false), 1);
    EXPECT_EQ(View().GetSel(kCombo), -1);
    EXPECT_EQ(FindComboData(View(), kCombo, 20, true), 1);
    EXPECT_EQ(SelectedComboData(View(), kCombo), 20u);
    EXPECT_EQ(FindComboData(View(), kCombo, 30, true), -1);
    EXPECT_EQ(View().GetSel(kCombo), 1);  // a miss leaves the selection
}

// Fixed-width texts as GBK terminals store them: zero-padded, and cut only between characters.
TEST(RowCodecTest, FixedTextKeepsItsWidth) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    using Bytes = std::vector<uint8_t>;
    struct Case {
        const wchar_t* text;
        int width;
        Bytes value;
    } cases[] = {
        {L"AB", 4, {'A', 'B', 0, 0}},
        {L"ABCDE", 4, {'A', 'B', 'C', 'D'}},
        {L"\u7CA4A", 3, {0xD4, 0xC1, 'A'}},
        {L"A\u7CA4", 2, {'A', 0}},  // half a character is never sent
        {L"", 3, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        const ParamRow row = FixedText(0xFF02, 1, 0, {}, c.width);
        std::array<uint8_t, 32> list{};
        ParamListWriter writer(list);
        ASSERT_TRUE(AppendRowText(writer, 0xFF02, row, c.text));
        const uint32_t length = writer.Finish();
        EXPECT_EQ(Bytes(list.begin() + 6, list.begin() + length), c.value);
        // Read back, an over-long item shows no more than the width.
        const Bytes longer = {'1', '2', '3', '4', '5', '6'};
        EXPECT_EQ(ReadRowText(row, ParamItemView(0xFF02, longer)).size(),
                  static_cast<size_t>(c.width));
    }
}

TEST_F(PageHelpersTest, DecodedTimesReachThePickerOnlyWhenValid) {
    const ui::DateTime base{2024, 5, 6, 1, 2, 3};
    const ui::DateTime before{2020, 1, 1, 8, 0, 0};
    struct Case {
        std::vector<uint8_t> bcd;
        bool taken;
        ui::DateTime shown;
    };
    const Case cases[] = {
        {{0x23, 0x59}, true, {2024, 5, 6, 23, 59, 3}},
        {{0x00, 0x00, 0x59}, true, {2024, 5, 6, 0, 0, 59}},
        {{0x24, 0x00}, false, before},
        {{0x1A, 0x00}, true, {2024, 5, 6, 20, 0, 3}},  // nibbles as they are: 1 * 10 + 10
        {{0x3A, 0x00}, false, before},                 // 40 is no hour
        {{0x12, 0x60}, false, before},
    };
    for (const Case& c : cases) {
        View().SetTime(kTime, before);
        EXPECT_EQ(SetPickerBcdTime(View(), kTime, base, c.bcd), c.taken);
        EXPECT_EQ(View().GetTime(kTime), c.shown);
    }
}

// Record fields: what a field reads from a record value and how writing it leaves the rest of the
// record, for the widths and placements the video pages do not use.
constexpr ParamRow Word(Wire wire, int at) {
    return Field(0x0100, wire, at, RowKind::kEdit, 1, -1, {});
}

TEST(RecordField, ReadsItsOwnBytesOnly) {
    const std::vector<uint8_t> record = {0x11, 0x22, 0x33, 0x44, 0x55};
    const std::pair<ParamRow, int64_t> cases[] = {
        {Word(Wire::kU16, 1), 0x2233},
        {Word(Wire::kU32, 1), 0x22334455},
        {Word(Wire::kU32, 3), 0x44550000},  // past the end reads zeros
        {Word(Wire::kU32, 1).Bits(12, 8), 0x34},
        {Word(Wire::kU8, 4), 0x55},  // a byte of an odd-length value is a number, not text
    };
    for (const auto& [row, expected] : cases) {
        EXPECT_EQ(ReadRowNumber(row, ParamItemView(0x0100, record)), expected);
    }
}

TEST(RecordField, WritingKeepsTheRestOfTheRecord) {
    using Bytes = std::vector<uint8_t>;
    struct Case {
        Bytes record;
        ParamRow row;
        int64_t value;
        Bytes expected;
    } cases[] = {
        {{0xAA, 0, 0, 0xBB}, Word(Wire::kU16, 1), 0x1234, {0xAA, 0x12, 0x34, 0xBB}},
        {{0, 0}, Word(Wire::kU8, 1), 0x1FF, {0, 0xFF}},  // only the value's low bytes
        {{0xAA}, Word(Wire::kU16, 3), 0x0102, {0xAA, 0, 0, 0x01, 0x02}},  // grown with zeros
        {{0xFF, 0xFF, 0xFF, 0xFF}, Word(Wire::kU32, 0).Bits(12, 8), 0, {0xFF, 0xF0, 0x0F, 0xFF}},
        {{0x80}, Word(Wire::kU16, 0).Bits(0, 1), 1, {0x80, 0x01}},  // a field half held
    };
    for (Case& c : cases) {
        PutRowField(c.record, c.row, c.value);
        EXPECT_EQ(c.record, c.expected);
    }
}

}  // namespace
}  // namespace mdvr::test
