// The sixteen C exports. Each body runs inside NoThrow so nothing escapes to the host.
#include <array>
#include <string_view>

#ifdef _WIN32
#include <windows.h>  // MDVR_MSG is the platform's MSG
#endif

#include "host/CDevFunc.h"
#include "host/CVehicleBaseMgr.h"
#include "mdvr808.h"
#include "plugin/CMainWindowHost.h"
#include "plugin/CTarnwick_808App.h"
#include "plugin/ExportGuard.h"
#include "protocol/DeviceProfile.h"
#include "protocol/HostCallbacks.h"
#include "text/CLanguage.h"
#include "text/CodePage.h"
#include "ui/CallGuard.h"

namespace mdvr {
namespace {

constexpr int kServedDevType = 6;
constexpr int kDisplayWidth = 1000;
constexpr int kDisplayHeight = 670;
constexpr uint32_t kWmClose = 0x0010;
constexpr uintptr_t kEscapeKey = 27;

struct Capability {
    int index;
    int32_t DeviceProfile::*field;
};

// Stored in this order after devId; a later MDVR_SetDevType overrides protocolType again.
constexpr std::array<Capability, 5> kCapabilities{{
    {9, &DeviceProfile::devType},
    {10, &DeviceProfile::devSubType},
    {110, &DeviceProfile::protocolType},
    {112, &DeviceProfile::protocolLevel},
    {75, &DeviceProfile::modelCode},
}};

void ReadDeviceCapabilities(int devId) {
    CDevFunc device(CVehicleBaseMgr::Instance().FindDvsDeviceByID(devId));
    if (!device.IsValid()) {
        return;  // an unknown device keeps the previous profile, devId included
    }
    DeviceProfile& profile = TheDeviceProfile();
    profile.devId = devId;
    for (const Capability& capability : kCapabilities) {
        profile.*capability.field = device.GetDevInt(capability.index);
    }
}

int PreTranslate(MDVR_MSG& msg) {
    if (msg.message == kWmClose) {
        CMainWindowHost::Instance().Close();  // whichever window the close is addressed to
    }
    if (msg.wParam == kEscapeKey) {
        return 1;  // every Escape message is consumed, so no dialog closes on Escape
    }
    return CTarnwick_808App::Instance().PreTranslateMessage(msg) ? 1 : 0;
}

}  // namespace
}  // namespace mdvr

using namespace mdvr;

int MDVR_CALL MDVR_IsEnableDll(int type, int subType, int reserved) {
    return NoThrow(0, [&] {
        if (type != kServedDevType || reserved != 0) {
            return 0;
        }
        DeviceProfile& profile = TheDeviceProfile();
        profile.devType = kServedDevType;
        profile.devSubType = subType;
        profile.reserved = 0;
        return 1;
    });
}

int MDVR_CALL MDVR_GetPluginParam(MDVR_PluginParam* param) {
    if (param != nullptr) {
        param->field1 = 1;
        param->field2 = 1;
    }
    return 1;
}

int MDVR_CALL MDVR_GetDisplayWidth(void) {
    return kDisplayWidth;
}

int MDVR_CALL MDVR_GetDisplayHeight(void) {
    return kDisplayHeight;
}

void MDVR_CALL MDVR_SetConfigFunction(MDVR_ConfigSetFunc func, void* unused, void* user) {
    HostCallbacks& callbacks = TheHostCallbacks();
    callbacks.setFunc = func;
    callbacks.setSecond = unused;
    callbacks.setUser = user;
}

void MDVR_CALL MDVR_SetConfigFunctionEx(MDVR_ConfigGetFunc func, void* user) {
    HostCallbacks& callbacks = TheHostCallbacks();
    callbacks.getFunc = func;
    callbacks.getUser = user;
}

void MDVR_CALL MDVR_SetConfigFuncMutli(MDVR_ConfigMultiSetFunc func, void* user) {
    HostCallbacks& callbacks = TheHostCallbacks();
    callbacks.multiSetFunc = func;
    callbacks.multiSetUser = user;
}

int MDVR_CALL MDVR_SetLangPath(const char* path) {
    NoThrow([&] {
        if (path != nullptr) {  // the language table needs a path: a null one is ignored
            CLanguage::Instance().SetFile(ThreadAnsiToWide(std::string_view(path)));
        }
    });
    return 1;
}

int MDVR_CALL MDVR_SetDevType(int type) {
    TheDeviceProfile().protocolType = type;
    return 1;
}

int MDVR_CALL MDVR_SetDevID(int devId) {
    NoThrow([&] { ReadDeviceCapabilities(devId); });
    return 1;
}

// The window exports are guarded calls: a close asked for while they run waits for their return.
int MDVR_CALL MDVR_DisplayConfig(MDVR_HWND parent, int /*unused*/) {
    const ui::CallGuard guard;
    NoThrow([&] { CMainWindowHost::Instance().Open(parent); });
    return 0;
}

void MDVR_CALL MDVR_DisplayUpdate(void) {
    const ui::CallGuard guard;
    NoThrow([] { CMainWindowHost::Instance().Refresh(); });
}

int MDVR_CALL MDVR_DllPreTranslateMessage(MDVR_MSG* msg) {
    if (msg == nullptr) {
        return 0;
    }
    const ui::CallGuard guard;
    return NoThrow(0, [&] { return PreTranslate(*msg); });
}

int MDVR_CALL MDVR_ActivePage(void) {
    return 1;
}

int MDVR_CALL MDVR_SaveLocalCfgFile(int /*unused1*/, int /*unused2*/) {
    return 1;
}

// The plug-in reads no local configuration file.
int MDVR_CALL MDVR_IsLoadConfigFile(void) {
    return 0;
}
