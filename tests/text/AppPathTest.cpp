#include "text/AppPath.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"

namespace mdvr {
namespace {

TEST(AppPathTest, NormalizeDirectory) {
    struct {
        const wchar_t* in;
        const wchar_t* out;
    } const cases[] = {
        {L"/a/b/", L"/a/b/"},
        {L"/a/b", L"/a/b/"},
        {L"/a/b/..\\", L"/a/"},
        {L"/a\\b\\c\\..\\..\\d", L"/a/d/"},
        {L"/a/./b//c/", L"/a/b/c/"},
        {L"/a/../../..", L"/"},
        {L"//a/b", L"/a/b/"},
        {L"a/../../b", L"../b/"},
        {L"C:\\x\\..\\..\\y", L"C:/y/"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeDirectory(c.in), c.out) << c.in;
}

struct ResolveCase {
    const char* name;
    const char* ini;       // nullptr: no AppPath.INI
    const char* expected;  // "module", "parent", "exe" or a path below the module directory
};

TEST(AppPathTest, ResolveRule) {
    const ResolveCase cases[] = {
        {"no file", nullptr, "exe"},
        {"parent step", "[APPPATH]\nSRC_TYPE=1\nAPPEND=..\\\n", "parent"},
        {"source type 0", "[APPPATH]\nSRC_TYPE=0\nAPPEND=..\\\n", "exe"},
        {"empty append", "[APPPATH]\nSRC_TYPE=1\nAPPEND=\n", "module"},
        {"missing append", "[apppath]\nsrc_type=2\n", "module"},
        {"sub folder", "[APPPATH]\nSRC_TYPE=1\nAPPEND=data\\bin\\\n", "module/data/bin/"},
        {"not a number", "[APPPATH]\nSRC_TYPE=yes\nAPPEND=..\\\n", "exe"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        std::wstring moduleDir = dir.Mkdir("host/plugins");
        std::wstring exeDir = dir.Mkdir("exe");
        if (c.ini != nullptr) dir.Write("host/plugins/AppPath.INI", c.ini);
        std::string expected = c.expected;
        std::wstring want = expected == "exe"      ? exeDir
                            : expected == "parent" ? dir.Dir() + L"host/"
                                                   : moduleDir;
        if (expected.starts_with("module/")) {
            want += std::wstring(expected.begin() + 7, expected.end());
        }
        EXPECT_EQ(ResolveAppPath(moduleDir, exeDir), want) << c.name;
    }
}

TEST(AppPathTest, ModuleOfStaticallyLinkedCodeIsTheExecutable) {
    std::wstring exeDir = ExecutableDirectory();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_EQ(exeDir.back(), L'/');
    EXPECT_EQ(ModuleDirectory(), exeDir);
    EXPECT_EQ(GetAppPath().back(), L'/');
}

}  // namespace
}  // namespace mdvr
