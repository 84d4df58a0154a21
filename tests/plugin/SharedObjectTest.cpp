// The module file as a host loads it: the sixteen entry points resolve by their plain names,
// nothing else leaks out, and the loaded module keeps its own state across calls.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "mdvr808.h"

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
    template <class Function>
    Function* Get(const char* name) {
        return reinterpret_cast<Function*>(dlsym(m_module, name));
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

TEST_F(SharedObject, LoadedModuleAnswersThroughItsEntryPoints) {
    auto* enable = Get<decltype(MDVR_IsEnableDll)>("MDVR_IsEnableDll");
    auto* param = Get<decltype(MDVR_GetPluginParam)>("MDVR_GetPluginParam");
    ASSERT_TRUE(enable && param);

    EXPECT_EQ(enable(6, 29, 0), 1);
    EXPECT_EQ(enable(6, 29, 1), 0);
    MDVR_PluginParam record{7, 7, 7};
    EXPECT_EQ(param(&record), 1);
    EXPECT_EQ(record.field0, 7);
    EXPECT_EQ(record.field1, 1);
    EXPECT_EQ(record.field2, 1);
}

}  // namespace
