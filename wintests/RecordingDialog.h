#pragma once
// A dialog that records every notification its controls send and consumes the ones a test
// picks, so the tests see exactly what the backend delivered and in which order.
#include <functional>
#include <utility>
#include <vector>

#include "ui/Dialog.h"

namespace mdvr::wintest {

class RecordingDialog : public ui::Dialog {
  public:
    using ui::Dialog::Dialog;

    std::vector<ui::Notification> Take() { return std::exchange(m_seen, {}); }
    // Consumes each notification for which the rule returns true (none by default).
    void ConsumeWhen(std::function<bool(const ui::Notification&)> rule) { m_consume = rule; }
    // In a modal run: ends it with the message's wParam when this private message arrives.
    void EndOnMessage(uint32_t message) { m_endMessage = message; }

  protected:
    bool OnNotify(const ui::Notification& n) override {
        m_seen.push_back(n);
        if (n.event == ui::Event::Message && m_endMessage != 0 && n.message == m_endMessage) {
            EndDialog(static_cast<int>(n.wParam));
        }
        return m_consume && m_consume(n);
    }

  private:
    std::vector<ui::Notification> m_seen;
    std::function<bool(const ui::Notification&)> m_consume;
    uint32_t m_endMessage = 0;
};

}  // namespace mdvr::wintest
