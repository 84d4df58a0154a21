#include "text/CPathManager.h"

#include <array>

#include "text/AppPath.h"
#include "text/CProfileFile.h"
#include "text/LocalFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace mdvr {
namespace {

constexpr size_t kMaxValueChars = 258;
constexpr int32_t kFlatStyle = 2;  // the flat skin: own pop-up defaults, no list colours

enum class ColourGroup { Popup, List, Always };
enum class Fallback { Fixed, ButtonText, ButtonFace };

using Store = void (*)(CPathManager&, uint32_t);

struct ColourKey {
    const wchar_t* key;
    ColourGroup group;
    uint32_t flatDefault;   // UI style 2
    uint32_t otherDefault;  // every other style
    Fallback fallback;
    Store store;
};

#define MDVR_STORE(field) [](CPathManager& m, uint32_t v) { m.field = v; }

constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kGrey = Rgb(180, 180, 180);
constexpr Fallback kFixed = Fallback::Fixed;

const std::array<ColourKey, 24> kColourKeys{{
    {L"m_dwRGBWndPopoTitle[0]", ColourGroup::Popup, Rgb(133, 181, 227), kGrey, kFixed,
     MDVR_STORE(m_dwRGBWndPopoTitle[0])},
    {L"m_dwRGBWndPopoTitle[1]", ColourGroup::Popup, kWhite, kWhite, kFixed,
     MDVR_STORE(m_dwRGBWndPopoTitle[1])},
    {L"m_dwRGBWndPopoTitle[2]", ColourGroup::Popup, Rgb(60, 60, 60), Rgb(60, 60, 60), kFixed,
     MDVR_STORE(m_dwRGBWndPopoTitle[2])},
    {L"m_dwRGBWndPopoBottom[0]", ColourGroup::Popup, kWhite, kWhite, kFixed,
     MDVR_STORE(m_dwRGBWndPopoBottom[0])},
    {L"m_dwRGBWndPopoBottom[1]", ColourGroup::Popup, kGrey, kGrey, kFixed,
     MDVR_STORE(m_dwRGBWndPopoBottom[1])},
    {L"m_nFlatDesign", ColourGroup::Popup, 1, 1, kFixed,
     [](CPathManager& m, uint32_t v) { m.m_nFlatDesign = static_cast<int32_t>(v); }},
    {L"m_dwRGBDlgPopupBase", ColourGroup::Popup, Rgb(15, 76, 139), Rgb(127, 127, 127), kFixed,
     MDVR_STORE(m_dwRGBDlgPopupBase)},
    {L"m_dwRGBDlgPopupBaseBK", ColourGroup::Popup, kWhite, kWhite, kFixed,
     MDVR_STORE(m_dwRGBDlgPopupBaseBK)},
    {L"m_dwRGBDlgPopupBaseCtrlBK", ColourGroup::Popup, kWhite, kWhite, kFixed,
     MDVR_STORE(m_dwRGBDlgPopupBaseCtrlBK)},
    {L"m_dwRGBDlgPopupBaseCtrlText", ColourGroup::Popup, 0, 0, kFixed,
     MDVR_STORE(m_dwRGBDlgPopupBaseCtrlText)},
    {L"m_dwRGBDlgLeft", ColourGroup::Always, Rgb(222, 227, 233), Rgb(222, 227, 233), kFixed,
     MDVR_STORE(m_dwRGBDlgLeft)},
    {L"m_dwRGBListItemBK[0]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListItemBK[0])},
    {L"m_dwRGBListItemBK[1]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListItemBK[1])},
    {L"m_dwRGBListHeadCtrlBK[0]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListHeadCtrlBK[0])},
    {L"m_dwRGBListHeadCtrlBK[1]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListHeadCtrlBK[1])},
    {L"m_dwRGBListItemBKFocus[0]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListItemBKFocus[0])},
    {L"m_dwRGBListItemBKFocus[1]", ColourGroup::List, 0, kWhite, kFixed,
     MDVR_STORE(m_dwRGBListItemBKFocus[1])},
    {L"m_dwRGBBtnNormalText", ColourGroup::Always, 0, 0, kFixed, MDVR_STORE(m_dwRGBBtnNormalText)},
    {L"m_dwRGBBtnOverText", ColourGroup::Always, 0, 0, kFixed, MDVR_STORE(m_dwRGBBtnOverText)},
    {L"m_dwRGBCheckState", ColourGroup::Always, Rgb(0, 170, 170), Rgb(0, 170, 170), kFixed,
     MDVR_STORE(m_dwRGBCheckState)},
    {L"m_dwRGBTextColor", ColourGroup::Always, 0, 0, kFixed, MDVR_STORE(m_dwRGBTextColor)},
    {L"m_dwRGBGroupText", ColourGroup::Always, 0, 0, Fallback::ButtonText,
     MDVR_STORE(m_dwRGBGroupText)},
    {L"m_dwRGBBorder", ColourGroup::Always, kWhite, kWhite, kFixed, MDVR_STORE(m_dwRGBBorder)},
    {L"m_dwRGBGroupBK", ColourGroup::Always, 0, 0, Fallback::ButtonFace,
     MDVR_STORE(m_dwRGBGroupBK)},
}};

#undef MDVR_STORE

// The platform's button colours; fixed classic values where there is no system palette.
uint32_t SystemColour(Fallback which) {
#ifdef _WIN32
    return GetSysColor(which == Fallback::ButtonText ? COLOR_BTNTEXT : COLOR_BTNFACE);
#else
    return which == Fallback::ButtonText ? Rgb(0, 0, 0) : Rgb(240, 240, 240);
#endif
}

uint32_t DefaultColour(const ColourKey& entry, bool flat) {
    if (entry.fallback != Fallback::Fixed) return SystemColour(entry.fallback);
    return flat ? entry.flatDefault : entry.otherDefault;
}

// One decimal number modulo 256: optional sign, digits, and anything after them ignored.
uint32_t ParseColourByte(std::wstring_view piece) {
    size_t pos = piece.find_first_not_of(L" \t");
    if (pos == std::wstring_view::npos) return 0;
    bool negative = piece[pos] == L'-';
    if (piece[pos] == L'-' || piece[pos] == L'+') ++pos;
    uint32_t value = 0;
    for (; pos < piece.size() && piece[pos] >= L'0' && piece[pos] <= L'9'; ++pos) {
        value = (value * 10u + static_cast<uint32_t>(piece[pos] - L'0')) % 256u;
    }
    return negative ? (256u - value) % 256u : value;
}

}  // namespace

uint32_t CPathManager::ParseColour(std::wstring_view text) {
    std::array<uint32_t, 3> bytes{};
    for (size_t i = 0; i < bytes.size() && !text.empty(); ++i) {
        size_t comma = text.find(L',');
        bytes[i] = ParseColourByte(text.substr(0, comma));
        text.remove_prefix(comma == std::wstring_view::npos ? text.size() : comma + 1);
    }
    return Rgb(bytes[0], bytes[1], bytes[2]);
}

std::wstring CPathManager::FormatColour(uint32_t colour) {
    return std::to_wstring(colour & 0xFFu) + L',' + std::to_wstring((colour >> 8) & 0xFFu) + L',' +
           std::to_wstring((colour >> 16) & 0xFFu);
}

CPathManager::CPathManager(const std::wstring& appPath) {
    ReadStyle(appPath);
    ReadColours();
}

const CPathManager& CPathManager::Instance() {
    static const CPathManager instance(GetAppPath());
    return instance;
}

void CPathManager::ReadStyle(const std::wstring& appPath) {
    auto style = CProfileFile::Open(appPath + L"UIStyle.ini");
    m_nUIStyle = style->GetInt(L"CONFIG", L"UI_STYLE", 0);
    std::wstring folder = style->GetString(L"STYLE" + std::to_wstring(m_nUIStyle), L"FOLDER",
                                           L"Default", kMaxValueChars);
    std::wstring themeRoot = appPath + L"Theme" + kPathSeparator;
    m_themeFolder = themeRoot + folder + kPathSeparator;
    m_commonFolder = themeRoot + L"Common" + kPathSeparator;
    m_logoFolder = themeRoot + L"Logo" + kPathSeparator;
    m_nButtonZoomSize = style->GetInt(L"CONFIG", L"ButtonZoomSize", 1);
    m_nIsDlgShowIcon = style->GetInt(L"CONFIG", L"IsDlgShowIcon", 1);
    m_nDlgShowIconID = style->GetInt(L"CONFIG", L"DlgShowIconID", 128);
}

void CPathManager::ReadColours() {
    auto colours = CProfileFile::Open(m_themeFolder + L"color_config.ini");
    bool flat = m_nUIStyle == kFlatStyle;
    for (const ColourKey& entry : kColourKeys) {
        if (flat && entry.group == ColourGroup::List) continue;
        std::wstring fallback = FormatColour(DefaultColour(entry, flat));
        entry.store(*this,
                    ParseColour(colours->GetString(L"COLOR", entry.key, fallback, kMaxValueChars)));
    }
    m_dwBroderStyle = colours->GetInt(L"COLOR", L"m_dwBroderStyle", 1);
}

}  // namespace mdvr
