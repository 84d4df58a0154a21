#include "controls/CDlgPopupBase.h"

namespace mdvr {

namespace {

constexpr int kFixedInset = 1;
constexpr int kResizableInset = 3;

// -1 near the low edge, 1 near the high edge, 0 between.
int EdgeOf(int v, int size) {
    if (v < CDlgPopupBase::kResizeBorder) return -1;
    if (v >= size - CDlgPopupBase::kResizeBorder) return 1;
    return 0;
}

}  // namespace

CDlgPopupBase::CDlgPopupBase(const ui::DialogDecl& decl, const CPathManager& theme)
    : CDialogBase(decl, theme) {}

ui::HitZone CDlgPopupBase::ZoneAt(ui::Point p, ui::Point clientSize, bool resizable) {
    using ui::HitZone;
    if (!resizable) return HitZone::Caption;
    static constexpr HitZone kZones[3][3] = {
        {HitZone::TopLeft, HitZone::Top, HitZone::TopRight},
        {HitZone::Left, HitZone::Caption, HitZone::Right},
        {HitZone::BottomLeft, HitZone::Bottom, HitZone::BottomRight},
    };
    return kZones[EdgeOf(p.y, clientSize.y) + 1][EdgeOf(p.x, clientSize.x) + 1];
}

ui::HitZone CDlgPopupBase::HitTest(ui::Point clientPoint) {
    if (!IsCreated()) return ui::HitZone::Client;
    return ZoneAt(clientPoint, View().ClientSize(), m_resizable);
}

bool CDlgPopupBase::OnInitDialog() {
    CDialogBase::OnInitDialog();
    m_title.Create(View(), TitleRect(View().ClientSize().x, kFixedInset));
    OnCreatePopup();
    m_shadow.Attach(View());
    return true;
}

void CDlgPopupBase::OnSize(int width, int height) {
    m_title.Move(TitleRect(width, m_resizable ? kResizableInset : kFixedInset));
    OnSizePopup(width, height);
    const int corner = Theme().m_nFlatDesign != 0 ? 0 : kCornerEllipse;
    View().SetRoundedCorners(corner, corner);
    View().Invalidate();
}

void CDlgPopupBase::OnDestroy() {
    m_shadow.Detach();
}

ui::Rect CDlgPopupBase::TitleRect(int width, int inset) const {
    return {inset, inset, width - 2 * inset, TitleHeight()};
}

}  // namespace mdvr
