#pragma once
// Page 6: the secondary server's dial-up access and address, parameters 0x0023 to 0x0026.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgFromServerSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4015;
    static constexpr int kGroups = 4;
    static constexpr int kApnId = 4601;
    static constexpr int kUserId = 4602;
    static constexpr int kPasswordId = 4603;
    static constexpr int kAddressId = 4604;

    CDlgFromServerSetup();
};

}  // namespace mdvr
