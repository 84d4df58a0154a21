#pragma once
// Turns the Win32 messages of a dialog and its controls into the toolkit-neutral notifications of
// its input sink, and skips the platform's default handling of what the sink consumed.
#include <windows.h>

#include "ui/IInputSink.h"

namespace mdvr::ui::win32 {

class InputTranslator {
  public:
    explicit InputTranslator(IInputSink& sink) : m_sink(&sink) {}
    InputTranslator(const InputTranslator&) = delete;
    InputTranslator& operator=(const InputTranslator&) = delete;

    // Stops delivering: the window is being destroyed.
    void Detach() { m_sink = nullptr; }
    // Routes the control's raw keyboard, mouse, focus and paste input through the sink.
    void Subclass(HWND control, ControlKind kind);
    bool Deliver(const Notification& n);

    // WM_COMMAND and WM_NOTIFY from a control of the given kind; result is the WM_NOTIFY answer.
    void OnCommand(HWND control, ControlKind kind, UINT code);
    LRESULT OnNotify(const NMHDR& header, ControlKind kind);
    // Mouse input on the dialog's own surface (control ID 0).
    void OnDialogMouse(HWND dialog, UINT msg, LPARAM lParam);

    bool IsHovered(HWND control) const { return control == m_hover; }
    // The button whose button-up the sink is hearing right now, if any.
    static HWND ButtonGoingUp();

  private:
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR kind, DWORD_PTR self);
    LRESULT OnControlMessage(HWND hwnd, ControlKind kind, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaste(HWND hwnd, WPARAM wParam, LPARAM lParam);
    LRESULT OnFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnButtonMouse(HWND hwnd, UINT msg, LPARAM lParam);
    void TrackHover(HWND hwnd, bool inside);

    IInputSink* m_sink;
    HWND m_pasting = nullptr;  // the edit whose default paste is running
    bool m_pasteChanged = false;
    HWND m_hover = nullptr;  // the button under the pointer
};

}  // namespace mdvr::ui::win32
