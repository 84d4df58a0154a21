#include "pages/CDlgVideoPararmAlone.h"

#include <algorithm>

#include "controls/EditNumber.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "pagebase/EditRange.h"
#include "pages/CDlgPopupContain.h"
#include "pages/VideoLayout.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"
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

constexpr Choice kCounts[] = {
    {0, {0, L"0"}},   {1, {0, L"1"}},   {2, {0, L"2"}},   {3, {0, L"3"}},   {4, {0, L"4"}},
    {5, {0, L"5"}},   {6, {0, L"6"}},   {7, {0, L"7"}},   {8, {0, L"8"}},   {9, {0, L"9"}},
    {10, {0, L"10"}}, {11, {0, L"11"}}, {12, {0, L"12"}}, {13, {0, L"13"}}, {14, {0, L"14"}},
    {15, {0, L"15"}}, {16, {0, L"16"}},
};

constexpr ParamRow Field(RowKind kind, int id, int group, Caption caption) {
    return MakeRow(0, Wire::kNone, kind, id, group, caption);
}
constexpr ParamRow Minutes(int id, int label, Caption caption, int hint, Caption hintText) {
    return Field(RowKind::kEdit, id, 1, caption)
        .Label(label)
        .Limit(3)
        .Width(60)
        .Style(ui::kStyleDigitsOnly)
        .Hint(hint, hintText);
}

constexpr size_t kRowCount = 5 + 2 * Page::kRows + 4;

constexpr std::array<ParamRow, kRowCount> MakeRows() {
    std::array<ParamRow, kRowCount> rows{};
    size_t n = 0;
    rows[n++] = Heading(4174, {18133});
    rows[n++] = Field(RowKind::kCombo, Page::kCountId, 0, {18125})
                    .Label(4109)
                    .Choices(kCounts)
                    .Initial(0)
                    .Width(60);
    rows[n++] = Button(Page::kPreviousId, {18103}).Width(70).SameLine();
    rows[n++] = Note(Page::kPageLabelId, {0, L"1/0"}).Width(40).SameLine();
    rows[n++] = Button(Page::kNextId, {18104}).Width(70).SameLine();
    for (int r = 0; r < Page::kRows; ++r) {
        rows[n++] = Field(RowKind::kEdit, Page::kChannelIds[r], -1, {18130})
                        .Label(Page::kChannelLabelIds[r])
                        .Limit(3)
                        .Width(60)
                        .Style(ui::kStyleDigitsOnly);
        rows[n++] = Button(Page::kEditIds[r], {18100}).Width(120).SameLine();
    }
    rows[n++] = Heading(4176, {18134});
    rows[n++] = Field(RowKind::kEdit, Page::kThresholdId, 1, {18135})
                    .Label(Page::kThresholdLabelId)
                    .Limit(2)
                    .Width(60)
                    .Style(ui::kStyleDigitsOnly)
                    .Spin(Page::kThresholdSpinId)
                    .Hint(Page::kThresholdHintId, kShortThresholdHint);
    rows[n++] = Minutes(Page::kDurationId, kDurationLabelId, {18143}, kDurationHintId, {18144});
    rows[n++] = Minutes(Page::kStartId, kStartLabelId, {18145}, kStartHintId, {18146});
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

CDlgVideoPararmAlone::CDlgVideoPararmAlone()
    : CDlgTablePage(kModel), m_paging({kCountId, kPreviousId, kNextId, kPageLabelId}, *this) {}

size_t CDlgVideoPararmAlone::RecordSize() const {
    return IsStandardVideoLayout() ? CDlgVideoParam::kStandardSize : 1 + CDlgVideoParam::kShortSize;
}

size_t CDlgVideoPararmAlone::SpecialSize() const {
    return IsStandardVideoLayout() ? 3 : 1;
}

// --- initialisation ---

bool CDlgVideoPararmAlone::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    View().SetSpinRange(kThresholdSpinId, 0, kMaxThreshold);
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
    ShowRows();
    Refresh();
}

void CDlgVideoPararmAlone::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

// --- rows ---

void CDlgVideoPararmAlone::ShowRows() {
    if (!IsCreated()) return;
    const auto special = [this](size_t at) {
        return std::to_wstring(at < m_special.size() ? m_special[at] : 0);
    };
    View().SetText(kThresholdId, special(0));
    if (IsStandardVideoLayout()) {
        View().SetText(kDurationId, special(1));
        View().SetText(kStartId, special(2));
    }
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<size_t>(m_paging.FirstRecord() + r);
        View().SetText(kChannelIds[r], std::to_wstring(m_records[i][0]));
    }
}

void CDlgVideoPararmAlone::StoreRows() {
    if (!IsCreated()) return;
    m_special.resize(std::max(m_special.size(), SpecialSize()));
    const auto store = [this](size_t at, int id) {
        m_special[at] = static_cast<uint8_t>(ReadEditInt64(View().GetText(id)));
    };
    store(0, kThresholdId);
    if (IsStandardVideoLayout()) {
        store(1, kDurationId);
        store(2, kStartId);
    }
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
    if (checkBoxId == kFirstGroupId + 1) ids.push_back(kThresholdSpinId);
}

