#include "ui/win32/MessageBoxPresenter.h"

#include <windows.h>

#include <string>

namespace mdvr::ui::win32 {

int MessageBoxPresenter::ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) {
    const std::wstring body(text);
    const std::wstring caption(title);
    const bool question = type == kMsgTipQuestion;
    const UINT style = question ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION;
    const int answer = MessageBoxW(GetActiveWindow(), body.c_str(), caption.c_str(), style);
    return answer == IDYES || (!question && answer == IDOK) ? 1 : 0;
}

}  // namespace mdvr::ui::win32
