// Exports that read host files: the device registry and the language file.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "host/CHostFile.h"
#include "mdvr808.h"
#include "plugin/CTarnwick_808App.h"
#include "plugin/ModuleFixture.h"
#include "support/ScratchDir.h"
#include "text/CLanguage.h"

namespace mdvr::test {
namespace {

// Capability values chosen so that no two fields share one: a swapped index shows.
constexpr const char* kRegistry =
    "[Device1001]\n"
    "Vehicle=Bus 7\n"
    "Cap9=6\nCap10=29\nCap75=10\nCap110=3\nCap112=2\n"
    "[Device1002]\n"
    "Cap9=5\nCap10=23\n";

class HostFileExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        CLanguage::Release();
        m_folder.Write("HostDevices.ini", kRegistry);
        CHostFile::SetFolder(m_folder.Path().wstring());
    }
    void TearDown() override {
        CHostFile::SetFolder(L"");
        CLanguage::Release();
        ModuleFixture::TearDown();
    }

    ScratchDir m_folder{"mdvr-plugin-host"};
};

// The exports override each other in call order; the host's sub-type keeps the registry identity.
// Only type 6 with reserved 0 is enabled.
TEST_F(HostFileExports, ProfileFieldsFollowTheCallOrder) {
    using P = std::array<int32_t, 7>;  // devId, subType, type, protocol, level, model, reserved
    const P marked{11, 12, 13, 14, 15, 16, 17};  // values no export writes
    // M: the marked profile; T, D: MDVR_SetDevType, MDVR_SetDevID; E: MDVR_IsEnableDll(6, n, 0);
    // refused: 5 MDVR_IsEnableDll(5, n, 0), R MDVR_IsEnableDll(6, 29, n).
    const struct {
        const char* name;
        std::vector<std::pair<char, int>> steps;
        P profile;
    } cases[] = {
        {"known device", {{'D', 1001}}, {1001, 29, 6, 3, 2, 10, 0}},
        {"device without some capabilities", {{'D', 1002}}, {1002, 23, 5, 0, 0, 0, 0}},
        {"type then device", {{'T', 7}, {'D', 1001}}, {1001, 29, 6, 3, 2, 10, 0}},
        {"device then type", {{'D', 1001}, {'T', 7}}, {1001, 29, 6, 7, 2, 10, 0}},
        {"unknown device keeps all", {{'D', 1001}, {'D', 4242}}, {1001, 29, 6, 3, 2, 10, 0}},
        {"unknown device on a fresh profile", {{'T', 4}, {'D', 0}}, {0, 0, 0, 4, 0, 0, 0}},
        {"second device replaces the first", {{'D', 1001}, {'D', 1002}}, {1002, 23, 5, 0, 0, 0, 0}},
        {"enabled with a sub-type", {{'D', 1001}, {'E', 24}}, {1001, 24, 6, 3, 2, 10, 0}},
        {"enabled, negative sub-type", {{'M', 0}, {'E', -3}}, {11, -3, 6, 14, 15, 16, 0}},
        {"refused", {{'M', 0}, {'5', 29}, {'R', 1}, {'R', -1}}, marked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TheDeviceProfile() = DeviceProfile{};
        for (auto [step, n] : c.steps) {
            if (step == 'M') {
                TheDeviceProfile() = {11, 12, 13, 14, 15, 16, 17};
                continue;
            }
            const int result = step == 'T'   ? MDVR_SetDevType(n)
                               : step == 'D' ? MDVR_SetDevID(n)
                               : step == 'E' ? MDVR_IsEnableDll(6, n, 0)
                               : step == '5' ? MDVR_IsEnableDll(5, n, 0)
                                             : MDVR_IsEnableDll(6, 29, n);
            EXPECT_EQ(result, step == '5' || step == 'R' ? 0 : 1) << step << n;
        }
        EXPECT_EQ(Fields(TheDeviceProfile()), c.profile);
    }
}

TEST(PluginParamExport, SetsSecondAndThirdFieldOnly) {
    MDVR_PluginParam param{7, 7, 7};
    EXPECT_EQ(MDVR_GetPluginParam(&param), 1);
    EXPECT_EQ((std::array{param.field0, param.field1, param.field2}), (std::array{7, 1, 1}));
    EXPECT_EQ(MDVR_GetPluginParam(nullptr), 1);
}

// A null or unreadable path keeps the language; the module object releases the table.
TEST_F(HostFileExports, SetLangPathKeepsTheLastReadableFileWhileTheModuleLives) {
    const std::string first = m_folder.Write("first.ini", "[STRING]\n15000=first\n").string();
    const std::string second = m_folder.Write("second.ini", "[STRING]\n15000=second\n").string();
    const std::string missing = (m_folder.Path() / "missing.ini").string();
    {
        CTarnwick_808App app;
        for (const char* path :
             {first.c_str(), missing.c_str(), static_cast<const char*>(nullptr)}) {
            EXPECT_EQ(MDVR_SetLangPath(path), 1);
            EXPECT_EQ(CLanguage::Instance().GetText(15000), L"first");
        }
        EXPECT_EQ(MDVR_SetLangPath(second.c_str()), 1);
        EXPECT_EQ(CLanguage::Instance().GetText(15000), L"second");
    }
    EXPECT_EQ(CLanguage::Instance().GetText(15000), L"");  // a fresh table knows no file
}

}  // namespace
}  // namespace mdvr::test
