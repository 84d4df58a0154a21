#pragma once
// Page 8: timed and fixed-distance photos, the packed words 0x0064 and 0x0065 (per-channel
// switches and storage flags, a unit bit and a 15-bit interval).
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgPhoto : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4000;
    static constexpr int kGroups = 2;
    static constexpr int kTimeUnitId = 4034;
    static constexpr int kTimeIntervalId = 4035;
    static constexpr int kTimeHintId = 4046;
    static constexpr int kDistanceUnitId = 1012;
    static constexpr int kDistanceIntervalId = 1010;
    static constexpr int kDistanceHintId = 4047;
    static constexpr int kFirstTimeBoxId = 4000;      // bits 0..15 of 0x0064
    static constexpr int kFirstDistanceBoxId = 4016;  // bits 0..15 of 0x0065

    CDlgPhoto();

    void ParseItem(const ParamItemView& item) override;
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override;

  protected:
    bool OnInitDialog() override;
    void OnRowChanged(const ParamRow& row) override;
    bool ValidateRow(const ParamRow& row) override;

  private:
    void RefreshHints();
};

}  // namespace mdvr
