#include "pages/CDlgAVChannelList.h"

#include <algorithm>
#include <vector>

#include "controls/EditNumber.h"
#include "host/HostFormat.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "pages/VideoLayout.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgAVChannelList;

constexpr uint32_t kChannels = 0x0076;
constexpr size_t kRecordBytes = 4;
constexpr int kStrRepeatedPhysical = 18149;
constexpr int kStrRepeatedLogical = 18150;

// Section captions: frame, count label and flag box. The first section's frame and count
// label change with the layout (ApplyDeviceProfile).
struct SectionTexts {
    Caption frame;
    Caption count;
    Caption flag;
};
constexpr SectionTexts kTexts[Page::kSections] = {
    {{18127}, {18125}, {18131}},
    {{18128}, {18126}, {18132}},
    {{18127}, {18125}, {18131}},
};

// Row labels carry IDs of their own so that a row can sit on one line.
constexpr int kFirstRowLabelId = 4400;

constexpr CPagedRows::Ids PagingOf(const Page::SectionIds& ids) {
    return {ids.count, ids.previous, ids.next, ids.pageLabel};
}

constexpr ParamRow Control(RowKind kind, int id, Caption caption) {
    return MakeRow(0, Wire::kNone, kind, id, -1, caption);
}

constexpr size_t kRowsPerSection = 5 + 3 * Page::kRows;

constexpr std::array<ParamRow, kRowsPerSection * Page::kSections> MakeRows() {
    std::array<ParamRow, kRowsPerSection * Page::kSections> rows{};
    size_t n = 0;
    for (int s = 0; s < Page::kSections; ++s) {
        const Page::SectionIds& ids = Page::kSectionIds[s];
        const SectionTexts& texts = kTexts[s];
        rows[n++] = Heading(ids.frame, texts.frame);
        const ParamRow count =
            Control(RowKind::kCombo, ids.count, texts.count).Label(ids.countLabel);
        for (const ParamRow& row : CPagedRows::CountLine(count, PagingOf(ids))) rows[n++] = row;
        for (int r = 0; r < Page::kRows; ++r) {
            const int label = kFirstRowLabelId + 2 * (s * Page::kRows + r);
            constexpr uint32_t kDigits = ui::kStyleDigitsOnly | CPagedRows::kNoCountStyle;
            rows[n++] = Control(RowKind::kEdit, ids.physical[r], {18129}).Label(label).Limit(2)
                            .Width(50).Style(kDigits);
            rows[n++] = Control(RowKind::kEdit, ids.logical[r], {18130}).Label(label + 1)
                            .Limit(2).Width(50).Style(kDigits).SameLine();
            rows[n++] = Control(RowKind::kCheck, ids.flag[r], texts.flag).Width(150).SameLine()
                            .Style(CPagedRows::kNoCountStyle);
        }
    }
    return rows;
}

constexpr auto kPageRows = MakeRows();

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                         .title = {18101},
                         .rows = kPageRows,
                         .columns = {.label = 90, .control = 60, .unit = 100}};

}  // namespace

CDlgAVChannelList::CDlgAVChannelList() : CDlgTablePage(kModel) {}

// --- sections ---

CDlgAVChannelList::Section::Section(CDlgAVChannelList& page, int type)
    : m_page(page),
      m_ids(kSectionIds[type]),
      m_type(type),
      m_paging(PagingOf(m_ids), *this) {}

bool CDlgAVChannelList::Section::IsUsed() const {
    return m_type != 2 || IsStandardVideoLayout();
}

bool CDlgAVChannelList::Section::KeepsFlags() const {
    return m_type == 1 && IsStandardVideoLayout();
}

int CDlgAVChannelList::Section::Count() const {
    return static_cast<int>(SelectedComboData(m_page.View(), m_ids.count));
}

void CDlgAVChannelList::Section::StoreRows() {
    if (!IsUsed()) return;
    ui::IView& view = m_page.View();
    for (int r = 0; r < kRows; ++r) {
        Record& record = m_records[static_cast<size_t>(m_paging.FirstRecord() + r)];
        record.physical = static_cast<uint8_t>(ReadEditInt64(view.GetText(m_ids.physical[r])));
        record.logical = static_cast<uint8_t>(ReadEditInt64(view.GetText(m_ids.logical[r])));
        if (!KeepsFlags()) record.flag = view.GetCheck(m_ids.flag[r]) != 0 ? 1 : 0;
    }
}

void CDlgAVChannelList::Section::ShowRows() {
    if (!IsUsed()) return;
    ui::IView& view = m_page.View();
    for (int r = 0; r < kRows; ++r) {
        const Record& record = m_records[static_cast<size_t>(m_paging.FirstRecord() + r)];
        view.SetText(m_ids.physical[r], std::to_wstring(record.physical));
        view.SetText(m_ids.logical[r], std::to_wstring(record.logical));
        view.SetCheck(m_ids.flag[r], record.flag != 0 ? 1 : 0);
    }
}

void CDlgAVChannelList::Section::EnableRow(int row, bool enable) {
    ui::IView& view = m_page.View();
    for (int id : {m_ids.physical[row], m_ids.logical[row], m_ids.flag[row]}) {
        view.Enable(id, enable);
    }
}

void CDlgAVChannelList::Section::Refresh() {
    m_paging.Refresh(m_page.View(), true);
}

