#pragma once
// A control's own rules (range checks, character filters, check-box states, list keys) that run
// the same on every backend. Attached to one control ID of a dialog; sees that control's input
// before the dialog does.
#include "ui/Types.h"

namespace mdvr::ui {

class IView;

class IControlBehavior {
public:
    virtual ~IControlBehavior() = default;
    // Called once when the dialog's controls exist (or at once when attached later).
    virtual void OnAttached(IView& view, int id) = 0;
    // Returns true to consume the input: neither the dialog nor the backend's default sees it.
    virtual bool OnInput(IView& view, const Notification& n) = 0;
};

}  // namespace mdvr::ui
