#include "plugin/CMainWindowHost.h"

#include "ui/CallGuard.h"

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

// Reloading the current page from inside its own load would swap its list under the reader.
void CMainWindowHost::Refresh() {
    if (!IsOpen()) return;
    if (!ui::CallGuard::Nested()) {
        m_window->RefreshPages();
        return;
    }
    ui::CallGuard::WhenOutermostReturns([this] {
        if (IsOpen()) m_window->RefreshPages();
    });
}

void CMainWindowHost::Close() {
    if (!m_window || m_closing) return;
    m_closing = true;
    ui::CallGuard::WhenOutermostReturns([this] {
        m_closing = false;
        m_window.reset();
    });
}

bool CMainWindowHost::PreTranslate(MDVR_MSG& msg) {
    return IsOpen() && m_window->PreTranslateMessage(msg);
}

}  // namespace mdvr
