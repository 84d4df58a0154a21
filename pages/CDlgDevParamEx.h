#pragma once
// Page 15: extension parameters of construction-waste and mixer trucks - five alarm words under
// vendor IDs with their bit popups, vehicle and load settings, the operating certificate's
// validity date, lock activation and driver identity checks.
#include <array>
#include <cstdint>
#include <optional>

#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgDevParamEx : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4012;
    static constexpr int kGroups = 17;
    static constexpr uint32_t kBatchKind = 0x58;
    // The five alarm word edits and their "..." buttons, in row order.
    static constexpr int kFirstMaskId = 4500;
    static constexpr int kFirstMaskButtonId = 4510;
    // Radio rows: the buttons follow their row's first ID in value order.
    static constexpr int kVehicleTypeId = 4520;
    static constexpr int kMaintenanceId = 4522;
    static constexpr int kLockId = 4524;
    static constexpr int kLiftId = 4526;
    static constexpr int kActivateLockId = 4528;
    static constexpr int kDetectionId = 4540;
    static constexpr int kCanReportId = 4544;
    static constexpr int kDriverCheckId = 4547;
    static constexpr int kSpeedLimitId = 4530;
    static constexpr int kLoadId = 4532;
    static constexpr int kThresholdId = 4534;
    static constexpr int kValidityId = 4550;
    static constexpr int kValidityNoteId = 4551;
    static constexpr int kStrKeptDate = 19001;

    CDlgDevParamEx();

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;

  private:
    void DecodeValidity(const ParamRow& row, const ParamItemView& item);
    void ShowKeptDate();

    // A terminal's validity bytes that are no date: sent back as they came until the operator
    // picks a date, so a save never replaces them with one nobody chose.
    std::optional<std::array<uint8_t, 3>> m_keptDate;
};

}  // namespace mdvr
