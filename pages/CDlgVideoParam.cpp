#include "pages/CDlgVideoParam.h"

#include <algorithm>

#include "pagebase/ComboData.h"
#include "pages/CfgMessages.h"
#include "pages/VideoLayout.h"
#include "protocol/DeviceProfile.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgVideoParam;

constexpr uint32_t kVideoParams = 0x0075;
constexpr int kStrInvalid = 18124;
constexpr int kStrCustom = 18120;
constexpr int kStrChannel = 18130;
constexpr int kOsdWidth = 140;
constexpr int kNumberWidth = 90;
constexpr int kCustomLow = 100;
constexpr int kCustomHigh = 127;
constexpr int kKeyFrameLow = 1;
constexpr int kKeyFrameHigh = 1000;
constexpr int kStreamSize = 9;
constexpr int kOsdAt = 2 * kStreamSize;
constexpr int kMargin = 12;  // below the last line of the embedded editor
constexpr Caption kCustomRange{0, L"(100-127)"};

constexpr Choice kEncodeModes[] = {
    {0, {18121}}, {1, {18122}}, {2, {18123}}, {Page::kCustomValue, {kStrCustom}}};

// Resolution codes of the JT/T 1078 variant, which also takes custom codes.
constexpr Choice kStandardResolutions[] = {
    {0, {0, L"QCIF"}}, {1, {0, L"CIF"}},  {2, {0, L"WCIF"}},  {3, {0, L"D1"}},
    {4, {0, L"WD1"}},  {5, {0, L"720P"}}, {6, {0, L"1080P"}}, {Page::kCustomValue, {kStrCustom}}};
// Resolution codes of sub-type 23 terminals.
constexpr Choice kSubType23Resolutions[] = {
    {0, {0, L"CIF"}},  {1, {0, L"D1"}},    {2, {0, L"QCIF"}}, {3, {0, L"VGA"}}, {4, {0, L"QVGA"}},
    {5, {0, L"720P"}}, {6, {0, L"1080P"}}, {7, {0, L"WD1"}},  {8, {0, L"WCIF"}}};

constexpr int kStandardMaxFrameRate = 120;
constexpr int kShortMaxFrameRate = 30;

// Captions of the OSD boxes of bits 0 to 6 in the short layout; the standard layout shows date
// and time on one box and the logical channel on bit 2.
constexpr int kShortOsdCaptions[] = {18105, 18106, 18107, 18108, 18109, 18110, 18111};
constexpr int kStandardOsdCaptions[] = {0, 18107, kStrChannel, 18108, 18109, 18110, 18111};
constexpr int kVisibleOsdBits = 7;
constexpr int kShortOsdBits = 8;

// Every list must have a selection and every check says the same message.
constexpr ParamRow Chosen(int offset, int list, Caption caption, int label) {
    return Field(kVideoParams, Wire::kU8, offset, RowKind::kCombo, list, -1, caption)
        .Label(label)
        .Check(Rule::kChosen)
        .Message({kStrInvalid});
}
constexpr ParamRow WithCustom(ParamRow list, int edit, int spin, int hint) {
    return list.CustomEntry(Page::kCustomValue, edit)
        .Limit(3)
        .Range(kCustomLow, kCustomHigh)
        .Spin(spin)
        .Hint(hint, kCustomRange);
}
constexpr ParamRow Number(Wire wire, int offset, int edit, Caption caption, int label, int limit) {
    return Field(kVideoParams, wire, offset, RowKind::kEdit, edit, -1, caption)
        .Label(label)
        .Limit(limit)
        .Width(kNumberWidth);
}
// The standard layouts carry 16 OSD bits big-endian in bytes 18 and 19, the short one 8 bits
// in byte 18; the bits no user sees stay in hidden boxes.
constexpr ParamRow Osd(int bit, bool sameLine) {
    const bool hidden = bit >= kVisibleOsdBits;
    ParamRow r = Field(kVideoParams, Wire::kU16, kOsdAt, RowKind::kCheck, Page::kOsdBoxIds[bit],
                       -1, hidden ? Caption{} : Caption{kShortOsdCaptions[bit]})
                     .Bits(bit, 1)
                     .Variant(kStandardVideoFields)
                     .Width(hidden ? 1 : kOsdWidth);
    if (hidden) r = r.Style(ui::kStyleHidden);
    return sameLine ? r.SameLine() : r;
}
constexpr ParamRow ShortOsd(int bit) {
    return Field(kVideoParams, Wire::kU8, kOsdAt, RowKind::kCheck, Page::kOsdBoxIds[bit], -1, {})
        .Bits(bit, 1)
        .Variant(kShortVideoFields);
}

