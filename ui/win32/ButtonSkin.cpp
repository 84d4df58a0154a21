#include "ui/win32/ButtonSkin.h"

#include <algorithm>
#include <string>

#include "ui/win32/GdiCache.h"
#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

// Shades a colour towards black by percent; the flat look's hover and pressed faces.
COLORREF Darker(COLORREF colour, int percent) {
    auto channel = [percent](BYTE value) {
        return static_cast<BYTE>(value * (100 - percent) / 100);
    };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

constexpr std::array<int, ButtonSkin::kStateCount> kShadePercent{6, 14, 24, 0};

}  // namespace

// A picture this button holds already is kept: a page button swaps the same two pictures on
// every selection.
void ButtonSkin::Load(const std::array<std::wstring_view, kStateCount>& files) {
    const std::array<Picture, kStateCount> held = m_pictures;
    for (size_t i = 0; i < files.size(); ++i) {
        auto same = [&](const Picture& picture) { return picture.file == files[i]; };
        auto found = std::find_if(held.begin(), held.end(), same);
        m_pictures[i] =
            found != held.end() ? *found : Picture{std::wstring(files[i]), nullptr, false};
    }
}

const ImageBitmap* ButtonSkin::Image(State state) const {
    Picture& picture = m_pictures[state];
    if (!picture.decoded && !picture.file.empty()) {
        picture.image = ImageBitmap::FromFile(picture.file);
    }
    picture.decoded = true;
    return picture.image.get();
}

ButtonSkin::State ButtonSkin::StateOf(const DRAWITEMSTRUCT& item, bool hover) {
    if (item.itemState & ODS_DISABLED) return kDisabled;
    if (item.itemState & ODS_SELECTED) return kPressed;
    return hover ? kHover : kNormal;
}

void ButtonSkin::DrawFlat(HDC dc, const RECT& rect, State state, COLORREF face) {
    GdiCache& gdi = GdiCache::Instance();
    FillRect(dc, &rect, gdi.Brush(Darker(face, kShadePercent[state])));
    FrameRect(dc, &rect, gdi.Brush(Darker(face, 35)));
}

// Pressed shows the hover colour: the pointer is over the button then.
COLORREF ButtonSkin::CaptionColour(State state, COLORREF fallback) const {
    if (state == kDisabled) return GetSysColor(COLOR_GRAYTEXT);
    if (!m_textColours) return fallback;
    return (*m_textColours)[state == kNormal ? 0 : 1];
}

void ButtonSkin::Draw(const DRAWITEMSTRUCT& item, bool hover, COLORREF face, COLORREF text) const {
    const State state = StateOf(item, hover);
    RECT rect = item.rcItem;
    const ImageBitmap* image = Image(state);
    if (image == nullptr) image = Image(kNormal);
    if (image != nullptr) {
        image->Draw(item.hDC, rect);
    } else {
        DrawFlat(item.hDC, rect, state, face);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, CaptionColour(state, text));
    const std::wstring caption = WindowText(item.hwndItem);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(item.hDC, &rect);
    }
}

}  // namespace mdvr::ui::win32
