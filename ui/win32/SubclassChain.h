#pragma once
// Window subclassing kept inside the process. The platform's SetWindowSubclass keeps its chain in
// a window property, and under wine every property read is a round trip to the window server:
// several per message and per subclass, hundreds per page shown. Here the chain of each window
// lives in a table of this module and one window procedure serves every subclassed control.
#include <windows.h>

#include <commctrl.h>

namespace mdvr::ui::win32 {

class SubclassChain {
  public:
    // Same contract as the platform's: the newest procedure sees a message first, and each passes
    // it on with CallNext. The chain ends by itself after WM_NCDESTROY.
    static bool Attach(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
    static void Detach(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
    // From inside a chained procedure: the next older one, or the window's own procedure.
    static LRESULT CallNext(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace mdvr::ui::win32
