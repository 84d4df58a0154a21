#pragma once
// Page 18: the identity a terminal keeps as vendor parameters - its MAC address (0xFF00), an
// extended manufacturer ID (0xFF01) and an extended terminal model (0xFF02).
#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgSbChuan : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4017;
    static constexpr int kGroups = 3;
    static constexpr int kFirstMacId = 1440;  // MAC byte i in edit 1440 + i
    static constexpr int kMacBytes = 6;
    static constexpr int kManufacturerId = 4301;
    static constexpr int kModelId = 4302;
    static constexpr int kFrameId = 4300;

    CDlgSbChuan();

  protected:
    bool OnNotify(const ui::Notification& n) override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;
    bool ValidateRow(const ParamRow& row) override;

  private:
    static bool IsMacEdit(int id) { return id >= kFirstMacId && id < kFirstMacId + kMacBytes; }
    void MoveToNextByte(int id);

    bool m_decoding = false;  // the MAC edits' texts come from the terminal, not the user
};

}  // namespace mdvr
