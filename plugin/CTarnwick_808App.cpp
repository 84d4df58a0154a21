#include "plugin/CTarnwick_808App.h"

#include "plugin/CMainWindowHost.h"
#include "text/CLanguage.h"

namespace mdvr {
namespace {

// Built when the module loads, destroyed when it unloads.
CTarnwick_808App theApp;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

CTarnwick_808App::~CTarnwick_808App() {
    CLanguage::Release();
}

CTarnwick_808App& CTarnwick_808App::Instance() {
    return theApp;
}

bool CTarnwick_808App::PreTranslateMessage(MDVR_MSG& msg) {
    return CMainWindowHost::Instance().PreTranslate(msg);
}

}  // namespace mdvr
