#include "pages/CDlgVideoPararmAlone.h"

#include <algorithm>

#include "controls/EditNumber.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "pages/CDlgPopupContain.h"
#include "pages/VideoLayout.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgVideoPararmAlone;

constexpr uint32_t kChannels = 0x0077;
constexpr uint32_t kSpecial = 0x0079;
constexpr int kStrInvalid = 18124;
constexpr int kMaxMinutes = 255;
constexpr int kMaxThreshold = 99;
constexpr int kDurationLabelId = 4172;
constexpr int kDurationHintId = 4195;
constexpr int kStartLabelId = 4175;
constexpr int kStartHintId = 4197;
constexpr int kStandardOnly[] = {kDurationLabelId, Page::kDurationId, kDurationHintId,
                                 kStartLabelId,    Page::kStartId,    kStartHintId};
constexpr Caption kShortThresholdHint{0, L"(0~99)"};
constexpr CPagedRows::Ids kPaging{Page::kCountId, Page::kPreviousId, Page::kNextId,
                                  Page::kPageLabelId};

constexpr ParamRow Minutes(int offset, int id, int label, Caption caption, int hint,
                         Caption hintText) {
    return Field(kSpecial, Wire::kU8, offset, RowKind::kEdit, id, 1, caption)
        .Label(label)
        .Limit(3)
        .Width(60)
        .Hint(hint, hintText)
        .Range(0, kMaxMinutes)
        .Check(Rule::kDigits)
        .Message({kStrInvalid})
        .Variant(kStandardVideoFields);
}

constexpr size_t kRowCount = 5 + 2 * Page::kRows + 4;

constexpr std::array<ParamRow, kRowCount> MakeRows() {
    std::array<ParamRow, kRowCount> rows{};
    size_t n = 0;
    rows[n++] = Heading(4174, {18133});
    const ParamRow count = MakeRow(kChannels, Wire::kU8, RowKind::kCombo, Page::kCountId, 0,
                                   {18125})
                               .Label(4109)
                               .Check(Rule::kChosen)
                               .Message({kStrInvalid});
    for (const ParamRow& row : CPagedRows::CountLine(count, kPaging)) rows[n++] = row;
    for (int r = 0; r < Page::kRows; ++r) {
        rows[n++] = Shown(RowKind::kEdit, Page::kChannelIds[r], {18130})
                        .Label(Page::kChannelLabelIds[r])
                        .Limit(3)
                        .Width(60)
                        .Style(ui::kStyleDigitsOnly);
        rows[n++] = Button(Page::kEditIds[r], {18100}).Width(120).SameLine();
    }
    rows[n++] = Heading(4176, {18134});
    rows[n++] = Field(kSpecial, Wire::kU8, 0, RowKind::kEdit, Page::kThresholdId, 1, {18135})
                    .Label(Page::kThresholdLabelId)
                    .Limit(2)
                    .Width(60)
                    .Spin(Page::kThresholdSpinId)
                    .Range(0, kMaxThreshold)
                    .Hint(Page::kThresholdHintId, kShortThresholdHint);
    rows[n++] = Minutes(1, Page::kDurationId, kDurationLabelId, {18143}, kDurationHintId, {18144});
    rows[n++] = Minutes(2, Page::kStartId, kStartLabelId, {18145}, kStartHintId, {18146});
    return rows;
}

constexpr auto kPageRows = MakeRows();
constexpr Caption kGroupCaptions[] = {{11007}, {11007}};

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                           .title = {18102},
                           .groupCount = Page::kGroups,
                           .rows = kPageRows,
                           .groupCaptions = kGroupCaptions,
                           .columns = {.label = 200, .control = 60, .unit = 260}};

}  // namespace

CDlgVideoPararmAlone::CDlgVideoPararmAlone() : CDlgTablePage(kModel), m_paging(kPaging, *this) {}

size_t CDlgVideoPararmAlone::RecordSize() const {
    return IsStandardVideoLayout() ? CDlgVideoParam::kStandardSize : 1 + CDlgVideoParam::kShortSize;
}

uint8_t CDlgVideoPararmAlone::RowVariant() const {
    return VideoFieldVariant();
}

// --- initialisation ---

bool CDlgVideoPararmAlone::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    ApplyDeviceProfile();
    return true;
}

void CDlgVideoPararmAlone::ApplyDeviceProfile() {
    if (!IsCreated()) return;
    const bool standard = IsStandardVideoLayout();
    for (int id : kStandardOnly) View().Show(id, standard);
    CLanguage& language = CLanguage::Instance();
    View().SetText(kThresholdLabelId, language.GetText(standard ? 18141 : 18135));
    View().SetText(kThresholdHintId,
                   standard ? language.GetText(18142) : std::wstring(kShortThresholdHint.literal));
    ShowRecords();
    ShowRows();
    Refresh();
}

void CDlgVideoPararmAlone::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

// --- rows ---

void CDlgVideoPararmAlone::ShowRows() {
    if (!IsCreated()) return;
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<size_t>(m_paging.FirstRecord() + r);
        View().SetText(kChannelIds[r], std::to_wstring(m_records[i][0]));
    }
}

