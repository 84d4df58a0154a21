#pragma once
// The text, caret and selection of an in-memory edit, with the platform edit's input rules.
#include <cstdint>
#include <string>
#include <string_view>

namespace mdvr::ui {

class EditBuffer {
  public:
    const std::wstring& Text() const { return m_text; }
    int SelStart() const { return m_selStart; }
    int SelEnd() const { return m_selEnd; }
    int Limit() const { return m_limit; }
    // The user changed the text since the program last set it (the platform's modify flag).
    bool Modified() const { return m_modified; }

    // Program text: the limit does not apply (as with WM_SETTEXT); the caret goes to the start.
    void SetText(std::wstring_view text);
    // 0 restores the platform's default limit.
    void SetLimit(int limit);
    // [start, end), end -1 = to the end; start -1 removes the selection, leaving the caret.
    void Select(int start, int end);
    // A typed character under the edit's style flags; Backspace deletes. True when changed.
    bool Type(wchar_t ch, uint32_t style);
    // Replaces the selection with as much of text as the limit allows. True when changed.
    bool Paste(std::wstring_view text, uint32_t style);
    // The Delete key: the selection, else the character after the caret.
    bool DeleteForward(uint32_t style);
    std::wstring SelectedText() const;

  private:
    bool Backspace();
    bool ReplaceSelection(std::wstring_view text);

    std::wstring m_text;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_limit = kDefaultLimit;
    bool m_modified = false;

    static constexpr int kDefaultLimit = 32767;
};

}  // namespace mdvr::ui
