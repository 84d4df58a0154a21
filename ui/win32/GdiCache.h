#pragma once
// Fonts and solid brushes by their look, made once for the module: every window asks for the
// same few fonts and every paint for the same few theme colours.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

class GdiCache {
  public:
    static GdiCache& Instance();
    GdiCache() = default;
    ~GdiCache();
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    HFONT Font(const FontSpec& font);
    // For immediate use (filling, framing), not for selecting into a lasting device context.
    HBRUSH Brush(COLORREF colour);

  private:
    using FontKey = std::tuple<std::wstring, int, int>;

    std::map<FontKey, HFONT> m_fonts;
    std::map<COLORREF, HBRUSH> m_brushes;
};

}  // namespace mdvr::ui::win32
