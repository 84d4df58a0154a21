#include "ui/headless/DialogDriver.h"

#include <array>

#include "ui/headless/HeadlessBackend.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::ui {

namespace {

constexpr std::array<const wchar_t*, 10> kKindNames{
    L"Static", L"Button",   L"CheckBox",   L"Radio",  L"GroupBox",
    L"Edit",   L"ComboBox", L"TimePicker", L"UpDown", L"ListView"};

std::wstring DescribeControl(const HeadlessControl& c) {
    std::wstring line = kKindNames[static_cast<size_t>(c.kind)];
    line += L' ' + std::to_wstring(c.id) + L" \"" + c.Text() + L'"';
    if (c.Is(ControlKind::CheckBox) || c.Is(ControlKind::Radio))
        line += L" check=" + std::to_wstring(c.check);
    if (c.Is(ControlKind::ComboBox)) line += L" sel=" + std::to_wstring(c.sel);
    if (c.Is(ControlKind::ListView)) line += L" rows=" + std::to_wstring(c.list.RowCount());
    if (!c.enabled) line += L" disabled";
    if (!c.visible) line += L" hidden";
    return line;
}

}  // namespace

DialogDriver::DialogDriver(HeadlessBackend& backend, const HeadlessView* view)
    : m_backend(&backend), m_serial(view != nullptr ? view->Serial() : 0), m_input(backend) {}

HeadlessView* DialogDriver::View() const {
    return m_backend->Live(m_serial);
}

int DialogDriver::TemplateId() const {
    return IsValid() ? View()->TemplateId() : 0;
}

HeadlessControl* DialogDriver::Reachable(int id) const {
    HeadlessView* view = View();
    if (view == nullptr || !view->IsShowing()) return nullptr;
    HeadlessControl* c = view->Find(id);
    return c != nullptr && c->enabled && c->visible ? c : nullptr;
}

bool DialogDriver::CanPoint(int id) const {
    const HeadlessView* view = View();
    return id == 0 ? view != nullptr && view->IsShowing() : Reachable(id) != nullptr;
}

const HeadlessControl* DialogDriver::Control(int id) const {
    const HeadlessView* view = View();
    return view != nullptr ? view->Find(id) : nullptr;
}

bool DialogDriver::Done() {
    m_backend->Pump();
    return true;
}

bool DialogDriver::FocusForKeys(int id) {
    if (Reachable(id) == nullptr) return false;
    if (m_backend->FocusedId(*View()) != id) m_backend->MoveFocus(View(), id);
    m_backend->Pump();
    return Reachable(id) != nullptr;
}

// --- actions ---

bool DialogDriver::Type(int id, std::wstring_view text) {
    if (!FocusForKeys(id)) return false;
    for (wchar_t ch : text) {
        if (Reachable(id) == nullptr) return false;
        m_input.Char(*View(), id, ch);
        m_backend->Pump();
    }
    return true;
}

bool DialogDriver::TypeIme(int id, std::wstring_view text) {
    if (!FocusForKeys(id)) return false;
    for (wchar_t ch : text) {
        if (Reachable(id) == nullptr) return false;
        m_input.ImeChar(*View(), id, ch);
        m_backend->Pump();
    }
    return true;
}

bool DialogDriver::Paste(int id, std::wstring_view text) {
    if (!FocusForKeys(id)) return false;
    m_backend->SetClipboardText(text);
    m_input.Paste(*View(), id);
    return Done();
}

bool DialogDriver::Click(int id) {
    if (!PressMouse(id)) return false;
    if (!CanPoint(id)) return true;  // the press already closed or disabled it
    return ReleaseMouse(id, true);
}

bool DialogDriver::PressMouse(int id, Point point) {
    if (!CanPoint(id)) return false;
    m_input.MouseDown(*View(), id, point);
    return Done();
}

bool DialogDriver::MoveMouse(int id, bool inside, Point point) {
    if (!CanPoint(id)) return false;
    m_input.MouseMove(*View(), id, inside, point);
    return Done();
}

bool DialogDriver::ReleaseMouse(int id, bool inside, Point point) {
    if (!CanPoint(id)) return false;
    m_input.MouseUp(*View(), id, inside, point);
    return Done();
}

bool DialogDriver::SelectIndex(int id, int index) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->entries.size())) return false;
    m_input.SelectEntry(*View(), id, index);
    return Done();
}

bool DialogDriver::SelectByData(int id, uint32_t data) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr) return false;
    for (size_t i = 0; i < c->entries.size(); ++i) {
        if (c->entries[i].data == data) return SelectIndex(id, static_cast<int>(i));
    }
    return false;
}

