#include "text/CLanguage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace mdvr {
namespace {

class CLanguageTest : public ::testing::Test {
  protected:
    test::TempDir m_dir;
    CLanguage m_language;
};

TEST_F(CLanguageTest, SameFileTwiceKeepsCache) {
    std::wstring path = m_dir.Write("lang.ini", "[STRING]\n1=one\n");
    EXPECT_EQ(m_language.SetFile(path), 1);
    EXPECT_EQ(m_language.GetText(1), L"one");
    m_dir.Write("lang.ini", "[STRING]\n1=uno\n");
    EXPECT_EQ(m_language.SetFile(path), 0);
    EXPECT_EQ(m_language.GetText(1), L"one");  // cached, file not read again
}

TEST_F(CLanguageTest, UnopenablePathKeepsOldLanguage) {
    std::wstring path = m_dir.Write("lang.ini", "[STRING]\n1=one\n2=two\n");
    ASSERT_EQ(m_language.SetFile(path), 1);
    EXPECT_EQ(m_language.GetText(1), L"one");
    for (const std::wstring& bad : {m_dir.Dir() + L"missing.ini", m_dir.Dir(), std::wstring()}) {
        EXPECT_EQ(m_language.SetFile(bad), 0);
    }
    EXPECT_EQ(m_language.GetText(1), L"one");
    EXPECT_EQ(m_language.GetText(2), L"two");  // still read from the old file
}

TEST_F(CLanguageTest, EmptyValueIsNotFoundAndNotCached) {
    std::wstring path = m_dir.Write("lang.ini", "[STRING]\n5=\n");
    ASSERT_EQ(m_language.SetFile(path), 1);
    std::wstring text = L"untouched";
    EXPECT_EQ(m_language.GetString(5, text), 0);
    EXPECT_EQ(text, L"untouched");
    EXPECT_EQ(m_language.GetText(5), L"");
    m_dir.Write("lang.ini", "[STRING]\n5=now set\n");
    EXPECT_EQ(m_language.GetString(5, text), 1);
    EXPECT_EQ(text, L"now set");
}

// IDs are the keys' text, negative ones too, in [STRING] alone; texts are cut as the host's
// buffer would cut them.
TEST_F(CLanguageTest, IdsSectionAndLength) {
    std::wstring path = m_dir.Write(
        "lang.ini", "[STRING]\n-3=negative\n7=" + std::string(300, 'y') + "\n[OTHER]\n8=x\n");
    ASSERT_EQ(m_language.SetFile(path), 1);
    EXPECT_EQ(m_language.GetText(-3), L"negative");
    EXPECT_EQ(m_language.GetText(7), std::wstring(258, L'y'));
    EXPECT_EQ(m_language.GetText(8), L"");
}

}  // namespace
}  // namespace mdvr
