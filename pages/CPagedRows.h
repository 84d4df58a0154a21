#pragma once
// Records shown four rows at a time under a count list: the page index, its "%d/%d" label, the
// previous and next buttons and which rows take input. The owner moves records in and out of
// the rows; this class only decides which records the rows stand for.
#include <array>

#include "pagebase/ParamRow.h"
#include "ui/IView.h"

namespace mdvr {

class CPagedRows {
  public:
    static constexpr int kRowsPerPage = 4;
    static constexpr int kMaxRecords = 16;
    static constexpr int kMaxPage = kMaxRecords / kRowsPerPage - 1;

    // What the owner does with the rows of the current page.
    class IOwner {
      public:
        virtual ~IOwner() = default;
        virtual void StoreRows() = 0;  // rows into the records they show
        virtual void ShowRows() = 0;   // records into the rows
        virtual void EnableRow(int row, bool enable) = 0;
    };

    struct Ids {
        int count;
        int previous;
        int next;
        int label;
    };

    // Rows and page buttons are made as the initial count of 0 leaves them, disabled: disabling
    // them afterwards costs a round trip each on Windows.
    static constexpr uint32_t kNoCountStyle = ui::kStyleDisabled;

    // The count list's entries, "0" to "16".
    static constexpr Choice kCounts[] = {
        {0, {0, L"0"}},   {1, {0, L"1"}},   {2, {0, L"2"}},   {3, {0, L"3"}},   {4, {0, L"4"}},
        {5, {0, L"5"}},   {6, {0, L"6"}},   {7, {0, L"7"}},   {8, {0, L"8"}},   {9, {0, L"9"}},
        {10, {0, L"10"}}, {11, {0, L"11"}}, {12, {0, L"12"}}, {13, {0, L"13"}}, {14, {0, L"14"}},
        {15, {0, L"15"}}, {16, {0, L"16"}},
    };
    // The line over the rows: the page's count row, then previous, the page label and next.
    static constexpr std::array<ParamRow, 4> CountLine(const ParamRow& count, Ids ids) {
        return {count.Choices(kCounts).Initial(0).Width(60),
                Button(ids.previous, {18103}).Width(70).SameLine().Style(kNoCountStyle),
                Note(ids.label, {0, L"1/0"}).Width(40).SameLine(),
                Button(ids.next, {18104}).Width(70).SameLine().Style(kNoCountStyle)};
    }

    CPagedRows(Ids ids, IOwner& owner) : m_ids(ids), m_owner(owner) {}

    int Page() const { return m_page; }
    int FirstRecord() const { return m_page * kRowsPerPage; }

    // Brings the page back inside the selected count and updates the label and the enabling;
    // nothing happens without a selection. False when the page had to move.
    bool Refresh(ui::IView& view, bool enabled);
    // One page back (-1) or on (+1), storing the rows first.
    void Turn(ui::IView& view, int delta, bool enabled);

  private:
    Ids m_ids;
    IOwner& m_owner;
    int m_page = 0;
};

}  // namespace mdvr
