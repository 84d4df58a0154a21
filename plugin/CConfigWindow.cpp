#include "plugin/CConfigWindow.h"

#include "plugin/CMainWindowHost.h"

namespace mdvr {

namespace {

// The module opens CConfigWindow from the moment it is loaded.
[[maybe_unused]] const bool kInstalled = [] {
    CMainWindowHost::Instance().SetFactory(&CConfigWindow::Make);
    return true;
}();

}  // namespace

std::unique_ptr<IMainWindow> CConfigWindow::Make() {
    return std::make_unique<CConfigWindow>();
}

// Created at its template size, then stretched over the host window's whole client area.
bool CConfigWindow::Create(MDVR_HWND parent) {
    if (!m_dialog.CreateInNative(parent)) return false;
    const ui::Point size = ui::Backend().NativeClientSize(parent);
    if (size.x > 0 && size.y > 0) m_dialog.View().MoveWindow({0, 0, size.x, size.y});
    m_dialog.View().ShowWindow(true);
    return true;
}

// Hosts route every message through the module: dialog navigation happens here.
bool CConfigWindow::PreTranslateMessage(MDVR_MSG& msg) {
    return m_dialog.IsCreated() && ui::Backend().TranslateDialogKey(m_dialog.View(), &msg);
}

}  // namespace mdvr
