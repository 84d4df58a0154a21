#include "ui/headless/HeadlessView.h"

#include <algorithm>

#include "ui/headless/HeadlessBackend.h"
#include "ui/headless/TimeFormat.h"

namespace mdvr::ui {

namespace {

int Scale(int v, int dpi) {
    return dpi > 96 ? v * dpi / 96 : v;
}

Rect ScaleRect(const Rect& r, int dpi) {
    return {Scale(r.x, dpi), Scale(r.y, dpi), Scale(r.w, dpi), Scale(r.h, dpi)};
}

}  // namespace

HeadlessView::HeadlessView(HeadlessBackend& backend, const DialogDecl& decl, HeadlessView* parent,
                           HostWindow* host, IInputSink& sink)
    : m_backend(backend),
      m_serial(backend.Register(*this)),
      m_templateId(decl.templateId),
      m_parent(parent),
      m_host(host),
      m_sink(sink),
      m_popup(decl.popup || (parent == nullptr && host == nullptr)),
      m_rect(ScaleRect({0, 0, decl.width, decl.height}, backend.Dpi())),
      m_title(CaptionText(decl.title)) {
    for (const ControlDecl& control : decl.controls) AddControl(control);
}

HeadlessView::~HeadlessView() {
    m_backend.Unregister(*this);
}

bool HeadlessView::IsShowing() const {
    if (!m_visible) return false;
    if (m_parent != nullptr && !m_popup) return m_parent->IsShowing();
    return m_host == nullptr || m_host->visible;
}

HeadlessControl* HeadlessView::Find(int id) {
    auto it = std::find_if(m_controls.begin(), m_controls.end(),
                           [id](const auto& c) { return c->id == id; });
    return it != m_controls.end() ? it->get() : nullptr;
}

const HeadlessControl* HeadlessView::Find(int id) const {
    return const_cast<HeadlessView*>(this)->Find(id);
}

HeadlessControl* HeadlessView::FindKind(int id, ControlKind kind) {
    HeadlessControl* c = Find(id);
    return c != nullptr && c->kind == kind ? c : nullptr;
}

const HeadlessControl* HeadlessView::FindKind(int id, ControlKind kind) const {
    return const_cast<HeadlessView*>(this)->FindKind(id, kind);
}

void HeadlessView::StoreText(HeadlessControl& control, std::wstring_view text) {
    if (control.Is(ControlKind::ComboBox)) {
        auto it = std::find_if(control.entries.begin(), control.entries.end(),
                               [text](const ComboEntry& e) { return e.text == text; });
        if (it != control.entries.end())
            control.sel = static_cast<int>(it - control.entries.begin());
        return;
    }
    control.edit.SetText(text);
}

void HeadlessView::MoveWindow(const Rect& rect) {
    const bool resized = rect.w != m_rect.w || rect.h != m_rect.h;
    m_rect = rect;
    if (resized) m_sink.OnResize(rect.w, rect.h);
}

void HeadlessView::SetRoundedCorners(int ellipseWidth, int ellipseHeight) {
    m_corners = {ellipseWidth, ellipseHeight};
}

void HeadlessView::Post(uint32_t message, intptr_t wParam, intptr_t lParam) {
    Notification n;
    n.event = Event::Message;
    n.message = message;
    n.wParam = wParam;
    n.lParam = lParam;
    m_backend.Post(*this, n);
}

// --- controls ---

bool HeadlessView::AddControl(const ControlDecl& decl) {
    if (decl.id != 0 && Find(decl.id) != nullptr) return false;
    const int dpi = m_backend.Dpi();
    m_controls.push_back(std::make_unique<HeadlessControl>(decl, ScaleRect(decl.place, dpi)));
    m_controls.back()->font.height = Scale(FontSpec{}.height, dpi);  // the default is ours to scale
    return true;
}

void HeadlessView::RemoveControl(int id) {
    m_backend.ForgetFocus(*this, id);
    std::erase_if(m_controls, [id](const auto& c) { return c->id == id; });
}

void HeadlessView::Enable(int id, bool enable) {
    if (HeadlessControl* c = Find(id)) c->enabled = enable;
}

bool HeadlessView::IsEnabled(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr && c->enabled;
}

void HeadlessView::Show(int id, bool show) {
    if (HeadlessControl* c = Find(id)) c->visible = show;
}

bool HeadlessView::IsVisible(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr && c->visible;
}

void HeadlessView::SetFocus(int id) {
    if (id == 0 || Find(id) != nullptr) m_backend.MoveFocus(this, id);
}

int HeadlessView::FocusedId() const {
    return m_backend.FocusedId(*this);
}

void HeadlessView::Move(int id, const Rect& rect) {
    if (HeadlessControl* c = Find(id)) c->place = rect;
}

Rect HeadlessView::GetRect(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr ? c->place : Rect{};
}

void HeadlessView::SetFont(int id, const FontSpec& font) {
    for (auto& c : m_controls) {
        if (id == 0 || c->id == id) c->font = font;
    }
}

void HeadlessView::SetToolTip(int id, std::wstring_view text) {
    if (HeadlessControl* c = Find(id)) c->toolTip.assign(text);
}

void HeadlessView::CloseToolTip(int id) {
    if (HeadlessControl* c = Find(id)) ++c->toolTipCloses;
}

void HeadlessView::Redraw(int id) {
    if (Find(id) != nullptr) ++m_paints;
}

// --- text ---

std::wstring HeadlessView::GetText(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr ? c->Text() : std::wstring();
}

void HeadlessView::SetText(int id, std::wstring_view text) {
    HeadlessControl* c = Find(id);
    if (c == nullptr) return;
    StoreText(*c, text);
    if (!c->Is(ControlKind::Edit)) return;
    Notification n;
    n.id = id;
    n.event = Event::TextChange;
    m_backend.Deliver(*this, n);  // last: the handler may destroy this dialog
}

void HeadlessView::InsertText(int id, int at, std::wstring_view text) {
    const HeadlessControl* c = FindKind(id, ControlKind::Edit);
    if (c == nullptr) return;
    std::wstring whole = c->edit.Text();
    const size_t place = at < 0 ? whole.size() : std::min(static_cast<size_t>(at), whole.size());
    SetText(id, whole.insert(place, text));
}

void HeadlessView::SetTextLimit(int id, int limit) {
    if (HeadlessControl* c = FindKind(id, ControlKind::Edit)) c->edit.SetLimit(limit);
}

void HeadlessView::SetReadOnly(int id, bool readOnly) {
    HeadlessControl* c = FindKind(id, ControlKind::Edit);
    if (c == nullptr) return;
    if (readOnly) {
        c->style |= kStyleReadOnly;
    } else {
        c->style &= ~static_cast<uint32_t>(kStyleReadOnly);
    }
}

bool HeadlessView::IsModified(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr && c->Is(ControlKind::Edit) && c->edit.Modified();
}

void HeadlessView::SelectText(int id, int start, int end) {
    if (HeadlessControl* c = FindKind(id, ControlKind::Edit)) c->edit.Select(start, end);
}

void HeadlessView::ShowBalloon(int id, std::wstring_view title, std::wstring_view text,
                               BalloonIcon icon) {
    if (HeadlessControl* c = Find(id)) {
        c->balloons.push_back({std::wstring(title), std::wstring(text), icon});
    }
}

// --- check boxes and radios ---

int HeadlessView::GetCheck(int id) const {
    const HeadlessControl* c = Find(id);
    return c != nullptr ? c->check : 0;
}

void HeadlessView::SetCheck(int id, int state) {
    HeadlessControl* c = Find(id);
    if (c != nullptr && (c->Is(ControlKind::CheckBox) || c->Is(ControlKind::Radio)))
        c->check = state;
}

void HeadlessView::SetButtonImages(int id, std::wstring_view normal, std::wstring_view hover,
                                   std::wstring_view pressed, std::wstring_view disabled) {
    if (HeadlessControl* c = Find(id)) {
        c->images = {std::wstring(normal), std::wstring(hover), std::wstring(pressed),
                     std::wstring(disabled)};
    }
}

void HeadlessView::SetButtonTextColours(int id, uint32_t normal, uint32_t hover) {
    if (HeadlessControl* c = FindKind(id, ControlKind::Button)) c->buttonText = {normal, hover};
}

void HeadlessView::SetCheckMarkColour(int id, uint32_t colour) {
    if (HeadlessControl* c = FindKind(id, ControlKind::CheckBox)) c->checkMark = colour;
}

void HeadlessView::SetGroupColours(int id, const GroupColours& colours) {
    if (HeadlessControl* c = FindKind(id, ControlKind::GroupBox)) c->groupColours = colours;
}

// --- drop-down lists ---

void HeadlessView::ClearEntries(int id) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ComboBox)) {
        c->entries.clear();
        c->sel = -1;
    }
}

