#pragma once
// Page 11: the JT/T 1078 audio/video parameters 0x0075 (real-time and storage stream encoding,
// OSD overlay, audio output). In embedded mode the same page edits one channel's record inside
// the popup container, with its own save and exit buttons.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pagebase/CDlgTablePage.h"
#include "pages/VideoParamRecord.h"

namespace mdvr {

class CDlgVideoParam : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4002;
    static constexpr uint32_t kCustomValue = 127;  // the list entry that takes a custom value
    static constexpr int kCustomLow = 100;
    static constexpr int kCustomHigh = 127;
    static constexpr int kKeyFrameLow = 1;
    static constexpr int kKeyFrameHigh = 1000;
    static constexpr int kSaveId = 4141;
    static constexpr int kExitId = 4142;
    static constexpr int kAudioFrameId = 4174;
    static constexpr int kAudioId = 4194;
    static constexpr int kOsdBits = 16;
    // OSD bit i is shown by box kOsdBoxIds[i]; bits 7 to 15 are kept in hidden boxes.
    static constexpr int kOsdBoxIds[kOsdBits] = {4088, 4089, 4090, 4091, 4092, 4093, 4094, 4095,
                                                 4096, 4101, 4102, 4103, 4104, 4105, 4106, 4107};

    // Controls of one stream's settings.
    struct StreamIds {
        int encode;
        int customEncode;
        int customEncodeSpin;
        int customEncodeHint;
        int resolution;
        int customResolution;
        int customResolutionSpin;
        int customResolutionHint;
        int keyFrame;
        int keyFrameSpin;
        int frameRate;
        int bitRate;
    };
    static constexpr StreamIds kStreams[2] = {
        {4073, 4139, 4097, 4191, 1012, 4143, 4099, 4190, 1010, 4076, 1013, 1014},  // real-time
        {4081, 4140, 4098, 4192, 1015, 4144, 4100, 4189, 1011, 4084, 1016, 1017},  // storage
    };

    using ShortRecord = std::array<uint8_t, VideoParamRecord::kShortSize>;
    using StandardRecord = std::array<uint8_t, VideoParamRecord::kStandardSize>;

    CDlgVideoParam();

    void ParseItem(const ParamItemView& item) override;
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    bool LoadParams(bool force) override;
    bool ValidateInput() override;
    void ApplyDeviceProfile() override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

    // --- embedded editor of one channel record ---
    // Before creation: the page shows its save and exit buttons and reports to owner with
    // WM_CFG_POPUP_END instead of being saved by the main window.
    void SetEmbedded(ui::Dialog* owner) { m_owner = owner; }
    bool IsEmbedded() const { return m_owner != nullptr; }
    void SetRecords(const ShortRecord& shortRecord, const StandardRecord& standard, int channel);
    // The controls written into the record of the layout in force; the other comes back as given.
    void GetRecords(ShortRecord& shortRecord, StandardRecord& standard);
    // Whether the controls hold something other than the records last set or received.
    bool IsEdited() const;
    const std::wstring& Title() const { return m_title; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

  private:
    std::vector<uint8_t>& Record();
    VideoParamRecord::Layout LayoutInForce() const;
    void FillLists();
    void SetOsdCaptions();
    void ApplyEmbeddedLayout();
    void FitAudioFrame();
    void ShowRecord();
    void ShowStream(const StreamIds& ids, const StreamBlock& block);
    void ShowChoice(int listId, int customId, uint32_t value);
    VideoParamRecord ReadControls() const;
    StreamBlock ReadStream(const StreamIds& ids) const;
    uint8_t ReadChoice(int listId, int customId) const;
    void ApplyCustomRule(int listId, int customId, int spinId, int hintId);
    void ApplyCustomRules();
    bool CheckLists();
    bool CheckCustom(int listId, int customId);
    bool Refuse(int focusId);
    bool OnSpin(const ui::Notification& n);

    std::vector<uint8_t> m_standard = std::vector<uint8_t>(VideoParamRecord::kStandardSize);
    std::vector<uint8_t> m_short = std::vector<uint8_t>(VideoParamRecord::kShortSize);
    VideoParamRecord m_shown;  // what the controls showed after the record was last shown
    ui::Dialog* m_owner = nullptr;
    std::wstring m_title;
};

}  // namespace mdvr
