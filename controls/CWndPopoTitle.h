#pragma once
// The title strip across the top of a pop-up (control ID 300): the pop-up's title text on the
// theme's title colours.
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace mdvr {

namespace ui {
class IView;
}

class CWndPopoTitle {
  public:
    static constexpr int kId = 300;
    static constexpr int kHeight = 30;  // at 96 DPI; half-scaled

    CWndPopoTitle();

    // Adds the strip to the pop-up at rect (client coordinates).
    bool Create(ui::IView& view, const ui::Rect& rect);
    void Move(const ui::Rect& rect);
    void SetTitle(std::wstring_view title);
    int Height() const { return m_height; }

  private:
    ui::IView* m_view = nullptr;
    std::wstring m_title;
    int m_height;
};

}  // namespace mdvr
