#include "host/IMsgTipPresenter.h"

#include <cstdio>
#include <string>

#include "text/CodePage.h"

namespace mdvr {

namespace {

IMsgTipPresenter*& Installed() {
    static IMsgTipPresenter* presenter = nullptr;
    return presenter;
}

void PrintTip(std::wstring_view text, std::wstring_view title, int type) {
    std::string line = type == kMsgTipQuestion ? "[question" : "[notice";
    if (!title.empty()) line += ": " + WideToUtf8(title);
    line += "] " + WideToUtf8(text) + (type == kMsgTipQuestion ? " -> no\n" : "\n");
    std::fputs(line.c_str(), stderr);
}

}  // namespace

IMsgTipPresenter* SetMsgTipPresenter(IMsgTipPresenter* presenter) {
    IMsgTipPresenter* previous = Installed();
    Installed() = presenter;
    return previous;
}

int ShowMsgTipEx(std::wstring_view text, std::wstring_view title, int type) {
    if (IMsgTipPresenter* presenter = Installed()) {
        return presenter->ShowMsgTip(text, title, type) == 1 ? 1 : 0;
    }
    try {
        PrintTip(text, title, type);
    } catch (...) {
        // A tip that cannot even be printed is dropped; the answer stays "no".
    }
    return 0;
}

}  // namespace mdvr
