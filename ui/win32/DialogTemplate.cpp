#include "ui/win32/DialogTemplate.h"

#include <cstring>

namespace mdvr::ui::win32 {

namespace {
constexpr WORD kFontPoints = 8;
constexpr std::wstring_view kFontFace = L"MS Shell Dlg";
}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DWORD exStyle, std::wstring_view title) {
    DLGTEMPLATE header{};
    header.style = style | DS_SETFONT;
    header.dwExtendedStyle = exStyle;
    // Size and place are set in pixels after creation; dialog units would round them.
    m_words.resize((sizeof(header) + sizeof(WORD) - 1) / sizeof(WORD));
    std::memcpy(m_words.data(), &header, sizeof(header));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the standard dialog class
    AppendText(title);
    m_words.push_back(kFontPoints);
    AppendText(kFontFace);
}

void DialogTemplate::AppendText(std::wstring_view text) {
    for (wchar_t c : text) m_words.push_back(static_cast<WORD>(c));
    m_words.push_back(0);
}

}  // namespace mdvr::ui::win32
