#pragma once
// Message tips: the host shows a modal message and, for a question, returns the user's answer.
// The UI layer installs the presenter that draws the tip; the host services only route to it.
#include <string_view>

namespace mdvr {

enum MsgTipType : int { kMsgTipNotice = 0, kMsgTipQuestion = 1 };

class IMsgTipPresenter {
  public:
    virtual ~IMsgTipPresenter() = default;
    // Shows the tip modally; returns 1 when the user confirmed, else 0.
    virtual int ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) = 0;
};

// Installs the presenter (null removes it) and returns the one it replaces. The caller keeps
// ownership and must remove it before destroying it.
IMsgTipPresenter* SetMsgTipPresenter(IMsgTipPresenter* presenter);

// Shows a tip through the installed presenter. Without one the tip goes to stderr and the answer
// is 0 (no confirmation), so an unattended host never confirms anything by accident.
int ShowMsgTipEx(std::wstring_view text, std::wstring_view title, int type);

}  // namespace mdvr
