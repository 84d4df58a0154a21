#pragma once
// The host window the plug-in shows its configuration in. On Linux it is the headless bridge
// record, through which the window is driven by script; on Windows a real top-level window.
#include "mdvr808.h"
#include "tools/mdvr-host/PluginModule.h"
#include "ui/headless/HostBridge.h"

namespace mdvr::refhost {

class DisplayWindow {
  public:
    DisplayWindow(int width, int height);
    ~DisplayWindow();
    DisplayWindow(const DisplayWindow&) = delete;
    DisplayWindow& operator=(const DisplayWindow&) = delete;

    MDVR_HWND Handle();
    // The plug-in's automation once it opened its window in this one; null before and on
    // Windows, where a user drives the window.
    const ui::HostBridgeApi* Automation() const { return m_bridge.api; }
    // Windows: shows the window and runs its message loop, every message passing through the
    // plug-in's pre-translation, until the user closes it. Linux: returns at once.
    void RunUntilClosed(const PluginExports& plugin);

  private:
    ui::HostBridge m_bridge;
#ifdef _WIN32
    void* m_native = nullptr;  // the top-level HWND
#endif
};

}  // namespace mdvr::refhost