CDlgAVChannelList::Section* CDlgAVChannelList::SectionOf(int controlId) {
    for (Section& section : m_sections) {
        const SectionIds& ids = section.m_ids;
        if (controlId == ids.count || controlId == ids.previous || controlId == ids.next) {
            return &section;
        }
    }
    return nullptr;
}

// --- page operations ---

bool CDlgAVChannelList::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    ApplyDeviceProfile();
    return true;
}

void CDlgAVChannelList::ApplyDeviceProfile() {
    if (!IsCreated()) return;
    const bool standard = IsStandardVideoLayout();
    const SectionIds& video = kSectionIds[2];
    std::vector<int> videoIds{video.frame,    video.countLabel, video.count,
                              video.previous, video.next,       video.pageLabel};
    for (int r = 0; r < kRows; ++r) {
        videoIds.insert(videoIds.end(), {video.physical[r], video.logical[r], video.flag[r]});
    }
    for (int id : videoIds) View().Show(id, standard);
    // Row labels of the video section sit on the section's rows.
    for (int i = 2 * 2 * kRows; i < 2 * 3 * kRows; ++i) View().Show(kFirstRowLabelId + i, standard);
    for (int id : kSectionIds[1].flag) View().Show(id, !standard);
    CLanguage& language = CLanguage::Instance();
    View().SetText(kSectionIds[0].frame, language.GetText(standard ? 18148 : 18127));
    View().SetText(kSectionIds[0].countLabel, language.GetText(standard ? 18147 : 18125));
    for (Section& section : m_sections) {
        section.ShowRows();
        section.Refresh();
    }
}

void CDlgAVChannelList::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

bool CDlgAVChannelList::OnNotify(const ui::Notification& n) {
    Section* section = SectionOf(n.id);
    if (section == nullptr) return CDlgTablePage::OnNotify(n);
    const SectionIds& ids = section->m_ids;
    if (n.event == ui::Event::SelChange && n.id == ids.count) {
        section->Refresh();
        return true;
    }
    if (n.event == ui::Event::Click && (n.id == ids.previous || n.id == ids.next)) {
        section->m_paging.Turn(View(), n.id == ids.next ? 1 : -1, true);
        return true;
    }
    return CDlgTablePage::OnNotify(n);
}

void CDlgAVChannelList::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    writer.Append(kChannels);
    *length = writer.Finish();
}

// Counts first (two in the short layout), then the records in type order. A count larger than
// the records that follow reads only the records there are.
void CDlgAVChannelList::ParseItem(const ParamItemView& item) {
    if (item.Id() != kChannels) return;
    const size_t counted = IsStandardVideoLayout() ? 3 : 2;
    size_t records = 0;
    for (size_t s = 0; s < counted; ++s) records += item.At(s);
    records = std::min(records, (item.Length() - std::min(item.Length(), counted)) / kRecordBytes);
    for (Section& section : m_sections) section.m_received = 0;
    for (size_t i = 0; i < records; ++i) {
        const size_t at = counted + i * kRecordBytes;
        const uint8_t type = item.At(at + 2);
        if (type >= kSections) continue;
        Section& section = m_sections[type];
        if (section.m_received == section.m_records.size()) continue;
        section.m_records[section.m_received++] = {item.At(at), item.At(at + 1), item.At(at + 3)};
    }
    if (!IsCreated()) return;
    for (size_t s = 0; s < kSections; ++s) {
        const uint8_t count = s < counted ? item.At(s) : 0;
        FindComboData(View(), kSectionIds[s].count,
                      std::min<uint32_t>(count, CPagedRows::kMaxRecords), true);
        m_sections[s].Refresh();
        m_sections[s].ShowRows();
    }
}

bool CDlgAVChannelList::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    std::vector<uint8_t> value;
    for (const Section& section : m_sections) {
        if (section.IsUsed()) value.push_back(static_cast<uint8_t>(section.Count()));
    }
    for (const Section& section : m_sections) {
        if (!section.IsUsed()) continue;
        for (int i = 0; i < section.Count(); ++i) {
            const Record& record = section.m_records[static_cast<size_t>(i)];
            value.insert(value.end(), {record.physical, record.logical,
                                       static_cast<uint8_t>(section.m_type), record.flag});
        }
    }
    ParamListWriter writer(list);
    writer.AppendBytes(kChannels, value);
    *length = writer.Finish();
    return !writer.Failed();
}

// Channel numbers must not repeat across the sections in use; 0 means "no channel".
bool CDlgAVChannelList::CheckUnique(const uint8_t Record::*field, int messageId) const {
    std::array<bool, 256> seen{};
    for (const Section& section : m_sections) {
        if (!section.IsUsed()) continue;
        for (int i = 0; i < section.Count(); ++i) {
            const uint8_t number = section.m_records[static_cast<size_t>(i)].*field;
            if (number == 0) continue;
            if (seen[number]) {
                const std::wstring format = CLanguage::Instance().GetText(messageId);
                ShowMsgTipEx(FormatStringInt(format, number), L"", kMsgTipNotice);
                return false;
            }
            seen[number] = true;
        }
    }
    return true;
}

bool CDlgAVChannelList::ValidateInput() {
    for (Section& section : m_sections) section.StoreRows();
    return CheckUnique(&Record::physical, kStrRepeatedPhysical) &&
           CheckUnique(&Record::logical, kStrRepeatedLogical);
}

}  // namespace mdvr
