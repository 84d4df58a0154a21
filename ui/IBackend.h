#pragma once
// The toolkit behind the dialogs. The linked backend library (headless or Win32) defines Backend().
#include <memory>
#include <string_view>

#include "ui/IInputSink.h"
#include "ui/IView.h"

namespace mdvr::ui {

class IBackend {
  public:
    virtual ~IBackend() = default;

    // Builds a dialog with all its declared controls, as a child of parent, or of a native host
    // window when parent is null (nativeParent may be null for a top-level pop-up).
    virtual std::unique_ptr<IView> CreateView(const DialogDecl& decl, IView* parent,
                                              void* nativeParent, IInputSink& sink) = 0;
    // Runs view modally until IView::EndModal; returns the result given there.
    virtual int RunModal(IView& view) = 0;

    // A host's keyboard message (MSG* on Windows) for view or a window inside it: the dialog
    // keys (Tab, Shift+Tab, arrows, Enter) run here. True when it was handled and the host must
    // not dispatch it again; a message for any other window is left alone.
    virtual bool TranslateDialogKey(IView& view, void* hostMessage) = 0;

    virtual int Dpi() const = 0;  // logical pixels per inch across the desktop
    virtual void SetClipboardText(std::wstring_view text) = 0;
    virtual uint32_t TickCount() const = 0;

    // Dragging a top-level window by a child panel.
    virtual Point CursorPos() const = 0;  // screen coordinates
    virtual int MonitorCount() const = 0;
    // The size of a maximised window (the work area), in device pixels.
    virtual Point MaximisedSize() const = 0;
    // The mouse goes to control id of view (0: the dialog itself) until released.
    virtual void CaptureMouse(IView& view, int id) = 0;
    virtual void ReleaseMouse() = 0;
    virtual void ConfineCursor(const Rect* screenRect) = 0;  // null releases
    virtual Rect TopLevelRect(const IView& view) const = 0;
    virtual void MoveTopLevel(const IView& view, const Rect& rect) = 0;
    virtual bool IsParentMaximised(const IView& view) const = 0;
    // Client size of a native window (the host's), {0, 0} when it is none.
    virtual Point NativeClientSize(void* native) const = 0;
};

IBackend& Backend();

}  // namespace mdvr::ui
