#pragma once
// A dialog's toolkit-neutral life: creation from its declaration, input routing through the
// attached control behaviours to the dialog's own handler, modal runs and destruction.
#include <map>
#include <memory>

#include "ui/IBackend.h"
#include "ui/IControlBehavior.h"

namespace mdvr::ui {

class Dialog : public IInputSink {
public:
    explicit Dialog(const DialogDecl& decl);
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Child of another dialog, or of a native host window. Runs OnInitDialog, then OnResize, then
    // shows the child unless show is false (it is built unseen either way).
    bool Create(Dialog* parent, bool show = true);
    bool CreateInNative(void* nativeParent);
    // Runs the dialog modally (created and destroyed here); returns the EndDialog result.
    int DoModal(Dialog* owner);
    void EndDialog(int result);
    void Destroy();

    bool IsCreated() const { return m_view != nullptr; }
    IView& View() const { return *m_view; }  // only while created
    const DialogDecl& Decl() const { return m_decl; }

    // Not owned; must outlive the dialog's window.
    void Attach(int id, IControlBehavior& behavior);

    bool OnInput(const Notification& n) override;
    void OnResize(int width, int height) override;

protected:
    virtual bool OnInitDialog() { return true; }
    // The dialog's handler for input its controls' behaviours left; true = consumed.
    virtual bool OnNotify(const Notification& /*n*/) { return false; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual void OnDestroy() {}

private:
    bool Build(IView* parent, void* nativeParent, bool show);

    DialogDecl m_decl;
    std::unique_ptr<IView> m_view;
    std::multimap<int, IControlBehavior*> m_behaviors;
};

}  // namespace mdvr::ui
