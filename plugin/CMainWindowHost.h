#pragma once
// The module's single configuration window: at most one exists; the module owns it.
// A host may call in again from inside a callback (it pumps messages while it waits): a close
// or a refresh asked for then waits until the outermost plug-in call returns (ui::CallGuard),
// so the code that ran the callback still finds its window and pages.
#include <memory>

#include "plugin/IMainWindow.h"

namespace mdvr {

class CMainWindowHost {
  public:
    static CMainWindowHost& Instance();
    CMainWindowHost() = default;
    ~CMainWindowHost();
    CMainWindowHost(const CMainWindowHost&) = delete;
    CMainWindowHost& operator=(const CMainWindowHost&) = delete;

    // Until a factory is installed no window can be opened.
    void SetFactory(MainWindowFactory factory) { m_factory = factory; }
    // False from the moment a close is asked for.
    bool IsOpen() const { return m_window != nullptr && !m_closing; }

    // Creates the window unless one exists; true when a new window was created. The object is
    // stored before its window is created and dropped again when creation fails.
    bool Open(MDVR_HWND parent);
    void Refresh();
    void Close();
    // The open window's pre-translation; false when there is no window.
    bool PreTranslate(MDVR_MSG& msg);

  private:
    MainWindowFactory m_factory = nullptr;
    std::unique_ptr<IMainWindow> m_window;
    bool m_closing = false;
};

}  // namespace mdvr
