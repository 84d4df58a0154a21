#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/CConfigTesselINI.h"
#include "host/CDevFunc.h"
#include "host/CHostFile.h"
#include "host/CMgrJTT.h"
#include "host/CUIManager.h"
#include "host/CVehicleBaseMgr.h"
#include "text/LocalFile.h"

#include "support/ScratchDir.h"

namespace mdvr {
namespace {

namespace fs = std::filesystem;

// Points every host file at a fresh temporary folder.
class HostFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { CHostFile::SetFolder(FromFsPath(m_dir)); }
    void TearDown() override { CHostFile::SetFolder(L""); }
    void Write(const char* name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        CHostFile::ReloadAll();
    }
    test::ScratchDir m_scratch{"mdvr_host"};
    const fs::path& m_dir = m_scratch.Path();
};

constexpr char kDevices[] =
    "; host device registry\n"
    "[Device1001]\n"
    "Vehicle=粤B12345\n"
    "Name=MDVR-1001\n"
    "Cap9=6\nCap10=29\nCap75=7\nCap110=3\nCap112=1\nCap200=-4\n"
    "[device1002]\n"
    "Cap9 = 6\n"
    "[Device1003]\n"
    "Name=只有设备名\n"
    "[Device1004]\n"
    "Comment=no registry keys here\n";

// The host edits its files while it runs and tells the plug-in nothing; another folder holds
// other files.
TEST_F(HostFilesTest, FilesEditedWhileTheHostRunsAreSeenAtTheNextLookUp) {
    Write("HostDevices.ini", "[Device1]\nCap9=6\n");
    Write("HostSettings.ini", "[Settings]\n1100=0\n");
    EXPECT_EQ(CVehicleBaseMgr::Instance().FindDvsDeviceByID(2), nullptr);
    EXPECT_EQ(CConfigTesselINI::Instance().ReadIniInt(1100), 0);
    std::ofstream(m_dir / "HostDevices.ini") << "[Device2]\nCap9=6\nCap10=23\n";
    std::ofstream(m_dir / "HostSettings.ini") << "[Settings]\n1100=1\n1103=1\n";
    EXPECT_NE(CVehicleBaseMgr::Instance().FindDvsDeviceByID(2), nullptr);
    EXPECT_EQ(CVehicleBaseMgr::Instance().FindDvsDeviceByID(1), nullptr);
    EXPECT_EQ(CConfigTesselINI::Instance().ReadIniInt(1100), 1);
    EXPECT_EQ(CConfigTesselINI::Instance().ReadIniInt(1103), 1);
    CHostFile::SetFolder(FromFsPath(m_dir / "elsewhere"));
    EXPECT_EQ(CVehicleBaseMgr::Instance().FindDvsDeviceByID(2), nullptr);
}

// Which capability feeds which profile field the plug-in's export test shows; here: negative and
// missing values, names made of what is given, unknown devices invalid.
TEST_F(HostFilesTest, RegistryFindsDevicesTheirCapabilitiesAndNames) {
    Write("HostDevices.ini", kDevices);
    CVehicleBaseMgr& registry = CVehicleBaseMgr::Instance();
    CDevFunc full(registry.FindDvsDeviceByID(1001));
    EXPECT_EQ(full.GetDevInt(200), -4);
    EXPECT_EQ(full.GetDevInt(11), 0);
    EXPECT_EQ(CDevFunc(registry.FindDvsDeviceByID(1002)).GetDevInt(9), 6);
    EXPECT_EQ(registry.GetVehiAndDevName(1001), L"粤B12345(MDVR-1001)");
    EXPECT_EQ(registry.GetVehiAndDevName(1002), L"");
    EXPECT_EQ(registry.GetVehiAndDevName(1003), L"只有设备名");
    for (int id : {0, -1, 1004, 1005, 10010}) {
        EXPECT_EQ(registry.FindDvsDeviceByID(id), nullptr) << id;
        CDevFunc func(registry.FindDvsDeviceByID(id));
        EXPECT_FALSE(func.IsValid());
        EXPECT_EQ(func.GetDevInt(9), 0);
        EXPECT_EQ(registry.GetVehiAndDevName(id), L"");
    }
}

TEST_F(HostFilesTest, SettingsReadNumbersAndCheckMode) {
    EXPECT_EQ(CConfigTesselINI::Instance().ReadIniInt(1100), 0);  // no file yet
    EXPECT_EQ(IsCheckMode(), 0);
    Write("HostSettings.ini", "[Settings]\n1100=1\n1103 = 0\n1108=junk\nCheckMode=1\n");
    const std::pair<int, int> cases[] = {{1100, 1}, {1103, 0}, {1108, 0}, {1200, 0}};
    for (auto [number, value] : cases) {
        EXPECT_EQ(CConfigTesselINI::Instance().ReadIniInt(number), value) << number;
    }
    EXPECT_EQ(IsCheckMode(), 1);
}

TEST_F(HostFilesTest, AlarmNamesFollowHostOverrides) {
    Write("HostAlarmNames.ini",
          "[Alarm]\n0=SOS\n1=\n15=自定义\n32=ignored\n[VideoAlarm]\nDefaults=0\n2=Disk\n");
    EXPECT_EQ(CMgrJTT::Instance().GetAlarmBitString(0), L"SOS");
    EXPECT_EQ(CMgrJTT::Instance().GetAlarmBitString(1), L"");  // named empty on purpose
    EXPECT_EQ(CMgrJTT::Instance().GetAlarmBitString(2), L"疲劳驾驶");
    EXPECT_EQ(CMgrJTT::Instance().GetAlarmBitString(15), L"自定义");
    EXPECT_EQ(CMgrJTT::Instance().GetAlarmBitString(32), L"");
    EXPECT_EQ(CMgrJTT::Instance().GetVideoAlarmBitString(0), L"");  // defaults dropped
    EXPECT_EQ(CMgrJTT::Instance().GetVideoAlarmBitString(2), L"Disk");
}

TEST_F(HostFilesTest, UIColorsHaveDefaultsAndAcceptValidOverrides) {
    uint32_t defaults[kUIColorCount];
    for (int i = 0; i < kUIColorCount; ++i) defaults[i] = CUIManager::Instance().GetUIColorEx(i);
    // How a value reads is the theme colours' rule.
    Write("HostColors.ini", "[Colors]\n13=1,2,3\n19=\n40=1,2,3\n");
    const std::pair<int, uint32_t> cases[] = {{13, 0x00030201u},  {17, defaults[17]},
                                              {19, defaults[19]}, {kUIColorCount, 0u},
                                              {-1, 0u},           {40, 0u}};
    for (auto [index, colour] : cases) {
        EXPECT_EQ(CUIManager::Instance().GetUIColorEx(index), colour) << index;
    }
}

}  // namespace
}  // namespace mdvr
