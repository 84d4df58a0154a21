#include "plugin/CMainWindowHost.h"

namespace mdvr {

CMainWindowHost& CMainWindowHost::Instance() {
    static CMainWindowHost host;
    return host;
}

bool CMainWindowHost::Open(MDVR_HWND parent) {
    if (m_window || !m_factory) {
        return false;
    }
    m_window = m_factory(parent);
    return m_window != nullptr;
}

void CMainWindowHost::Refresh() {
    if (m_window) {
        m_window->RefreshPages();
    }
}

void CMainWindowHost::Close() {
    m_window.reset();
}

bool CMainWindowHost::PreTranslate(MDVR_MSG& msg) {
    return m_window && m_window->PreTranslateMessage(msg);
}

}  // namespace mdvr
