#include "ui/headless/EditBuffer.h"

#include <algorithm>
#include <cwctype>

#include "ui/Types.h"

namespace mdvr::ui {

namespace {

int Length(const std::wstring& text) {
    return static_cast<int>(text.size());
}

wchar_t Upper(wchar_t ch) {
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
}

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

// A single-line edit pastes up to the first line break.
std::wstring_view FirstLine(std::wstring_view text, uint32_t style) {
    if ((style & kStyleMultiLine) != 0) return text;
    return text.substr(0, std::min(text.find(L'\r'), text.find(L'\n')));
}

}  // namespace

void EditBuffer::SetText(std::wstring_view text) {
    m_text.assign(text);
    m_selStart = m_selEnd = 0;
    m_modified = false;
}

void EditBuffer::SetLimit(int limit) {
    m_limit = limit > 0 ? limit : kDefaultLimit;
}

void EditBuffer::Select(int start, int end) {
    const int length = Length(m_text);
    if (start < 0) {
        m_selStart = m_selEnd;
        return;
    }
    if (end < 0 || end > length) end = length;
    m_selStart = std::min(start, length);
    m_selEnd = end;
    if (m_selStart > m_selEnd) std::swap(m_selStart, m_selEnd);
}

bool EditBuffer::Type(wchar_t ch, uint32_t style) {
    if ((style & kStyleReadOnly) != 0) return false;
    if (ch == static_cast<wchar_t>(kKeyBack)) return Backspace();
    if (ch == L'\r' && (style & kStyleMultiLine) != 0) return Paste(L"\r\n", style);
    if (ch < 0x20) return false;
    if ((style & kStyleDigitsOnly) != 0 && !IsDigit(ch)) return false;
    if ((style & kStyleUpperCase) != 0) ch = Upper(ch);
    if (Length(m_text) - (m_selEnd - m_selStart) + 1 > m_limit) return false;
    return ReplaceSelection(std::wstring_view(&ch, 1));
}

bool EditBuffer::Paste(std::wstring_view text, uint32_t style) {
    if ((style & kStyleReadOnly) != 0) return false;
    std::wstring insert(FirstLine(text, style));
    if ((style & kStyleUpperCase) != 0)
        std::transform(insert.begin(), insert.end(), insert.begin(), Upper);
    const int room = m_limit - (Length(m_text) - (m_selEnd - m_selStart));
    insert.resize(static_cast<size_t>(std::clamp(room, 0, Length(insert))));
    if (insert.empty()) return false;
    return ReplaceSelection(insert);
}

bool EditBuffer::DeleteForward(uint32_t style) {
    if ((style & kStyleReadOnly) != 0) return false;
    if (m_selStart == m_selEnd) {
        if (m_selEnd >= Length(m_text)) return false;
        ++m_selEnd;
    }
    return ReplaceSelection({});
}

std::wstring EditBuffer::SelectedText() const {
    return m_text.substr(static_cast<size_t>(m_selStart),
                         static_cast<size_t>(m_selEnd - m_selStart));
}

bool EditBuffer::Backspace() {
    if (m_selStart == m_selEnd) {
        if (m_selStart == 0) return false;
        --m_selStart;
    }
    return ReplaceSelection({});
}

bool EditBuffer::ReplaceSelection(std::wstring_view text) {
    const auto start = static_cast<size_t>(m_selStart);
    m_text.replace(start, static_cast<size_t>(m_selEnd - m_selStart), text);
    m_modified = true;
    m_selStart = m_selEnd = m_selStart + static_cast<int>(text.size());
    return true;
}

}  // namespace mdvr::ui
