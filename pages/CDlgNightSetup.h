#pragma once
// Page 17: night driving. The night speed limit (a percentage of the day limit) and the night
// driving alarm, each with its switch and night period, as vendor records 0xF001 and 0xF002.
#include <cstdint>

#include "pagebase/BcdTime.h"
#include "pagebase/CDlgCfgBase.h"

namespace mdvr {

class CDlgNightSetup : public CDlgCfgBase {
  public:
    static constexpr int kTemplateId = 4007;
    static constexpr uint32_t kSpeedLimitId = 0xF001;
    static constexpr uint32_t kMovementId = 0xF002;
    static constexpr int kLimitSwitchId = 4181;
    static constexpr int kPercentId = 4184;
    static constexpr int kPercentSpinId = 4185;
    static constexpr int kLimitStartId = 4177;
    static constexpr int kLimitEndId = 4178;
    static constexpr int kMoveSwitchId = 1016;
    static constexpr int kMoveStartId = 4179;
    static constexpr int kMoveEndId = 4180;

    CDlgNightSetup();

    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void ParseItem(const ParamItemView& item) override;
    bool ValidateInput() override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    void LoadSwitch(int combo, uint8_t value);
    void LoadPeriod(int start, int end, const ParamItemView& item, size_t offset);
    void PutPeriod(int start, int end, std::span<uint8_t> out) const;

    KeptBcdTimes m_times;
};

}  // namespace mdvr
