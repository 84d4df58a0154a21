#include "ui/Dialog.h"

#include "ui/CallGuard.h"

namespace mdvr::ui {

Dialog::Dialog(const DialogDecl& decl) : m_decl(decl) {}

Dialog::~Dialog() { Destroy(); }

bool Dialog::Create(Dialog* parent, bool show) {
    return Build(parent != nullptr && parent->IsCreated() ? &parent->View() : nullptr, nullptr,
                 show);
}

bool Dialog::CreateInNative(void* nativeParent) { return Build(nullptr, nativeParent, true); }

bool Dialog::Build(IView* parent, void* nativeParent, bool show) {
    if (m_view) return false;
    m_view = Backend().CreateView(m_decl, parent, nativeParent, *this);
    if (!m_view) return false;
    for (auto& [id, behavior] : m_behaviors) behavior->OnAttached(*m_view, id);
    OnInitDialog();
    const Point size = m_view->ClientSize();
    OnResize(size.x, size.y);
    // Built unseen, as a platform dialog is shown only after its initialisation: nothing of it
    // is drawn until it is complete.
    const bool child = (parent != nullptr || nativeParent != nullptr) && !m_decl.popup;
    if (child) m_view->ShowWindow(show);
    return true;
}

int Dialog::DoModal(Dialog* owner) {
    if (!Create(owner)) return 0;
    const int result = Backend().RunModal(*m_view);
    Destroy();
    return result;
}

void Dialog::EndDialog(int result) {
    if (m_view) m_view->EndModal(result);
}

void Dialog::Destroy() {
    if (!m_view) return;
    OnDestroy();
    m_view.reset();
}

void Dialog::Attach(int id, IControlBehavior& behavior) {
    m_behaviors.emplace(id, &behavior);
    if (m_view) behavior.OnAttached(*m_view, id);
}

// Guarded: a close that the handler's host callbacks ask for runs only after this returns, and
// nothing here touches the dialog after the handler.
bool Dialog::OnInput(const Notification& n) {
    const CallGuard guard;
    if (!m_view) return false;
    auto [first, last] = m_behaviors.equal_range(n.id);
    for (auto it = first; it != last; ++it) {
        if (it->second->OnInput(*m_view, n)) return true;
        if (!m_view) return true;  // a behaviour closed the dialog: nothing else may see it
    }
    return OnNotify(n);
}

void Dialog::OnResize(int width, int height) {
    if (m_view) OnSize(width, height);
}

}  // namespace mdvr::ui
