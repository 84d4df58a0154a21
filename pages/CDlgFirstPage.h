#pragma once
// Page 1: the JT/T 808 alarm words and driving limits 0x0050 to 0x005E, one group per parameter.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgFirstPage : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4040;
    static constexpr int kGroups = 15;
    static constexpr int kSelectAllId = 4304;

    CDlgFirstPage();

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
};

}  // namespace mdvr
