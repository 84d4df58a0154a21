#include <tuple>

#include "controls/CXListCtrl.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

constexpr uint32_t kKeyA = 'A';
constexpr uint32_t kKeyC = 'C';

class ListControl : public ControlsTest {
  protected:
    // Columns Name, Value, a hidden zero-width Note, then Relation and Status; rows as given.
    void Open(const std::vector<std::array<const wchar_t*, 2>>& rows) {
        m_dialog.Attach(kList, m_list);
        m_dialog.Attach(kSingleList, m_single);
        ControlsTest::Open();
        m_list.InsertColumn(0, L"Name", 0, 80);
        m_list.InsertColumn(1, L"Value", 0, 60);
        m_list.InsertColumn(2, L"Note", 0, 0);
        m_list.AddStatusColumns();
        Fill(rows);
    }

    void Fill(const std::vector<std::array<const wchar_t*, 2>>& rows) {
        View().DeleteAllRows(kList);
        for (const auto& [name, value] : rows) {
            const int row = View().InsertRow(kList, View().RowCount(kList), name);
            const std::array<const wchar_t*, 4> cells{value, L"hidden", L"rel", L"Online"};
            for (int col = 1; col < 5; ++col)
                View().SetCellText(kList, row, col, cells.at(size_t(col - 1)));
        }
    }

    std::vector<std::wstring> Column(int col) const {
        std::vector<std::wstring> cells;
        for (int row = 0; row < m_driver.RowCount(kList); ++row)
            cells.push_back(m_driver.Cell(kList, row, col));
        return cells;
    }

    std::vector<bool> Checks() const {
        std::vector<bool> checks;
        for (int row = 0; row < m_driver.RowCount(kList); ++row)
            checks.push_back(m_driver.RowChecked(kList, row));
        return checks;
    }

    CXListCtrl m_list{kListStyle};
    CXListCtrl m_single{ui::kStyleListSingleSelect};
};

TEST_F(ListControl, CopiesDecidedByThePointerNotTheSelection) {
    struct Case {
        int row, col;  // pointer; row -1 = over no cell
        bool shift;
        const wchar_t* clipboard;  // null: nothing copied
        const wchar_t* tip;
    };
    const Case cases[] = {
        {1, 1, false, L"80", L"复制单元格数据 完成"},
        {0, 0, true, L"Name:speed\r\nValue:120\r\n", L"复制一行数据 完成"},
        {-1, 0, true, L"Name\tValue\t\r\nspeed\t120\t\r\nlimit\t80\t\r\n",
         L"复制列表全部数据 完成"},
        {-1, 0, false, nullptr, nullptr},
    };
    Open({{{L"speed", L"120"}}, {{L"limit", L"80"}}});
    View().SelectRow(kList, 1, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col << " shift " << c.shift);
        m_automation.Backend().SetClipboardText(L"before");
        View().SetToolTip(kList, L"old tip");
        const int closes = m_driver.ToolTipCloses(kList);
        m_driver.PointAtCell(kList, c.row, c.col);
        m_driver.PressKey(kList, kKeyC, true, c.shift);
        EXPECT_EQ(m_automation.Backend().ClipboardText(), c.clipboard ? c.clipboard : L"before");
        EXPECT_EQ(m_driver.ToolTip(kList), c.tip ? c.tip : L"old tip");
        EXPECT_EQ(m_driver.ToolTipCloses(kList), closes + (c.tip ? 1 : 0));
    }
    m_list.SetCopySeparator(L"\uFF1A");
    m_driver.PointAtCell(kList, 0, 1);
    m_driver.PressKey(kList, kKeyC, true, true);
    EXPECT_EQ(m_automation.Backend().ClipboardText(), L"Name\uFF1Aspeed\r\nValue\uFF1A120\r\n");
}

TEST_F(ListControl, SpaceChecksSelectedRowsUnlessAllAreChecked) {
    Open({{{L"a", L"1"}}, {{L"b", L"2"}}, {{L"c", L"3"}}});
    View().SelectRow(kList, 0, true);
    View().SelectRow(kList, 1, true);
    View().SetRowCheck(kList, 0, true);
    m_driver.PressKey(kList, ui::kKeySpace);
    EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false}));
    m_driver.PressKey(kList, ui::kKeySpace);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
}

TEST_F(ListControl, CtrlASelectsAllAndCtrlShiftAClears) {
    Open({{{L"a", L"1"}}, {{L"b", L"2"}}});
    View().InsertColumn(kSingleList, 0, L"Only", 50);
    View().InsertRow(kSingleList, 0, L"x");
    View().InsertRow(kSingleList, 1, L"y");
    // List, shift, then whether each row is selected; a single-selection list takes no Ctrl+A.
    const std::tuple<int, bool, bool> steps[] = {
        {kList, false, true}, {kList, true, false}, {kSingleList, false, false}};
    for (const auto& [id, shift, selected] : steps) {
        m_driver.PressKey(id, kKeyA, true, shift);
        EXPECT_EQ(m_driver.RowSelected(id, 0), selected) << id << shift;
        EXPECT_EQ(m_driver.RowSelected(id, 1), selected) << id << shift;
    }
}

