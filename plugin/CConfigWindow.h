#pragma once
// The module's configuration window: the frame's CDlgMain inside the host's window.
#include "frame/CDlgMain.h"
#include "plugin/IMainWindow.h"

namespace mdvr {

class CConfigWindow : public IMainWindow {
  public:
    static std::unique_ptr<IMainWindow> Make();

    bool Create(MDVR_HWND parent) override;
    void RefreshPages() override { m_dialog.RefreshPages(); }
    bool PreTranslateMessage(MDVR_MSG& msg) override;

    CDlgMain& Dialog() { return m_dialog; }

  private:
    CDlgMain m_dialog;
};

}  // namespace mdvr
