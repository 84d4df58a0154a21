#pragma once
// What the Windows test hosts share: their own top-level window, finding the plug-in's controls
// in it, running its queued messages, and a picture of it for people to look at.
#include <windows.h>

#include <string>
#include <vector>

namespace mdvr::wintest {

// A visible 1000 x 670 client area, as a fleet client gives the plug-in.
HWND CreateHostWindow(const wchar_t* className);
// This process's windows anywhere below parent, or its top-level ones for null.
std::vector<HWND> Windows(HWND parent);
// The first visible control with that ID anywhere below top, or null.
HWND Control(HWND top, int id);
std::wstring Text(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
// This process's tooltip windows.
std::vector<HWND> Tooltips();
void Pump();
// The client area as a 24-bit BMP file.
void SaveBitmap(HWND hwnd, const std::wstring& path);

}  // namespace mdvr::wintest
