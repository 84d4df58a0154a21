#pragma once
// Theme folders and the skin's style and colour settings, read once from "UIStyle.ini" in the
// application path and "color_config.ini" in the theme folder. Values only: the UI layer makes
// brushes and images from them.
#include <cstdint>
#include <string>
#include <string_view>

namespace mdvr {

// Colours are 0x00BBGGRR (red in the low byte), as Win32 COLORREF.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

class CPathManager {
  public:
    // appPath: the application path, with a trailing separator.
    explicit CPathManager(const std::wstring& appPath);

    // The module's instance, built from GetAppPath() on first use.
    static const CPathManager& Instance();

    // "r,g,b" of decimal numbers (fractions cut toward zero), each modulo 256; missing numbers
    // are 0 and numbers after the third are ignored.
    static uint32_t ParseColour(std::wstring_view text);
    static std::wstring FormatColour(uint32_t colour);

    const std::wstring& GetThemeFolder() const { return m_themeFolder; }
    const std::wstring& GetCommonFolder() const { return m_commonFolder; }
    const std::wstring& GetLogoFolder() const { return m_logoFolder; }
    int32_t GetUIStyle() const { return m_nUIStyle; }
    int32_t GetButtonZoomSize() const { return m_nButtonZoomSize; }
    bool IsDlgShowIcon() const { return m_nIsDlgShowIcon != 0; }
    int32_t GetDlgShowIconID() const { return m_nDlgShowIconID; }

    // Settings keys of "color_config.ini", named as in the file.
    uint32_t m_dwRGBWndPopoTitle[3]{};
    uint32_t m_dwRGBWndPopoBottom[2]{};
    uint32_t m_dwRGBDlgPopupBase = 0;
    uint32_t m_dwRGBDlgPopupBaseBK = 0;
    uint32_t m_dwRGBDlgPopupBaseCtrlBK = 0;
    uint32_t m_dwRGBDlgPopupBaseCtrlText = 0;
    uint32_t m_dwRGBDlgLeft = 0;
    int32_t m_nFlatDesign = 0;
    uint32_t m_dwRGBListItemBK[2]{};
    uint32_t m_dwRGBListHeadCtrlBK[2]{};
    uint32_t m_dwRGBListItemBKFocus[2]{};
    uint32_t m_dwRGBBtnNormalText = 0;
    uint32_t m_dwRGBBtnOverText = 0;
    uint32_t m_dwRGBCheckState = 0;
    uint32_t m_dwRGBTextColor = 0;
    uint32_t m_dwRGBGroupText = 0;
    uint32_t m_dwRGBBorder = 0;
    uint32_t m_dwRGBGroupBK = 0;
    int32_t m_dwBroderStyle = 0;  // a plain integer despite its name

  private:
    void ReadStyle(const std::wstring& appPath);
    void ReadColours();

    std::wstring m_themeFolder;
    std::wstring m_commonFolder;
    std::wstring m_logoFolder;
    int32_t m_nUIStyle = 0;
    int32_t m_nButtonZoomSize = 1;
    int32_t m_nIsDlgShowIcon = 1;
    int32_t m_nDlgShowIconID = 128;
};

}  // namespace mdvr
