#include "ui/win32/DrawnCaptions.h"

#include <algorithm>
#include <utility>

namespace mdvr::ui::win32 {

namespace {

// As the platform's left-aligned static text.
constexpr UINT kLabelFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;

bool Encloses(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

}  // namespace

bool DrawnCaptions::Add(const ControlDecl& decl, const RECT& place, HFONT font) {
    if (Find(decl.id) != nullptr) return false;
    Caption& caption = m_captions.emplace_back();
    caption.id = decl.id;
    caption.frame = decl.kind == ControlKind::GroupBox;
    caption.place = place;
    caption.text = CaptionText(decl.caption);
    caption.font = font;
    caption.style = decl.style;
    caption.visible = (decl.style & kStyleHidden) == 0;
    caption.enabled = (decl.style & kStyleDisabled) == 0;
    Invalidate(caption, caption.frame);
    return true;
}

void DrawnCaptions::Remove(int id) {
    auto it = std::find_if(m_captions.begin(), m_captions.end(),
                           [id](const Caption& caption) { return caption.id == id; });
    if (it == m_captions.end()) return;
    Invalidate(*it, it->frame);
    m_captions.erase(it);
}

const DrawnCaptions::Caption* DrawnCaptions::Find(int id) const {
    auto it = std::find_if(m_captions.begin(), m_captions.end(),
                           [id](const Caption& caption) { return caption.id == id; });
    return it != m_captions.end() ? &*it : nullptr;
}

DrawnCaptions::Caption* DrawnCaptions::Find(int id) {
    return const_cast<Caption*>(std::as_const(*this).Find(id));
}

void DrawnCaptions::SetText(int id, std::wstring_view text) {
    Caption* caption = Find(id);
    if (caption == nullptr || caption->text == text) return;
    caption->text = text;
    Invalidate(*caption, false);
}

void DrawnCaptions::Show(int id, bool show) {
    Caption* caption = Find(id);
    if (caption == nullptr || caption->visible == show) return;
    caption->visible = true;  // so that the place it leaves or takes is repainted
    Invalidate(*caption, caption->frame);
    caption->visible = show;
}

void DrawnCaptions::Enable(int id, bool enable) {
    Caption* caption = Find(id);
    if (caption == nullptr || caption->enabled == enable) return;
    caption->enabled = enable;
    if (!caption->frame) Invalidate(*caption, false);  // frames look the same either way
}

void DrawnCaptions::Move(int id, const RECT& place) {
    Caption* caption = Find(id);
    if (caption == nullptr || SameRect(caption->place, place)) return;
    Invalidate(*caption, caption->frame);
    caption->place = place;
    Invalidate(*caption, caption->frame);
}

void DrawnCaptions::SetFont(int id, HFONT font) {
    Caption* caption = Find(id);
    if (caption == nullptr || caption->font == font) return;
    caption->font = font;
    Invalidate(*caption, false);
}

void DrawnCaptions::SetFonts(HFONT font) {
    for (const Caption& caption : m_captions) SetFont(caption.id, font);
}

void DrawnCaptions::SetColours(int id, const GroupColours& colours) {
    Caption* caption = Find(id);
    if (caption != nullptr && caption->frame && caption->skin.SetColours(colours))
        Invalidate(*caption, true);
}

void DrawnCaptions::Redraw(int id) const {
    if (const Caption* caption = Find(id)) Invalidate(*caption, false);
}

RECT DrawnCaptions::TipArea(int id) const {
    const Caption* caption = Find(id);
    if (caption == nullptr || !caption->visible) return RECT{};
    if (!caption->frame) return caption->place;
    // A frame's tip answers on its caption, not over the empty space between its controls.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, caption->font);
    const RECT place = GroupBoxSkin::CaptionPlace(dc, caption->place, caption->text);
    SelectObject(dc, old);
    DeleteDC(dc);
    return place;
}

const GroupBoxSkin* DrawnCaptions::FrameAround(const RECT& place, int self) const {
    const Caption* found = nullptr;
    for (const Caption& caption : m_captions) {
        if (!caption.frame || !caption.visible || caption.id == self) continue;
        if (!Encloses(caption.place, place)) continue;
        if (found == nullptr || caption.id < found->id) found = &caption;
    }
    return found != nullptr ? &found->skin : nullptr;
}

// Out of sight nothing is marked: a hidden dialog is painted whole when it shows, and under wine
// each invalidation is a round trip to the window server.
void DrawnCaptions::Invalidate(const Caption& caption, bool inside) const {
    if (m_dialog == nullptr || !caption.visible || !IsWindowVisible(m_dialog)) return;
    const UINT children = inside ? RDW_ALLCHILDREN : RDW_NOCHILDREN;
    RedrawWindow(m_dialog, &caption.place, nullptr, RDW_INVALIDATE | RDW_ERASE | children);
}

void DrawnCaptions::Paint(HDC dc, const RECT& dirty, const InkFn& inkOf) const {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
    for (const Caption& caption : m_captions) {
        RECT common{};
        if (!caption.visible || !IntersectRect(&common, &caption.place, &dirty)) continue;
        const CaptionInk ink = inkOf(caption.style, FrameAround(caption.place, caption.id));
        if (caption.frame) {
            caption.skin.Paint(dc, caption.place, caption.text, caption.font, ink.brush);
            SetBkMode(dc, TRANSPARENT);
            continue;
        }
        FillRect(dc, &caption.place, ink.brush);
        if (caption.text.empty()) continue;
        SetTextColor(dc, caption.enabled ? ink.text : GetSysColor(COLOR_GRAYTEXT));
        SelectObject(dc, caption.font);
        RECT place = caption.place;
        DrawTextW(dc, caption.text.c_str(), static_cast<int>(caption.text.size()), &place,
                  kLabelFormat);
    }
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
}

}  // namespace mdvr::ui::win32
