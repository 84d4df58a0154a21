#pragma once
// Page 9: the satellite positioning module, JT/T 808 parameters 0x0090 to 0x0095.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgGnssSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4011;
    static constexpr int kGroups = 5;
    static constexpr int kUploadModeId = 4501;
    static constexpr int kUploadValueId = 4502;
    static constexpr int kUploadUnitId = 4503;

    CDlgGnssSetup();

    void ParseItem(const ParamItemView& item) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    void OnRowChanged(const ParamRow& row) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;

  private:
    uint32_t UploadMode() const;
    void RefreshUploadMode();
};

}  // namespace mdvr
