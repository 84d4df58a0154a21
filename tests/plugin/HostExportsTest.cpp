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

class DeviceExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        m_folder.Write("HostDevices.ini", kRegistry);
        CHostFile::SetFolder(m_folder.Path().wstring());
    }
    void TearDown() override {
        CHostFile::SetFolder(L"");
        ModuleFixture::TearDown();
    }

  private:
    ScratchDir m_folder{"mdvr-plugin-registry"};
};

struct DevIdStep {
    enum Kind { kSetDevType, kSetDevId, kIsEnableDll } kind;  // the last with sub-type argument
    int argument;
};

struct DevIdCase {
    const char* name;
    std::vector<DevIdStep> steps;
    std::array<int32_t, 7>
        profile;  // devId, devSubType, devType, protocolType, level, model, reserved
};

// The exports override each other in call order; the host's sub-type keeps the registry identity.
TEST_F(DeviceExports, ProfileFieldsFollowTheCallOrder) {
    using S = DevIdStep;
    const DevIdCase cases[] = {
        {"known device", {{S::kSetDevId, 1001}}, {1001, 29, 6, 3, 2, 10, 0}},
        {"device without some capabilities", {{S::kSetDevId, 1002}}, {1002, 23, 5, 0, 0, 0, 0}},
        {"type then device",
         {{S::kSetDevType, 7}, {S::kSetDevId, 1001}},
         {1001, 29, 6, 3, 2, 10, 0}},
        {"device then type",
         {{S::kSetDevId, 1001}, {S::kSetDevType, 7}},
         {1001, 29, 6, 7, 2, 10, 0}},
        {"unknown device keeps all",
         {{S::kSetDevId, 1001}, {S::kSetDevId, 4242}},
         {1001, 29, 6, 3, 2, 10, 0}},
        {"unknown device on a fresh profile",
         {{S::kSetDevType, 4}, {S::kSetDevId, 0}},
         {0, 0, 0, 4, 0, 0, 0}},
        {"second device replaces the first",
         {{S::kSetDevId, 1001}, {S::kSetDevId, 1002}},
         {1002, 23, 5, 0, 0, 0, 0}},
        {"enabled with a sub-type", {{S::kSetDevId, 1001}, {S::kIsEnableDll, 24}},
         {1001, 24, 6, 3, 2, 10, 0}},
    };
    for (const DevIdCase& c : cases) {
        SCOPED_TRACE(c.name);
        TheDeviceProfile() = DeviceProfile{};
        for (const DevIdStep& step : c.steps) {
            const int result = step.kind == S::kSetDevType ? MDVR_SetDevType(step.argument)
                               : step.kind == S::kSetDevId ? MDVR_SetDevID(step.argument)
                                                           : MDVR_IsEnableDll(6, step.argument, 0);
            EXPECT_EQ(result, 1);
        }
        EXPECT_EQ(Fields(TheDeviceProfile()), c.profile);
    }
}

class LanguageExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        CLanguage::Release();
    }
    void TearDown() override {
        CLanguage::Release();
        ModuleFixture::TearDown();
    }
    static std::string Ansi(const std::filesystem::path& path) { return path.string(); }

    ScratchDir m_folder{"mdvr-plugin-lang"};
};

TEST_F(LanguageExports, SetLangPathKeepsTheLastReadableFile) {
    const std::string first = Ansi(m_folder.Write("first.ini", "[STRING]\n15000=first\n"));
    const std::string second = Ansi(m_folder.Write("second.ini", "[STRING]\n15000=second\n"));
    const std::string missing = Ansi(m_folder.Path() / "missing.ini");
    const struct {
        const char* path;
        const wchar_t* text;
    } steps[] = {
        {first.c_str(), L"first"}, {missing.c_str(), L"first"}, {nullptr, L"first"},
        {second.c_str(), L"second"}, {first.c_str(), L"first"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.path == nullptr ? "(null)" : step.path);
        EXPECT_EQ(MDVR_SetLangPath(step.path), 1);
        EXPECT_EQ(CLanguage::Instance().GetText(15000), step.text);
    }
}

TEST_F(LanguageExports, ModuleObjectReleasesTheLanguageTable) {
    const std::string file = Ansi(m_folder.Write("lang.ini", "[STRING]\n1=one\n"));
    {
        CTarnwick_808App app;
        MDVR_SetLangPath(file.c_str());
        EXPECT_EQ(CLanguage::Instance().GetText(1), L"one");
    }
    EXPECT_EQ(CLanguage::Instance().GetText(1), L"");  // a fresh table knows no file
}

}  // namespace
}  // namespace mdvr::test
