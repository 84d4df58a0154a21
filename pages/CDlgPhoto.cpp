#include "pages/CDlgPhoto.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "pagebase/ComboData.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr uint32_t kTimed = 0x0064;
constexpr uint32_t kDistance = 0x0065;
constexpr int64_t kIntervalMax = 32767;
constexpr int kBoxWidth = 62;
constexpr int kFixedChannels = 3;  // channels 6 to 8: shown, never edited, sent back as received

constexpr Choice kTimeUnits[] = {{0, {17508}}, {1, {17509}}};
constexpr Choice kDistanceUnits[] = {{0, {17513}}, {1, {17514}}};

// One photo word: bit i of the word is box firstBox + i; CH6 to CH8 of each row are fixed.
constexpr ParamRow Box(uint32_t id, int firstBox, int group, int bit) {
    constexpr const wchar_t* kNames[] = {L"CH1", L"CH2", L"CH3", L"CH4",
                                         L"CH5", L"CH6", L"CH7", L"CH8"};
    ParamRow row = CheckBit(id, Wire::kU32, firstBox + bit, group, {0, kNames[bit % 8]}, bit)
                       .AtWidth().Width(kBoxWidth);
    if (bit % 8 != 0) row = row.SameLine();
    if (bit % 8 >= 8 - kFixedChannels) row = row.Style(ui::kStyleDisabled);
    return row;
}

// One photo word as rows: its frame, unit, interval, then the switch and the storage rows.
struct Word {
    uint32_t id;
    int group;
    int frameId;
    Caption title;
    ParamRow unit;
    ParamRow interval;
    int firstBox;
    int switchNoteId;
    Caption switchNote;
    int storageNoteId;
    Caption storageNote;
};

constexpr Word kWords[] = {
    {kTimed, 0, 4044, {17501},
     Combo(kTimed, Wire::kU32, CDlgPhoto::kTimeUnitId, 0, {17507}, kTimeUnits).Label(4036),
     Num32(kTimed, CDlgPhoto::kTimeIntervalId, 0, {17510}).Label(4037)
         .Hint(CDlgPhoto::kTimeHintId, {17511}),
     CDlgPhoto::kFirstTimeBoxId, 4040, {17503}, 4041, {17504}},
    {kDistance, 1, 4045, {17502},
     Combo(kDistance, Wire::kU32, CDlgPhoto::kDistanceUnitId, 1, {17512}, kDistanceUnits)
         .Label(4039),
     Num32(kDistance, CDlgPhoto::kDistanceIntervalId, 1, {17515}).Label(4038)
         .Hint(CDlgPhoto::kDistanceHintId, {17516}),
     CDlgPhoto::kFirstDistanceBoxId, 4043, {17505}, 4042, {17506}},
};

constexpr size_t kRowsPerWord = 21;

constexpr std::array<ParamRow, kRowsPerWord * std::size(kWords)> MakeRows() {
    std::array<ParamRow, kRowsPerWord * std::size(kWords)> rows{};
    size_t n = 0;
    for (const Word& word : kWords) {
        rows[n++] = Heading(word.frameId, word.title);
        rows[n++] = word.unit.AtWidth().Bits(16, 1).Initial(1);
        rows[n++] = word.interval.Limit(5).AtWidth().Bits(17, 15);
        for (int bit = 0; bit < 16; ++bit) {
            if (bit % 8 == 0) {
                rows[n++] = bit == 0 ? Note(word.switchNoteId, word.switchNote)
                                     : Note(word.storageNoteId, word.storageNote);
            }
            rows[n++] = Box(word.id, word.firstBox, word.group, bit);
        }
    }
    return rows;
}

constexpr std::array<ParamRow, kRowsPerWord * std::size(kWords)> kRows = MakeRows();

constexpr Caption kGroupCaptions[] = {{11007}, {11007}};

constexpr PageModel kModel{.templateId = CDlgPhoto::kTemplateId,
                         .title = {17500},
                         .groupCount = CDlgPhoto::kGroups,
                         .rows = kRows,
                         .groupCaptions = kGroupCaptions,
                         .columns = {.label = 150, .control = 130, .unit = 120}};

// The smallest interval a unit allows: a photo every 5 s or every 100 m at the finest.
struct Interval {
    uint32_t id;
    int unitId;
    int hintId;
    int64_t fineLow;  // unit 0 (seconds, metres); unit 1 allows 1
    const wchar_t* fineHint;
};
constexpr Interval kIntervals[] = {
    {kTimed, CDlgPhoto::kTimeUnitId, CDlgPhoto::kTimeHintId, 5, L"(5~32767)"},
    {kDistance, CDlgPhoto::kDistanceUnitId, CDlgPhoto::kDistanceHintId, 100, L"(100~32767)"},
};

const Interval* IntervalOf(uint32_t id) {
    for (const Interval& interval : kIntervals) {
        if (interval.id == id) return &interval;
    }
    return nullptr;
}

bool IsFixedBox(int id) {
    for (int first : {CDlgPhoto::kFirstTimeBoxId, CDlgPhoto::kFirstDistanceBoxId}) {
        const int bit = id - first;
        if (bit >= 0 && bit < 16 && bit % 8 >= 8 - kFixedChannels) return true;
    }
    return false;
}

}  // namespace

CDlgPhoto::CDlgPhoto() : CDlgTablePage(kModel) {}

bool CDlgPhoto::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    RefreshHints();
    return true;
}

void CDlgPhoto::ParseItem(const ParamItemView& item) {
    CDlgTablePage::ParseItem(item);
    if (IsCreated()) RefreshHints();
}

void CDlgPhoto::GetGroupMembers(int checkBoxId, std::vector<int>& ids) {
    CDlgTablePage::GetGroupMembers(checkBoxId, ids);
    std::erase_if(ids, IsFixedBox);
}

void CDlgPhoto::OnRowChanged(const ParamRow& row) {
    if (row.kind == RowKind::kCombo) RefreshHints();
}

void CDlgPhoto::RefreshHints() {
    for (const Interval& interval : kIntervals) {
        const bool coarse = SelectedComboData(View(), interval.unitId) == 1;
        View().SetText(interval.hintId, coarse ? L"(1~32767)" : interval.fineHint);
    }
}

bool CDlgPhoto::ValidateRow(const ParamRow& row) {
    const Interval* interval = row.kind == RowKind::kEdit ? IntervalOf(row.id) : nullptr;
    if (interval == nullptr) return true;
    const bool coarse = SnapshotNumber(*RowOfId(row.id)) == 1;  // the unit row comes first
    const int64_t value = SnapshotNumber(row);
    if (value >= (coarse ? 1 : interval->fineLow) && value <= kIntervalMax) return true;
    ShowRowMessage(row);
    return false;
}

}  // namespace mdvr
