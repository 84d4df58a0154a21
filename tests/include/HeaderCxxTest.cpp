// The public header must stand alone in C++ too, and both languages must see the same layouts:
// a host written in C exchanges these records with the plug-in written in C++.
#include "mdvr808.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "include/HeaderLayout.h"

namespace {

TEST(PublicHeader, CAndCxxAgreeOnRecordLayoutsAndCalls) {
    const std::array<size_t, MDVR_LAYOUT_COUNT> cxx{
        sizeof(MDVR_ParamBuffer),    sizeof(MDVR_ParamBufferSmall),
        sizeof(MDVR_BatchSetRecord), offsetof(MDVR_BatchSetRecord, kind),
        sizeof(MDVR_PluginParam),    sizeof(MDVR_MSG),
        offsetof(MDVR_MSG, wParam)};
    std::array<size_t, MDVR_LAYOUT_COUNT> c{};
    mdvr_header_c_layout(c.data());
    EXPECT_EQ(c, cxx);
    // A callback written in C is called from C++.
    MDVR_ParamBuffer reply{};
    reply.length = 99;
    MDVR_ConfigGetFunc fetch = mdvr_header_c_callback();
    ASSERT_NE(fetch, nullptr);
    EXPECT_EQ(fetch(MDVR_CMD_GET_ALL, nullptr, &reply, nullptr), 1);
    EXPECT_EQ(reply.length, 0u);
}

}  // namespace
