#include "controls/CEditBounds.h"

#include "controls/ControlTexts.h"
#include "text/CLanguage.h"
#include "ui/IView.h"

namespace mdvr {

std::wstring CEditBounds::RangeText(std::wstring_view prefix, int64_t min, int64_t max) {
    std::wstring text(prefix);
    text += std::to_wstring(min);
    text += L'~';
    text += std::to_wstring(max);
    return text;
}

void CEditBounds::ShowBoundsError(ui::IView& view, int id) {
    ShowRange(view, id, m_min, m_max);
}

void CEditBounds::ShowBoundsError64(ui::IView& view, int id) {
    ShowRange(view, id, m_min64, m_max64);
}

void CEditBounds::ShowRange(ui::IView& view, int id, int64_t min, int64_t max) {
    CLanguage& language = CLanguage::Instance();
    view.ShowBalloon(id, language.GetText(kStrInputErrorTitle),
                     RangeText(language.GetText(kStrRangePrefix), min, max),
                     ui::BalloonIcon::Error);
}

}  // namespace mdvr
