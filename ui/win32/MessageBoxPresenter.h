#pragma once
// The host's message tips as platform message boxes over the active window.
#include "host/IMsgTipPresenter.h"

namespace mdvr::ui::win32 {

class MessageBoxPresenter final : public IMsgTipPresenter {
  public:
    int ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) override;
};

}  // namespace mdvr::ui::win32
