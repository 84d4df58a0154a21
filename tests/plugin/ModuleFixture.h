#pragma once
// Every plug-in test starts from the state of a freshly loaded module.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "mdvr808.h"
#include "plugin/CMainWindowHost.h"
#include "protocol/DeviceProfile.h"
#include "protocol/HostCallbacks.h"

namespace mdvr::test {

inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmKeyDown = 0x0100;
inline constexpr uint32_t kWmKeyUp = 0x0101;
inline constexpr uintptr_t kEscape = 27;

inline MDVR_MSG Message(uint32_t message, uintptr_t wParam) {
    MDVR_MSG msg{};
    msg.message = message;
    msg.wParam = wParam;
    return msg;
}

// The profile's seven fields in their declared order, for whole-record comparisons.
inline std::array<int32_t, 7> Fields(const DeviceProfile& p) {
    return {p.devId,         p.devSubType, p.devType, p.protocolType,
            p.protocolLevel, p.modelCode,  p.reserved};
}

class ModuleFixture : public ::testing::Test {
  protected:
    void SetUp() override { ResetModule(); }
    void TearDown() override { ResetModule(); }

    static void ResetModule() {
        CMainWindowHost::Instance().Close();
        CMainWindowHost::Instance().SetFactory(nullptr);
        TheDeviceProfile() = DeviceProfile{};
        TheHostCallbacks() = HostCallbacks{};
    }
};

}  // namespace mdvr::test
