#pragma once
// The skinned button with the theme's wide background images.
#include "controls/CCxButton.h"

namespace mdvr {

class CCxLongTextButton : public CCxButton {
  public:
    using CCxButton::CCxButton;

  protected:
    ButtonImages DefaultImages() const override;
};

}  // namespace mdvr
