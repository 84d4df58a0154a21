#pragma once
// Page 10: CAN bus data collection, JT/T 808 parameters 0x0100 to 0x0103 and the 0x0110 rule.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgCanSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4016;
    static constexpr int kGroups = 5;
    static constexpr int kRuleIntervalId = 4604;
    static constexpr int kChannelId = 4605;
    static constexpr int kFrameTypeId = 4606;
    static constexpr int kMethodId = 4607;
    static constexpr int kBusId = 4608;

    CDlgCanSetup();

  protected:
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;
};

}  // namespace mdvr
