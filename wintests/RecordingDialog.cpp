#include "RecordingDialog.h"

namespace mdvr::wintest {

std::vector<ui::Notification> RecordingDialog::Take() {
    std::vector<ui::Notification> seen;
    seen.swap(m_seen);
    return seen;
}

bool RecordingDialog::OnNotify(const ui::Notification& n) {
    m_seen.push_back(n);
    if (n.event == ui::Event::Message && m_endMessage != 0 && n.message == m_endMessage) {
        EndDialog(static_cast<int>(n.wParam));
    }
    return m_consume && m_consume(n);
}

}  // namespace mdvr::wintest
