#pragma once
// How a declared control becomes a Win32 child window: window class and styles per kind.
#include <windows.h>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

struct WindowClassStyle {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};

WindowClassStyle ClassFor(const ControlDecl& decl);

// Extended list-view styles from the declared list flags.
DWORD ListExStyleFor(uint32_t style);

}  // namespace mdvr::ui::win32
