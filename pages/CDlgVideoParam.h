#pragma once
// Page 11: the JT/T 1078 audio/video parameters 0x0075 (real-time and storage stream encoding,
// OSD overlay, audio output). In embedded mode the same page edits one channel's record inside
// the popup container, with its own save and exit buttons.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pagebase/CDlgTablePage.h"

namespace mdvr {

class CDlgVideoParam : public CDlgTablePage {
  public:
    static constexpr int kTemplateId = 4002;
    static constexpr uint32_t kCustomValue = 127;  // the list entry that takes a custom value
    static constexpr int kSaveId = 4141;
    static constexpr int kExitId = 4142;
    static constexpr int kAudioFrameId = 4174;
    static constexpr int kAudioId = 4194;
    static constexpr int kOsdBits = 16;
    // OSD bit i is shown by box kOsdBoxIds[i]; bits 7 to 15 are kept in hidden boxes.
    static constexpr int kOsdBoxIds[kOsdBits] = {4088, 4089, 4090, 4091, 4092, 4093, 4094, 4095,
                                                 4096, 4101, 4102, 4103, 4104, 4105, 4106, 4107};
    // Record sizes: two 9-byte stream blocks, the OSD mask (16 bits standard, 8 short), and in
    // the standard layout the audio switch.
    static constexpr size_t kStandardSize = 21;
    static constexpr size_t kShortSize = 19;

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

    using ShortRecord = std::array<uint8_t, kShortSize>;
    using StandardRecord = std::array<uint8_t, kStandardSize>;

    CDlgVideoParam();

    bool LoadParams(bool force) override;
    void ApplyDeviceProfile() override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

    // --- embedded editor of one channel record ---
    // Before creation: the page shows its save and exit buttons and reports to owner with
    // WM_CFG_POPUP_END instead of being saved by the main window.
    void SetEmbedded(ui::Dialog* owner) { m_owner = owner; }
    bool IsEmbedded() const { return m_owner != nullptr; }
    void SetRecords(const ShortRecord& shortRecord, const StandardRecord& standard, int channel);
    // The controls written into the record of the layout in force; the other is left as it is.
    void GetRecords(ShortRecord& shortRecord, StandardRecord& standard);
    // Whether the controls hold something other than the record last shown.
    bool IsEdited();
    const std::wstring& Title() const { return m_title; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    uint8_t RowVariant() const override;

  private:
    void FillLists();
    void SetOsdCaptions();
    void ApplyEmbeddedLayout();
    void FitAudioFrame();
    void ShowRecord();

    std::vector<uint8_t> m_shown;  // the record as the controls held it when last shown
    ui::Dialog* m_owner = nullptr;
    std::wstring m_title;
};

}  // namespace mdvr
