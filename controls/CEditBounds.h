#pragma once
// The range-checked edit that names the allowed range in an error balloon on the field.
#include <string>

#include "controls/CEditBoundsBase.h"

namespace mdvr {

class CEditBounds : public CEditBoundsBase {
  public:
    // The balloon text: the prefix followed directly by "min~max".
    static std::wstring RangeText(std::wstring_view prefix, int64_t min, int64_t max);

  protected:
    void ShowBoundsError(ui::IView& view, int id) override;
    void ShowBoundsError64(ui::IView& view, int id) override;

  private:
    static void ShowRange(ui::IView& view, int id, int64_t min, int64_t max);
};

}  // namespace mdvr
