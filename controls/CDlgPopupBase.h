#pragma once
// A borderless pop-up: a title strip across the top, a drop shadow, rounded corners unless the
// theme is flat, and dragging by any free spot (or resizing from its border when resizable).
#include "controls/CDialogBase.h"
#include "controls/CWndPopoTitle.h"
#include "controls/CWndShadow.h"

namespace mdvr {

class CDlgPopupBase : public CDialogBase {
  public:
    static constexpr int kResizeBorder = 6;
    static constexpr int kCornerEllipse = 6;

    explicit CDlgPopupBase(const ui::DialogDecl& decl,
                           const CPathManager& theme = CPathManager::Instance());

    // Where a client point lies: a resize edge or corner when resizable, else the caption.
    static ui::HitZone ZoneAt(ui::Point p, ui::Point clientSize, bool resizable);
    ui::HitZone HitTest(ui::Point clientPoint) override;

    void SetResizable(bool resizable) { m_resizable = resizable; }
    void ShowTitle(bool show) { m_titleVisible = show; }
    void SetTitleText(std::wstring_view title) { m_title.SetTitle(title); }
    int TitleHeight() const { return m_titleVisible ? m_title.Height() : 0; }
    bool HasShadow() const { return m_shadow.IsAttached(); }

  protected:
    bool OnInitDialog() override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;
    // The pop-up's own steps, after the base's.
    virtual void OnCreatePopup() {}
    virtual void OnSizePopup(int /*width*/, int /*height*/) {}

  private:
    ui::Rect TitleRect(int width, int inset) const;

    CWndPopoTitle m_title;
    CWndShadow m_shadow;
    bool m_titleVisible = true;
    bool m_resizable = false;
};

}  // namespace mdvr
