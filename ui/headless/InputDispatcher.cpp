#include "ui/headless/InputDispatcher.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "ui/headless/HeadlessBackend.h"
#include "ui/headless/HeadlessView.h"
#include "ui/headless/TimeFormat.h"

namespace mdvr::ui {

namespace {

constexpr uint32_t kKeyC = 'C';
constexpr uint32_t kKeyV = 'V';

Notification Input(int id, Event event) {
    Notification n;
    n.id = id;
    n.event = event;
    return n;
}

Notification MouseInput(int id, Event event, bool inside, Point point) {
    Notification n = Input(id, event);
    n.inside = inside;
    n.point = point;
    return n;
}

// The buddy's number when its text is one, as the up-down reads it before stepping.
bool ReadInt(const std::wstring& text, int* value) {
    std::string narrow;
    for (wchar_t ch : text) {
        if (ch > 0x7F) return false;
        narrow += static_cast<char>(ch);
    }
    const char* end = narrow.data() + narrow.size();
    auto [ptr, ec] = std::from_chars(narrow.data(), end, *value);
    return ec == std::errc() && ptr == end && !narrow.empty();
}

bool IsButtonLike(const HeadlessControl& c) {
    return c.Is(ControlKind::Button) || c.Is(ControlKind::CheckBox) || c.Is(ControlKind::Radio);
}

}  // namespace

HeadlessControl* InputDispatcher::Unconsumed(HeadlessView& view, const Notification& n) {
    const uint64_t serial = view.Serial();
    if (m_backend->Deliver(view, n)) return nullptr;
    HeadlessView* live = m_backend->Live(serial);
    return live != nullptr && n.id != 0 ? live->Find(n.id) : nullptr;
}

void InputDispatcher::Notify(HeadlessView& view, int id, Event event) {
    m_backend->Deliver(view, Input(id, event));
}

void InputDispatcher::Char(HeadlessView& view, int id, wchar_t ch) {
    Notification n = Input(id, Event::Char);
    n.key = static_cast<uint32_t>(ch);
    HeadlessControl* c = Unconsumed(view, n);
    if (c != nullptr && c->Is(ControlKind::Edit) && c->edit.Type(ch, c->style)) {
        Notify(view, id, Event::TextChange);
    }
}

void InputDispatcher::ImeChar(HeadlessView& view, int id, wchar_t ch) {
    Notification n = Input(id, Event::ImeChar);
    n.key = static_cast<uint32_t>(ch);
    if (Unconsumed(view, n) != nullptr) Char(view, id, ch);
}

void InputDispatcher::Paste(HeadlessView& view, int id) {
    HeadlessControl* c = view.Find(id);
    if (c == nullptr || !c->Is(ControlKind::Edit)) return;
    const uint64_t serial = view.Serial();
    const bool changed = c->edit.Paste(m_backend->ClipboardText(), c->style);
    Notify(view, id, Event::Pasted);
    if (changed && m_backend->Live(serial) != nullptr) Notify(view, id, Event::TextChange);
}

void InputDispatcher::MouseDown(HeadlessView& view, int id, Point point) {
    HeadlessControl* c = Unconsumed(view, MouseInput(id, Event::MouseDown, true, point));
    if (c == nullptr || !IsButtonLike(*c)) return;
    c->pressed = true;
    if (c->TakesFocus()) m_backend->MoveFocus(&view, id);
}

void InputDispatcher::MouseMove(HeadlessView& view, int id, bool inside, Point point) {
    m_backend->Deliver(view, MouseInput(id, Event::MouseMove, inside, point));
}

void InputDispatcher::MouseUp(HeadlessView& view, int id, bool inside, Point point) {
    HeadlessControl* c = Unconsumed(view, MouseInput(id, Event::MouseUp, inside, point));
    if (c == nullptr || !c->pressed) return;
    c->pressed = false;
    if (!inside) return;
    AutoCheck(view, *c);
    Notify(view, id, Event::Click);
}

// An ordinary check box flips itself and a radio checks itself and clears the other radios of
// its run (consecutive radios, a group start opening a new run), before the click is reported; a manually checked box is left to its behaviour.
void InputDispatcher::AutoCheck(HeadlessView& view, HeadlessControl& control) {
    if (control.Is(ControlKind::CheckBox) && !control.HasStyle(kStyleManualCheck)) {
        control.check = control.check == 0 ? 1 : 0;
    }
    if (!control.Is(ControlKind::Radio)) return;
    const auto& all = view.Controls();
    auto self =
        std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == &control; });
    auto first = self;
    while (first != all.begin() && !(*first)->HasStyle(kStyleGroupStart) &&
           (*(first - 1))->Is(ControlKind::Radio)) {
        --first;
    }
    for (auto it = first; it != all.end() && (*it)->Is(ControlKind::Radio); ++it) {
        if (it != first && (*it)->HasStyle(kStyleGroupStart)) break;
        (*it)->check = 0;
    }
    control.check = 1;
}

