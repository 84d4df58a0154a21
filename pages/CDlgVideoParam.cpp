#include "pages/CDlgVideoParam.h"

#include <algorithm>

#include "controls/EditNumber.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "pagebase/EditRange.h"
#include "pages/CfgMessages.h"
#include "pages/VideoLayout.h"
#include "protocol/DeviceProfile.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgVideoParam;
using Layout = VideoParamRecord::Layout;

constexpr uint32_t kVideoParams = 0x0075;
constexpr int kStrInvalid = 18124;
constexpr int kStrCustom = 18120;
constexpr int kStrChannel = 18130;
constexpr int kOsdWidth = 140;
constexpr int kCustomWidth = 50;
constexpr int kNumberWidth = 90;
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

constexpr ParamRow Edit(int id, Caption caption, int label, int limit) {
    return Shown(RowKind::kEdit, id, caption)
        .Label(label)
        .Limit(limit)
        .Style(ui::kStyleDigitsOnly)
        .Width(kNumberWidth);
}
constexpr ParamRow Custom(int id, int spin, int hint) {
    return Shown(RowKind::kEdit, id, {})
        .Limit(3)
        .Style(ui::kStyleDigitsOnly)
        .Width(kCustomWidth)
        .Spin(spin)
        .Hint(hint, kCustomRange)
        .SameLine();
}
constexpr ParamRow Osd(int bit, bool sameLine) {
    const bool hidden = bit >= kVisibleOsdBits;
    ParamRow r = Shown(RowKind::kCheck, Page::kOsdBoxIds[bit],
                       hidden ? Caption{} : Caption{kShortOsdCaptions[bit]})
                     .Width(hidden ? 1 : kOsdWidth);
    if (hidden) r = r.Style(ui::kStyleHidden);
    return sameLine ? r.SameLine() : r;
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

constexpr size_t kStreamRows = 8;
constexpr size_t kRowCount = 2 * kStreamRows + 1 + Page::kOsdBits + 2 + 2;

constexpr std::array<ParamRow, kRowCount> MakeRows() {
    std::array<ParamRow, kRowCount> rows{};
    size_t n = 0;
    for (int s = 0; s < 2; ++s) {
        const Page::StreamIds& ids = Page::kStreams[s];
        const StreamTexts& t = kStreamTexts[s];
        rows[n++] = Heading(t.frame, t.title);
        rows[n++] =
            Shown(RowKind::kCombo, ids.encode, t.texts[0]).Label(t.labels[0]).Choices(kEncodeModes);
        rows[n++] = Custom(ids.customEncode, ids.customEncodeSpin, ids.customEncodeHint);
        rows[n++] = Shown(RowKind::kCombo, ids.resolution, t.texts[1]).Label(t.labels[1]);
        rows[n++] =
            Custom(ids.customResolution, ids.customResolutionSpin, ids.customResolutionHint);
        rows[n++] = Edit(ids.keyFrame, t.texts[2], t.labels[2], 4).Spin(ids.keyFrameSpin);
        rows[n++] = Shown(RowKind::kCombo, ids.frameRate, t.texts[3])
                        .Label(t.labels[3])
                        .Width(kNumberWidth);
        rows[n++] = Edit(ids.bitRate, t.texts[4], t.labels[4], 9);
    }
    rows[n++] = Heading(4171, {18117});
    for (int bit = 0; bit < Page::kOsdBits; ++bit) rows[n++] = Osd(bit, bit % 4 != 0 || bit > 4);
    rows[n++] = Heading(Page::kAudioFrameId, {18132});
    rows[n++] = Shown(RowKind::kCheck, Page::kAudioId, {18132}).Width(kOsdWidth);
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

Layout CDlgVideoParam::LayoutInForce() const {
    return IsStandardVideoLayout() ? Layout::kStandard : Layout::kShort;
}

std::vector<uint8_t>& CDlgVideoParam::Record() {
    return LayoutInForce() == Layout::kStandard ? m_standard : m_short;
}

// --- initialisation and the device's layout ---

bool CDlgVideoParam::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    for (const StreamIds& ids : kStreams) {
        View().SetSpinRange(ids.customEncodeSpin, kCustomLow, kCustomHigh);
        View().SetSpinRange(ids.customResolutionSpin, kCustomLow, kCustomHigh);
        View().SetSpinRange(ids.keyFrameSpin, kKeyFrameLow, kKeyFrameHigh);
    }
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

// --- record and controls ---

void CDlgVideoParam::ShowRecord() {
    if (!IsCreated()) return;
    const Layout layout = LayoutInForce();
    const VideoParamRecord record = VideoParamRecord::Read(Record(), layout);
    for (int s = 0; s < 2; ++s) ShowStream(kStreams[s], s == 0 ? record.realTime : record.storage);
    for (int bit = 0; bit < kOsdBits; ++bit)
        View().SetCheck(kOsdBoxIds[bit], (record.osd >> bit) & 1);
    if (layout == Layout::kStandard) View().SetCheck(kAudioId, record.audioOutput != 0 ? 1 : 0);
    ApplyCustomRules();
    m_shown = ReadControls();
}

void CDlgVideoParam::ShowStream(const StreamIds& ids, const StreamBlock& block) {
    ShowChoice(ids.encode, ids.customEncode, block.encodeMode);
    ShowChoice(ids.resolution, ids.customResolution, block.resolution);
    const int rate = block.frameRate;
    View().SetSel(ids.frameRate,
                  rate >= 1 && rate <= View().EntryCount(ids.frameRate) ? rate - 1 : -1);
    View().SetText(ids.keyFrame, std::to_wstring(block.keyFrameInterval));
    View().SetText(ids.bitRate, std::to_wstring(block.bitRate));
}

// A value no entry stands for goes to the custom entry's edit; without a custom entry the list
// is left without a selection, so a save asks the user to pick one.
void CDlgVideoParam::ShowChoice(int listId, int customId, uint32_t value) {
    const int index = value == kCustomValue ? -1 : FindComboData(View(), listId, value, true);
    if (index >= 0) return;
    if (FindComboData(View(), listId, kCustomValue, true) >= 0) {
        View().SetText(customId, std::to_wstring(value));
    } else {
        View().SetSel(listId, -1);
    }
}

VideoParamRecord CDlgVideoParam::ReadControls() const {
    VideoParamRecord record;
    record.realTime = ReadStream(kStreams[0]);
    record.storage = ReadStream(kStreams[1]);
    const int bits = VideoParamRecord::HasWideOsd(LayoutInForce()) ? kOsdBits : 8;
    for (int bit = 0; bit < bits; ++bit) {
        if (View().GetCheck(kOsdBoxIds[bit]) != 0) record.osd |= static_cast<uint16_t>(1u << bit);
    }
    record.audioOutput = View().GetCheck(kAudioId) != 0 ? 1 : 0;
    return record;
}

StreamBlock CDlgVideoParam::ReadStream(const StreamIds& ids) const {
    StreamBlock block;
    block.encodeMode = ReadChoice(ids.encode, ids.customEncode);
    block.resolution = ReadChoice(ids.resolution, ids.customResolution);
    block.frameRate = static_cast<uint8_t>(View().GetSel(ids.frameRate) + 1);
    block.keyFrameInterval = static_cast<uint16_t>(ReadEditInt64(View().GetText(ids.keyFrame)));
    block.bitRate = static_cast<uint32_t>(ReadEditInt64(View().GetText(ids.bitRate)));
    return block;
}

uint8_t CDlgVideoParam::ReadChoice(int listId, int customId) const {
    const uint32_t value = SelectedComboData(View(), listId);
    if (value != kCustomValue) return static_cast<uint8_t>(value);
    return static_cast<uint8_t>(ReadEditInt64(View().GetText(customId)));
}

void CDlgVideoParam::ApplyCustomRule(int listId, int customId, int spinId, int hintId) {
    const bool custom =
        View().GetSel(listId) >= 0 && SelectedComboData(View(), listId) == kCustomValue;
    for (int id : {customId, spinId, hintId}) View().Enable(id, custom);
    if (custom && View().FocusedId() == listId) View().SetFocus(customId);
}

void CDlgVideoParam::ApplyCustomRules() {
    for (const StreamIds& ids : kStreams) {
        ApplyCustomRule(ids.encode, ids.customEncode, ids.customEncodeSpin, ids.customEncodeHint);
        ApplyCustomRule(ids.resolution, ids.customResolution, ids.customResolutionSpin,
                        ids.customResolutionHint);
    }
}

// --- page operations ---

void CDlgVideoParam::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    writer.Append(kVideoParams);
    *length = writer.Finish();
}

// A value longer than the layout keeps its extra bytes; a shorter one reads zeros past its end.
void CDlgVideoParam::ParseItem(const ParamItemView& item) {
    if (item.Id() != kVideoParams) return;
    std::vector<uint8_t>& record = Record();
    const auto bytes = item.Bytes();
    record.assign(bytes.begin(), bytes.end());
    record.resize(std::max(record.size(), VideoParamRecord::Size(LayoutInForce())));
}

bool CDlgVideoParam::LoadParams(bool force) {
    const bool loaded = CDlgTablePage::LoadParams(force);
    ShowRecord();
    return loaded;
}

bool CDlgVideoParam::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    ParamListWriter writer(list);
    writer.AppendBytes(kVideoParams, Record());
    *length = writer.Finish();
    return !writer.Failed();
}

