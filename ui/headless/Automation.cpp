#include "ui/headless/Automation.h"

#include "ui/headless/HeadlessView.h"

namespace mdvr::ui {

DialogDriver Automation::Find(int templateId) const {
    const HeadlessView* found = nullptr;
    for (const HeadlessView* view : m_backend.Views()) {
        if (view->TemplateId() != templateId) continue;
        if (found == nullptr || view->IsShowing() || !found->IsShowing()) found = view;
    }
    return DialogDriver(m_backend, found);
}

std::vector<DialogDriver> Automation::Dialogs() const {
    std::vector<DialogDriver> drivers;
    for (const HeadlessView* view : m_backend.Views()) drivers.emplace_back(m_backend, view);
    return drivers;
}

void Automation::OnNextModal(std::function<void(DialogDriver&)> script) {
    HeadlessBackend& backend = m_backend;
    m_backend.QueueModalScript([&backend, script = std::move(script)](HeadlessView& view) {
        DialogDriver driver(backend, &view);
        script(driver);
    });
}

std::wstring Automation::DescribeAll() const {
    std::wstring text;
    for (const HeadlessView* view : m_backend.Views()) {
        if (view->IsShowing()) text += DialogDriver(m_backend, view).Describe();
    }
    return text;
}

}  // namespace mdvr::ui
