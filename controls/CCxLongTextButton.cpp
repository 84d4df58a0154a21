#include "controls/CCxLongTextButton.h"

namespace mdvr {

ButtonImages CCxLongTextButton::DefaultImages() const {
    return {L"btn_long_bk.jpg", L"btn_long_bk_over.jpg", L"btn_long_bk_over.jpg",
            L"btn_long_bk_unenable.jpg"};
}

}  // namespace mdvr
