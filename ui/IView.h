#pragma once
// One dialog as a backend shows it: the operations page logic and controls use, by control ID.
// An ID the dialog does not have is ignored by setters and reads as empty/0/false.
//
// Geometry: declarations (ControlDecl::place, DialogDecl sizes) are at 96 DPI and the backend
// scales them once, when it builds the dialog. Everything at run time - Move, GetRect,
// MoveWindow, WindowRect, ClientSize, OnResize, hit-test and mouse points, column widths and
// FontSpec heights - is in device pixels and passes unchanged: callers apply the screen
// scaling themselves, so a backend that scaled again would scale twice.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace mdvr::ui {

// A list row's own text colour, asked whenever the row is drawn; nullopt = the list's colour.
using RowTextColourFn = std::function<std::optional<uint32_t>(int row)>;

class IView {
  public:
    virtual ~IView() = default;

    // --- the dialog itself ---
    virtual void ShowWindow(bool show) = 0;
    virtual bool IsWindowVisible() const = 0;
    virtual void MoveWindow(const Rect& rect) = 0;  // in the parent's client coordinates
    virtual Rect WindowRect() const = 0;
    virtual Point ClientSize() const = 0;
    virtual void SetTitle(std::wstring_view title) = 0;
    virtual void SetBackground(uint32_t colour) = 0;  // 0x00BBGGRR fill of the client area
    virtual void SetTextColour(uint32_t colour) = 0;  // statics, check boxes, radios, group boxes
    virtual void SetRoundedCorners(int ellipseWidth, int ellipseHeight) = 0;  // 0, 0 = square
    virtual void SetShadow(bool shadow) = 0;  // pop-ups: a click-through drop shadow
    virtual void Invalidate() = 0;
    // Queued delivery as an Event::Message notification to this dialog.
    virtual void Post(uint32_t message, intptr_t wParam, intptr_t lParam) = 0;
    virtual void EndModal(int result) = 0;   // ends a modal run of this dialog
    virtual void* NativeHandle() const = 0;  // HWND on Windows, the view itself headless

    // --- controls: creation at run time (page buttons), presence, state ---
    virtual bool AddControl(const ControlDecl& decl) = 0;
    virtual void RemoveControl(int id) = 0;
    virtual bool Has(int id) const = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Show(int id, bool show) = 0;
    virtual bool IsVisible(int id) const = 0;
    // id 0: the dialog itself (a platform dialog passes it on to its last focused control).
    virtual void SetFocus(int id) = 0;
    virtual int FocusedId() const = 0;  // 0 when no control of this dialog has the focus
    virtual void Move(int id, const Rect& rect) = 0;
    virtual Rect GetRect(int id) const = 0;
    virtual void SetFont(int id, const FontSpec& font) = 0;  // id 0: every control
    virtual void SetToolTip(int id, std::wstring_view text) = 0;
    virtual void CloseToolTip(int id) = 0;
    virtual void Redraw(int id) = 0;

    // --- text (edits, statics, buttons, check boxes) ---
    virtual std::wstring GetText(int id) const = 0;
    virtual void SetText(int id, std::wstring_view text) = 0;
    // Edits: program text inserted at character position at (-1: the end), the rest kept; a long
    // log gains an entry without being rewritten whole.
    virtual void InsertText(int id, int at, std::wstring_view text) = 0;
    virtual void SetTextLimit(int id, int limit) = 0;
    virtual void SetReadOnly(int id, bool readOnly) = 0;  // edits
    // Edits: the user changed the text since the program last set it.
    virtual bool IsModified(int id) const = 0;
    // Selects [start, end) (end -1 = to the end), scrolls the caret into view.
    virtual void SelectText(int id, int start, int end) = 0;
    virtual void ShowBalloon(int id, std::wstring_view title, std::wstring_view text,
                             BalloonIcon icon) = 0;

    // --- check boxes and radios ---
    virtual int GetCheck(int id) const = 0;
    virtual void SetCheck(int id, int state) = 0;
    // Skinned buttons: theme image files per state (normal, hover, pressed, disabled).
    virtual void SetButtonImages(int id, std::wstring_view normal, std::wstring_view hover,
                                 std::wstring_view pressed, std::wstring_view disabled) = 0;

    // --- colours of single controls; a control of another kind ignores them ---
    // Skinned buttons: the caption colour, normally and under the pointer.
    virtual void SetButtonTextColours(int id, uint32_t normal, uint32_t hover) = 0;
    // Check boxes: the colour of the check mark.
    virtual void SetCheckMarkColour(int id, uint32_t colour) = 0;
    virtual void SetGroupColours(int id, const GroupColours& colours) = 0;

    // --- drop-down lists ---
    virtual void ClearEntries(int id) = 0;
    virtual int AddEntry(int id, std::wstring_view text, uint32_t data) = 0;  // index or -1
    virtual int EntryCount(int id) const = 0;
    virtual uint32_t EntryData(int id, int index) const = 0;
    virtual std::wstring EntryText(int id, int index) const = 0;
    virtual int GetSel(int id) const = 0;  // -1 when none
    virtual void SetSel(int id, int index) = 0;

    // --- time pickers ---
    virtual void SetTimeFormat(int id, std::wstring_view format) = 0;
    virtual DateTime GetTime(int id) const = 0;
    virtual void SetTime(int id, const DateTime& time) = 0;

    // --- up-down controls ---
    virtual void SetSpinRange(int id, int low, int high) = 0;

    // --- list views ---
    virtual int InsertColumn(int id, int index, std::wstring_view title, int width) = 0;
    virtual int ColumnCount(int id) const = 0;
    virtual int ColumnWidth(int id, int col) const = 0;
    virtual int InsertRow(int id, int index, std::wstring_view text) = 0;  // index or -1
    virtual void DeleteAllRows(int id) = 0;
    virtual int RowCount(int id) const = 0;
    virtual std::wstring GetCellText(int id, int row, int col) const = 0;
    virtual void SetCellText(int id, int row, int col, std::wstring_view text) = 0;
    virtual uintptr_t GetRowData(int id, int row) const = 0;
    virtual void SetRowData(int id, int row, uintptr_t data) = 0;
    virtual bool GetRowCheck(int id, int row) const = 0;
    virtual void SetRowCheck(int id, int row, bool checked) = 0;
    virtual bool IsRowSelected(int id, int row) const = 0;
    virtual void SelectRow(int id, int row, bool selected) = 0;
    virtual void SetHeaderCheck(int id, bool checked) = 0;
    // Reorders rows by compare(rowDataA, rowDataB) < 0 (a stable sort).
    virtual void SortRows(int id, const std::function<int(uintptr_t, uintptr_t)>& compare) = 0;
    // The cell under the mouse pointer, or false when the pointer is over no cell.
    virtual bool CellUnderPointer(int id, int* row, int* col) const = 0;
    virtual void SetListColours(int id, const ListColours& colours) = 0;
    virtual void SetRowTextColours(int id, RowTextColourFn colourOf) = 0;
    // The header's sort arrow over col (-1: none), pointing up when ascending.
    virtual void SetSortArrow(int id, int col, bool ascending) = 0;
    // false keeps the horizontal scroll bar away, whatever the column widths.
    virtual void SetHorzScrollBar(int id, bool allowed) = 0;
};

}  // namespace mdvr::ui