int HeadlessView::AddEntry(int id, std::wstring_view text, uint32_t data) {
    HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    if (c == nullptr) return -1;
    c->entries.push_back({std::wstring(text), data});
    return static_cast<int>(c->entries.size()) - 1;
}

int HeadlessView::EntryCount(int id) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    return c != nullptr ? static_cast<int>(c->entries.size()) : 0;
}

uint32_t HeadlessView::EntryData(int id, int index) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->entries.size())) return 0;
    return c->entries[static_cast<size_t>(index)].data;
}

std::wstring HeadlessView::EntryText(int id, int index) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->entries.size())) return {};
    return c->entries[static_cast<size_t>(index)].text;
}

int HeadlessView::GetSel(int id) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    return c != nullptr ? c->sel : -1;
}

void HeadlessView::SetSel(int id, int index) {
    HeadlessControl* c = FindKind(id, ControlKind::ComboBox);
    if (c == nullptr) return;
    c->sel = index >= 0 && index < static_cast<int>(c->entries.size()) ? index : -1;
}

// --- time pickers ---

void HeadlessView::SetTimeFormat(int id, std::wstring_view format) {
    if (HeadlessControl* c = FindKind(id, ControlKind::TimePicker)) c->timeFormat.assign(format);
}

DateTime HeadlessView::GetTime(int id) const {
    const HeadlessControl* c = FindKind(id, ControlKind::TimePicker);
    return c != nullptr ? c->time : DateTime{};
}

