#pragma once
// Page 16: interval photos. Eight daily time windows, each with the minutes between photos,
// travel as one 40-byte vendor record 0x1015 of five bytes per window.
#include <cstdint>
#include <vector>

#include "pagebase/BcdTime.h"
#include "pagebase/CDlgCfgBase.h"

namespace mdvr {

class CDlgRegion : public CDlgCfgBase {
  public:
    static constexpr int kTemplateId = 4001;
    static constexpr int kWindows = 8;
    static constexpr int kFirstStartId = 4048;  // window r: 4048 + r, and so on
    static constexpr int kFirstEndId = 4056;
    static constexpr int kFirstIntervalId = 1010;
    static constexpr int kFirstSpinId = 4070;
    static constexpr uint32_t kScheduleId = 0x1015;
    static constexpr size_t kRecordSize = 40;
    static constexpr int kStrWindowOrder = 18004;
    static constexpr int kStrIntervalRange = 15000;

    CDlgRegion();

    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void ParseItem(const ParamItemView& item) override;
    bool ValidateInput() override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    bool CheckWindowOrder() const;
    bool CheckIntervals();

    KeptBcdTimes m_times;
    std::vector<uint8_t> m_tail;  // bytes past the 40 of a longer record, sent back as they came
};

}  // namespace mdvr
