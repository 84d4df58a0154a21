#include "pages/CDlgPopupContain.h"

#include "host/IMsgTipPresenter.h"
#include "pages/CfgMessages.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

// The frame takes the hosted page's size once the page exists.
constexpr ui::DialogDecl kDecl{CDlgPopupContain::kTemplateId, {}, 300, 200, {}, true};

}  // namespace

CDlgPopupContain::CDlgPopupContain(int pageTemplate)
    : CDlgPopupBase(kDecl), m_pageTemplate(pageTemplate) {}

CDlgPopupContain::~CDlgPopupContain() {
    Destroy();  // the page goes with the window, before this object's members
}

void CDlgPopupContain::SetData(const ShortRecord& shortRecord, const StandardRecord& standard,
                               int32_t flag) {
    m_short = shortRecord;
    m_standard = standard;
    m_flag = flag;
}

void CDlgPopupContain::GetData(ShortRecord& shortRecord, StandardRecord& standard) const {
    shortRecord = m_short;
    standard = m_standard;
}

void CDlgPopupContain::OnCreatePopup() {
    if (m_pageTemplate != CDlgVideoParam::kTemplateId) return;
    m_page = std::make_unique<CDlgVideoParam>();
    m_page->SetEmbedded(this);
    if (!m_page->Create(this, false)) {
        m_page.reset();
        return;
    }
    m_page->SetRecords(m_short, m_standard, m_flag);
    m_pageSize = m_page->View().ClientSize();
}

bool CDlgPopupContain::OnInitDialog() {
    CDlgPopupBase::OnInitDialog();
    if (!m_page) return true;
    m_page->View().ShowWindow(true);
    SetTitleText(m_page->Title());
    View().SetTitle(m_page->Title());
    return true;
}

// The frame grows or shrinks about its centre, so it stays where the platform centred it.
void CDlgPopupContain::OnSizePopup(int width, int height) {
    if (!m_page) return;
    const int title = TitleHeight();
    const int wantedWidth = m_pageSize.x + 2 * kMargin;
    const int wantedHeight = m_pageSize.y + title + 2 * kMargin;
    m_page->View().MoveWindow({kMargin, title + 1, m_pageSize.x, m_pageSize.y});
    if (width == wantedWidth && height == wantedHeight) return;
    ui::Rect frame = View().WindowRect();
    frame.x -= (wantedWidth - width) / 2;
    frame.y -= (wantedHeight - height) / 2;
    frame.w += wantedWidth - width;
    frame.h += wantedHeight - height;
    View().MoveWindow(frame);
}

bool CDlgPopupContain::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Message && n.message == WM_CFG_POPUP_END) {
        OnPageEnd(n.wParam);
        return true;
    }
    if (n.event == ui::Event::Click && n.id == kCancelId) {
        OnClose();
        return true;
    }
    return CDlgPopupBase::OnNotify(n);
}

void CDlgPopupContain::OnPageEnd(intptr_t confirmed) {
    if (confirmed == 0) return EndDialog(kResultCancel);
    if (m_page) m_page->GetRecords(m_short, m_standard);
    EndDialog(kResultOk);
}

// Closing the pop-up (Alt+F4; the modal run swallows Escape) leaves like the exit button, but
// edits are thrown away only when the user says so.
void CDlgPopupContain::OnClose() {
    if (m_page && m_page->IsEdited() &&
        ShowMsgTipEx(CLanguage::Instance().GetText(kStrDiscardEdits), L"", kMsgTipQuestion) != 1) {
        return;
    }
    EndDialog(kResultCancel);
}

void CDlgPopupContain::OnDestroy() {
    if (m_page) m_page->Destroy();
    m_page.reset();
    CDlgPopupBase::OnDestroy();
}

}  // namespace mdvr
