#pragma once
// One headless dialog: its window state and its controls, kept in memory exactly as the platform
// controls would keep them. Input from the automation reaches it through InputDispatcher.
#include <memory>
#include <optional>
#include <vector>

#include "ui/IInputSink.h"
#include "ui/IView.h"
#include "ui/headless/HeadlessControl.h"
#include "ui/headless/HostWindow.h"

namespace mdvr::ui {

class HeadlessBackend;

class HeadlessView : public IView {
  public:
    HeadlessView(HeadlessBackend& backend, const DialogDecl& decl, HeadlessView* parent,
                 HostWindow* host, IInputSink& sink);
    ~HeadlessView() override;
    HeadlessView(const HeadlessView&) = delete;
    HeadlessView& operator=(const HeadlessView&) = delete;

    // --- for the backend and the automation ---
    uint64_t Serial() const { return m_serial; }
    int TemplateId() const { return m_templateId; }
    IInputSink& Sink() const { return m_sink; }
    HeadlessView* Parent() const { return m_parent; }
    HostWindow* Host() const { return m_host; }
    bool IsPopup() const { return m_popup; }
    // Visible itself and inside visible parents, as a user would see it.
    bool IsShowing() const;
    HeadlessControl* Find(int id);
    const HeadlessControl* Find(int id) const;
    const std::vector<std::unique_ptr<HeadlessControl>>& Controls() const { return m_controls; }
    const std::wstring& Title() const { return m_title; }
    uint32_t Background() const { return m_background; }
    uint32_t TextColour() const { return m_textColour; }
    bool InModalRun() const { return m_inModalRun; }
    void SetInModalRun(bool running) { m_inModalRun = running; }
    std::optional<int> ModalResult() const { return m_modalResult; }
    void ClearModalResult() { m_modalResult.reset(); }
    // Sets the text as the platform control does, without any notification.
    void StoreText(HeadlessControl& control, std::wstring_view text);

    // --- the dialog itself ---
    void ShowWindow(bool show) override { m_visible = show; }
    bool IsWindowVisible() const override { return m_visible; }
    void MoveWindow(const Rect& rect) override;
    Rect WindowRect() const override { return m_rect; }
    Point ClientSize() const override { return {m_rect.w, m_rect.h}; }
    void SetTitle(std::wstring_view title) override { m_title.assign(title); }
    void SetBackground(uint32_t colour) override { m_background = colour; }
    void SetTextColour(uint32_t colour) override { m_textColour = colour; }
    void SetRoundedCorners(int ellipseWidth, int ellipseHeight) override;
    void SetShadow(bool shadow) override { m_shadow = shadow; }
    void Invalidate() override { ++m_paints; }
    void Post(uint32_t message, intptr_t wParam, intptr_t lParam) override;
    void EndModal(int result) override { m_modalResult = result; }
    void* NativeHandle() const override { return const_cast<HeadlessView*>(this); }

    // --- controls ---
    bool AddControl(const ControlDecl& decl) override;
    void RemoveControl(int id) override;
    bool Has(int id) const override { return Find(id) != nullptr; }
    void Enable(int id, bool enable) override;
    bool IsEnabled(int id) const override;
    void Show(int id, bool show) override;
    bool IsVisible(int id) const override;
    void SetFocus(int id) override;
    int FocusedId() const override;
    void Move(int id, const Rect& rect) override;
    Rect GetRect(int id) const override;
    void SetFont(int id, const FontSpec& font) override;
    void SetToolTip(int id, std::wstring_view text) override;
    void CloseToolTip(int id) override;
    void Redraw(int id) override;

    std::wstring GetText(int id) const override;
    void SetText(int id, std::wstring_view text) override;
    void InsertText(int id, int at, std::wstring_view text) override;
    void SetTextLimit(int id, int limit) override;
    void SetReadOnly(int id, bool readOnly) override;
    bool IsModified(int id) const override;
    void SelectText(int id, int start, int end) override;
    void ShowBalloon(int id, std::wstring_view title, std::wstring_view text,
                     BalloonIcon icon) override;

    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    void SetButtonImages(int id, std::wstring_view normal, std::wstring_view hover,
                         std::wstring_view pressed, std::wstring_view disabled) override;
    void SetButtonTextColours(int id, uint32_t normal, uint32_t hover) override;
    void SetCheckMarkColour(int id, uint32_t colour) override;
    void SetGroupColours(int id, const GroupColours& colours) override;

    void ClearEntries(int id) override;
    int AddEntry(int id, std::wstring_view text, uint32_t data) override;
    int EntryCount(int id) const override;
    uint32_t EntryData(int id, int index) const override;
    std::wstring EntryText(int id, int index) const override;
    int GetSel(int id) const override;
    void SetSel(int id, int index) override;

    void SetTimeFormat(int id, std::wstring_view format) override;
    DateTime GetTime(int id) const override;
    void SetTime(int id, const DateTime& time) override;

    void SetSpinRange(int id, int low, int high) override;

    int InsertColumn(int id, int index, std::wstring_view title, int width) override;
    int ColumnCount(int id) const override;
    int ColumnWidth(int id, int col) const override;
    int InsertRow(int id, int index, std::wstring_view text) override;
    void DeleteAllRows(int id) override;
    int RowCount(int id) const override;
    std::wstring GetCellText(int id, int row, int col) const override;
    void SetCellText(int id, int row, int col, std::wstring_view text) override;
    uintptr_t GetRowData(int id, int row) const override;
    void SetRowData(int id, int row, uintptr_t data) override;
    bool GetRowCheck(int id, int row) const override;
    void SetRowCheck(int id, int row, bool checked) override;
    bool IsRowSelected(int id, int row) const override;
    void SelectRow(int id, int row, bool selected) override;
    void SetHeaderCheck(int id, bool checked) override;
    void SortRows(int id, const std::function<int(uintptr_t, uintptr_t)>& compare) override;
    bool CellUnderPointer(int id, int* row, int* col) const override;
    void SetListColours(int id, const ListColours& colours) override;
    void SetRowTextColours(int id, RowTextColourFn colourOf) override;
    void SetSortArrow(int id, int col, bool ascending) override;
    void SetHorzScrollBar(int id, bool allowed) override;
    // The colour the row's text would be drawn in: its own, else the list's, else black.
    uint32_t RowTextColour(int id, int row) const;

    int Paints() const { return m_paints; }
    bool HasShadow() const { return m_shadow; }
    Point RoundedCorners() const { return m_corners; }

  private:
    HeadlessControl* FindKind(int id, ControlKind kind);
    const HeadlessControl* FindKind(int id, ControlKind kind) const;
    const ListRow* RowOf(int id, int row) const;
    ListRow* RowOf(int id, int row);

    HeadlessBackend& m_backend;
    uint64_t m_serial;
    int m_templateId;
    HeadlessView* m_parent;
    HostWindow* m_host;
    IInputSink& m_sink;
    bool m_popup;
    bool m_visible = true;
    Rect m_rect;
    std::wstring m_title;
    uint32_t m_background = 0xFFFFFF;
    uint32_t m_textColour = 0;
    Point m_corners;
    bool m_shadow = false;
    int m_paints = 0;
    bool m_inModalRun = false;
    std::optional<int> m_modalResult;
    std::vector<std::unique_ptr<HeadlessControl>> m_controls;
};

}  // namespace mdvr::ui