bool CDlgVideoParam::Refuse(int focusId) {
    if (focusId != 0) View().SetFocus(focusId);
    ShowMsgTipEx(CLanguage::Instance().GetText(kStrInvalid), L"", kMsgTipNotice);
    return false;
}

bool CDlgVideoParam::CheckLists() {
    for (const StreamIds& ids : kStreams) {
        for (int id : {ids.encode, ids.resolution, ids.frameRate}) {
            if (View().GetSel(id) < 0) return false;
        }
    }
    return true;
}

bool CDlgVideoParam::CheckCustom(int listId, int customId) {
    if (SelectedComboData(View(), listId) != kCustomValue) return true;
    return CheckEditRange(View(), customId, kCustomLow, kCustomHigh);
}

bool CDlgVideoParam::ValidateInput() {
    if (!IsCreated()) return false;
    if (!CheckLists()) return Refuse(0);
    for (const StreamIds& ids : kStreams) {
        if (!CheckEditRange(View(), ids.keyFrame, kKeyFrameLow, kKeyFrameHigh)) return Refuse(0);
    }
    for (const StreamIds& ids : kStreams) {
        if (!CheckCustom(ids.encode, ids.customEncode) ||
            !CheckCustom(ids.resolution, ids.customResolution)) {
            return Refuse(0);
        }
    }
    ReadControls().Write(Record(), LayoutInForce());
    return true;
}

