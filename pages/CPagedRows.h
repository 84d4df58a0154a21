#pragma once
// Records shown four rows at a time under a count list: the page index, its "%d/%d" label, the
// previous and next buttons and which rows take input. The owner moves records in and out of
// the rows; this class only decides which records the rows stand for.
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