void InputDispatcher::KeyDown(HeadlessView& view, int id, uint32_t key, bool ctrl, bool shift) {
    Notification n = Input(id, Event::KeyDown);
    n.key = key;
    n.ctrl = ctrl;
    n.shift = shift;
    HeadlessControl* c = Unconsumed(view, n);
    if (c == nullptr) return;
    if (key == kKeyTab) return TabFocus(view, id, shift);
    if (c->Is(ControlKind::Edit)) return EditKey(view, *c, key, ctrl);
    if (key == kKeySpace && c->Is(ControlKind::ListView) && c->HasStyle(kStyleListCheckBoxes)) {
        if (ListRow* row = c->list.Row(c->list.FocusedRow())) row->checked = !row->checked;
    }
}

void InputDispatcher::EditKey(HeadlessView& view, HeadlessControl& edit, uint32_t key, bool ctrl) {
    if (key == kKeyDelete) {
        if (edit.edit.DeleteForward(edit.style)) Notify(view, edit.id, Event::TextChange);
    } else if (ctrl && key == kKeyV) {
        Paste(view, edit.id);
    } else if (ctrl && key == kKeyC) {
        if (!edit.HasStyle(kStylePassword)) m_backend->SetClipboardText(edit.edit.SelectedText());
    } else if (!ctrl && (key == kKeyBack || key == kKeySpace || key == kKeyReturn)) {
        Char(view, edit.id, static_cast<wchar_t>(key));  // the character the key translates to
    }
}

void InputDispatcher::TabFocus(HeadlessView& view, int id, bool backwards) {
    const auto& all = view.Controls();
    const auto count = static_cast<int>(all.size());
    auto at = std::find_if(all.begin(), all.end(), [id](const auto& c) { return c->id == id; });
    const int start = static_cast<int>(at - all.begin());
    for (int step = 1; step <= count; ++step) {
        const int i = ((backwards ? start - step : start + step) % count + count) % count;
        if (all[static_cast<size_t>(i)]->TakesFocus()) {
            return m_backend->MoveFocus(&view, all[static_cast<size_t>(i)]->id);
        }
    }
}

void InputDispatcher::Spin(HeadlessView& view, int id, int delta) {
    Notification n = Input(id, Event::Spin);
    n.delta = delta;
    HeadlessControl* c = Unconsumed(view, n);
    if (c == nullptr || !c->Is(ControlKind::UpDown)) return;
    HeadlessControl* buddy = view.Find(c->buddyId);
    int pos = c->spinPos;
    if (buddy != nullptr) ReadInt(buddy->Text(), &pos);
    const auto [low, high] = std::minmax(c->spinLow, c->spinHigh);
    c->spinPos = std::clamp(pos + delta, low, high);
    if (buddy != nullptr) view.SetText(buddy->id, std::to_wstring(c->spinPos));
}

void InputDispatcher::SelectEntry(HeadlessView& view, int id, int index) {
    HeadlessControl* c = view.Find(id);
    if (c == nullptr || !c->Is(ControlKind::ComboBox)) return;
    if (index < 0 || index >= static_cast<int>(c->entries.size())) return;
    c->sel = index;
    Notify(view, id, Event::SelChange);
}

void InputDispatcher::ChangeTime(HeadlessView& view, int id, const DateTime& time) {
    HeadlessControl* c = view.Find(id);
    if (c == nullptr || !c->Is(ControlKind::TimePicker) || !IsValidTime(time)) return;
    c->time = time;
    Notify(view, id, Event::TimeChange);
}

// The list reacts first (check toggle or selection), then reports the click, as the platform
// list does.
void InputDispatcher::ClickRow(HeadlessView& view, int id, int row, int col, bool onCheckBox) {
    HeadlessControl* c = view.Find(id);
    if (c == nullptr || !c->Is(ControlKind::ListView)) return;
    ListRow* target = c->list.Row(row);
    if (target != nullptr && onCheckBox && c->HasStyle(kStyleListCheckBoxes)) {
        target->checked = !target->checked;
    } else if (target != nullptr) {
        for (int r = 0; r < c->list.RowCount(); ++r) c->list.Row(r)->selected = r == row;
    }
    if (target != nullptr) c->list.SetFocusedRow(row);
    Notification n = Input(id, Event::Click);
    n.row = target != nullptr ? row : -1;
    n.col = target != nullptr ? col : -1;
    m_backend->Deliver(view, n);
}

void InputDispatcher::ClickHeader(HeadlessView& view, int id, int col) {
    Notification n = Input(id, Event::HeaderClick);
    n.col = col;
    m_backend->Deliver(view, n);
}

}  // namespace mdvr::ui
