#include "host/FormatStringMgr.h"

#include <string_view>

namespace mdvr {

namespace {

struct PlateColour {
    int code;
    std::wstring_view name;
};

constexpr PlateColour kPlateColours[] = {
    {0, L"未上牌"}, {1, L"蓝色"}, {2, L"黄色"}, {3, L"黑色"},
    {4, L"白色"},   {5, L"绿色"}, {9, L"其他"},
};

}  // namespace

std::wstring FormatStringMgr::GetColorByIndex(int index) {
    for (const PlateColour& colour : kPlateColours) {
        if (colour.code == index) return std::wstring(colour.name);
    }
    return {};
}

}  // namespace mdvr
