// The module file as a host loads it: the sixteen entry points resolve by their plain names,
// and nothing else leaks out.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

constexpr const char* kExports[] = {
    "MDVR_IsEnableDll",
    "MDVR_GetPluginParam",
    "MDVR_GetDisplayWidth",
    "MDVR_GetDisplayHeight",
    "MDVR_SetConfigFunction",
    "MDVR_SetConfigFunctionEx",
    "MDVR_SetConfigFuncMutli",
    "MDVR_SetLangPath",
    "MDVR_SetDevType",
    "MDVR_SetDevID",
    "MDVR_DisplayConfig",
    "MDVR_DisplayUpdate",
    "MDVR_DllPreTranslateMessage",
    "MDVR_ActivePage",
    "MDVR_SaveLocalCfgFile",
    "MDVR_IsLoadConfigFile",
};

// Internal functions that exist in the module but must stay private to it.
constexpr const char* kInternals[] = {
    "_ZN4mdvr16TheDeviceProfileEv",
    "_ZN4mdvr15CMainWindowHost8InstanceEv",
};

class SharedObject : public ::testing::Test {
  protected:
    void SetUp() override {
        m_module = dlopen(MDVR808_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_module, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_module != nullptr) {
            EXPECT_EQ(dlclose(m_module), 0);
        }
    }
    void* m_module = nullptr;
};

TEST_F(SharedObject, ExportsExactlyTheEntryPoints) {
    for (const char* name : kExports) {
        EXPECT_NE(dlsym(m_module, name), nullptr) << name;
    }
    for (const char* name : kInternals) {
        EXPECT_EQ(dlsym(m_module, name), nullptr) << name;
    }
}

}  // namespace
