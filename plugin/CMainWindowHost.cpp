#include "plugin/CMainWindowHost.h"

namespace mdvr {

CMainWindowHost& CMainWindowHost::Instance() {
    static CMainWindowHost host;
    return host;
}

// A window the host never closed is left to die with the host's window: when the module's
// statics go, the toolkit behind it may already be gone.
CMainWindowHost::~CMainWindowHost() {
    static_cast<void>(m_window.release());
}

bool CMainWindowHost::Open(MDVR_HWND parent) {
    if (m_window || m_factory == nullptr) {
        return false;
    }
    m_window = m_factory();
    if (!m_window) {
        return false;
    }
    bool created = false;
    try {
        created = m_window->Create(parent);
    } catch (...) {
        Close();  // a half-made window must not stay the module's window
        throw;
    }
    if (!created) {
        Close();
    }
    return created;
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