void CDlgVideoParam::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

// --- embedded editor ---

void CDlgVideoParam::SetRecords(const ShortRecord& shortRecord, const StandardRecord& standard,
                                int channel) {
    m_short.assign(shortRecord.begin(), shortRecord.end());
    m_standard.assign(standard.begin(), standard.end());
    m_title = CLanguage::Instance().GetText(kStrChannel) + L"=" + std::to_wstring(channel);
    if (!IsCreated()) return;
    ShowRecord();
    View().SetTitle(m_title);
}

void CDlgVideoParam::GetRecords(ShortRecord& shortRecord, StandardRecord& standard) {
    if (IsCreated()) ReadControls().Write(Record(), LayoutInForce());
    std::copy_n(m_short.begin(), shortRecord.size(), shortRecord.begin());
    std::copy_n(m_standard.begin(), standard.size(), standard.begin());
}

bool CDlgVideoParam::IsEdited() const {
    return IsCreated() && !(ReadControls() == m_shown);
}

bool CDlgVideoParam::OnSpin(const ui::Notification& n) {
    for (const StreamIds& ids : kStreams) {
        const struct {
            int spin, edit, low, high;
        } spins[] = {{ids.customEncodeSpin, ids.customEncode, kCustomLow, kCustomHigh},
                     {ids.customResolutionSpin, ids.customResolution, kCustomLow, kCustomHigh},
                     {ids.keyFrameSpin, ids.keyFrame, kKeyFrameLow, kKeyFrameHigh}};
        for (const auto& s : spins) {
            if (s.spin != n.id) continue;
            ClampEdit(View(), s.edit, n.delta, s.low, s.high);
            return true;
        }
    }
    return false;
}

bool CDlgVideoParam::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Spin && OnSpin(n)) return true;
    if (n.event == ui::Event::SelChange) {
        for (const StreamIds& ids : kStreams) {
            if (n.id == ids.encode) {
                ApplyCustomRule(ids.encode, ids.customEncode, ids.customEncodeSpin,
                                ids.customEncodeHint);
            }
            if (n.id == ids.resolution) {
                ApplyCustomRule(ids.resolution, ids.customResolution, ids.customResolutionSpin,
                                ids.customResolutionHint);
            }
        }
    }
    if (n.event == ui::Event::Click && IsEmbedded() && (n.id == kSaveId || n.id == kExitId)) {
        const bool save = n.id == kSaveId;
        if (save && !ValidateInput()) return true;
        if (m_owner->IsCreated()) m_owner->View().Post(WM_CFG_POPUP_END, save ? 1 : 0, 0);
        return true;
    }
    return CDlgTablePage::OnNotify(n);
}

}  // namespace mdvr
