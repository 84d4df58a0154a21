#include "text/CProfileFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TempDir.h"
#include "text/CodePage.h"
#include "text/LocalFile.h"

namespace mdvr {
namespace {

constexpr size_t kLanguageChars = 258;

std::wstring DataFile(const char* name) {
    const char* root = std::getenv("MDVR_TEST_DATA");
    return Utf8ToWide(std::string(root != nullptr ? root : "tests/data") + "/text/" + name);
}

TEST(CProfileFileTest, SyntaxRules) {
    const struct {
        const char* name;
        std::string ini;
        const wchar_t *section, *key;
        std::wstring expected;  // L"<none>" when the fallback is expected
    } cases[] = {
        {"case-insensitive names", "[String]\nKey=v\n", L"sTRING", L"kEY", L"v"},
        {"trimmed names and value", "  [ S ]  \n\t k \t=  v w  \r\n", L"S", L"k", L"v w"},
        {"double quotes", "[S]\nk=\" a \"\n", L"S", L"k", L" a "},
        {"unmatched quote kept", "[S]\nk=\"a\n", L"S", L"k", L"\"a"},
        {"semicolon comment", "[S]\n;k=1\n", L"S", L"k", L"<none>"},
        {"hash comment", "[S]\n# k=1\n", L"S", L"k", L"<none>"},
        {"inline text kept", "[S]\nk=1 ; not a comment\n", L"S", L"k", L"1 ; not a comment"},
        {"first occurrence wins", "[S]\nk=1\nk=2\n", L"S", L"k", L"1"},
        {"other section", "[A]\nk=1\n[B]\n", L"B", L"k", L"<none>"},
        {"before any section", "k=1\n[S]\n", L"S", L"k", L"<none>"},
        {"equals in value", "[S]\nk=a=b\n", L"S", L"k", L"a=b"},
        {"key without equals", "[S]\nk\n", L"S", L"k", L""},
        {"CR line ends", "[S]\rk=v\r", L"S", L"k", L"v"},
        {"NUL ends a line", std::string("[S]\nk=v\0junk\n", 14), L"S", L"k", L"v"},
        {"unclosed section", "[S\nk=v\n", L"S", L"k", L"v"},
        {"non-ASCII not folded", "[S]\n\xC3\x89=v\n", L"S", L"\u00E9", L"<none>"},
    };
    for (const auto& c : cases) {
        CProfileFile file(c.ini);
        EXPECT_EQ(file.GetString(c.section, c.key, L"<none>", kLanguageChars), c.expected)
            << c.name;
    }
    EXPECT_EQ(CProfileFile("[S]\n").GetString(L"S", L"none", L"abcdef", 3), L"abc");  // cut too
}

TEST(CProfileFileTest, IntegerRules) {
    struct {
        const char* value;
        int32_t expected;
    } const cases[] = {
        {"42", 42},  {"-7", -7}, {"+9", 9},   {"  12  ", 12},    {"12abc", 12},      {"0x10", 0},
        {"abc", -1}, {"", -1},   {"- 3", -1}, {"4294967297", 1}, {"4294967295", -1}, {"1.9", 1},
    };
    for (const auto& c : cases) {
        CProfileFile file("[S]\nk=" + std::string(c.value) + "\n");
        EXPECT_EQ(file.GetInt(L"S", L"k", -1), c.expected) << c.value;
    }
    EXPECT_EQ(CProfileFile("[S]\n").GetInt(L"S", L"k", 5), 5);
}

TEST(CProfileFileTest, FilesInEveryEncodingAndGarbledOnesGiveWhatTheyCan) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    const wchar_t* title = L"\u4E2D\u6587\u6807\u9898";
    const struct {
        const char* name;
        const wchar_t* text;
    } cases[] = {
        {"lang_utf16le_bom.ini", title},  {"lang_utf8_bom.ini", title},
        {"lang_utf8.ini", title},         {"lang_gbk.ini", title},
        {"garbled_utf16_odd.ini", L"ok"}, {"garbled_binary.ini", L"after junk"},
        {"no_such_file.ini", L"dflt"},
    };
    for (const auto& c : cases) {
        const std::wstring path = DataFile(c.name);
        auto read = [&](const wchar_t* section, const wchar_t* key) {
            return CProfileFile::ReadString(path, section, key, L"dflt", kLanguageChars);
        };
        EXPECT_EQ(read(L"STRING", L"100"), c.text) << c.name;
        EXPECT_EQ(CProfileFile::ReadInt(path, L"STRING", L"none", 3), 3) << c.name;
        if (c.text == title) {
            EXPECT_EQ(read(L"string", L"101"), L"  quoted  ") << c.name;
            EXPECT_EQ(read(L"Other", L"100"), L"wrong section") << c.name;
        }
    }
    EXPECT_EQ(CProfileFile::ReadString(L"", L"S", L"k", L"d", 258), L"d");
}

// An edited file is read again; one call into the plug-in looks at a file once, the next call
// sees what changed meanwhile.
TEST(CProfileFileTest, EditedFilesAreReadAgainInTheNextRound) {
    test::TempDir dir;
    std::wstring path = dir.Write("b.ini", "[S]\nk=1\n");
    {
        const StampRound round;
        EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 1);
        dir.Write("b.ini", "[S]\nk=22\n");
        EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 1);
        {
            const StampRound nested;  // a message handled inside the call
            EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 1);
        }
        EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 1);
    }
    EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 22);
    dir.Write("b.ini", "[S]\nk=2\n");
    EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 2);
    std::filesystem::remove(ToFsPath(path));
    EXPECT_EQ(CProfileFile::ReadInt(path, L"S", L"k", 0), 0);
}

}  // namespace
}  // namespace mdvr
