#pragma once
// A skinned child panel by whose free surface the user drags the whole top-level window.
#include <cstdint>

#include "controls/CDialogBase.h"

namespace mdvr {

class CDlgChildBase : public CDialogBase {
  public:
    using CDialogBase::CDialogBase;

    static constexpr uint32_t kDragIntervalMs = 40;

    bool IsDragging() const { return m_dragging; }

  protected:
    // Mouse input on the panel's own surface (control ID 0) drives the drag; derived panels
    // pass their notifications here first.
    bool OnNotify(const ui::Notification& n) override;

  private:
    void BeginDrag();
    void DragTo(ui::Point cursor);
    void EndDrag();

    bool m_dragging = false;
    ui::Point m_dragStart;
    ui::Rect m_startRect;
    uint32_t m_lastMoveTick = 0;
};

}  // namespace mdvr
