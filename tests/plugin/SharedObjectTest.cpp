// The module file as a host loads it: nothing but the entry points leaks out. That the sixteen
// resolve by their plain names the reference host's session test proves, loading it as mdvr-host
// does.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

TEST(SharedObject, InternalsStayPrivate) {
    void* module = dlopen(MDVR808_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_NE(dlsym(module, "MDVR_DisplayConfig"), nullptr);
    for (const char* name :
         {"_ZN4mdvr16TheDeviceProfileEv", "_ZN4mdvr15CMainWindowHost8InstanceEv"}) {
        EXPECT_EQ(dlsym(module, name), nullptr) << name;
    }
    EXPECT_EQ(dlclose(module), 0);
}

}  // namespace
