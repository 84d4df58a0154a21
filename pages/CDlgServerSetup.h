#pragma once
// Page 5: the monitoring servers (APNs, dial-up accounts, addresses, ports) of up to four
// centers, and the servers that authenticate the driver's IC card.
#include <array>
#include <string>

#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgServerSetup : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 1010;
    static constexpr int kGroups = 14;
    static constexpr int kCenters = 4;
    static constexpr int kCenterFields = 10;  // rows 0 to 9 are kept per center
    static constexpr int kFirstEditId = 4320;  // the edit of row k is kFirstEditId + k
    static constexpr int kAddressId = kFirstEditId + 3;
    static constexpr int kBackupAddressId = kFirstEditId + 7;
    static constexpr int kTcpPortId = kFirstEditId + 8;
    static constexpr int kUdpPortId = kFirstEditId + 9;
    static constexpr int kServerFrameId = 4340;
    static constexpr int kCardFrameId = 4341;
    static constexpr int kCenterId = 4342;
    static constexpr int kCenterLabelId = 4343;
    static constexpr int kTcpRangeId = 4344;
    static constexpr int kUdpRangeId = 4345;
    static constexpr int kTcpBox = 8;
    static constexpr int kUdpBox = 9;

    CDlgServerSetup();

    bool ValidateInput() override;
    void ParseItem(const ParamItemView& item) override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    void ApplyDeviceProfile() override;

    int ShownCenter() const { return m_center; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    void OnFetched() override;
    void UpdateControls() override;
    uint32_t WriteId(const ParamRow& row) const override;
    bool IsRowSent(const ParamRow& row) const override;

  private:
    using CenterValues = std::array<std::wstring, kCenterFields>;

    void AddCenterEntry(int center);
    void StoreCenterValue(int center, int field, const ParamItemView& item);
    void OnPortArrived();
    void OnCenterPicked();
    void ShowCenter(int center);
    void KeepShownCenter();

    std::array<CenterValues, kCenters> m_stored;
    int m_center = 1;
};

}  // namespace mdvr
