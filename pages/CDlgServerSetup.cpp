#include "pages/CDlgServerSetup.h"

#include "host/CConfigTesselINI.h"
#include "host/HostFormat.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "pagebase/RowCodec.h"
#include "protocol/DeviceProfile.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgServerSetup;

constexpr uint32_t kFirstCenterId = 0x0010;  // APN; the ten per-center IDs follow it
constexpr uint32_t kTcpPort = 0x0018;
constexpr uint32_t kUdpPort = 0x0019;
constexpr uint32_t kCenterOffsets[Page::kCenters] = {0, 0xF100, 0xF200, 0xF300};
constexpr int kStandardIds = 14;  // 0x0010 to 0x001D
constexpr int kPortModeAddressLimit = 50;
constexpr int kHiddenPortAddressLimit = 255;
constexpr int kCardTcpRangeId = 4346;
constexpr int kCardUdpRangeId = 4347;
constexpr int kStrCenterItem = 12175;
constexpr int kStrSwitchCenter = 12176;
constexpr Caption kPortRange{0, L"(0~65535)"};

constexpr ParamRow Field(uint32_t id, int group, Caption caption, int limit) {
    return Text(id, Page::kFirstEditId + group, group, caption, limit).Ascii();
}
// An empty address goes out as an empty item: the terminal forgets that server.
constexpr ParamRow Address(uint32_t id, int group, Caption caption, int limit) {
    return Field(id, group, caption, limit)
        .Check(Rule::kHost)
        .RuleText(15016)
        .Empty(EmptySends::kEmptyItem);
}
constexpr ParamRow Port(uint32_t id, int group, Caption caption, int rangeId) {
    return Num32(id, Page::kFirstEditId + group, group, caption)
        .Limit(5)
        .Range(0, 65535)
        .Check(Rule::kDigits)
        .Unit(rangeId, kPortRange);
}

// Rows 0 to 13 in box order; the server rows' IDs are center 1's. Terminals from protocol
// level 1 take any address and hide the ports, so those rules hold only below it.
constexpr ParamRow kRows[] = {
    Heading(Page::kServerFrameId, {17004}),
    Shown(RowKind::kCombo, Page::kCenterId, {12174}).Label(Page::kCenterLabelId).Width(120),
    Field(0x0010, 0, {17005}, 30),
    Field(0x0011, 1, {17006}, 30),
    Field(0x0012, 2, {17007}, 30),
    Address(0x0013, 3, {17008}, kPortModeAddressLimit).FieldName({12144}).RuleBelowLevel1(),
    Field(0x0014, 4, {17009}, 50),
    Field(0x0015, 5, {17010}, 50),
    Field(0x0016, 6, {17011}, 30),
    Address(0x0017, 7, {17012}, kPortModeAddressLimit).FieldName({12148}).RuleBelowLevel1(),
    Port(kTcpPort, Page::kTcpBox, {17013}, Page::kTcpRangeId).FieldName({12127}).RuleBelowLevel1(),
    Port(kUdpPort, Page::kUdpBox, {17014}, Page::kUdpRangeId).FieldName({12128}).RuleBelowLevel1(),
    // The first load checks the boxes of the card servers the terminal reports.
    Heading(Page::kCardFrameId, {16400}),
    Field(0x001A, 10, {16401}, 30).Check(Rule::kHost).RuleText(15016).CheckOnReceipt(),
    Port(0x001B, 11, {16402}, kCardTcpRangeId).CheckOnReceipt(),
    Port(0x001C, 12, {16403}, kCardUdpRangeId).CheckOnReceipt(),
    Field(0x001D, 13, {16404}, 30).Check(Rule::kHost).RuleText(15016).CheckOnReceipt(),
};

constexpr auto kQuery = [] {
    std::array<uint32_t, kStandardIds + (Page::kCenters - 1) * Page::kCenterFields> ids{};
    size_t n = 0;
    for (int i = 0; i < kStandardIds; ++i) ids[n++] = kFirstCenterId + static_cast<uint32_t>(i);
    for (int center = 1; center < Page::kCenters; ++center) {
        for (int i = 0; i < Page::kCenterFields; ++i) {
            ids[n++] = kCenterOffsets[center] + kFirstCenterId + static_cast<uint32_t>(i);
        }
    }
    return ids;
}();

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                         .title = {14004},
                         .groupCount = Page::kGroups,
                         .rows = kRows,
                         .columns = {.label = 230, .control = 250, .unit = 100}};

// Center 4 for 0xF301..0xF398, 3 and 2 likewise, 1 for every other ID.
int CenterOf(uint32_t id) {
    for (int center = Page::kCenters; center > 1; --center) {
        const uint32_t offset = kCenterOffsets[center - 1];
        if (id >= offset + 0x01 && id <= offset + 0x98) return center;
    }
    return 1;
}

// The per-center field an ID of its center stands for, or -1.
int CenterField(uint32_t id, int center) {
    const uint32_t standard = id - kCenterOffsets[center - 1];
    if (standard < kFirstCenterId || standard >= kFirstCenterId + Page::kCenterFields) return -1;
    return static_cast<int>(standard - kFirstCenterId);
}

bool IsPortId(uint32_t id) {
    return id == kTcpPort || id == kUdpPort;
}

bool PortMode() {
    return TheDeviceProfile().protocolLevel < 1;
}

}  // namespace

CDlgServerSetup::CDlgServerSetup() : CDlgTablePage(kModel) {}

