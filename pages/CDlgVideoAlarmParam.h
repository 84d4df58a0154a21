#pragma once
// Page 14: the JT/T 1078 video alarm mask 0x007A, the image analysis limits 0x007B and the
// sleep wake-up record 0x007C with its four daily wake-up periods.
#include <array>
#include <vector>

#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgVideoAlarmParam : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4009;
    static constexpr int kGroups = 3;
    static constexpr int kMaskId = 4199;
    static constexpr int kMaskButtonId = 4200;
    static constexpr int kPassengersId = 4204;
    static constexpr int kFatigueId = 4169;
    static constexpr int kConditionWakeId = 4033;
    static constexpr int kTimedWakeId = 4034;
    static constexpr int kManualWakeId = 4035;
    static constexpr int kEveryDayId = 4207;
    static constexpr int kFirstDayId = 4208;     // Monday to Sunday
    static constexpr int kFirstPeriodId = 4215;  // periods 1 to 4
    static constexpr int kFirstStartId = 4177;
    static constexpr int kFirstEndId = 4181;
    static constexpr int kPeriods = 4;
    static constexpr size_t kWakeBytes = 20;

    CDlgVideoAlarmParam();

    void ParseItem(const ParamItemView& item) override;
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override;
    bool ValidateInput() override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;

  private:
    void ShowWake();
    void ReadWake();
    bool IsTimedOn() const;
    void ApplyConditionRule();
    void ApplyTimedRule();
    void ApplyPeriodRule(int period);
    void ApplyEveryDayRule();
    int PeriodMinutes(int pickerId) const;

    // The received record; bits and bytes without a control go back as they came.
    std::vector<uint8_t> m_wake = std::vector<uint8_t>(kWakeBytes);
    // What each picker showed after the record was decoded: an untouched picker keeps its bytes,
    // even bytes that are no time of day.
    std::array<ui::DateTime, 2 * kPeriods> m_shownTimes{};
};

}  // namespace mdvr