void CDlgVideoPararmAlone::StoreRows() {
    if (!IsCreated()) return;
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<size_t>(m_paging.FirstRecord() + r);
        m_records[i][0] = static_cast<uint8_t>(ReadEditInt64(View().GetText(kChannelIds[r])));
    }
}

void CDlgVideoPararmAlone::EnableRow(int row, bool enable) {
    View().Enable(kChannelIds[row], enable);
    View().Enable(kEditIds[row], enable);
}

void CDlgVideoPararmAlone::Refresh() {
    if (IsCreated()) m_paging.Refresh(View(), IsGroupChecked(0));
}

void CDlgVideoPararmAlone::GetGroupMembers(int checkBoxId, std::vector<int>& ids) {
    CDlgTablePage::GetGroupMembers(checkBoxId, ids);
    if (checkBoxId == kFirstGroupId) Refresh();
}

// The count list is the page's only choice.
void CDlgVideoPararmAlone::OnRowChanged(const ParamRow& /*row*/) {
    Refresh();
}

// The record is edited in the video-parameter editor; only its OK brings changes back.
void CDlgVideoPararmAlone::EditRecord(int row) {
    StoreRows();
    ChannelRecord& record = m_records[static_cast<size_t>(m_paging.FirstRecord() + row)];
    CDlgPopupContain::ShortRecord shortRecord{};
    CDlgPopupContain::StandardRecord standardRecord{};
    // The editor's record of the layout in force holds the channel record's parameters.
    const size_t size = RecordSize() - 1;
    const std::span<uint8_t> params = IsStandardVideoLayout()
                                          ? std::span<uint8_t>(standardRecord).first(size)
                                          : std::span<uint8_t>(shortRecord);
    std::copy_n(record.begin() + 1, params.size(), params.begin());
    CDlgPopupContain popup;
    popup.SetData(shortRecord, standardRecord, record[0]);
    if (popup.DoModal(this) != CDlgPopupContain::kResultOk) return;
    popup.GetData(shortRecord, standardRecord);
    std::copy(params.begin(), params.end(), record.begin() + 1);
}

bool CDlgVideoPararmAlone::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Click && (n.id == kPreviousId || n.id == kNextId)) {
        m_paging.Turn(View(), n.id == kNextId ? 1 : -1, IsGroupChecked(0));
        return true;
    }
    for (int r = 0; r < kRows; ++r) {
        if (n.event != ui::Event::Click || n.id != kEditIds[r]) continue;
        EditRecord(r);
        return true;
    }
    return CDlgTablePage::OnNotify(n);
}

// --- page operations ---

bool CDlgVideoPararmAlone::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.id != kChannels) return false;
    ParseChannels(item);
    return true;
}

// The count is believed only as far as records follow it; a cut last record reads zeros past
// its end, and bytes after complete records travel back with them.
void CDlgVideoPararmAlone::ParseChannels(const ParamItemView& item) {
    const size_t size = RecordSize();
    const size_t bytes = item.Length() > 0 ? item.Length() - 1 : 0;
    const size_t present =
        std::min<size_t>({item.At(0), (bytes + size - 1) / size, CPagedRows::kMaxRecords});
    m_records = {};
    for (size_t i = 0; i < present; ++i) {
        for (size_t b = 0; b < size; ++b) m_records[i][b] = item.At(1 + i * size + b);
    }
    m_receivedCount = present;
    const size_t end = 1 + present * size;
    m_tail.clear();
    if (end < item.Length())
        m_tail.assign(item.Bytes().begin() + static_cast<long>(end), item.Bytes().end());
    if (!IsCreated()) return;
    FindComboData(View(), kCountId, static_cast<uint32_t>(present), true);
    Refresh();
    ShowRows();
}

// The rows and the special recording fields are shown also when the fetch failed.
bool CDlgVideoPararmAlone::LoadParams(bool force) {
    const bool loaded = CDlgTablePage::LoadParams(force);
    ShowRecords();
    ShowRows();
    return loaded;
}

bool CDlgVideoPararmAlone::ValidateInput() {
    if (!IsCreated()) return false;
    StoreRows();
    return CDlgTablePage::ValidateInput();
}

bool CDlgVideoPararmAlone::ValidateRow(const ParamRow& row) {
    if (row.id != kChannels || SnapshotNumber(row) <= kMaxSentRecords) return true;
    ShowMsgTipEx(CLanguage::Instance().GetText(kStrTooManyChannels), L"", kMsgTipNotice);
    View().SetFocus(kCountId);
    return false;
}

bool CDlgVideoPararmAlone::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kChannels) return false;
    return AppendChannels(writer, static_cast<size_t>(SnapshotNumber(row)));
}

bool CDlgVideoPararmAlone::AppendChannels(ParamListWriter& writer, size_t count) const {
    const size_t size = RecordSize();
    std::vector<uint8_t> value{static_cast<uint8_t>(count)};
    for (size_t i = 0; i < count; ++i) {
        value.insert(value.end(), m_records[i].begin(),
                     m_records[i].begin() + static_cast<long>(size));
    }
    if (count == m_receivedCount && value.size() + m_tail.size() <= kMaxItemValue) {
        value.insert(value.end(), m_tail.begin(), m_tail.end());
    }
    return writer.AppendBytes(kChannels, value);
}

}  // namespace mdvr