// The header check box checks and clears every row; it sorts nothing and leaves the arrow.
TEST_F(ListControl, HeaderCheckBoxChecksAndClearsAllRows) {
    Open({{{L"a", L"2"}}, {{L"b", L"1"}}});
    const ui::HeadlessControl& shown = *View().Find(kList);
    m_driver.ClickHeader(kList, 1);  // descending: the order stays
    View().SetRowCheck(kList, 1, true);
    m_driver.ClickHeader(kList, 0);
    EXPECT_TRUE(m_driver.HeaderChecked(kList));
    EXPECT_EQ(Checks(), (std::vector<bool>{true, true}));
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(shown.sortArrowColumn, 1);
    m_driver.ClickHeader(kList, 0);
    EXPECT_FALSE(m_driver.HeaderChecked(kList));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false}));
    EXPECT_TRUE(shown.horzScrollBar);
    m_list.SetNoHorzScroll(true);
    EXPECT_FALSE(shown.horzScrollBar);
}

TEST_F(ListControl, SortKindAndDirection) {
    struct Case {
        std::vector<const wchar_t*> values;
        std::vector<std::wstring> firstClick;  // descending
    };
    // Numbers and texts; the other kinds' rules are the compare test's business.
    const Case cases[] = {
        {{L"10", L"9", L"100"}, {L"100", L"10", L"9"}},
        {{L"pear", L"apple", L"fig"}, {L"pear", L"fig", L"apple"}},
    };
    Open({});
    const ui::HeadlessControl& shown = *View().Find(kList);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.firstClick));
        std::vector<std::array<const wchar_t*, 2>> rows;
        for (const wchar_t* value : c.values) rows.push_back({L"n", value});
        Fill(rows);
        // The last case left column 1 ascending: the next click on it sorts descending.
        m_driver.ClickHeader(kList, 1);
        EXPECT_EQ(Column(1), c.firstClick);
        EXPECT_EQ(shown.sortArrowColumn, 1);
        EXPECT_FALSE(shown.sortArrowUp);
        m_driver.ClickHeader(kList, 1);
        EXPECT_EQ(Column(1), std::vector<std::wstring>(c.firstClick.rbegin(), c.firstClick.rend()));
        EXPECT_TRUE(shown.sortArrowUp);
    }
}

TEST_F(ListControl, OtherColumnKeepsTheDirectionAndRowsMoveWhole) {
    Open({{{L"b", L"1"}}, {{L"a", L"3"}}, {{L"c", L"2"}}});
    for (int row = 0; row < 3; ++row)
        View().SetCellText(kList, row, 2, std::wstring(1, L"yzx"[row]));
    m_driver.ClickHeader(kList, 1);
    m_driver.ClickHeader(kList, 1);  // ascending now
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"b", L"c", L"a"}));
    m_driver.ClickHeader(kList, 2);  // a new column keeps the flag
    EXPECT_EQ(Column(2), (std::vector<std::wstring>{L"x", L"y", L"z"}));
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"c", L"b", L"a"}));
    EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"2", L"1", L"3"}));
    m_list.EnableSorting(false);
    m_driver.ClickHeader(kList, 1);
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"c", L"b", L"a"}));
}

TEST_F(ListControl, UserCompareDecidesAlone) {
    Open({{{L"a", L"1"}}, {{L"b", L"2"}}, {{L"c", L"3"}}});
    // Reverses the row order the list had before the sort (item data = old row index).
    m_list.SetUserCompare(
        [](uintptr_t a, uintptr_t b, uintptr_t user) {
            EXPECT_EQ(user, 42u);
            return a > b ? -1 : (a < b ? 1 : 0);
        },
        42);
    m_driver.ClickHeader(kList, 1);
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"c", L"b", L"a"}));
}

// A row's text colour: its own column-0 key first, else its status, else the list's own.
TEST_F(ListControl, HiddenStatusColumnDecidesRowColours) {
    Open({{{L"a", L"1"}}, {{L"b", L"2"}}, {{L"c", L"3"}}});
    EXPECT_EQ(m_list.FindColumnByKind(-3), 4);
    EXPECT_EQ(View().ColumnWidth(kList, 4), 0);
    ui::HeadlessView& view = View();
    view.SetCellText(kList, 1, 4, L"Unknown");
    view.SetCellText(kList, 2, 4, L"Unknown");
    m_list.SetTextColour(CXListCtrl::ColourKey(2, 0), 0x123456);
    m_list.SetTextColour(CXListCtrl::ColourKey(1, 1), 0x654321);  // only column 0 keys count
    EXPECT_EQ(view.RowTextColour(kList, 0), 0x009900u);           // Online
    EXPECT_EQ(view.RowTextColour(kList, 1), m_list.Colours().text);
    EXPECT_EQ(view.RowTextColour(kList, 2), 0x123456u);
}

}  // namespace
}  // namespace mdvr::test
