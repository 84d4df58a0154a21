#pragma once
// Small Win32 helpers shared by the backend's classes: the module handle, window text and the
// screen scaling of declared (96-DPI) geometry.
#include <windows.h>

#include <string>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

// The module (DLL or executable) that holds this code: templates, classes and resources.
HINSTANCE ThisModule();

std::wstring WindowText(HWND hwnd);

// Marks a window for repainting, background included, when it is in sight. A window out of sight
// is painted whole when it shows, and under wine each invalidation is a round trip to the window
// server (pages are built hidden).
void InvalidateShown(HWND hwnd);

// Logical pixels per inch across the desktop, read once.
int ScreenDpi();
// Declared 96-DPI pixels to device pixels; unchanged at 96 DPI or below. Only declarations pass
// through here: run-time geometry is in device pixels already.
int ToScreen(int value);
RECT ToScreen(const Rect& rect);
// The same rectangle in the other shape, unscaled.
RECT ToRECT(const Rect& rect);
Rect ToRect(const RECT& rect);

}  // namespace mdvr::ui::win32
