// The record through which the headless window publishes its automation to a host: only a
// record of this version is adopted, and without a window nothing is reachable.
#include <gtest/gtest.h>

#include "ui/headless/HostBridge.h"

namespace mdvr::ui {
namespace {

TEST(HostBridgeTest, OnlyARecordOfThisVersionIsAdopted) {
    HostBridge stale;
    stale.version = kHostBridgeVersion + 1;
    EXPECT_EQ(AdoptHostBridge(&stale), nullptr);
    EXPECT_EQ(stale.api, nullptr);
    uint64_t notARecord[4] = {};
    EXPECT_EQ(AdoptHostBridge(notARecord), nullptr);
    EXPECT_EQ(AdoptHostBridge(nullptr), nullptr);

    HostBridge bridge;
    bridge.window.rect = Rect{0, 0, 1000, 670};
    EXPECT_EQ(AdoptHostBridge(&bridge), &bridge.window);
    ASSERT_NE(bridge.api, nullptr);
    const HostBridgeApi& api = *bridge.api;
    EXPECT_EQ(api.version, kHostBridgeVersion);
    EXPECT_EQ(api.click(1003), 0);
    EXPECT_EQ(api.replaceText(4365, "50"), 0);
    char text[8] = "x";
    EXPECT_EQ(api.msgTip(api.msgTipCount(), text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
}

}  // namespace
}  // namespace mdvr::ui
