#include "text/CPathManager.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"

namespace mdvr {
namespace {

TEST(CPathManagerTest, ParseColour) {
    struct {
        const wchar_t* text;
        uint32_t colour;
    } const cases[] = {
        {L"10,20", Rgb(10, 20, 0)},
        {L"300,0,0", Rgb(44, 0, 0)},
        {L"12.9,0,0", Rgb(12, 0, 0)},
        {L"", 0},
        {L"1,2,3,4", Rgb(1, 2, 3)},
        {L" 5 , 6 ,7", Rgb(5, 6, 7)},
        {L"-1,0,0", Rgb(255, 0, 0)},
        {L"abc,2", Rgb(0, 2, 0)},
        {L"256,512,1000", Rgb(0, 0, 232)},
        {L"99999999999999999999,0,0", Rgb(255, 0, 0)},
        {L",,9", Rgb(0, 0, 9)},
    };
    for (const auto& c : cases) EXPECT_EQ(CPathManager::ParseColour(c.text), c.colour) << c.text;
}

TEST(CPathManagerTest, DefaultsWithoutFilesOrStyleSection) {
    test::TempDir dir;
    CPathManager paths(dir.Dir());
    EXPECT_EQ(paths.GetThemeFolder(), dir.Dir() + L"Theme/Default/");
    EXPECT_EQ(paths.GetCommonFolder(), dir.Dir() + L"Theme/Common/");
    EXPECT_EQ(paths.GetLogoFolder(), dir.Dir() + L"Theme/Logo/");
    EXPECT_EQ(paths.m_nFlatDesign, 1);
    dir.Write("UIStyle.ini", "[CONFIG]\nUI_STYLE=7\n[STYLE1]\nFOLDER=Other\n");  // no [STYLE7]
    EXPECT_EQ(CPathManager(dir.Dir()).GetThemeFolder(), dir.Dir() + L"Theme/Default/");
}

// Style 2 is the flat one: it reads no list colours.
TEST(CPathManagerTest, ValuesFromFiles) {
    for (const char* style : {"3", "2"}) {
        SCOPED_TRACE(style);
        const bool flat = style == std::string("2");
        test::TempDir dir;
        dir.Write("UIStyle.ini", std::string("[CONFIG]\nUI_STYLE=") + style +
                                     "\nButtonZoomSize=2\nIsDlgShowIcon=0\nDlgShowIconID=200\n"
                                     "[STYLE" +
                                     style + "]\nFOLDER=Blue\n");
        dir.Write("Theme/Blue/color_config.ini",
                  "[COLOR]\nm_nFlatDesign=258\nm_dwBroderStyle=5\nm_dwRGBDlgLeft=\n"
                  "m_dwRGBGroupBK=1,2,3\nm_dwRGBWndPopoTitle[2]=300,20.5\n"
                  "m_dwRGBListItemBK[1]=2,2,2\nm_dwRGBListItemBKFocus[0]=5,5,5\n");
        CPathManager paths(dir.Dir());
        EXPECT_EQ(paths.GetUIStyle(), flat ? 2 : 3);
        EXPECT_EQ(paths.GetThemeFolder(), dir.Dir() + L"Theme/Blue/");
        EXPECT_EQ(paths.GetButtonZoomSize(), 2);
        EXPECT_FALSE(paths.IsDlgShowIcon());
        EXPECT_EQ(paths.GetDlgShowIconID(), 200);
        EXPECT_EQ(paths.m_nFlatDesign, 2);
        EXPECT_EQ(paths.m_dwBroderStyle, 5);
        EXPECT_EQ(paths.m_dwRGBDlgLeft, 0u);
        EXPECT_EQ(paths.m_dwRGBGroupBK, Rgb(1, 2, 3));
        EXPECT_EQ(paths.m_dwRGBWndPopoTitle[2], Rgb(44, 20, 0));
        EXPECT_EQ(paths.m_dwRGBListItemBK[1], flat ? 0u : Rgb(2, 2, 2));
        EXPECT_EQ(paths.m_dwRGBListItemBKFocus[0], flat ? 0u : Rgb(5, 5, 5));
    }
}

}  // namespace
}  // namespace mdvr
