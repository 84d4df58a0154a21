#pragma once
// An in-memory dialog template without items: the controls are created one by one afterwards,
// so no resource script can drift from the declarations.
#include <windows.h>

#include <string_view>
#include <vector>

namespace mdvr::ui::win32 {

class DialogTemplate {
  public:
    DialogTemplate(DWORD style, DWORD exStyle, std::wstring_view title);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

  private:
    void AppendText(std::wstring_view text);

    std::vector<WORD> m_words;  // WORD-aligned by construction, DWORD-aligned at the start
};

}  // namespace mdvr::ui::win32
