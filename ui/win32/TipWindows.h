#pragma once
// A dialog's tooltip windows: one balloon anchored under a control (warnings on edits; the edit's
// own balloon tip is missing under wine) and the hover tooltip its controls share with every
// dialog in the same top-level window.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

class TipWindows {
  public:
    explicit TipWindows(HWND owner);
    ~TipWindows();
    TipWindows(const TipWindows&) = delete;
    TipWindows& operator=(const TipWindows&) = delete;

    void ShowBalloon(HWND control, std::wstring_view title, std::wstring_view text,
                     BalloonIcon icon);
    void HideBalloon();
    void SetToolTip(HWND control, std::wstring_view text);
    // A tip over a part of the owner's own surface (a caption it draws), by the caption's ID; an
    // empty area answers nowhere.
    void SetAreaTip(int id, const RECT& area, std::wstring_view text);
    void MoveAreaTip(int id, const RECT& area);
    // The owner's own mouse messages, for its area tips.
    void RelayOwnerMouse(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void CloseToolTip();
    // The owner forwards its timers; true when the timer was the balloon's.
    bool OnTimer(UINT_PTR timerId);

  private:
    // Hands a tool's mouse input to the hover tooltip, as the platform's own subclass would.
    static LRESULT CALLBACK RelayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR tips);
    static void Relay(HWND tip, HWND from, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND CreateTip(DWORD style, HWND owner) const;
    HWND AcquireHoverTip();
    void ReleaseHoverTip();
    TOOLINFOW ToolFor(HWND control, DWORD flags, std::wstring& text) const;
    TOOLINFOW AreaToolFor(int id, std::wstring& text) const;

    HWND m_owner;
    HWND m_balloon = nullptr;
    HWND m_balloonControl = nullptr;
    HWND m_tips = nullptr;
    HWND m_root = nullptr;      // the top-level window whose hover tooltip m_tips is
    std::vector<HWND> m_tools;  // this dialog's controls with a hover tip
    std::vector<int> m_areas;   // and its captions with one
};

}  // namespace mdvr::ui::win32
