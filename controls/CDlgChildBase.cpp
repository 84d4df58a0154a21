#include "controls/CDlgChildBase.h"

namespace mdvr {

bool CDlgChildBase::OnNotify(const ui::Notification& n) {
    if (n.id != 0) return false;
    switch (n.event) {
        case ui::Event::MouseDown:
            if (m_dragging || ui::Backend().IsParentMaximised(View())) return false;
            BeginDrag();
            return true;
        case ui::Event::MouseMove:
            if (!m_dragging) return false;
            if (ui::Backend().TickCount() - m_lastMoveTick >= kDragIntervalMs) {
                DragTo(ui::Backend().CursorPos());
            }
            return true;
        case ui::Event::MouseUp:
            if (!m_dragging) return false;
            EndDrag();
            return true;
        default:
            return false;
    }
}

void CDlgChildBase::BeginDrag() {
    ui::IBackend& backend = ui::Backend();
    backend.CaptureMouse(View(), 0);
    m_dragging = true;
    m_dragStart = backend.CursorPos();
    // One screen: the cursor, and with it the window, stays on it.
    if (backend.MonitorCount() < 2) {
        const ui::Point screen = backend.MaximisedSize();
        const ui::Rect confinement{0, 0, screen.x, screen.y};
        backend.ConfineCursor(&confinement);
    }
    m_startRect = backend.TopLevelRect(View());
}

void CDlgChildBase::DragTo(ui::Point cursor) {
    ui::Rect moved = m_startRect;
    moved.x += cursor.x - m_dragStart.x;
    moved.y += cursor.y - m_dragStart.y;
    ui::Backend().MoveTopLevel(View(), moved);
    m_lastMoveTick = ui::Backend().TickCount();
}

void CDlgChildBase::EndDrag() {
    ui::IBackend& backend = ui::Backend();
    DragTo(backend.CursorPos());
    m_dragging = false;
    backend.ReleaseMouse();
    backend.ConfineCursor(nullptr);
    View().SetFocus(0);
}

}  // namespace mdvr
