#include "host/CUIManager.h"

#include "text/CPathManager.h"

#include <string>

namespace mdvr {

namespace {

constexpr uint32_t kDefaultColors[kUIColorCount] = {
    Rgb(240, 240, 240), Rgb(250, 250, 250), Rgb(0, 0, 0),       Rgb(160, 160, 160),
    Rgb(45, 125, 200),  Rgb(255, 255, 255), Rgb(225, 225, 225), Rgb(229, 241, 251),
    Rgb(204, 228, 247), Rgb(173, 173, 173), Rgb(0, 0, 0),       Rgb(213, 223, 229),
    Rgb(0, 70, 213),    Rgb(255, 255, 255), Rgb(245, 248, 252), Rgb(230, 235, 242),
    Rgb(0, 0, 0),       Rgb(51, 153, 255),  Rgb(255, 255, 255), Rgb(0, 0, 0),
    Rgb(220, 220, 220), Rgb(255, 255, 255), Rgb(122, 122, 122), Rgb(255, 228, 225),
    Rgb(0, 102, 204),   Rgb(200, 0, 0),     Rgb(255, 255, 255), Rgb(0, 0, 0),
    Rgb(0, 128, 0),     Rgb(200, 0, 0),     Rgb(255, 255, 225), Rgb(0, 0, 0),
};

}  // namespace

CUIManager& CUIManager::Instance() {
    static CUIManager instance;
    return instance;
}

CUIManager::CUIManager() : m_file(L"HostColors.ini") {}

uint32_t CUIManager::GetUIColorEx(int index) const {
    if (index < 0 || index >= kUIColorCount) return 0;
    std::wstring value = m_file.GetString(L"Colors", std::to_wstring(index), L"");
    return value.empty() ? kDefaultColors[index] : CPathManager::ParseColour(value);
}

}  // namespace mdvr
