#pragma once
// Page 7: the JT/T 808 alarm words with their bit popups, the electronic fence radius, the
// illegal-driving period and the collision and rollover thresholds.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgAlarmSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 1012;
    static constexpr int kGroups = 9;
    static constexpr int kFenceRadiusId = 1215;
    static constexpr int kPeriodStartId = 4290;
    static constexpr int kPeriodEndId = 4291;
    static constexpr int kCollisionTimeId = 1217;
    static constexpr int kCollisionAccelId = 1219;
    static constexpr int kRolloverId = 1221;

    CDlgAlarmSetup();

  protected:
    bool OnInitDialog() override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;
};

}  // namespace mdvr
