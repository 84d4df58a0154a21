// Page 11: the audio/video parameter record in both layouts, its lists and custom values, and
// what a save refuses.
#include <gtest/gtest.h>

#include "pages/CDlgVideoParam.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgVideoParam;
constexpr const Page::StreamIds& kLive = Page::kStreams[0];
constexpr const Page::StreamIds& kStored = Page::kStreams[1];
constexpr const wchar_t* kInvalid = L"参数输入有误，请检查后重新输入";

// Live: CBR, CIF, key frame 50, 15 fps, 512 kbps. Recording: VBR, 720P, key frame 25, 25 fps,
// 2048 kbps. OSD date and time, plate, channel; audio on.
const Bytes kStandard = {0x00, 0x01, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01, 0x05,
                         0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x00, 0x07, 0x01};
// The same for a sub-type 23 terminal: CIF is code 0, 720P code 5; 8-bit OSD, no audio.
const Bytes kShort = {0x00, 0x00, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01,
                      0x05, 0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x07};

Bytes With(Bytes value, size_t at, std::initializer_list<uint8_t> bytes) {
    if (value.size() < at + bytes.size()) value.resize(at + bytes.size());
    std::copy(bytes.begin(), bytes.end(), value.begin() + static_cast<long>(at));
    return value;
}

Bytes VideoList(const Bytes& value) {
    Bytes item{0, 0, 0, 0x75, static_cast<uint8_t>(value.size())};
    item.insert(item.end(), value.begin(), value.end());
    return List({item});
}

enum class Device { kStandard, kSubType23, kOther };

class VideoParamPage : public PageFixture<Page> {
  protected:
    void Use(Device device) {
        TheDeviceProfile() = {};
        TheDeviceProfile().devType = 6;
        if (device == Device::kStandard) TheDeviceProfile().protocolType = 3;
        if (device == Device::kSubType23) TheDeviceProfile().devSubType = 23;
        m_page.ApplyDeviceProfile();
    }
    bool Refused() { return Save().empty() && LastTip() == kInvalid; }
};

