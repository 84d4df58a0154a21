#pragma once
// Page 13: the JT/T 1078 video parameters of single channels 0x0077, four channel records a
// page, each edited in the video-parameter editor inside the popup container, and the special
// alarm recording parameters 0x0079.
#include <array>
#include <cstdint>
#include <vector>

#include "pagebase/CDlgTablePage.h"
#include "pages/CPagedRows.h"
#include "pages/CDlgVideoParam.h"

namespace mdvr {

class CDlgVideoPararmAlone : public CDlgTablePage, private CPagedRows::IOwner {
  public:
    static constexpr int kTemplateId = 4006;
    static constexpr int kGroups = 2;
    static constexpr int kRows = CPagedRows::kRowsPerPage;
    static constexpr int kCountId = 4167;
    static constexpr int kPreviousId = 4093;
    static constexpr int kNextId = 4094;
    static constexpr int kPageLabelId = 4128;
    static constexpr int kChannelIds[kRows] = {4144, 4146, 4149, 4152};
    static constexpr int kChannelLabelIds[kRows] = {4143, 4147, 4150, 4153};
    static constexpr int kEditIds[kRows] = {4145, 4148, 4151, 4154};
    static constexpr int kThresholdId = 4169;
    static constexpr int kThresholdSpinId = 4168;
    static constexpr int kThresholdLabelId = 4170;
    static constexpr int kThresholdHintId = 4196;
    static constexpr int kDurationId = 4171;
    static constexpr int kStartId = 4173;
    // One item's length byte holds at most 12 channel records (12 x 21 + 1 = 253).
    static constexpr int kMaxSentRecords = 12;
    static constexpr int kStrTooManyChannels = 18152;

    CDlgVideoPararmAlone();

    bool LoadParams(bool force) override;
    bool ValidateInput() override;
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override;
    void ApplyDeviceProfile() override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    bool DecodeRow(const ParamRow& row, const ParamItemView& item) override;
    bool EncodeRow(const ParamRow& row, ParamListWriter& writer) override;
    bool ValidateRow(const ParamRow& row) override;
    void OnRowChanged(const ParamRow& row) override;
    uint8_t RowVariant() const override;

  private:
    // Channel number in byte 0, then the channel's video parameters.
    using ChannelRecord = std::array<uint8_t, CDlgVideoParam::kStandardSize>;

    void StoreRows() override;
    void ShowRows() override;
    void EnableRow(int row, bool enable) override;
    void Refresh();
    size_t RecordSize() const;
    void ParseChannels(const ParamItemView& item);
    bool AppendChannels(ParamListWriter& writer, size_t count) const;
    void EditRecord(int row);

    std::array<ChannelRecord, CPagedRows::kMaxRecords> m_records{};
    size_t m_receivedCount = 0;
    std::vector<uint8_t> m_tail;  // bytes after the received records, kept with them
    CPagedRows m_paging;
};

}  // namespace mdvr
