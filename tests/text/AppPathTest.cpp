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
    } const cases[] = {{L"/a/b/", L"/a/b/"},
                       {L"/a/b", L"/a/b/"},
                       {L"/a/b/..\\", L"/a/"},
                       {L"/a\\b\\c\\..\\..\\d", L"/a/d/"},
                       {L"/a/./b//c/", L"/a/b/c/"},
                       {L"/a/../../..", L"/"},
                       {L"//a/b", L"/a/b/"},
                       {L"a/../../b", L"../b/"},
                       {L"C:\\x\\..\\..\\y", L"C:/y/"},
                       {L"", L""}};
    for (const auto& c : cases) EXPECT_EQ(NormalizeDirectory(c.in), c.out) << c.in;
}

// The module lives in host/plugins, the executable in exe.
TEST(AppPathTest, ResolveRule) {
    const struct {
        const char* name;
        const char* ini;  // nullptr: no AppPath.INI
        const wchar_t* expected;
    } cases[] = {
        {"no file", nullptr, L"exe/"},
        {"parent step", "[APPPATH]\nSRC_TYPE=1\nAPPEND=..\\\n", L"host/"},
        {"source type 0", "[APPPATH]\nSRC_TYPE=0\nAPPEND=..\\\n", L"exe/"},
        {"empty append", "[APPPATH]\nSRC_TYPE=1\nAPPEND=\n", L"host/plugins/"},
        {"missing append", "[apppath]\nsrc_type=2\n", L"host/plugins/"},
        {"sub folder", "[APPPATH]\nSRC_TYPE=1\nAPPEND=data\\bin\\\n", L"host/plugins/data/bin/"},
        {"not a number", "[APPPATH]\nSRC_TYPE=yes\nAPPEND=..\\\n", L"exe/"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        if (c.ini != nullptr) dir.Write("host/plugins/AppPath.INI", c.ini);
        EXPECT_EQ(ResolveAppPath(dir.Mkdir("host/plugins"), dir.Mkdir("exe")),
                  dir.Dir() + c.expected)
            << c.name;
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
