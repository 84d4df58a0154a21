#pragma once
// The skinned button that fills its background with a solid colour instead of images.
#include "controls/CCxButton.h"

namespace mdvr {

class CCxTextButton : public CCxButton {
  public:
    using CCxButton::CCxButton;

  protected:
    void ApplyImages() override;
};

}  // namespace mdvr
