#pragma once
// The Win32 toolkit behind the dialogs: views of real windows, modal runs, the screen, the
// clipboard and the mouse. Also shows the host's message tips.
#include "ui/IBackend.h"
#include "ui/win32/ActivationContext.h"
#include "ui/win32/MessageBoxPresenter.h"

namespace mdvr::ui::win32 {

class Win32Backend final : public IBackend {
  public:
    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<IView> CreateView(const DialogDecl& decl, IView* parent, void* nativeParent,
                                      IInputSink& sink) override;
    int RunModal(IView& view) override;
    bool TranslateDialogKey(IView& view, void* hostMessage) override;

    int Dpi() const override;
    void SetClipboardText(std::wstring_view text) override;
    uint32_t TickCount() const override;

    Point CursorPos() const override;
    int MonitorCount() const override;
    Point MaximisedSize() const override;
    void CaptureMouse(IView& view, int id) override;
    void ReleaseMouse() override;
    void ConfineCursor(const Rect* screenRect) override;
    Rect TopLevelRect(const IView& view) const override;
    void MoveTopLevel(const IView& view, const Rect& rect) override;
    bool IsParentMaximised(const IView& view) const override;
    Point NativeClientSize(void* native) const override;

  private:
    ActivationContext m_context;
    MessageBoxPresenter m_presenter;
    IMsgTipPresenter* m_previousPresenter = nullptr;
};

}  // namespace mdvr::ui::win32