struct StreamTexts {
    int frame;
    Caption title;
    int labels[5];  // label controls: encode, resolution, key frame, frame rate, bit rate
    Caption texts[5];
};
constexpr StreamTexts kStreamTexts[2] = {
    {4173, {18118}, {4072, 4074, 4075, 4077, 4078}, {{18112}, {18113}, {18114}, {18115}, {18116}}},
    {4172, {18119}, {4080, 4082, 4083, 4085, 4086}, {{18136}, {18137}, {18138}, {18139}, {18140}}},
};

constexpr size_t kStreamRows = 6;
constexpr size_t kRowCount = 2 * kStreamRows + 1 + Page::kOsdBits + kShortOsdBits + 2 + 2;

constexpr std::array<ParamRow, kRowCount> MakeRows() {
    std::array<ParamRow, kRowCount> rows{};
    size_t n = 0;
    for (int s = 0; s < 2; ++s) {
        const Page::StreamIds& ids = Page::kStreams[s];
        const StreamTexts& t = kStreamTexts[s];
        const int at = s * kStreamSize;
        rows[n++] = Heading(t.frame, t.title);
        const ParamRow encode = Chosen(at, ids.encode, t.texts[0], t.labels[0]);
        rows[n++] = WithCustom(encode.Choices(kEncodeModes), ids.customEncode,
                               ids.customEncodeSpin, ids.customEncodeHint);
        rows[n++] = WithCustom(Chosen(at + 1, ids.resolution, t.texts[1], t.labels[1]),
                               ids.customResolution, ids.customResolutionSpin,
                               ids.customResolutionHint);
        rows[n++] = Number(Wire::kU16, at + 2, ids.keyFrame, t.texts[2], t.labels[2], 4)
                        .Range(kKeyFrameLow, kKeyFrameHigh)
                        .Check(Rule::kDigits)
                        .Message({kStrInvalid})
                        .Spin(ids.keyFrameSpin);
        rows[n++] = Chosen(at + 4, ids.frameRate, t.texts[3], t.labels[3]).Width(kNumberWidth);
        rows[n++] = Number(Wire::kU32, at + 5, ids.bitRate, t.texts[4], t.labels[4], 9);
    }
    rows[n++] = Heading(4171, {18117});
    for (int bit = 0; bit < Page::kOsdBits; ++bit) rows[n++] = Osd(bit, bit % 4 != 0 || bit > 4);
    for (int bit = 0; bit < kShortOsdBits; ++bit) rows[n++] = ShortOsd(bit);
    rows[n++] = Heading(Page::kAudioFrameId, {18132});
    rows[n++] = Field(kVideoParams, Wire::kU8, kOsdAt + 2, RowKind::kCheck, Page::kAudioId, -1,
                      {18132})
                    .Variant(kStandardVideoFields)
                    .Width(kOsdWidth);
    rows[n++] = Button(Page::kSaveId, {11002}).Width(kNumberWidth);
    rows[n++] = Button(Page::kExitId, {11003}).Width(kNumberWidth).SameLine();
    return rows;
}

constexpr auto kRows = MakeRows();

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                           .title = {18100},
                           .rows = kRows,
                           .columns = {.label = 150, .control = 150, .unit = 90}};

}  // namespace

CDlgVideoParam::CDlgVideoParam() : CDlgTablePage(kModel) {}

uint8_t CDlgVideoParam::RowVariant() const {
    return VideoFieldVariant();
}

// --- initialisation and the device's layout ---

bool CDlgVideoParam::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    ApplyDeviceProfile();
    for (int id : {kSaveId, kExitId}) View().Show(id, IsEmbedded());
    if (IsEmbedded()) {
        ApplyEmbeddedLayout();
    } else {
        FitAudioFrame();
    }
    if (!m_title.empty()) View().SetTitle(m_title);
    return true;
}

void CDlgVideoParam::ApplyDeviceProfile() {
    if (!IsCreated()) return;
    const bool standard = IsStandardVideoLayout();
    FillLists();
    SetOsdCaptions();
    for (const StreamIds& ids : kStreams) {
        for (int id : {ids.customResolution, ids.customResolutionSpin, ids.customResolutionHint}) {
            View().Show(id, standard);
        }
    }
    for (int id : {kAudioFrameId, kAudioId}) View().Show(id, standard && !IsEmbedded());
    ShowRecord();
}

