#pragma once
// Page 2: registration data (province, city, plate and its colour) and the link parameters.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgDevSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 1002;
    static constexpr int kGroups = 11;
    static constexpr int kProvinceId = 4700;
    static constexpr int kCityId = 4701;
    static constexpr int kPlateId = 4702;
    static constexpr int kPlateColourId = 4703;
    static constexpr int kHeartbeatId = 4704;
    static constexpr int kPlateHintId = 4722;
    static constexpr int kRegistrationFrameId = 4730;

    CDlgDevSetup();

    bool ValidateInput() override;

  protected:
    bool OnInitDialog() override;
    bool ValidateRow(const ParamRow& row) override;
    bool IsRowSent(const ParamRow& row) const override;

  private:
    void AskForPlate();

    // Set by a multi-device save whose plate the user kept from the other devices; later
    // saves leave the plate out until a multi-device save sends it again.
    bool m_excludePlate = false;
    bool m_platePending = false;
};

}  // namespace mdvr
