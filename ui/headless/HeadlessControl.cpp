#include "ui/headless/HeadlessControl.h"

#include "ui/headless/TimeFormat.h"

namespace mdvr::ui {

HeadlessControl::HeadlessControl(const ControlDecl& decl, Rect placeIn)
    : id(decl.id),
      kind(decl.kind),
      style(decl.style),
      buddyId(decl.buddyId),
      place(placeIn),
      enabled((decl.style & kStyleDisabled) == 0),
      visible((decl.style & kStyleHidden) == 0) {
    edit.SetText(CaptionText(decl.caption));
    edit.SetLimit(decl.textLimit);
}

std::wstring HeadlessControl::Text() const {
    switch (kind) {
        case ControlKind::ComboBox:
            return sel >= 0 && sel < static_cast<int>(entries.size())
                       ? entries[static_cast<size_t>(sel)].text
                       : std::wstring();
        case ControlKind::TimePicker:
            return FormatTime(timeFormat, time);
        case ControlKind::UpDown:
        case ControlKind::ListView:
            return {};
        default:
            return edit.Text();
    }
}

bool HeadlessControl::TakesFocus() const {
    if (!enabled || !visible || HasStyle(kStyleNoTabStop)) return false;
    return kind != ControlKind::Static && kind != ControlKind::GroupBox &&
           kind != ControlKind::UpDown;
}

}  // namespace mdvr::ui
