#include "pages/CDlgStatus.h"

#include <array>
#include <ctime>

#include "host/CVehicleBaseMgr.h"
#include "host/WideFormat.h"
#include "pages/CfgMessages.h"
#include "protocol/DeviceProfile.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::ControlDecl;
using ui::ControlKind;

constexpr int kStrClear = 11006;
constexpr int kStrParams = 12050;
constexpr int kStrSucceeded = 15001;
constexpr int kStrFailed = 15002;
constexpr int kStrGet = 16600;
constexpr int kStrSet = 16601;
constexpr int kStrMultiSet = 16607;
constexpr int kButtonTop = 4;
constexpr int kLogGap = 5;
constexpr intptr_t kMaxPageNumber = 0xFFFF;  // larger values are no page number

constexpr uint32_t kLogStyle =
    ui::kStyleReadOnly | ui::kStyleMultiLine | ui::kStyleVScroll | ui::kStyleHScroll;

constexpr ControlDecl kControls[] = {
    {CDlgStatus::kClearId, ControlKind::Button, {kStrClear}, ui::kStyleSkinned, {150, 4, 80, 26}},
    {CDlgStatus::kLogId, ControlKind::Edit, {}, kLogStyle, {0, 35, 230, 505}},
};

constexpr ui::DialogDecl kDecl{CDlgStatus::kTemplateId, {}, 230, 540, kControls};

struct Operation {
    uint32_t begin;
    uint32_t end;
    int text;
};

constexpr std::array<Operation, 3> kOperations{{
    {WM_CFG_SET_BEGIN, WM_CFG_SET_END, kStrSet},
    {WM_CFG_GET_BEGIN, WM_CFG_GET_END, kStrGet},
    {WM_CFG_MULTISET_BEGIN, WM_CFG_MULTISET_END, kStrMultiSet},
}};

}  // namespace

CDlgStatus::CDlgStatus(PageTitleFn pageTitle) : CDlgChildBase(kDecl), m_pageTitle(pageTitle) {
    Attach(kClearId, m_clearButton);
}

bool CDlgStatus::OnOperation(uint32_t message, intptr_t wParam, intptr_t lParam) {
    for (const Operation& op : kOperations) {
        if (message == op.begin) {
            AddBegin(op.text, wParam);
            return true;
        }
        if (message == op.end) {
            AddEnd(op.text, wParam, lParam != 0);
            return true;
        }
    }
    return false;
}

void CDlgStatus::Clear() {
    m_log.clear();
    ShowLog();
}

bool CDlgStatus::OnInitDialog() {
    CDlgChildBase::OnInitDialog();
    m_clearButton.Setup({}, true);
    m_clearButton.SetText(CLanguage::Instance().GetText(kStrClear));
    ShowLog();
    return true;
}

bool CDlgStatus::OnNotify(const ui::Notification& n) {
    if (n.id == kClearId && n.event == ui::Event::Click) {
        Clear();
        return true;
    }
    return CDlgChildBase::OnNotify(n);
}

void CDlgStatus::OnSize(int width, int height) {
    if (!View().Has(kClearId)) return;
    ui::Rect button = View().GetRect(kClearId);
    button.x = width - button.w;
    button.y = kButtonTop;
    View().Move(kClearId, button);
    const int logTop = button.h + kLogGap;
    View().Move(kLogId, {0, logTop, width, height - logTop});
}

std::wstring CDlgStatus::Header() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const std::wstring name =
        CVehicleBaseMgr::Instance().GetVehiAndDevName(TheDeviceProfile().devId);
    const std::array<FormatArg, 4> args{int64_t{local.tm_hour}, int64_t{local.tm_min},
                                        int64_t{local.tm_sec}, std::wstring_view(name)};
    return FormatWide(L"%02d:%02d:%02d  %s", args) + L"\r\n";
}

// "<operation>[<page title>]<parameters>" with the brackets only when the page has a title.
std::wstring CDlgStatus::Subject(int operationText, intptr_t page) const {
    CLanguage& language = CLanguage::Instance();
    std::wstring text = Header() + language.GetText(operationText);
    const bool numbered = m_pageTitle != nullptr && page > 0 && page <= kMaxPageNumber;
    const std::wstring title = numbered ? m_pageTitle(static_cast<int>(page)) : std::wstring();
    if (!title.empty()) text += L"[" + title + L"]";
    return text + language.GetText(kStrParams);
}

void CDlgStatus::AddBegin(int operationText, intptr_t page) {
    const std::wstring entry = Subject(operationText, page) + L"......\r\n\r\n";
    if (m_log.size() <= kTrimChars) {
        AddOnTop(entry);
        return;
    }
    m_log = entry;
    ShowLog();
}

void CDlgStatus::AddEnd(int operationText, intptr_t page, bool success) {
    const int result = success ? kStrSucceeded : kStrFailed;
    AddOnTop(Subject(operationText, page) + CLanguage::Instance().GetText(result) + L"\r\n\r\n");
}

// The control gains the entry alone: rewriting the whole log costs a layout of every line.
void CDlgStatus::AddOnTop(const std::wstring& entry) {
    m_log.insert(0, entry);
    if (IsCreated()) View().InsertText(kLogId, 0, entry);
}

void CDlgStatus::ShowLog() {
    if (IsCreated()) View().SetText(kLogId, m_log);
}

}  // namespace mdvr
