#pragma once
// An edit holding an inclusive numeric range (32-bit or 64-bit, at most one in force) that checks
// its text when it loses the focus. The warning is advisory: text and focus stay as they are.
#include <cstdint>

#include "ui/IControlBehavior.h"

namespace mdvr {

class CEditBoundsBase : public ui::IControlBehavior {
  public:
    void SetBounds(int32_t min, int32_t max);
    void SetBounds64(int64_t min, int64_t max);

    void OnAttached(ui::IView& view, int id) override;
    // Consumes the kill-focus: the owner never hears of it.
    bool OnInput(ui::IView& view, const ui::Notification& n) override;

  protected:
    virtual void ShowBoundsError(ui::IView& view, int id) = 0;
    virtual void ShowBoundsError64(ui::IView& /*view*/, int /*id*/) {}

    void CheckBounds(ui::IView& view, int id);

    int32_t m_min = 0;
    int32_t m_max = 0;
    int64_t m_min64 = 0;
    int64_t m_max64 = 0;
};

}  // namespace mdvr
