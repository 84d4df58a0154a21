#pragma once
// Page 12: the JT/T 1078 audio/video channel list 0x0076, three sections of up to 16 channels
// (audio and video, audio, video), each paged four rows at a time.
#include <array>
#include <cstdint>

#include "pagebase/CDlgTablePage.h"
#include "pages/CPagedRows.h"

namespace mdvr {

class CDlgAVChannelList : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4003;
    static constexpr int kSections = 3;
    static constexpr int kRows = CPagedRows::kRowsPerPage;

    // Control IDs of one section.
    struct SectionIds {
        int frame;
        int countLabel;
        int count;
        int previous;
        int next;
        int pageLabel;
        int physical[kRows];
        int logical[kRows];
        int flag[kRows];
    };
    // Audio and video, audio, video.
    static constexpr SectionIds kSectionIds[kSections] = {
        {4174, 4109, 4108, 4093, 4094, 4128, {4099, 1014, 1017, 1020}, {1010, 1015, 1018, 1021},
         {4089, 4090, 4091, 4092}},
        {4175, 4110, 4112, 4123, 4124, 4129, {4111, 4131, 4133, 4135}, {1011, 1012, 1025, 1027},
         {4116, 4119, 4122, 4127}},
        {4176, 4115, 4118, 4140, 4142, 4141, {4104, 1016, 1022, 1024}, {1013, 1019, 1023, 1026},
         {4107, 4143, 4144, 4145}},
    };

    CDlgAVChannelList();

    void ParseItem(const ParamItemView& item) override;
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    bool ValidateInput() override;
    void ApplyDeviceProfile() override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    struct Record {
        uint8_t physical = 0;
        uint8_t logical = 0;
        uint8_t flag = 0;
    };

    class Section : public CPagedRows::IOwner {
      public:
        Section(CDlgAVChannelList& page, int type);
        void StoreRows() override;
        void ShowRows() override;
        void EnableRow(int row, bool enable) override;
        bool IsUsed() const;       // the video section exists only in the standard layout
        bool KeepsFlags() const;   // audio outputs are not shown in the standard layout
        int Count() const;         // the selected count
        void Refresh();

        CDlgAVChannelList& m_page;
        const SectionIds& m_ids;
        const int m_type;
        std::array<Record, CPagedRows::kMaxRecords> m_records{};
        size_t m_received = 0;
        CPagedRows m_paging;
    };

    Section* SectionOf(int controlId);
    bool CheckUnique(const uint8_t Record::*field, int messageId) const;

    Section m_sections[kSections] = {{*this, 0}, {*this, 1}, {*this, 2}};
};

}  // namespace mdvr
