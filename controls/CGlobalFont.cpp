#include "controls/CGlobalFont.h"

#include "controls/Scaling.h"

namespace mdvr {

namespace {

constexpr const wchar_t* kFace = L"Tahoma";
constexpr int kNormalHeight = 11;
constexpr int kLargeHeight = 18;
constexpr int kSystemWeight = 400;  // the icon-title font's weight
constexpr int kBoldWeight = 700;

}  // namespace

CGlobalFont::CGlobalFont(int dpi)
    : m_normal{kFace, ScaleFullAt(kNormalHeight, dpi), kSystemWeight},
      m_bold{kFace, ScaleFullAt(kNormalHeight, dpi), kBoldWeight},
      m_largeBold{kFace, ScaleFullAt(kLargeHeight, dpi), kBoldWeight} {}

const CGlobalFont& CGlobalFont::Instance() {
    static const CGlobalFont font(ScreenDpi());
    return font;
}

}  // namespace mdvr
