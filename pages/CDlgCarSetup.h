#pragma once
// Page 4: driving limits, odometer and location reporting, twenty JT/T 808 parameters.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgCarSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 1009;
    static constexpr int kGroups = 20;
    static constexpr int kMaxSpeedId = 4400;
    static constexpr int kOdometerId = 4402;
    static constexpr int kAngleId = 4417;
    static constexpr int kOverspeedMarginId = 4418;
    static constexpr int kFatigueMarginId = 4419;
    static constexpr int kStrategyId = 4460;  // first of three buttons
    static constexpr int kSchemeId = 4463;    // first of two buttons

    CDlgCarSetup();

    void ApplyDeviceProfile() override;

  protected:
    bool OnInitDialog() override;
    bool IsRowSent(const ParamRow& row) const override;
};

}  // namespace mdvr
