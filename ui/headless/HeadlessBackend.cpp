#include "ui/headless/HeadlessBackend.h"

#include <algorithm>

#include "ui/headless/HeadlessView.h"
#include "ui/headless/HostBridge.h"

namespace mdvr::ui {

HeadlessBackend::HeadlessBackend() {
    m_previousPresenter = SetMsgTipPresenter(this);
}

HeadlessBackend::~HeadlessBackend() {
    SetMsgTipPresenter(m_previousPresenter);
}

HeadlessBackend& HeadlessBackend::Instance() {
    static HeadlessBackend backend;
    return backend;
}

IBackend& Backend() {
    return HeadlessBackend::Instance();
}

// --- dialogs ---

std::unique_ptr<IView> HeadlessBackend::CreateView(const DialogDecl& decl, IView* parent,
                                                   void* nativeParent, IInputSink& sink) {
    auto* parentView = static_cast<HeadlessView*>(parent);
    HostWindow* host = nullptr;
    if (parentView == nullptr && nativeParent != nullptr) {
        parentView = ViewOfNative(nativeParent);
        host = parentView == nullptr ? HostOfNative(nativeParent) : nullptr;
        if (parentView == nullptr && host == nullptr) return nullptr;  // not a window
    }
    return std::make_unique<HeadlessView>(*this, decl, parentView, host, sink);
}

int HeadlessBackend::RunModal(IView& view) {
    auto& modal = static_cast<HeadlessView&>(view);
    const uint64_t serial = modal.Serial();
    m_modalsOpened.push_back(modal.TemplateId());
    modal.ClearModalResult();
    modal.SetInModalRun(true);
    Pump();
    if (!m_modalScripts.empty() && !modal.ModalResult()) {
        ModalScript script = std::move(m_modalScripts.front());
        m_modalScripts.pop_front();
        script(modal);
        Pump();
    }
    HeadlessView* live = Live(serial);
    if (live == nullptr) return kModalCancel;
    live->SetInModalRun(false);
    return live->ModalResult().value_or(kModalCancel);
}

uint64_t HeadlessBackend::Register(HeadlessView& view) {
    const uint64_t serial = m_nextSerial++;
    m_views[serial] = &view;
    return serial;
}

void HeadlessBackend::Unregister(const HeadlessView& view) {
    m_views.erase(view.Serial());
    if (m_focusView == view.Serial()) m_focusView = 0, m_focusId = 0;
    if (m_capture == view.Serial()) m_capture = 0;
}

HeadlessView* HeadlessBackend::Live(uint64_t serial) const {
    auto it = m_views.find(serial);
    return it != m_views.end() ? it->second : nullptr;
}

std::vector<HeadlessView*> HeadlessBackend::Views() const {
    std::vector<HeadlessView*> views;
    for (const auto& [serial, view] : m_views) views.push_back(view);
    return views;
}

HeadlessView* HeadlessBackend::ViewOfNative(void* native) const {
    for (const auto& [serial, view] : m_views) {
        if (view->NativeHandle() == native) return view;
    }
    return nullptr;
}

HostWindow* HeadlessBackend::HostOfNative(void* native) const {
    for (const auto& host : m_hosts) {
        if (host.get() == native) return host.get();
    }
    return AdoptHostBridge(native);
}

// --- input ---

bool HeadlessBackend::Deliver(HeadlessView& view, const Notification& n) {
    return view.Sink().OnInput(n);
}

void HeadlessBackend::Post(HeadlessView& view, const Notification& n) {
    m_posted.push_back({view.Serial(), n});
}

void HeadlessBackend::Pump() {
    while (!m_posted.empty()) {
        const Posted posted = m_posted.front();
        m_posted.pop_front();
        if (HeadlessView* view = Live(posted.serial)) Deliver(*view, posted.n);
    }
}

void HeadlessBackend::MoveFocus(HeadlessView* view, int id) {
    const uint64_t serial = view != nullptr ? view->Serial() : 0;
    if (serial == m_focusView && id == m_focusId) return;
    HeadlessView* old = Live(m_focusView);
    const int oldId = m_focusId;
    m_focusView = serial;
    m_focusId = view != nullptr ? id : 0;
    Notification n;
    if (old != nullptr && oldId != 0) {
        n.id = oldId;
        n.event = Event::KillFocus;
        Deliver(*old, n);
    }
    HeadlessView* now = Live(serial);
    if (now == nullptr || m_focusView != serial || m_focusId != id) return;  // moved on meanwhile
    n.id = id;
    n.event = Event::SetFocus;
    Deliver(*now, n);
}

int HeadlessBackend::FocusedId(const HeadlessView& view) const {
    return m_focusView == view.Serial() ? m_focusId : 0;
}

void HeadlessBackend::ForgetFocus(const HeadlessView& view, int id) {
    if (m_focusView == view.Serial() && m_focusId == id) m_focusView = 0, m_focusId = 0;
}

// --- mouse and top-level windows ---

// Automation points at controls by ID, so the capture is only recorded, per dialog.
void HeadlessBackend::CaptureMouse(IView& view, int /*id*/) {
    m_capture = static_cast<HeadlessView&>(view).Serial();
}

bool HeadlessBackend::HasCapture(const HeadlessView& view) const {
    return m_capture == view.Serial();
}

void HeadlessBackend::ConfineCursor(const Rect* screenRect) {
    m_confined = screenRect != nullptr;
    if (m_confined) m_confinement = *screenRect;
}

const HeadlessView& HeadlessBackend::Root(const HeadlessView& view) const {
    const HeadlessView* v = &view;
    while (v->Parent() != nullptr && !v->IsPopup()) v = v->Parent();
    return *v;
}

Rect HeadlessBackend::TopLevelRect(const IView& view) const {
    const HeadlessView& root = Root(static_cast<const HeadlessView&>(view));
    return root.Host() != nullptr ? root.Host()->rect : root.WindowRect();
}

void HeadlessBackend::MoveTopLevel(const IView& view, const Rect& rect) {
    const HeadlessView& root = Root(static_cast<const HeadlessView&>(view));
    if (root.Host() != nullptr) {
        root.Host()->rect = rect;
    } else if (HeadlessView* live = Live(root.Serial())) {
        live->MoveWindow(rect);
    }
}

bool HeadlessBackend::IsParentMaximised(const IView& view) const {
    const HeadlessView& root = Root(static_cast<const HeadlessView&>(view));
    return root.Host() != nullptr && root.Host()->maximised;
}

Point HeadlessBackend::NativeClientSize(void* native) const {
    if (const HeadlessView* view = ViewOfNative(native)) return view->ClientSize();
    if (const HostWindow* host = HostOfNative(native)) return {host->rect.w, host->rect.h};
    return {};
}

HostWindow& HeadlessBackend::CreateHostWindow(const Rect& rect) {
    m_hosts.push_back(std::make_unique<HostWindow>());
    m_hosts.back()->rect = rect;
    return *m_hosts.back();
}

// --- message tips ---

int HeadlessBackend::ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) {
    m_msgTips.push_back({std::wstring(text), std::wstring(title), type});
    if (type != kMsgTipQuestion) return 1;
    if (m_answers.empty()) return 0;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void HeadlessBackend::Reset() {
    m_posted.clear();
    m_modalScripts.clear();
    m_modalsOpened.clear();
    m_answers.clear();
    m_msgTips.clear();
    m_clipboard.clear();
    m_dpi = 96;
    m_tick = 0;
    m_cursor = {};
    m_monitors = 1;
    m_maximised = kDefaultMaximised;
    m_confined = false;
    m_capture = 0;
}

}  // namespace mdvr::ui
