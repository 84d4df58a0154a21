#pragma once
// The main window's status panel: a running log of the parameter operations the user starts,
// newest entry first, one entry when each operation begins and one when it ends.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/CCxButton.h"
#include "controls/CDlgChildBase.h"

namespace mdvr {

class CDlgStatus : public CDlgChildBase {
  public:
    static constexpr int kTemplateId = 1004;
    static constexpr int kLogId = 1009;
    static constexpr int kClearId = 4186;
    // A begin entry drops the whole log once it has grown past this many characters.
    static constexpr size_t kTrimChars = 5120;

    // Maps a page number to its title; empty for a number without a page.
    using PageTitleFn = std::wstring (*)(int page);

    explicit CDlgStatus(PageTitleFn pageTitle);

    // One WM_CFG_* operation message from the main window; false for any other message.
    bool OnOperation(uint32_t message, intptr_t wParam, intptr_t lParam);
    void Clear();
    const std::wstring& Log() const { return m_log; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    void OnSize(int width, int height) override;

  private:
    static std::wstring Header();
    std::wstring Subject(int operationText, intptr_t page) const;
    void AddBegin(int operationText, intptr_t page);
    void AddEnd(int operationText, intptr_t page, bool success);
    void ShowLog();
    void AddOnTop(const std::wstring& entry);

    PageTitleFn m_pageTitle;
    CCxButton m_clearButton;
    std::wstring m_log;
};

}  // namespace mdvr
