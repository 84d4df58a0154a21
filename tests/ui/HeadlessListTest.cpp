// Report lists of the headless backend: rows, checks, selection, sorting and pointer.
#include <gtest/gtest.h>

#include "TestDialog.h"

namespace mdvr::ui::test {
namespace {

class ListTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        IView& view = m_dialog.View();
        view.InsertColumn(kList, 0, L"Name", 80);
        view.InsertColumn(kList, 1, L"Value", 60);
        for (int row = 0; row < 4; ++row) {
            view.InsertRow(kList, row, L"r" + std::to_wstring(row));
            view.SetCellText(kList, row, 1, std::to_wstring(row * 10));
            view.SetRowData(kList, row, static_cast<uintptr_t>(row));
        }
    }
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (int row = 0; row < m_driver.RowCount(kList); ++row)
            names.push_back(m_driver.Cell(kList, row, 0));
        return names;
    }
};

TEST_F(ListTest, RowsAndColumnsKeepTheirCells) {
    IView& view = m_dialog.View();
    EXPECT_EQ(view.ColumnCount(kList), 2);
    EXPECT_EQ(view.ColumnWidth(kList, 1), 60);
    EXPECT_EQ(view.InsertRow(kList, -1, L"last"), 4);
    EXPECT_EQ(view.InsertRow(kList, 1, L"second"), 1);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"r0", L"second", L"r1", L"r2", L"r3", L"last"}));
    view.InsertColumn(kList, 1, L"Middle", 10);
    EXPECT_EQ(view.GetCellText(kList, 2, 2), L"10");  // cells move right with the new column
    EXPECT_EQ(view.GetCellText(kList, 2, 5), L"");
    view.DeleteAllRows(kList);
    EXPECT_EQ(view.RowCount(kList), 0);
}

TEST_F(ListTest, SortIsStable) {
    IView& view = m_dialog.View();
    const uintptr_t keys[] = {1, 0, 1, 0};
    for (int row = 0; row < 4; ++row) view.SetRowData(kList, row, keys[row]);
    view.SortRows(kList, [](uintptr_t a, uintptr_t b) { return a < b ? -1 : (a > b ? 1 : 0); });
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"r1", L"r3", L"r0", L"r2"}));
    view.SortRows(kList, [](uintptr_t, uintptr_t) { return 0; });
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"r1", L"r3", L"r0", L"r2"}));
}

TEST_F(ListTest, RowClickChecksOrSelectsThenReports) {
    // Row, on its check box, then checked and selected after the click.
    const std::array<int, 4> cases[] = {{2, 1, 1, 0}, {2, 1, 0, 0}, {1, 0, 0, 1}};
    for (const auto& [row, onCheckBox, checked, selected] : cases) {
        int checkedWhenReported = -1;
        m_dialog.m_react = [&, row = row](TestDialog& d, const Notification& n) {
            if (n.event == Event::Click && n.row == row)
                checkedWhenReported = d.View().GetRowCheck(kList, row);
            return false;
        };
        m_driver.ClickRow(kList, row, 1, onCheckBox != 0);
        EXPECT_EQ(m_driver.RowChecked(kList, row), checked != 0) << row;
        EXPECT_EQ(checkedWhenReported, checked) << row;
        EXPECT_EQ(m_driver.RowSelected(kList, row), selected != 0) << row;
    }
    const Notification& last = m_dialog.m_heard.back();
    EXPECT_EQ(last.event, Event::Click);
    EXPECT_EQ(last.col, 1);
}

TEST_F(ListTest, SpaceTogglesFocusedRowUnlessConsumed) {
    m_driver.ClickRow(kList, 3);
    m_driver.PressKey(kList, kKeySpace);
    EXPECT_TRUE(m_driver.RowChecked(kList, 3));
    Interceptor eat([](const Notification& n) { return n.event == Event::KeyDown; });
    m_dialog.Attach(kList, eat);
    m_driver.PressKey(kList, kKeySpace);
    EXPECT_TRUE(m_driver.RowChecked(kList, 3));
}

TEST_F(ListTest, SingleSelectKeepsOneRow) {
    IView& view = m_dialog.View();
    view.SelectRow(kList, 0, true);
    view.SelectRow(kList, 1, true);
    EXPECT_TRUE(view.IsRowSelected(kList, 0));  // a multi-selection list keeps both
    const ControlDecl single{
        500, ControlKind::ListView, {}, kStyleListSingleSelect, {0, 0, 10, 10}};
    ASSERT_TRUE(view.AddControl(single));
    view.InsertRow(500, 0, L"a");
    view.InsertRow(500, 1, L"b");
    view.SelectRow(500, 0, true);
    view.SelectRow(500, 1, true);
    EXPECT_FALSE(view.IsRowSelected(500, 0));
    EXPECT_TRUE(view.IsRowSelected(500, 1));
}

TEST_F(ListTest, PointerOverCellAndHeaderClick) {
    int row = -1;
    int col = -1;
    EXPECT_FALSE(m_dialog.View().CellUnderPointer(kList, &row, &col));
    m_driver.PointAtCell(kList, 2, 1);
    EXPECT_TRUE(m_dialog.View().CellUnderPointer(kList, &row, &col));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
    m_driver.PointAtCell(kList, 9, 0);  // past the last row: over no cell
    EXPECT_FALSE(m_dialog.View().CellUnderPointer(kList, &row, &col));
    m_driver.ClickHeader(kList, 1);
    EXPECT_EQ(m_dialog.m_heard.back().event, Event::HeaderClick);
    EXPECT_EQ(m_dialog.m_heard.back().col, 1);
}

}  // namespace
}  // namespace mdvr::ui::test