bool CDlgServerSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    for (int box = 10; box < kGroups; ++box) SetGroupCheck(box, false);
    AddCenterEntry(1);
    View().SetSel(kCenterId, 0);
    SetGroupCheck(kTcpBox, false);
    SetGroupCheck(kUdpBox, false);
    ApplyDeviceProfile();
    return true;
}

void CDlgServerSetup::ApplyDeviceProfile() {
    if (!IsCreated()) return;
    const bool ports = PortMode();
    for (int id : {kTcpPortId, kUdpPortId, kFirstGroupId + kTcpBox, kFirstGroupId + kUdpBox,
                   kTcpRangeId, kUdpRangeId}) {
        View().Show(id, ports);
    }
    const int limit = ports ? kPortModeAddressLimit : kHiddenPortAddressLimit;
    View().SetTextLimit(kAddressId, limit);
    View().SetTextLimit(kBackupAddressId, limit);
}

void CDlgServerSetup::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    const size_t count = IsCheckMode() != 0 ? kStandardIds : kQuery.size();
    for (size_t i = 0; i < count; ++i) writer.Append(kQuery[i]);
    *length = writer.Finish();
}

// --- load ---

// Each load starts from center 1; centers come back as their items arrive.
void CDlgServerSetup::OnFetched() {
    m_center = 1;
    if (!IsCreated()) return;
    View().ClearEntries(kCenterId);
    AddCenterEntry(1);
    View().SetSel(kCenterId, 0);
}

void CDlgServerSetup::ParseItem(const ParamItemView& item) {
    const int center = CenterOf(item.Id());
    const int field = CenterField(item.Id(), center);
    if (field >= 0) return StoreCenterValue(center, field, item);
    if (center == 1) CDlgTablePage::ParseItem(item);
}

void CDlgServerSetup::StoreCenterValue(int center, int field, const ParamItemView& item) {
    AddCenterEntry(center);
    const ParamRow& row = *RowOfId(kFirstCenterId + static_cast<uint32_t>(field));
    m_stored[static_cast<size_t>(center - 1)][static_cast<size_t>(field)] = ReadRowText(row, item);
    if (IsPortId(row.id)) OnPortArrived();
}

// A terminal that reports ports works with them whatever the host said: every page sees
// protocol level 0 until the host sets the device again.
void CDlgServerSetup::OnPortArrived() {
    if (PortMode()) return;
    TheDeviceProfile().protocolLevel = 0;
    ApplyDeviceProfile();
    SetGroupCheck(kTcpBox, true);
    SetGroupCheck(kUdpBox, true);
}

void CDlgServerSetup::AddCenterEntry(int center) {
    if (!IsCreated() || FindComboData(View(), kCenterId, static_cast<uint32_t>(center), false) >= 0) {
        return;
    }
    const std::wstring text =
        FormatStringInt(CLanguage::Instance().GetText(kStrCenterItem), center);
    AddComboEntry(View(), kCenterId, text, static_cast<uint32_t>(center));
}

void CDlgServerSetup::UpdateControls() {
    ShowCenter(m_center);
    if (!IsCreated()) return;
    const bool several = View().EntryCount(kCenterId) > 1;
    View().Show(kCenterId, several);
    View().Show(kCenterLabelId, several);
}

// --- centers ---

void CDlgServerSetup::ShowCenter(int center) {
    if (!IsCreated()) return;
    const CenterValues& values = m_stored[static_cast<size_t>(center - 1)];
    for (int field = 0; field < kCenterFields; ++field) {
        View().SetText(kFirstEditId + field, values[static_cast<size_t>(field)]);
    }
}

void CDlgServerSetup::KeepShownCenter() {
    if (!IsCreated()) return;
    CenterValues& values = m_stored[static_cast<size_t>(m_center - 1)];
    for (int field = 0; field < kCenterFields; ++field) {
        values[static_cast<size_t>(field)] = View().GetText(kFirstEditId + field);
    }
}

// Switching shows the other center's received values: edits not yet saved are dropped, so the
// operator confirms first.
void CDlgServerSetup::OnCenterPicked() {
    const int picked = static_cast<int>(SelectedComboData(View(), kCenterId));
    if (picked < 1 || picked > kCenters || picked == m_center) return;
    const std::wstring question = CLanguage::Instance().GetText(kStrSwitchCenter);
    if (ShowMsgTipEx(question, L"", kMsgTipQuestion) != 1) {
        FindComboData(View(), kCenterId, static_cast<uint32_t>(m_center), true);
        return;
    }
    m_center = picked;
    ShowCenter(m_center);
}

bool CDlgServerSetup::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::SelChange && n.id == kCenterId) {
        OnCenterPicked();
        return true;
    }
    return CDlgTablePage::OnNotify(n);
}

// --- save ---

bool CDlgServerSetup::ValidateInput() {
    if (!CDlgCfgBase::ValidateInput()) return false;
    KeepShownCenter();
    return CDlgTablePage::ValidateInput();
}

uint32_t CDlgServerSetup::WriteId(const ParamRow& row) const {
    const bool perCenter = row.id >= kFirstCenterId && row.id < kFirstCenterId + kCenterFields;
    return perCenter ? row.id + kCenterOffsets[m_center - 1] : row.id;
}

// Hidden ports are neither checked nor sent, even when select-all ticked their boxes.
bool CDlgServerSetup::IsRowSent(const ParamRow& row) const {
    return !IsPortId(row.id) || PortMode();
}

}  // namespace mdvr
