#pragma once
// A pop-up's drop shadow: a click-through layered window that sits just below and behind it.
#include <windows.h>

namespace mdvr::ui::win32 {

class ShadowWindow {
  public:
    explicit ShadowWindow(HWND target);
    ~ShadowWindow();
    ShadowWindow(const ShadowWindow&) = delete;
    ShadowWindow& operator=(const ShadowWindow&) = delete;

    // Follows the target's place, size and visibility; call after each of them changes.
    void Follow();

  private:
    HWND m_target;
    HWND m_shadow = nullptr;
};

}  // namespace mdvr::ui::win32
