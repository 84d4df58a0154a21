#include "ui/win32/GdiCache.h"

#include "ui/PhaseClock.h"

namespace mdvr::ui::win32 {

namespace {
constexpr size_t kMaxBrushes = 64;  // theme colours and their shades; anything more starts over
}

GdiCache& GdiCache::Instance() {
    static GdiCache cache;
    return cache;
}

GdiCache::~GdiCache() {
    for (auto& [key, font] : m_fonts) DeleteObject(font);
    for (auto& [colour, brush] : m_brushes) DeleteObject(brush);
}

HFONT GdiCache::Font(const FontSpec& font) {
    FontKey key{font.face != nullptr ? font.face : L"", font.height, font.weight};
    auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second;
    const PhaseClock::Scope phase(Phase::kFonts);
    HFONT handle = CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               CLEARTYPE_QUALITY, DEFAULT_PITCH, std::get<0>(key).c_str());
    m_fonts.emplace(std::move(key), handle);
    return handle;
}

HBRUSH GdiCache::Brush(COLORREF colour) {
    auto it = m_brushes.find(colour);
    if (it != m_brushes.end()) return it->second;
    if (m_brushes.size() >= kMaxBrushes) {
        for (auto& [known, brush] : m_brushes) DeleteObject(brush);
        m_brushes.clear();
    }
    HBRUSH brush = CreateSolidBrush(colour);
    m_brushes.emplace(colour, brush);
    return brush;
}

}  // namespace mdvr::ui::win32
