#pragma once
// Page 1: the JT/T 808 alarm words and driving limits 0x0050 to 0x005E, one group per parameter.
#include <array>
#include <string>

#include "controls/CEditBounds.h"
#include "frame/CDlgCfgBase.h"

namespace mdvr {

class CDlgFirstPage : public CDlgCfgBase {
  public:
    static constexpr int kTemplateId = 4040;
    static constexpr int kGroups = 15;
    static constexpr int kEditCount = 16;
    static constexpr int kSelectAllId = 4304;

    CDlgFirstPage();

    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void ParseParamItem(uint32_t id, uint8_t length, const uint8_t* list, int offset) override;
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override;
    bool ValidateInput() override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    void SetBounds();
    void SetEditText(int editId, std::wstring_view text);
    const std::wstring& SnapshotOf(int editId) const;
    int64_t SnapshotNumber(int editId) const;
    bool SnapshotEmpty(int editId) const;
    void OpenAlarmMask(int row);
    void ApplySelectAll();

    std::array<CEditBounds, kEditCount> m_edits;
    std::array<std::wstring, kEditCount> m_snapshot;
};

}  // namespace mdvr
