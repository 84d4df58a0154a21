#pragma once
// A modal frame around one video-parameter page in editor mode: it takes one channel's records,
// sizes itself to the page, and hands the records back only when the page was confirmed.
#include <cstdint>
#include <memory>

#include "controls/CDlgPopupBase.h"
#include "pages/CDlgVideoParam.h"

namespace mdvr {

class CDlgPopupContain : public CDlgPopupBase {
  public:
    static constexpr int kTemplateId = 4004;
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    static constexpr int kCancelId = 2;  // closing the pop-up, as the platform reports it
    static constexpr int kMargin = 5;
    static constexpr int kStrDiscardEdits = 18151;

    using ShortRecord = CDlgVideoParam::ShortRecord;
    using StandardRecord = CDlgVideoParam::StandardRecord;

    explicit CDlgPopupContain(int pageTemplate = CDlgVideoParam::kTemplateId);
    ~CDlgPopupContain() override;

    // Before the container is shown: the channel's records and its number.
    void SetData(const ShortRecord& shortRecord, const StandardRecord& standard, int32_t flag);
    // After it closed with OK: the records as the page wrote them.
    void GetData(ShortRecord& shortRecord, StandardRecord& standard) const;

    CDlgVideoParam* Hosted() const { return m_page.get(); }

  protected:
    bool OnInitDialog() override;
    void OnCreatePopup() override;
    void OnSizePopup(int width, int height) override;
    bool OnNotify(const ui::Notification& n) override;
    void OnDestroy() override;

  private:
    void OnPageEnd(intptr_t confirmed);
    void OnClose();

    const int m_pageTemplate;
    std::unique_ptr<CDlgVideoParam> m_page;
    ui::Point m_pageSize;
    ShortRecord m_short{};
    StandardRecord m_standard{};
    int32_t m_flag = 0;
};

}  // namespace mdvr
