#pragma once
// The platform's own floor for a page: the same windows (classes, styles, places, texts, fonts,
// list items) made and shown with no plug-in code behind them. What a page costs beyond its twin
// is ours; what the twin costs is the platform's.
#include <windows.h>

namespace mdvr::wintest {

// The configuration window below top, or null.
HWND ShownWindow(HWND top);
// The page the configuration window below top shows now, or null.
HWND ShownPage(HWND top);
// A hidden copy of page's window tree under host, at the page's place in its parent.
HWND MakePlainTwin(HWND page, HWND host);

}  // namespace mdvr::wintest
