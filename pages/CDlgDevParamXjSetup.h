#pragma once
// Page 19: a regional extension set - the terminal's phone number, how long-standby devices
// report (vibration detection or fixed intervals) and four control switches.
#include <cstdint>

#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgDevParamXjSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4013;
    static constexpr int kGroups = 9;
    // The terminal reports its phone number under one ID and takes a new one under another.
    static constexpr uint32_t kPhoneReadId = 0x0085;
    static constexpr uint32_t kPhoneWriteId = 0xFF11;
    static constexpr int kPhoneId = 4600;
    static constexpr int kFixedIntervalId = 4602;
    static constexpr int kStandbyIntervalId = 4604;
    static constexpr int kVibrationIntervalId = 4606;
    // Radio rows: the buttons follow their row's first ID in value order.
    static constexpr int kModeId = 4610;
    static constexpr int kAutoControlId = 4612;
    static constexpr int kSimControlId = 4614;
    static constexpr int kCameraControlId = 4616;
    static constexpr int kOverspeedControlId = 4618;

    CDlgDevParamXjSetup();

  protected:
    uint32_t WriteId(const ParamRow& row) const override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
};

}  // namespace mdvr
