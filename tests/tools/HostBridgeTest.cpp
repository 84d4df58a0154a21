// The record through which the headless window publishes its automation to a host.
#include <gtest/gtest.h>

#include "ui/headless/HostBridge.h"

namespace mdvr::ui {
namespace {

TEST(HostBridgeTest, OnlyARecordOfThisVersionIsAdopted) {
    HostBridge bridge;
    bridge.window.rect = Rect{0, 0, 1000, 670};
    EXPECT_EQ(AdoptHostBridge(&bridge), &bridge.window);
    ASSERT_NE(bridge.api, nullptr);
    EXPECT_EQ(bridge.api->version, kHostBridgeVersion);

    HostBridge stale;
    stale.version = kHostBridgeVersion + 1;
    EXPECT_EQ(AdoptHostBridge(&stale), nullptr);
    EXPECT_EQ(stale.api, nullptr);
    uint64_t notARecord[4] = {};
    EXPECT_EQ(AdoptHostBridge(notARecord), nullptr);
    EXPECT_EQ(AdoptHostBridge(nullptr), nullptr);
}

TEST(HostBridgeTest, WithoutAWindowNothingIsReachable) {
    HostBridge bridge;
    AdoptHostBridge(&bridge);
    const HostBridgeApi& api = *bridge.api;
    EXPECT_EQ(api.click(1003), 0);
    EXPECT_EQ(api.replaceText(4365, "50"), 0);
    char text[8] = "x";
    EXPECT_EQ(api.msgTip(api.msgTipCount(), text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
}

}  // namespace
}  // namespace mdvr::ui
