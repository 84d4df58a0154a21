#pragma once
// Small Win32 helpers shared by the backend's classes: the module handle, window text and the
// screen scaling of 96-DPI geometry.
#include <windows.h>

#include <string>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

// The module (DLL or executable) that holds this code: templates, classes and resources.
HINSTANCE ThisModule();

std::wstring WindowText(HWND hwnd);

// Logical pixels per inch across the desktop, read once.
int ScreenDpi();
// 96-DPI pixels to screen pixels and back; unchanged at 96 DPI or below.
int ToScreen(int value);
int FromScreen(int value);
RECT ToScreen(const Rect& rect);
Rect FromScreen(const RECT& rect);

}  // namespace mdvr::ui::win32
