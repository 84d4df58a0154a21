#pragma once
// The configuration window as the exports see it. The frame layer supplies the real window through
// a MainWindowFactory; the exports only create, refresh, feed and destroy it.
#include <memory>

#include "mdvr808.h"

namespace mdvr {

class IMainWindow {
  public:
    virtual ~IMainWindow() = default;  // destroys the native window as well
    // Re-decides the visible pages from the device profile and reloads the current page.
    virtual void RefreshPages() = 0;
    // The window's own pre-translation of a host message (dialog keys); true when consumed.
    virtual bool PreTranslateMessage(MDVR_MSG& msg) = 0;
};

// Creates the window inside parent, sized to its client area and shown. Runs inside the module's
// own resource context (the factory sets it up around every window it creates).
using MainWindowFactory = std::unique_ptr<IMainWindow> (*)(MDVR_HWND parent);

}  // namespace mdvr