void HeadlessView::SetTime(int id, const DateTime& time) {
    HeadlessControl* c = FindKind(id, ControlKind::TimePicker);
    if (c != nullptr && IsValidTime(time)) c->time = time;
}

// --- up-down controls ---

void HeadlessView::SetSpinRange(int id, int low, int high) {
    if (HeadlessControl* c = FindKind(id, ControlKind::UpDown)) {
        c->spinLow = low;
        c->spinHigh = high;
    }
}

// --- list views ---

int HeadlessView::InsertColumn(int id, int index, std::wstring_view title, int width) {
    HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.InsertColumn(index, title, width) : -1;
}

int HeadlessView::ColumnCount(int id) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.ColumnCount() : 0;
}

int HeadlessView::ColumnWidth(int id, int col) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    const ListColumn* column = c != nullptr ? c->list.Column(col) : nullptr;
    return column != nullptr ? column->width : 0;
}

int HeadlessView::InsertRow(int id, int index, std::wstring_view text) {
    HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.InsertRow(index, text) : -1;
}

void HeadlessView::DeleteAllRows(int id) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->list.DeleteAllRows();
}

int HeadlessView::RowCount(int id) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.RowCount() : 0;
}

std::wstring HeadlessView::GetCellText(int id, int row, int col) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.Cell(row, col) : std::wstring();
}

void HeadlessView::SetCellText(int id, int row, int col, std::wstring_view text) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->list.SetCell(row, col, text);
}

const ListRow* HeadlessView::RowOf(int id, int row) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.Row(row) : nullptr;
}

ListRow* HeadlessView::RowOf(int id, int row) {
    HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr ? c->list.Row(row) : nullptr;
}

uintptr_t HeadlessView::GetRowData(int id, int row) const {
    const ListRow* r = RowOf(id, row);
    return r != nullptr ? r->data : 0;
}

void HeadlessView::SetRowData(int id, int row, uintptr_t data) {
    if (ListRow* r = RowOf(id, row)) r->data = data;
}

bool HeadlessView::GetRowCheck(int id, int row) const {
    const ListRow* r = RowOf(id, row);
    return r != nullptr && r->checked;
}

void HeadlessView::SetRowCheck(int id, int row, bool checked) {
    if (ListRow* r = RowOf(id, row)) r->checked = checked;
}

bool HeadlessView::IsRowSelected(int id, int row) const {
    const ListRow* r = RowOf(id, row);
    return r != nullptr && r->selected;
}

void HeadlessView::SelectRow(int id, int row, bool selected) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) {
        c->list.Select(row, selected, c->HasStyle(kStyleListSingleSelect));
    }
}

void HeadlessView::SetHeaderCheck(int id, bool checked) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->list.SetHeaderCheck(checked);
}

void HeadlessView::SortRows(int id, const std::function<int(uintptr_t, uintptr_t)>& compare) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->list.SortRows(compare);
}

bool HeadlessView::CellUnderPointer(int id, int* row, int* col) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    return c != nullptr && c->list.CellUnderPointer(row, col);
}

void HeadlessView::SetListColours(int id, const ListColours& colours) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->listColours = colours;
}

void HeadlessView::SetRowTextColours(int id, RowTextColourFn colourOf) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) {
        c->rowTextColour = std::move(colourOf);
    }
}

void HeadlessView::SetSortArrow(int id, int col, bool ascending) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) {
        c->sortArrowColumn = col;
        c->sortArrowUp = ascending;
    }
}

void HeadlessView::SetHorzScrollBar(int id, bool allowed) {
    if (HeadlessControl* c = FindKind(id, ControlKind::ListView)) c->horzScrollBar = allowed;
}

uint32_t HeadlessView::RowTextColour(int id, int row) const {
    const HeadlessControl* c = FindKind(id, ControlKind::ListView);
    if (c == nullptr) return 0;
    if (c->rowTextColour) {
        if (std::optional<uint32_t> own = c->rowTextColour(row)) return *own;
    }
    return c->listColours ? c->listColours->text : 0;
}

}  // namespace mdvr::ui
