#pragma once
// Page 3: call behaviour, the monitoring and platform phone numbers and the image quality
// settings, JT/T 808 parameters 0x0040 to 0x0049 and 0x0070 to 0x0074.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgMonitorSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 1007;
    static constexpr int kGroups = 15;
    static constexpr int kAutoAnswerId = 1082;
    static constexpr int kAccAnswerId = 1083;
    static constexpr int kCallLimitId = 1084;
    static constexpr int kMonthLimitId = 1088;
    static constexpr int kQualityId = 1329;
    static constexpr int kBrightnessId = 1097;
    static constexpr int kPlatformPhoneId = 1259;

    CDlgMonitorSetup();

  protected:
    bool OnInitDialog() override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;
    bool ValidateRow(const ParamRow& row) override;
    void OnRowChanged(const ParamRow& row) override;

  private:
    void SetHints();

    // Kept apart from the radios: a strategy no radio stands for still goes back unchanged.
    uint32_t m_answer = 0;
};

}  // namespace mdvr
