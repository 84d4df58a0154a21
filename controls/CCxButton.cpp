#include "controls/CCxButton.h"

#include "controls/Scaling.h"
#include "host/CImgBase.h"
#include "ui/IView.h"
#include "ui/PhaseClock.h"

namespace mdvr {

CCxButton::CCxButton(const CPathManager& theme) : m_theme(theme) {}

ButtonImages CCxButton::ResolveImages(const ButtonImages& given, const ButtonImages& defaults) {
    if (given.normal.empty() || given.hover.empty()) return defaults;
    return {given.normal, given.hover, given.pressed.empty() ? given.hover : given.pressed,
            given.disabled.empty() ? given.normal : given.disabled};
}

ButtonImages CCxButton::DefaultImages() const {
    return {L"btn_bk.jpg", L"btn_bk_over.jpg", L"btn_bk_over.jpg", L"btn_bk_unenable.jpg"};
}

void CCxButton::OnAttached(ui::IView& view, int id) {
    m_view = &view;
    m_id = id;
    if (m_images == ButtonImages{}) m_images = DefaultImages();
    ApplyImages();
    view.SetButtonTextColours(id, m_theme.m_dwRGBBtnNormalText, m_theme.m_dwRGBBtnOverText);
}

void CCxButton::SetImages(std::wstring_view normal, std::wstring_view hover,
                          std::wstring_view pressed, std::wstring_view disabled) {
    ButtonImages images = ResolveImages(
        {std::wstring(normal), std::wstring(hover), std::wstring(pressed), std::wstring(disabled)},
        DefaultImages());
    if (images == m_images && m_applied) return;  // e.g. a page button selected again
    m_images = std::move(images);
    ApplyImages();
}

void CCxButton::Setup(const ButtonImages& images, bool scale) {
    SetImages(images.normal, images.hover, images.pressed, images.disabled);
    if (!scale || m_view == nullptr || ScreenDpi() == kBaseDpi) return;
    ui::Rect rect = m_view->GetRect(m_id);
    rect.w = ScaleFull(rect.w);
    rect.h = ScaleFull(rect.h);
    m_view->Move(m_id, rect);
}

void CCxButton::SetText(std::wstring_view text) {
    if (m_view != nullptr) m_view->SetText(m_id, text);
}

// A button made later (a page button) gets its images from its set-up, not now.
void CCxButton::ApplyImages() {
    if (m_view == nullptr || !m_view->Has(m_id)) return;
    const ui::PhaseClock::Scope phase(ui::Phase::kImages);
    m_view->SetButtonImages(m_id, ThemeFile(m_images.normal), ThemeFile(m_images.hover),
                            ThemeFile(m_images.pressed), ThemeFile(m_images.disabled));
    m_applied = true;
}

std::wstring CCxButton::ThemeFile(const std::wstring& name) const {
    const std::filesystem::path path = std::filesystem::path(m_theme.GetThemeFolder()) / name;
    return CImgBase::Cached(path) ? path.wstring() : std::wstring();
}

}  // namespace mdvr
