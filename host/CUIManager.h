#pragma once
// The host's UI colour table (0x00BBGGRR values), with defaults that a host may override in
// HostColors.ini: [Colors] with keys "<index>=<red>,<green>,<blue>", read like the colours of
// the theme's color_config.ini.
#include <cstdint>

#include "host/CHostFile.h"

namespace mdvr {

enum UIColorIndex : int {
    kUIColorWindow = 0,
    kUIColorDialog = 1,
    kUIColorText = 2,
    kUIColorDisabledText = 3,
    kUIColorTitle = 4,
    kUIColorTitleText = 5,
    kUIColorButtonFace = 6,
    kUIColorButtonHover = 7,
    kUIColorButtonPressed = 8,
    kUIColorButtonBorder = 9,
    kUIColorButtonText = 10,
    kUIColorGroupBorder = 11,
    kUIColorGroupText = 12,
    kUIColorListRowOdd = 13,
    kUIColorListRowEven = 14,
    kUIColorListHeader = 15,
    kUIColorListHeaderText = 16,
    kUIColorListFocus = 17,
    kUIColorListFocusText = 18,
    kUIColorListText = 19,
    kUIColorListGrid = 20,
    kUIColorEdit = 21,
    kUIColorEditBorder = 22,
    kUIColorEditError = 23,
    kUIColorLink = 24,
    kUIColorWarningText = 25,
    kUIColorLog = 26,
    kUIColorLogText = 27,
    kUIColorLogOkText = 28,
    kUIColorLogErrorText = 29,
    kUIColorTip = 30,
    kUIColorTipText = 31,
    kUIColorCount = 32,
};

class CUIManager {
  public:
    static CUIManager& Instance();
    CUIManager();

    // The colour at index 0..31 (see UIColorIndex); 0 (black) for any other index. An empty or
    // missing file entry leaves the default.
    uint32_t GetUIColorEx(int index) const;

  private:
    CHostFile m_file;
};

}  // namespace mdvr
