#include "text/CLanguage.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"

namespace mdvr {
namespace {

// A text is read once and kept; a file set again is not read again; an unopenable path keeps
// the old file, whose texts are still read on demand.
TEST(CLanguageTest, TextsAreCachedAndAnUnopenablePathKeepsTheFile) {
    test::TempDir dir;
    CLanguage language;
    const std::wstring path = dir.Write("lang.ini", "[STRING]\n1=one\n2=two\n5=\n");
    EXPECT_EQ(language.SetFile(path), 1);
    EXPECT_EQ(language.GetText(1), L"one");
    std::wstring text = L"untouched";
    EXPECT_EQ(language.GetString(5, text), 0);  // empty: not found and not cached
    EXPECT_EQ(text, L"untouched");
    dir.Write("lang.ini", "[STRING]\n1=uno\n2=two\n5=now set\n");
    EXPECT_EQ(language.SetFile(path), 0);
    for (const std::wstring& bad : {dir.Dir() + L"missing.ini", dir.Dir(), std::wstring()}) {
        EXPECT_EQ(language.SetFile(bad), 0);
    }
    EXPECT_EQ(language.GetText(1), L"one");
    EXPECT_EQ(language.GetText(2), L"two");
    EXPECT_EQ(language.GetString(5, text), 1);
    EXPECT_EQ(text, L"now set");
}

// IDs are the keys' text, negative ones too, in [STRING] alone; texts are cut as the host's
// buffer would cut them.
TEST(CLanguageTest, IdsSectionAndLength) {
    test::TempDir dir;
    CLanguage language;
    ASSERT_EQ(
        language.SetFile(dir.Write(
            "lang.ini", "[STRING]\n-3=negative\n7=" + std::string(300, 'y') + "\n[OTHER]\n8=x\n")),
        1);
    EXPECT_EQ(language.GetText(-3), L"negative");
    EXPECT_EQ(language.GetText(7), std::wstring(258, L'y'));
    EXPECT_EQ(language.GetText(8), L"");
}

}  // namespace
}  // namespace mdvr