void CDlgVideoParam::FillLists() {
    const DeviceProfile& profile = TheDeviceProfile();
    std::span<const Choice> resolutions;
    if (IsStandardVideoLayout()) {
        resolutions = kStandardResolutions;
    } else if (profile.HasSubType(23)) {
        resolutions = kSubType23Resolutions;
    }
    const int maxRate = IsStandardVideoLayout() ? kStandardMaxFrameRate : kShortMaxFrameRate;
    for (const StreamIds& ids : kStreams) {
        View().ClearEntries(ids.resolution);
        AddComboChoices(View(), ids.resolution, resolutions);
        View().ClearEntries(ids.frameRate);
        for (int rate = 1; rate <= maxRate; ++rate) {
            AddComboEntry(View(), ids.frameRate, std::to_wstring(rate),
                          static_cast<uint32_t>(rate));
        }
    }
}

void CDlgVideoParam::SetOsdCaptions() {
    CLanguage& language = CLanguage::Instance();
    const bool standard = IsStandardVideoLayout();
    for (int bit = 0; bit < kVisibleOsdBits; ++bit) {
        const int id = standard ? kStandardOsdCaptions[bit] : kShortOsdCaptions[bit];
        std::wstring text = language.GetText(id);
        if (standard && bit == 0) text = language.GetText(18105) + L"+" + language.GetText(18106);
        View().SetText(kOsdBoxIds[bit], text);
    }
}

// The page's audio frame ends below its switch, not below the editor's hidden buttons.
void CDlgVideoParam::FitAudioFrame() {
    ui::Rect frame = View().GetRect(kAudioFrameId);
    const int padding = frame.Bottom() - View().GetRect(kSaveId).Bottom();
    frame.h = View().GetRect(kAudioId).Bottom() + padding - frame.y;
    View().Move(kAudioFrameId, frame);
}

// The editor has no audio switch: its buttons take the audio frame's place and the page ends
// below them, so the container around it has no empty band.
void CDlgVideoParam::ApplyEmbeddedLayout() {
    const int top = View().GetRect(kAudioFrameId).y;
    int bottom = top;
    for (int id : {kSaveId, kExitId}) {
        ui::Rect place = View().GetRect(id);
        place.y = top;
        View().Move(id, place);
        bottom = place.Bottom();
    }
    ui::Rect window = View().WindowRect();
    window.h = bottom + kMargin;
    View().MoveWindow(window);
}

void CDlgVideoParam::ShowRecord() {
    if (!IsCreated()) return;
    ShowRecords();
    // The short layout has no bits 8 to 15: their boxes read clear, not as last shown.
    if (!IsStandardVideoLayout()) {
        for (int bit = kShortOsdBits; bit < kOsdBits; ++bit) View().SetCheck(kOsdBoxIds[bit], 0);
    }
    m_shown = RecordFromControls(kVideoParams);
}

// --- page operations ---

// The controls show the record also when the fetch failed.
bool CDlgVideoParam::LoadParams(bool force) {
    const bool loaded = CDlgTablePage::LoadParams(force);
    ShowRecord();
    return loaded;
}

void CDlgVideoParam::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

// --- embedded editor ---

void CDlgVideoParam::SetRecords(const ShortRecord& shortRecord, const StandardRecord& standard,
                                int channel) {
    m_title = CLanguage::Instance().GetText(kStrChannel) + L"=" + std::to_wstring(channel);
    if (IsStandardVideoLayout()) {
        SetRecord(kVideoParams, standard);
    } else {
        SetRecord(kVideoParams, shortRecord);
    }
    if (!IsCreated()) return;
    ShowRecord();
    View().SetTitle(m_title);
}

void CDlgVideoParam::GetRecords(ShortRecord& shortRecord, StandardRecord& standard) {
    if (!IsCreated()) return;
    const std::vector<uint8_t> record = RecordFromControls(kVideoParams);
    const std::span<uint8_t> out =
        IsStandardVideoLayout() ? std::span<uint8_t>(standard) : std::span<uint8_t>(shortRecord);
    std::copy_n(record.begin(), std::min(record.size(), out.size()), out.begin());
}

bool CDlgVideoParam::IsEdited() {
    return IsCreated() && RecordFromControls(kVideoParams) != m_shown;
}

bool CDlgVideoParam::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Click && IsEmbedded() && (n.id == kSaveId || n.id == kExitId)) {
        const bool save = n.id == kSaveId;
        if (save && !ValidateInput()) return true;
        if (m_owner->IsCreated()) m_owner->View().Post(WM_CFG_POPUP_END, save ? 1 : 0, 0);
        return true;
    }
    return CDlgTablePage::OnNotify(n);
}

}  // namespace mdvr
