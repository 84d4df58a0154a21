#pragma once
// The configuration window as the exports see it. The frame layer supplies the real window through
// a MainWindowFactory; the exports only create, refresh, feed and destroy it.
#include <memory>

#include "mdvr808.h"

namespace mdvr {

class IMainWindow {
  public:
    virtual ~IMainWindow() = default;  // destroys the native window as well
    // Creates the window inside parent, sized to its client area, shown, first page loaded.
    // Runs after the module stored the object, so host calls made meanwhile already see it.
    virtual bool Create(MDVR_HWND parent) = 0;
    // Re-decides the visible pages from the device profile and reloads the current page.
    virtual void RefreshPages() = 0;
    // The window's own pre-translation of a host message (dialog keys); true when consumed.
    virtual bool PreTranslateMessage(MDVR_MSG& msg) = 0;
};

// Makes the window object; its Create, RefreshPages and PreTranslateMessage switch to the
// module's own resource context themselves.
using MainWindowFactory = std::unique_ptr<IMainWindow> (*)();

}  // namespace mdvr
