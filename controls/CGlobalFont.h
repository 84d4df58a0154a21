#pragma once
// The module's three fonts, all Tahoma, with heights scaled for the screen.
#include "ui/Types.h"

namespace mdvr {

class CGlobalFont {
  public:
    // Fonts for a given DPI (tests); the module uses Instance().
    explicit CGlobalFont(int dpi);
    // Built on first use from the screen's DPI.
    static const CGlobalFont& Instance();

    const ui::FontSpec& Normal() const { return m_normal; }
    const ui::FontSpec& Bold() const { return m_bold; }
    const ui::FontSpec& LargeBold() const { return m_largeBold; }

  private:
    ui::FontSpec m_normal;
    ui::FontSpec m_bold;
    ui::FontSpec m_largeBold;
};

}  // namespace mdvr
