#pragma once
// An edit kept to plain ASCII: non-ASCII keystrokes are dropped, pasted text is cut at the first
// character outside printable non-blank ASCII, and the owner is told (posted m_nNotifyMsg, lParam
// = this edit) when input was rejected.
#include <cstdint>

#include "ui/IControlBehavior.h"

namespace mdvr {

namespace ui {
class Dialog;
}

class CEditCheck : public ui::IControlBehavior {
  public:
    void OnAttached(ui::IView& view, int id) override;
    bool OnInput(ui::IView& view, const ui::Notification& n) override;

    // The owner's handler of m_nNotifyMsg: the error balloon on the edit the lParam names.
    static void ShowRejected(intptr_t lParam);

    ui::Dialog* m_pNotifyWnd = nullptr;  // not owned; null = nobody is told
    uint32_t m_nNotifyMsg = 0;

  private:
    void NotifyRejected();
    void TrimPasted(ui::IView& view, int id);

    ui::IView* m_view = nullptr;
    int m_id = 0;
};

}  // namespace mdvr
