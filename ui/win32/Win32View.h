#pragma once
// A dialog as real Win32 windows: an in-memory template dialog whose children carry the declared
// control IDs, so that standard automation (GetDlgItem, BM_CLICK, WM_SETTEXT, ...) reaches them.
// Labels and group frames take no input and are drawn by the dialog itself (DrawnCaptions).
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/IView.h"
#include "ui/win32/ActivationContext.h"
#include "ui/win32/ButtonSkin.h"
#include "ui/win32/DrawnCaptions.h"
#include "ui/win32/InputTranslator.h"
#include "ui/win32/ListLook.h"
#include "ui/win32/ListView.h"
#include "ui/win32/ShadowWindow.h"
#include "ui/win32/TipWindows.h"

namespace mdvr::ui::win32 {

class Win32View final : public IView {
  public:
    Win32View(const DialogDecl& decl, IInputSink& sink, const ActivationContext& context);
    ~Win32View() override;
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    // Creates the dialog and its controls under parent (an owner for pop-ups, may be null).
    bool Create(HWND parent);
    int RunModal();

    void ShowWindow(bool show) override;
    bool IsWindowVisible() const override;
    void MoveWindow(const Rect& rect) override;
    Rect WindowRect() const override;
    Point ClientSize() const override;
    void SetTitle(std::wstring_view title) override;
    void SetBackground(uint32_t colour) override;
    void SetTextColour(uint32_t colour) override;
    void SetRoundedCorners(int ellipseWidth, int ellipseHeight) override;
    void SetShadow(bool shadow) override;
    void Invalidate() override;
    void Post(uint32_t message, intptr_t wParam, intptr_t lParam) override;
    void EndModal(int result) override;
    void* NativeHandle() const override { return m_hwnd; }

    bool AddControl(const ControlDecl& decl) override;
    void RemoveControl(int id) override;
    bool Has(int id) const override { return Item(id) != nullptr || Caption(id) != nullptr; }
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

  private:
    struct ControlState {
        HWND hwnd = nullptr;
        ControlKind kind = ControlKind::Static;
        uint32_t style = 0;
        std::unique_ptr<ButtonSkin> skin;
        std::optional<COLORREF> checkMark;
        std::unique_ptr<ListLook> list;
    };

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool OnPaintMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool OnFrameMessage(UINT msg, LPARAM lParam, LRESULT* result);
    INT_PTR Answer(LRESULT result);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DirectProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);
    void EraseBackground(HDC dc) const;
    bool OnCustomDraw(NMHDR& header, LRESULT* result);
    void OnSize();
    void ShowQuietly(bool show);
    LRESULT HitTest(LPARAM lParam) const;
    HBRUSH OnCtlColor(HDC dc, HWND control);
    std::optional<CaptionInk> InkFor(uint32_t style, const GroupBoxSkin* frame) const;
    const GroupBoxSkin* FrameAround(HWND control) const;
    void PaintCaptions();
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnNcDestroy();
    bool IsOwnEscape(const MSG& msg) const;

    bool CreateControl(const ControlDecl& decl);
    void AttachBuddy(HWND upDown, int buddyId) const;
    void PlaceWindow(HWND parent);
    HWND Item(int id) const;
    const DrawnCaptions::Caption* Caption(int id) const;
    void FollowTip(int id);
    ListView ListOf(int id) const;
    const ControlState* StateOf(int id) const;
    ControlState* StateOf(int id, ControlKind kind);
    LRESULT SendTo(int id, UINT msg, WPARAM wParam, LPARAM lParam) const;
    COLORREF TextColour() const;

    DialogDecl m_decl;
    IInputSink& m_sink;
    const ActivationContext& m_context;
    InputTranslator m_input;
    HWND m_hwnd = nullptr;
    bool m_popup = false;
    std::map<int, ControlState> m_controls;
    DrawnCaptions m_captions{m_hwnd};
    mutable std::map<HWND, const GroupBoxSkin*> m_frameOf;  // null: on the dialog's surface
    std::unique_ptr<TipWindows> m_tips;
    std::unique_ptr<ShadowWindow> m_shadow;
    HBRUSH m_background = nullptr;
    COLORREF m_backColour = 0;
    std::optional<COLORREF> m_textColour;
    HFONT m_font = nullptr;  // of every control without its own
    SIZE m_corner{0, 0};
    bool m_inModal = false;
    std::optional<int> m_modalResult;
};

}  // namespace mdvr::ui::win32
