// Exports that answer constants or store what the host hands over.
#include <gtest/gtest.h>

#include "mdvr808.h"
#include "plugin/ModuleFixture.h"

namespace mdvr::test {
namespace {

class ProfileExports : public ModuleFixture {};

// A profile holding values no export writes, to see exactly which fields change.
DeviceProfile Marked() {
    return DeviceProfile{11, 12, 13, 14, 15, 16, 17};
}

struct EnableCase {
    int type, subType, reserved;
    int result;
    DeviceProfile after;
};

TEST_F(ProfileExports, IsEnableDllAcceptsOnlyType6WithReservedZero) {
    const EnableCase cases[] = {
        {6, 29, 0, 1, {11, 29, 6, 14, 15, 16, 0}},
        {6, -3, 0, 1, {11, -3, 6, 14, 15, 16, 0}},
        {5, 29, 0, 0, Marked()},
        {6, 29, 1, 0, Marked()},
        {6, 29, -1, 0, Marked()},
    };
    for (const EnableCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "," << c.subType << "," << c.reserved);
        TheDeviceProfile() = Marked();
        EXPECT_EQ(MDVR_IsEnableDll(c.type, c.subType, c.reserved), c.result);
        EXPECT_EQ(Fields(TheDeviceProfile()), Fields(c.after));
    }
}

TEST_F(ProfileExports, GetPluginParamSetsSecondAndThirdFieldOnly) {
    MDVR_PluginParam param{7, 7, 7};
    EXPECT_EQ(MDVR_GetPluginParam(&param), 1);
    EXPECT_EQ(param.field0, 7);
    EXPECT_EQ(param.field1, 1);
    EXPECT_EQ(param.field2, 1);
    EXPECT_EQ(MDVR_GetPluginParam(nullptr), 1);
}

int MDVR_CALL FakeGet(int, MDVR_ParamBuffer*, MDVR_ParamBuffer*, void*) {
    return 1;
}
int MDVR_CALL FakeSet(int, MDVR_ParamBufferSmall*, MDVR_ParamBufferSmall*, void*) {
    return 1;
}
int MDVR_CALL FakeMultiSet(MDVR_BatchSetRecord*, MDVR_ParamBuffer*, void*) {
    return 1;
}

TEST_F(ProfileExports, CallbackSettersStoreFunctionAndUserValue) {
    int setUser = 0, second = 0, getUser = 0, multiUser = 0;
    MDVR_SetConfigFunction(&FakeSet, &second, &setUser);
    MDVR_SetConfigFunctionEx(&FakeGet, &getUser);
    MDVR_SetConfigFuncMutli(&FakeMultiSet, &multiUser);
    const HostCallbacks& cb = TheHostCallbacks();
    EXPECT_EQ(cb.setFunc, &FakeSet);
    EXPECT_EQ(cb.setSecond, &second);
    EXPECT_EQ(cb.setUser, &setUser);
    EXPECT_EQ(cb.getFunc, &FakeGet);
    EXPECT_EQ(cb.getUser, &getUser);
    EXPECT_EQ(cb.multiSetFunc, &FakeMultiSet);
    EXPECT_EQ(cb.multiSetUser, &multiUser);
}

}  // namespace
}  // namespace mdvr::test
