#include "ui/win32/GroupBoxSkin.h"

#include "ui/win32/GdiCache.h"

namespace mdvr::ui::win32 {

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPad = 2;

}  // namespace

bool GroupBoxSkin::SetColours(const GroupColours& colours) {
    if (m_colours == colours) return false;
    m_colours = colours;
    return true;
}

HBRUSH GroupBoxSkin::BackBrush() const {
    return GdiCache::Instance().Brush(m_colours.back);
}

RECT GroupBoxSkin::CaptionPlace(HDC dc, const RECT& box, std::wstring_view caption) {
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.data(), static_cast<int>(caption.size()), &text);
    return RECT{box.left + kCaptionIndent, box.top,
                box.left + kCaptionIndent + text.cx + 2 * kCaptionPad, box.top + text.cy};
}

void GroupBoxSkin::Paint(HDC dc, const RECT& box, std::wstring_view caption, HFONT font,
                         HBRUSH above) const {
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int length = static_cast<int>(caption.size());
    RECT place = CaptionPlace(dc, box, caption);
    RECT frame = box;
    frame.top += (place.bottom - place.top) / 2;
    const RECT strip{box.left, box.top, box.right, frame.top};
    FillRect(dc, &strip, above);
    GdiCache& gdi = GdiCache::Instance();
    FillRect(dc, &frame, gdi.Brush(m_colours.back));
    FrameRect(dc, &frame, gdi.Brush(m_colours.border));
    if (length > 0) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, m_colours.back);
        SetTextColor(dc, m_colours.text);
        DrawTextW(dc, caption.data(), length, &place, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

}  // namespace mdvr::ui::win32
