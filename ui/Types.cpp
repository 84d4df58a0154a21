#include "ui/Types.h"

#include "text/CLanguage.h"

namespace mdvr::ui {

std::wstring CaptionText(const Caption& caption) {
    if (caption.stringId != 0) return CLanguage::Instance().GetText(caption.stringId);
    return caption.literal != nullptr ? std::wstring(caption.literal) : std::wstring();
}

}  // namespace mdvr::ui