bool DialogDriver::SetTime(int id, const DateTime& time) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr || !c->Is(ControlKind::TimePicker)) return false;
    m_input.ChangeTime(*View(), id, time);
    return Done() && Time(id) == time;
}

bool DialogDriver::Spin(int id, int delta) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr || !c->Is(ControlKind::UpDown)) return false;
    m_input.Spin(*View(), id, delta);
    return Done();
}

bool DialogDriver::PressKey(int id, uint32_t key, bool ctrl, bool shift) {
    if (!FocusForKeys(id)) return false;
    m_input.KeyDown(*View(), id, key, ctrl, shift);
    return Done();
}

bool DialogDriver::PointAtCell(int id, int row, int col) {
    HeadlessControl* c = Reachable(id);
    if (c == nullptr || !c->Is(ControlKind::ListView)) return false;
    c->list.SetPointer(row, col);
    return true;
}

bool DialogDriver::ClickRow(int id, int row, int col, bool onCheckBox) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr || !c->Is(ControlKind::ListView) || !FocusForKeys(id)) return false;
    m_input.ClickRow(*View(), id, row, col, onCheckBox);
    return Done();
}

bool DialogDriver::ClickHeader(int id, int col) {
    const HeadlessControl* c = Reachable(id);
    if (c == nullptr || !c->Is(ControlKind::ListView)) return false;
    m_input.ClickHeader(*View(), id, col);
    return Done();
}

bool DialogDriver::Focus(int id) {
    return FocusForKeys(id);
}

HitZone DialogDriver::HitTest(Point clientPoint) const {
    const HeadlessView* view = View();
    return view != nullptr ? view->Sink().HitTest(clientPoint) : HitZone::Client;
}

// --- reads ---

std::wstring DialogDriver::Text(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->Text() : std::wstring();
}

int DialogDriver::Check(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->check : 0;
}

int DialogDriver::Sel(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr && c->Is(ControlKind::ComboBox) ? c->sel : -1;
}

uint32_t DialogDriver::SelData(int id) const {
    const HeadlessControl* c = Control(id);
    const int sel = Sel(id);
    return sel >= 0 ? c->entries[static_cast<size_t>(sel)].data : 0;
}

std::vector<std::wstring> DialogDriver::Entries(int id) const {
    std::vector<std::wstring> texts;
    if (const HeadlessControl* c = Control(id)) {
        for (const ComboEntry& e : c->entries) texts.push_back(e.text);
    }
    return texts;
}

DateTime DialogDriver::Time(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->time : DateTime{};
}

bool DialogDriver::Enabled(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr && c->enabled;
}

bool DialogDriver::Visible(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr && c->visible;
}

bool DialogDriver::Focused(int id) const {
    const HeadlessView* view = View();
    return view != nullptr && id != 0 && m_backend->FocusedId(*view) == id;
}

int DialogDriver::RowCount(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->list.RowCount() : 0;
}

std::wstring DialogDriver::Cell(int id, int row, int col) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->list.Cell(row, col) : std::wstring();
}

bool DialogDriver::RowChecked(int id, int row) const {
    const HeadlessControl* c = Control(id);
    const ListRow* r = c != nullptr ? c->list.Row(row) : nullptr;
    return r != nullptr && r->checked;
}

bool DialogDriver::RowSelected(int id, int row) const {
    const HeadlessControl* c = Control(id);
    const ListRow* r = c != nullptr ? c->list.Row(row) : nullptr;
    return r != nullptr && r->selected;
}

bool DialogDriver::HeaderChecked(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr && c->list.HeaderCheck();
}

std::vector<Balloon> DialogDriver::Balloons(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->balloons : std::vector<Balloon>();
}

std::wstring DialogDriver::ToolTip(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->toolTip : std::wstring();
}

int DialogDriver::ToolTipCloses(int id) const {
    const HeadlessControl* c = Control(id);
    return c != nullptr ? c->toolTipCloses : 0;
}

std::wstring DialogDriver::Describe() const {
    const HeadlessView* view = View();
    if (view == nullptr) return {};
    std::wstring text =
        L"Dialog " + std::to_wstring(view->TemplateId()) + L" \"" + view->Title() + L'"';
    text += view->IsShowing() ? L"\n" : L" hidden\n";
    for (const auto& c : view->Controls()) text += L"  " + DescribeControl(*c) + L'\n';
    return text;
}

}  // namespace mdvr::ui