// The record is edited in the video-parameter editor; only its OK brings changes back.
void CDlgVideoPararmAlone::EditRecord(int row) {
    StoreRows();
    ChannelRecord& record = m_records[static_cast<size_t>(m_paging.FirstRecord() + row)];
    const bool standard = IsStandardVideoLayout();
    CDlgPopupContain::ShortRecord shortRecord{};
    CDlgPopupContain::StandardRecord standardRecord{};
    if (standard) {
        std::copy_n(record.begin() + 1, CDlgVideoParam::kStandardSize - 1,
                    standardRecord.begin());
    } else {
        std::copy_n(record.begin() + 1, shortRecord.size(), shortRecord.begin());
    }
    CDlgPopupContain popup;
    popup.SetData(shortRecord, standardRecord, record[0]);
    if (popup.DoModal(this) != CDlgPopupContain::kResultOk) return;
    popup.GetData(shortRecord, standardRecord);
    if (standard) {
        std::copy_n(standardRecord.begin(), CDlgVideoParam::kStandardSize - 1,
                    record.begin() + 1);
    } else {
        std::copy_n(shortRecord.begin(), shortRecord.size(), record.begin() + 1);
    }
}

bool CDlgVideoPararmAlone::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Spin && n.id == kThresholdSpinId) {
        ClampEdit(View(), kThresholdId, n.delta, 0, kMaxThreshold);
        return true;
    }
    if (n.event == ui::Event::SelChange && n.id == kCountId) {
        Refresh();
        return true;
    }
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

void CDlgVideoPararmAlone::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    writer.Append(kChannels);
    writer.Append(kSpecial);
    *length = writer.Finish();
}

void CDlgVideoPararmAlone::ParseItem(const ParamItemView& item) {
    if (item.Id() == kChannels) ParseChannels(item);
    if (item.Id() == kSpecial) ParseSpecial(item);
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
    m_count = static_cast<int>(present);
    m_receivedCount = m_count;
    const size_t end = 1 + present * size;
    m_tail.clear();
    if (end < item.Length())
        m_tail.assign(item.Bytes().begin() + static_cast<long>(end), item.Bytes().end());
    if (!IsCreated()) return;
    FindComboData(View(), kCountId, static_cast<uint32_t>(m_count), true);
    Refresh();
    ShowRows();
}

void CDlgVideoPararmAlone::ParseSpecial(const ParamItemView& item) {
    m_special.assign(item.Bytes().begin(), item.Bytes().end());
}

bool CDlgVideoPararmAlone::LoadParams(bool force) {
    const bool loaded = CDlgTablePage::LoadParams(force);
    ShowRows();
    return loaded;
}

bool CDlgVideoPararmAlone::Refuse(int stringId, int focusId) {
    if (focusId != 0) View().SetFocus(focusId);
    ShowMsgTipEx(CLanguage::Instance().GetText(stringId), L"", kMsgTipNotice);
    return false;
}

bool CDlgVideoPararmAlone::ValidateInput() {
    if (!IsCreated()) return false;
    StoreRows();
    if (!CDlgCfgBase::ValidateInput()) return false;
    if (IsGroupChecked(0)) {
        if (View().GetSel(kCountId) < 0) return Refuse(kStrInvalid, kCountId);
        if (static_cast<int>(SelectedComboData(View(), kCountId)) > kMaxSentRecords) {
            return Refuse(kStrTooManyChannels, kCountId);
        }
    }
    if (IsGroupChecked(1) && IsStandardVideoLayout()) {
        for (int id : {kDurationId, kStartId}) {
            if (!CheckEditRange(View(), id, 0, kMaxMinutes)) return Refuse(kStrInvalid, 0);
        }
    }
    m_count = static_cast<int>(SelectedComboData(View(), kCountId));
    return true;
}

bool CDlgVideoPararmAlone::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    ParamListWriter writer(list);
    if (IsGroupChecked(0)) AppendChannels(writer);
    if (IsGroupChecked(1)) AppendSpecial(writer);
    *length = writer.Finish();
    return !writer.Failed();
}

void CDlgVideoPararmAlone::AppendChannels(ParamListWriter& writer) const {
    const size_t size = RecordSize();
    std::vector<uint8_t> value{static_cast<uint8_t>(m_count)};
    for (size_t i = 0; i < static_cast<size_t>(m_count); ++i) {
        value.insert(value.end(), m_records[i].begin(),
                     m_records[i].begin() + static_cast<long>(size));
    }
    if (m_count == m_receivedCount && value.size() + m_tail.size() <= kMaxItemValue) {
        value.insert(value.end(), m_tail.begin(), m_tail.end());
    }
    writer.AppendBytes(kChannels, value);
}

void CDlgVideoPararmAlone::AppendSpecial(ParamListWriter& writer) {
    m_special.resize(std::max(m_special.size(), SpecialSize()));
    writer.AppendBytes(kSpecial, m_special);
}

}  // namespace mdvr