TEST_F(VideoParamPage, ReceivedRecordsShowAndGoBackUnchanged) {
    struct Case {
        const char* what;
        Device device;
        Bytes received;
        int checkedOsd[4];  // boxes expected checked, 0 = none
        const wchar_t* liveResolution;
        const wchar_t* customResolution;
        Bytes sent;  // empty: the same bytes as received
    } cases[] = {
        {"standard layout", Device::kStandard, kStandard, {4088, 4089, 4090}, L"CIF", L"", {}},
        {"custom resolution 105",
         Device::kStandard,
         With(kStandard, 1, {105}),
         {4088, 4089, 4090},
         L"自定义",
         L"105",
         {}},
        {"hidden OSD bits 8 and 15 kept",
         Device::kStandard,
         With(kStandard, 18, {0x81, 0x05}),
         {4088, 4090, 4096, 4107},
         L"CIF",
         L"",
         {}},
        {"sub-type 23 code 8 is WCIF",
         Device::kSubType23,
         With(kShort, 1, {8}),
         {4088, 4089, 4090},
         L"WCIF",
         L"",
         {}},
        {"a longer record keeps its extra bytes",
         Device::kStandard,
         With(kStandard, 21, {0xAA, 0x55}),
         {4088, 4089, 4090},
         L"CIF",
         L"",
         {}},
        {"a record without its audio byte reads it as off",
         Device::kStandard,
         Bytes(kStandard.begin(), kStandard.end() - 1),
         {4088, 4089, 4090},
         L"CIF",
         L"",
         With(kStandard, 20, {0})},
        {"short layout: 19 bytes, OSD in the last",
         Device::kOther,
         With(kShort, 18, {0x85}),
         {4088, 4090, 4095},
         L"",
         L"",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Use(c.device);
        Load(VideoList(c.received));
        for (int box : {4088, 4089, 4090, 4091, 4095, 4096, 4107}) {
            const bool expected = std::find(std::begin(c.checkedOsd), std::end(c.checkedOsd),
                                            box) != std::end(c.checkedOsd);
            EXPECT_EQ(m_driver.Check(box), expected ? 1 : 0) << box;
        }
        const int sel = m_driver.Sel(kLive.resolution);
        EXPECT_EQ(sel < 0 ? L"" : m_driver.Entries(kLive.resolution)[static_cast<size_t>(sel)],
                  c.liveResolution);
        if (c.customResolution[0] != L'\0') {
            EXPECT_EQ(Text(kLive.customResolution), c.customResolution);
        }
        if (c.device == Device::kOther) {
            EXPECT_TRUE(Refused());  // no resolution list for this device
            continue;
        }
        EXPECT_EQ(Text(kStored.keyFrame), L"25");
        EXPECT_EQ(Save(), VideoList(c.sent.empty() ? c.received : c.sent));
    }
}

TEST_F(VideoParamPage, ShortLayoutSendsNineteenBytes) {
    Use(Device::kSubType23);
    Load(VideoList(With(kShort, 18, {0x05})));
    m_driver.Click(4095);  // bit 7 has no box a user sees
    EXPECT_FALSE(m_driver.Visible(4095));
    m_driver.Click(4091);
    const Bytes sent = Save();
    ASSERT_EQ(sent.size(), 1u + 5u + 19u);
    EXPECT_EQ(sent.back(), 0x0D);
    EXPECT_EQ(m_driver.Entries(kLive.frameRate).size(), 30u);
}

TEST_F(VideoParamPage, ValuesASaveRefuses) {
    struct Case {
        const char* what;
        int edit;
        const wchar_t* text;
        bool refused;
    } cases[] = {
        {"key frame 0", kLive.keyFrame, L"0", true},
        {"key frame 1001", kStored.keyFrame, L"1001", true},
        {"key frame 1", kLive.keyFrame, L"1", false},
        {"key frame 1000", kStored.keyFrame, L"1000", false},
        {"custom 99", kLive.customEncode, L"99", true},
        {"custom 128", kStored.customResolution, L"128", true},
        {"custom 100", kLive.customEncode, L"100", false},
        {"custom 127", kStored.customResolution, L"127", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Use(Device::kStandard);
        Load(VideoList(kStandard));
        m_driver.SelectByData(kLive.encode, Page::kCustomValue);
        m_driver.SelectByData(kStored.resolution, Page::kCustomValue);
        Enter(kLive.customEncode, L"110");
        Enter(kStored.customResolution, L"110");
        Enter(c.edit, c.text);
        m_tips.Clear();
        EXPECT_EQ(Refused(), c.refused);
        if (c.refused) {
            EXPECT_TRUE(m_driver.Focused(c.edit));
        }
    }
    Use(Device::kStandard);
    Load(VideoList(With(kStandard, 13, {0})));  // frame rate 0 selects nothing
    EXPECT_EQ(m_driver.Sel(kStored.frameRate), -1);
    EXPECT_TRUE(Refused());
    Use(Device::kSubType23);
    Load(VideoList(With(kShort, 1, {105})));  // no custom entry for this device
    EXPECT_EQ(m_driver.Sel(kLive.resolution), -1);
    EXPECT_TRUE(Refused());
}

TEST_F(VideoParamPage, CustomEntryTakesTheEditAndTheSpin) {
    Use(Device::kStandard);
    Load(VideoList(kStandard));
    EXPECT_FALSE(m_driver.Enabled(kLive.customEncode));
    m_driver.Focus(kLive.encode);
    m_driver.SelectByData(kLive.encode, Page::kCustomValue);
    EXPECT_TRUE(m_driver.Enabled(kLive.customEncode));
    EXPECT_TRUE(m_driver.Focused(kLive.customEncode));
    Enter(kLive.customEncode, L"126");
    m_driver.Spin(kLive.customEncodeSpin, 1);
    m_driver.Spin(kLive.customEncodeSpin, 1);
    EXPECT_EQ(Text(kLive.customEncode), L"127");
    Enter(kLive.keyFrame, L"2");
    m_driver.Spin(kLive.keyFrameSpin, -1);
    m_driver.Spin(kLive.keyFrameSpin, -1);
    EXPECT_EQ(Text(kLive.keyFrame), L"1");
    m_driver.SelectByData(kLive.encode, 2);
    EXPECT_FALSE(m_driver.Enabled(kLive.customEncode));
    EXPECT_EQ(Save(), VideoList(With(kStandard, 0, {2, 1, 0, 1})));
    EXPECT_EQ(QueryList(), (Bytes{1, 0, 0, 0, 0x75}));
    uint32_t kind = 0;
    uint32_t extra = 0;
    m_page.GetBatchKind(&kind, &extra);
    EXPECT_EQ(kind, 0x45u);
}

}  // namespace
}  // namespace mdvr::test
