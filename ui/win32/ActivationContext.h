#pragma once
// The common-controls v6 activation context of this module's own manifest. A DLL inherits the
// host's context otherwise, and then gets a mix of v5 and v6 controls.
#include <windows.h>

namespace mdvr::ui::win32 {

class ActivationContext {
  public:
    ActivationContext();
    ~ActivationContext();
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;

    // Keeps the context active for its lifetime; window creation happens inside one.
    class Scope {
      public:
        explicit Scope(const ActivationContext& context);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        ULONG_PTR m_cookie = 0;
        bool m_active = false;
    };

  private:
    HANDLE m_context = INVALID_HANDLE_VALUE;
};

}  // namespace mdvr::ui::win32
