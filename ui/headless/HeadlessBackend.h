#pragma once
// The in-memory toolkit: live dialogs, keyboard focus, the posted-message queue, modal runs
// driven by queued scripts, message tips, clipboard, clock, screen and mouse.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/IMsgTipPresenter.h"
#include "ui/IBackend.h"
#include "ui/headless/HostWindow.h"

namespace mdvr::ui {

class HeadlessView;

struct MsgTip {
    std::wstring text;
    std::wstring title;
    int type = kMsgTipNotice;
};

class HeadlessBackend : public IBackend, public IMsgTipPresenter {
  public:
    using ModalScript = std::function<void(HeadlessView&)>;
    static constexpr int kModalCancel = 2;                 // the result of a modal run nobody ended
    static constexpr Point kDefaultMaximised{1920, 1040};  // a 1080-line screen less its task bar

    HeadlessBackend();
    ~HeadlessBackend() override;
    static HeadlessBackend& Instance();

    // --- IBackend ---
    std::unique_ptr<IView> CreateView(const DialogDecl& decl, IView* parent, void* nativeParent,
                                      IInputSink& sink) override;
    int RunModal(IView& view) override;
    // Headless keys come through the automation API, never as host messages.
    bool TranslateDialogKey(IView& /*view*/, void* /*hostMessage*/) override { return false; }
    int Dpi() const override { return m_dpi; }
    void SetClipboardText(std::wstring_view text) override { m_clipboard.assign(text); }
    uint32_t TickCount() const override { return m_tick; }
    Point CursorPos() const override { return m_cursor; }
    int MonitorCount() const override { return m_monitors; }
    Point MaximisedSize() const override { return m_maximised; }
    void CaptureMouse(IView& view, int id) override;
    void ReleaseMouse() override { m_capture = 0; }
    void ConfineCursor(const Rect* screenRect) override;
    Rect TopLevelRect(const IView& view) const override;
    void MoveTopLevel(const IView& view, const Rect& rect) override;
    bool IsParentMaximised(const IView& view) const override;
    Point NativeClientSize(void* native) const override;

    // --- IMsgTipPresenter: tips are recorded; questions take the next queued answer (else 0) ---
    int ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) override;

    // --- live dialogs ---
    uint64_t Register(HeadlessView& view);
    void Unregister(const HeadlessView& view);
    HeadlessView* Live(uint64_t serial) const;
    std::vector<HeadlessView*> Views() const;  // in creation order

    // --- input ---
    bool Deliver(HeadlessView& view, const Notification& n);
    void Post(HeadlessView& view, const Notification& n);
    // Delivers posted messages, in order, until none is left (messages posted meanwhile too).
    void Pump();
    // Moves the keyboard focus: KillFocus to the old control, then SetFocus to the new one.
    void MoveFocus(HeadlessView* view, int id);
    int FocusedId(const HeadlessView& view) const;
    HeadlessView* FocusedView() const { return Live(m_focusView); }
    void ForgetFocus(const HeadlessView& view, int id);

    // --- what tests set and read ---
    HostWindow& CreateHostWindow(const Rect& rect);
    void SetDpi(int dpi) { m_dpi = dpi; }
    void SetTickCount(uint32_t tick) { m_tick = tick; }
    void AdvanceTicks(uint32_t ms) { m_tick += ms; }
    void SetCursorPos(Point p) { m_cursor = p; }
    void SetMonitorCount(int count) { m_monitors = count; }
    void SetMaximisedSize(Point size) { m_maximised = size; }
    const std::wstring& ClipboardText() const { return m_clipboard; }
    bool HasCapture(const HeadlessView& view) const;
    const Rect* CursorConfinement() const { return m_confined ? &m_confinement : nullptr; }
    void QueueModalScript(ModalScript script) { m_modalScripts.push_back(std::move(script)); }
    const std::vector<int>& ModalsOpened() const { return m_modalsOpened; }
    void AnswerNextQuestion(int answer) { m_answers.push_back(answer); }
    const std::vector<MsgTip>& MsgTips() const { return m_msgTips; }
    // Clears records, queues and settings between tests; live dialogs stay with their owners.
    void Reset();

  private:
    struct Posted {
        uint64_t serial;
        Notification n;
    };
    HeadlessView* ViewOfNative(void* native) const;
    HostWindow* HostOfNative(void* native) const;
    const HeadlessView& Root(const HeadlessView& view) const;

    std::map<uint64_t, HeadlessView*> m_views;
    uint64_t m_nextSerial = 1;
    std::deque<Posted> m_posted;
    uint64_t m_focusView = 0;
    int m_focusId = 0;
    uint64_t m_capture = 0;
    std::vector<std::unique_ptr<HostWindow>> m_hosts;
    int m_dpi = 96;
    uint32_t m_tick = 0;
    Point m_cursor;
    int m_monitors = 1;
    Point m_maximised = kDefaultMaximised;
    bool m_confined = false;
    Rect m_confinement;
    std::wstring m_clipboard;
    std::deque<ModalScript> m_modalScripts;
    std::vector<int> m_modalsOpened;
    std::deque<int> m_answers;
    std::vector<MsgTip> m_msgTips;
    IMsgTipPresenter* m_previousPresenter = nullptr;
};

}  // namespace mdvr::ui
