#include "plugin/CTarnwick_808App.h"

#include "plugin/CMainWindowHost.h"
#include "text/CLanguage.h"

namespace mdvr {
namespace {

CTarnwick_808App theApp;

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
