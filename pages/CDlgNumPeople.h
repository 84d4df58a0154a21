#pragma once
// Page 20: the vehicle's approved passenger capacity, vendor parameter 0xF700.
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgNumPeople : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4014;
    static constexpr int kCapacityId = 4284;

    CDlgNumPeople();

    // The page asks for nothing of its own: get-this-page sends an empty query.
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;

  protected:
    bool ValidateRow(const ParamRow& row) override;
};

}  // namespace mdvr
