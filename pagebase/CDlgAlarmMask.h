#pragma once
// The modal popup that edits one 32-bit alarm word bit by bit: one checked row per bit the host
// names, plus a "Bit%d" row for each set bit it does not name, so no set bit is ever hidden.
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/CCxButton.h"
#include "controls/CDlgPopupBase.h"
#include "controls/CXListCtrl.h"

namespace mdvr {

class CDlgAlarmMask : public CDlgPopupBase {
  public:
    static constexpr int kTemplateId = 4010;
    static constexpr int kListId = 4216;
    static constexpr int kMaskEditId = 4217;
    static constexpr int kSelectAllId = 4304;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    static constexpr int kModeVideoBits = 0;
    static constexpr int kModeAlarmBits = 1;

    CDlgAlarmMask();

    void SetMask(uint32_t mask) { m_mask = mask; }
    uint32_t Mask() const { return m_mask; }
    void SetMode(int mode) { m_mode = mode; }
    int Mode() const { return m_mode; }
    // Empty keeps the template's caption.
    void SetTitle(std::wstring_view title) { m_title = title; }

    bool OnInput(const ui::Notification& n) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    std::wstring BitName(int bit) const;
    void SetUpColumns();
    void ApplyHostColours();
    bool FillRows();
    void OnRowClick(int row);
    void OnSelectAll();
    void SyncMaskFromRows();
    void SetBit(uintptr_t bit, bool set);
    void ShowMask();

    CXListCtrl m_list;
    CCxButton m_okButton;
    uint32_t m_mask = 0;
    int m_mode = kModeVideoBits;
    std::wstring m_title;
};

}  // namespace mdvr
