// The pages of the window as a terminal's lists and an operator's edits meet them, one table row
// per case; the behaviour a row cannot hold follows the tables, page by page.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <memory>
#include <sstream>

#include "frame/PageTable.h"
#include "host/CLogFile2.h"
#include "pagebase/CDlgAlarmMask.h"
#include "pages/CDlgAlarmSetup.h"
#include "pages/CDlgCanSetup.h"
#include "pages/CDlgCarSetup.h"
#include "pages/CDlgDevParamEx.h"
#include "pages/CDlgDevParamXjSetup.h"
#include "pages/CDlgDevSetup.h"
#include "pages/CDlgFromServerSetup.h"
#include "pages/CDlgGnssSetup.h"
#include "pages/CDlgMonitorSetup.h"
#include "pages/CDlgNightSetup.h"
#include "pages/CDlgNumPeople.h"
#include "pages/CDlgPhoto.h"
#include "pages/CDlgRegion.h"
#include "pages/CDlgSbChuan.h"
#include "pages/CDlgVideoAlarmParam.h"
#include "pages/PageFixture.h"
#include "text/CodePage.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

constexpr int kBox = CDlgCfgBase::kFirstGroupId;
using Alarm = CDlgAlarmSetup;
using Car = CDlgCarSetup;
using Dev = CDlgDevSetup;
using Ex = CDlgDevParamEx;
using Gnss = CDlgGnssSetup;
using Id = CDlgSbChuan;
using Monitor = CDlgMonitorSetup;
using Night = CDlgNightSetup;
using Photo = CDlgPhoto;
using Region = CDlgRegion;
using Server2 = CDlgFromServerSetup;
using Wake = CDlgVideoAlarmParam;
using Xj = CDlgDevParamXjSetup;

Bytes U32(uint32_t id, uint32_t v) {
    return NumberItem(id, v);
}
Bytes U16(uint32_t id, uint32_t v) {
    return NumberItem(id, v, 2);
}
// head, then zeros to size bytes.
Bytes Padded(std::initializer_list<uint8_t> head, size_t size) {
    Bytes value(head);
    value.resize(size);
    return value;
}

class PageCases : public AnyPageFixture {
  protected:
    void SetUp() override {
        AnyPageFixture::SetUp();
        ASSERT_TRUE(SetAnsiCharset("GBK"));  // the terminals' charset
    }
    // A fresh page of that number, made as the window makes it.
    void Make(int number, const DeviceProfile& device = {}) {
        if (m_base != nullptr) m_base->Destroy();
        TheParamCache() = {};
        TheHostRecord() = {};
        TheDeviceProfile() = device;
        m_made = FindPage(number)->make();
        Open(*m_made);
    }
    void RunAll(std::span<const PageCase> cases) {
        for (size_t i = 0; i < cases.size(); ++i) {
            const PageCase& c = cases[i];
            SCOPED_TRACE(testing::Message()
                         << "row " << i << ", page " << c.page << ": " << c.what);
            Make(c.page, c.device);
            for (const Act& a : c.script) Do(a);
        }
    }
    template <typename Page>
    Page& Made() {
        return dynamic_cast<Page&>(*m_made);
    }

    std::unique_ptr<CDlgCfgBase> m_made;
};

PageCase Case(int page, const char* what, std::vector<Act> script, DeviceProfile device = {}) {
    return {page, what, std::move(script), device};
}

// --- what a terminal reports and what goes back ---

// Page 2: 粤A10001 in GBK goes back byte for byte.
const Bytes kDevList =
    List({Item(0x81, {0, 44}), Item(0x82, {0x01, 0x00}),
          Item(0x83, {0xD4, 0xC1, 'A', '1', '0', '0', '0', '1'}), Item(0x84, {2}), U32(0x01, 30),
          U32(0x02, 10), U32(0x03, 3), U32(0x04, 10), U32(0x05, 3), U32(0x06, 30), U32(0x07, 3)});

// Page 3, in send order.
const Bytes kMonitorList =
    List({U32(0x45, 1), U32(0x46, 3600), U32(0x47, 0xFFFFFFFF), TextItem(0x49, "10086"),
          TextItem(0x48, "13800138000"), U32(0x70, 3), U32(0x71, 128), U32(0x72, 64), U32(0x73, 64),
          U32(0x74, 128), TextItem(0x40, "02088886666"), TextItem(0x42, "13900139000"),
          TextItem(0x44, "13700137000"), TextItem(0x43, "106900"), TextItem(0x41, "13600136000")});
const Bytes kMonitorBefore = List({U32(0x45, 0), U32(0x70, 5)});

// Page 4: the terminal's order in, the page's order out.
const Bytes kCarIn =
    List({U32(0x55, 100),  U32(0x56, 10),   U32(0x80, 123456), U32(0x57, 14400), U32(0x58, 28800),
          U32(0x59, 1200), U32(0x20, 2),    U32(0x21, 1),      U32(0x5A, 7200),  U32(0x27, 300),
          U32(0x28, 5),    U32(0x29, 30),   U32(0x22, 60),     U16(0x5B, 50),    U16(0x5C, 1800),
          U32(0x2C, 500),  U32(0x2D, 1000), U32(0x2E, 2000),   U32(0x2F, 100),   U32(0x30, 30)});
const Bytes kCarOut =
    List({U32(0x55, 100),  U32(0x56, 10),   U32(0x80, 123456), U32(0x58, 28800), U32(0x57, 14400),
          U32(0x5A, 7200), U32(0x59, 1200), U32(0x20, 2),      U32(0x21, 1),     U32(0x27, 300),
          U32(0x28, 5),    U32(0x29, 30),   U32(0x22, 60),     U32(0x2C, 500),   U32(0x2D, 1000),
          U32(0x2E, 2000), U32(0x2F, 100),  U32(0x30, 30),     U16(0x5B, 50),    U16(0x5C, 1800)});
const Bytes kCarMargins = List({U16(0x5B, 30), U16(0x5C, 600)});
const Bytes kNoReport = List({U32(0x20, 0xFFFFFFFF), U32(0x21, 0xFFFFFFFF)});

// Page 6: a name of the longest length.
Bytes LongAddress() {
    return TextItem(0x26, std::string(255, 'a'));
}
const Bytes kServer2List =
    List({TextItem(0x23, "cmnet"), TextItem(0x24, "u"), TextItem(0x25, "pw"), LongAddress()});

// Page 7: five words, fence radius, period, collision and rollover.
const std::vector<Bytes> kAlarmItems = {
    U32(0x50, 1),       U32(0x51, 0),   U32(0x52, 0x103),           U32(0x53, 0x80000000),
    U32(0x54, 7),       U16(0x31, 500), Item(0x32, {22, 30, 5, 0}), Item(0x5D, {0x0A, 0x19}),
    Item(0x5E, {0, 30})};
const DeviceProfile kLevel1{.protocolLevel = 1};

// Page 9: a loaded mode brings its unit; items go back in send order.
const Bytes kGnssIn = List({Item(0x93, {0, 0, 1, 0}), Item(0x90, {0x05}), Item(0x91, {5}),
                            Item(0x92, {4}), Item(0x94, {11}), U32(0x95, 0xFFFFFFF6)});
const Bytes kGnssOut = List({Item(0x94, {11}), U32(0x95, 0xFFFFFFF6), Item(0x90, {0x05}),
                             Item(0x91, {5}), Item(0x92, {4}), Item(0x93, {0, 0, 1, 0})});

// Page 14: the wake-up record.
Bytes WakeItem(std::initializer_list<uint8_t> head) {
    return Item(0x7C, Padded(head, Wake::kWakeBytes));
}
// Unnamed mode and day bits, an impossible time, and four bytes past the record.
Bytes OddWake() {
    Bytes wake = WakeItem({0xF9, 0xF8, 0xFF, 0xF0, 0x99, 0x99, 0x12, 0x00});
    wake[4] = 24;
    wake.insert(wake.end(), {1, 2, 3, 4});
    return List({U32(0x7A, 0x80000001), Item(0x7B, {45, 3}), wake});
}

// Page 15.
const Bytes kExList = List(
    {U32(0xF800, 0xFFFFFFFF), U32(0xF801, 0), U32(0xF802, 5), U32(0xF003, 0x80000000),
     U32(0xF004, 0x101), Item(0xFF00, {1}), Item(0xFF01, {0}), Item(0xFF02, {40}),
     Item(0xFF03, {1}), Item(0xFF04, {1}), Item(0xFF06, {2}), U16(0xFF0C, 300), Item(0xFF0F, {45}),
     Item(0xFF10, {2}), Item(0xFF11, {0x26, 0x06, 0x30}), Item(0xF803, {1}), Item(0xF804, {0})});

// Page 16: eight windows of start, end and interval.
Bytes Schedule(std::initializer_list<uint8_t> head, size_t size = Region::kRecordSize) {
    return List({Item(0x1015, Padded(head, size))});
}

// Page 17.
Bytes NightList(const Bytes& limit, const Bytes& movement) {
    return List({Item(0xF001, limit), Item(0xF002, movement)});
}

// Hour 24 and a nibble 0x1A.
const Bytes kOddNight = NightList({1, 80, 0x24, 0x00, 0x00, 0x1A, 0x00, 0x00}, Bytes(7, 0));

// Page 18.
const Bytes kModel = Item(0xFF02, Padded({'M', 'D', 'V', 'R', '4', 'C', '1', '0', '7', '8'}, 20));
const Bytes kIdList =
    List({Item(0xFF00, {0x00, 0x1E, 0x4C, 0xA1, 0x00, 0x01}), TextItem(0xFF01, "4401031"), kModel});

const Bytes kGoodMac = List({Item(0xFF00, {0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})});

// Page 19: the phone number goes back under the ID the terminal takes it on.
Bytes XjList(uint32_t phoneId) {
    return List({TextItem(phoneId, "13800001004"), Item(0xF001, {2}), U32(0xF002, 3600),
                 U16(0xF003, 600), U16(0xF004, 30), Item(0xF005, {1}), Item(0xF006, {0}),
                 Item(0xF007, {1}), Item(0xF008, {0})});
}

const PageCase kLoads[] = {
    Case(1, "each width, unsigned, and a foreign ID left out",
         {Got(List({U32(0x50, 0xFFFFFFFF), Item(0x5D, {0x1E, 0x0A}), U16(0x5B, 300),
                    Item(0x5F, {9}), U16(0x5E, 45)})),
          Shows(4360, L"4294967295"), Shows(4372, L"300"), Shows(4380, L"45"), Shows(4376, L"10"),
          Shows(4378, L"30"), Only({0, 11, 13, 14}),
          Sends(List(
              {U32(0x50, 0xFFFFFFFF), U16(0x5B, 300), Item(0x5D, {0x1E, 0x0A}), U16(0x5E, 45)}))}),
    Case(2, "a GBK plate", {Got(kDevList), Shows(Dev::kPlateId, L"粤A10001"), Sends(kDevList)}),
    Case(2, "an unknown colour keeps the selection",
         {Got(List({Item(0x84, {91})})), Got(List({Item(0x84, {7})})), Only({3}),
          Sends(List({Item(0x84, {91})}))}),
    Case(3, "in send order",
         {Got(kMonitorList), Checked({Monitor::kAccAnswerId}), Sends(kMonitorList)}),
    Case(3, "an unknown answer strategy goes back and leaves the radios",
         {Got(kMonitorBefore), Got(List({U32(0x45, 2)})), Only({0}),
          Checked({Monitor::kAutoAnswerId}), Sends(List({U32(0x45, 2)}))}),
    Case(3, "a quality outside 1 to 10 clears the selection",
         {Got(kMonitorBefore), Got(List({U32(0x70, 11)})), Only({5}), Sends(List({U32(0x70, 0)}))}),
    Case(3, "a short quality item reads as its one byte",
         {Got(kMonitorBefore), Got(List({Item(0x70, {4})})), Only({5}),
          Sends(List({U32(0x70, 4)}))}),
    Case(4, "terminal order in, send order out",
         {Checked({-(kBox + 18), -(kBox + 19)}), Got(kCarIn), Checked({Car::kStrategyId + 2}),
          Sends(kCarOut)}),
    Case(4, "reporting never reported sends all ones", {Only({7, 8}), Sends(kNoReport)}),
    Case(4, "a later load without the reporting items keeps them",
         {Got(List({U32(0x20, 1), U32(0x21, 0)})), Got(List({U32(0x55, 80)})), Only({7, 8}),
          Sends(List({U32(0x20, 1), U32(0x21, 0)}))}),
    Case(4, "a value no button stands for",
         {Got(List({U32(0x20, 7), Item(0x21, {1})})), Only({7, 8}),
          Sends(List({U32(0x20, 0xFFFFFFFF), U32(0x21, 1)}))}),
    Case(
        4, "only the first load checks the margin boxes",
        {Got(kCarMargins), Click(kBox + 18), Got(kCarMargins), Checked({-(kBox + 18), kBox + 19})}),
    Case(4, "sub-type 23 takes a new odometer",
         {Got(List({U32(0x80, 5000)})), Only({2}), Keys(Car::kOdometerId, L"1"),
          Shows(Car::kOdometerId, L"15000"), Sends(List({U32(0x80, 15000)}))},
         {.devSubType = 23, .devType = 6}),
    Case(4, "sub-type 29 keeps its odometer",
         {Got(List({U32(0x80, 5000)})), Only({2}), Keys(Car::kOdometerId, L"1"),
          Shows(Car::kOdometerId, L"5000"), Sends(List({}))},
         {.devSubType = 29, .devType = 6}),
    Case(6, "texts; an empty APN is left out, an empty address sent empty",
         {Got(kServer2List), Sends(kServer2List), Typed(Server2::kApnId, L""),
          Typed(Server2::kAddressId, L""),
          Sends(List({TextItem(0x24, "u"), TextItem(0x25, "pw"), Item(0x26, {})}))},
         kLevel1),
    Case(7, "every item",
         {Got(List(kAlarmItems)), Shows(1208, L"2147483648"), Shows(Alarm::kCollisionTimeId, L"25"),
          Shows(Alarm::kCollisionAccelId, L"10"), Sends(List(kAlarmItems))},
         kLevel1),
    Case(7, "below level 1 the newer groups start unchecked",
         {Checked({-(kBox + 6), -(kBox + 7), -(kBox + 8)}),
          Enabled({-Alarm::kPeriodStartId, -Alarm::kRolloverId, 4280}), Got(List(kAlarmItems)),
          Sends(List({kAlarmItems.begin(), kAlarmItems.begin() + 6}))}),
    Case(7, "periods: past the day's end clamped, short read as zeros, long cut to four bytes",
         {Only({6}), Got(List({Item(0x32, {0x1E, 0x3C, 0x05, 0x00})})),
          TimeIs(Alarm::kPeriodStartId, 2359), TimeIs(Alarm::kPeriodEndId, 500),
          Sends(List({Item(0x32, {23, 59, 5, 0})})), Got(List({Item(0x32, {7, 15})})),
          Sends(List({Item(0x32, {7, 15, 0, 0})})), Got(List({Item(0x32, {1, 2, 3, 4, 9, 9})})),
          Sends(List({Item(0x32, {1, 2, 3, 4})}))},
         kLevel1),
    Case(8, "minutes, CH1 and CH2 on, CH1 uploads",
         {Got(List({Item(0x64, {0x00, 0x0B, 0x01, 0x03})})), Only({0}),
          Shows(Photo::kTimeIntervalId, L"5"), Shows(Photo::kTimeHintId, L"(1~32767)"),
          Checked({4000, 4001, -4002, 4008, -4009}),
          Sends(List({Item(0x64, {0x00, 0x0B, 0x01, 0x03})}))}),
    Case(8, "largest interval in seconds",
         {Got(List({Item(0x64, {0xFF, 0xFE, 0x00, 0x00})})), Only({0}),
          Shows(Photo::kTimeIntervalId, L"32767"), Shows(Photo::kTimeHintId, L"(5~32767)"),
          Sends(List({Item(0x64, {0xFF, 0xFE, 0x00, 0x00})}))}),
    Case(8, "fixed channels keep their bits; a short word reads zeros",
         {Got(List({Item(0x64, {0x00, 0x0A, 0xE0, 0xE0})})), Only({0}),
          Checked({-4004, 4005, 4006, 4007, -4012, 4013, 4014, 4015}),
          Sends(List({Item(0x64, {0x00, 0x0A, 0xE0, 0xE0})})),
          Got(List({Item(0x64, {0x00, 0x0B})})), Sends(List({Item(0x64, {0x00, 0x0B, 0, 0})}))}),
    Case(8, "the operator edits both words",
         {Got(List({Item(0x65, {0x00, 0xC9, 0, 0}), Item(0x64, {0x00, 0x0B, 0, 0})})), Click(4002),
          Click(4024), Pick(Photo::kDistanceUnitId, 0),
          Shows(Photo::kDistanceHintId, L"(100~32767)"), Typed(Photo::kDistanceIntervalId, L"500"),
          Sends(
              List({Item(0x64, {0x00, 0x0B, 0x00, 0x04}), Item(0x65, {0x03, 0xE8, 0x01, 0x00})}))}),
    Case(9, "a mode brings its unit",
         {Got(kGnssIn), Shows(Gnss::kUploadValueId, L"-10"), Shows(Gnss::kUploadUnitId, L"(秒,s)"),
          Sends(kGnssOut)}),
    Case(9, "high constellation bits never go back",
         {Got(List({Item(0x90, {0xFF})})), Only({1}), Sends(List({Item(0x90, {0x0F})}))}),
    Case(9, "an unknown baud rate keeps the selection",
         {Got(List({Item(0x91, {5})})), Got(List({Item(0x91, {6})})), Only({2}),
          Sends(List({Item(0x91, {5})}))}),
    Case(9, "a short collection item reads zeros",
         {Got(List({Item(0x93, {0x01})})), Only({4}), Sends(List({Item(0x93, {0x01, 0, 0, 0})}))}),
    Case(10, "channel 2, extended frame, bus 291",
         {Got(List({Item(0x110, {0, 0, 0, 0x64, 0xC0, 0, 0x01, 0x23})})),
          Shows(CDlgCanSetup::kRuleIntervalId, L"100"), Shows(CDlgCanSetup::kBusId, L"291"),
          Selected(CDlgCanSetup::kChannelId, 1), Selected(CDlgCanSetup::kFrameTypeId, 1),
          Selected(CDlgCanSetup::kMethodId, 0)}),
    Case(10, "a clear bit keeps the selection; a short item reads zeros",
         {Got(List({Item(0x110, {0, 0, 0, 0x64, 0xE0, 0, 0x01, 0x23})})),
          Got(List({Item(0x110, {0xFF, 0xFF, 0xFF, 0xFF, 0x1F})})),
          Shows(CDlgCanSetup::kRuleIntervalId, L"-1"), Shows(CDlgCanSetup::kBusId, L"520093696"),
          Selected(CDlgCanSetup::kChannelId, 1), Selected(CDlgCanSetup::kFrameTypeId, 1),
          Selected(CDlgCanSetup::kMethodId, 1)}),
    Case(14, "the record's fields; overlapping periods refused",
         {Got(List({WakeItem(
              {0x07, 0x07, 0x7F, 0x03, 0x08, 0x00, 0x12, 0x00, 0x11, 0x30, 0x13, 0x00})})),
          Checked({4033, 4034, 4035, 4032, 4036, 4037, 4208, 4214, 4215, 4216, -4217}),
          Enabled({Wake::kFirstEndId + 1, -(Wake::kFirstEndId + 2)}),
          TimeIs(Wake::kFirstStartId + 1, 1130), Refused(L"时间段1与时间段2重叠"), Only({1}),
          Sends(List({Item(0x7B, {0, 0})}))}),
    Case(14, "bytes without controls go back",
         {Got(OddWake()), Shows(Wake::kMaskId, L"-2147483647"), Sends(OddWake())}),
    Case(15, "every item",
         {Got(kExList), Shows(Ex::kFirstMaskId, L"-1"), Shows(Ex::kFirstMaskId + 3, L"-2147483648"),
          Shows(Ex::kLoadId, L"300"), Shows(Ex::kValidityNoteId, L""),
          Checked({Ex::kDetectionId + 2, Ex::kCanReportId + 2}), Sends(kExList)}),
    Case(15, "radio values no button stands for",
         {Only({10, 13}), Got(List({Item(0xFF06, {5}), Item(0xFF10, {1})})),
          Checked({-Ex::kDetectionId, -(Ex::kDetectionId + 1), -(Ex::kDetectionId + 2),
                   -(Ex::kDetectionId + 3), Ex::kCanReportId + 1}),
          Sends(List({Item(0xFF06, {0}), Item(0xFF10, {1})})), Click(Ex::kDetectionId + 3),
          Sends(List({Item(0xFF06, {3}), Item(0xFF10, {1})}))}),
    Case(16, "a plain schedule",
         {Got(Schedule({0x08, 0x30, 0x17, 0x45, 15, 0x22, 0x00, 0x06, 0x00, 255})),
          TimeIs(Region::kFirstStartId, 830), TimeIs(Region::kFirstEndId + 1, 600),
          Shows(Region::kFirstIntervalId + 1, L"255"), Shows(Region::kFirstIntervalId + 2, L"0"),
          Sends(Schedule({0x08, 0x30, 0x17, 0x45, 15, 0x22, 0x00, 0x06, 0x00, 255}))}),
    Case(16, "23 59 00 00 FF",
         {Got(Schedule({0x23, 0x59, 0x00, 0x00, 0xFF})), TimeIs(Region::kFirstStartId, 2359),
          Sends(Schedule({0x23, 0x59, 0x00, 0x00, 0xFF}))}),
    Case(16, "hour 24 and a minute nibble above 9 keep the picker",
         {Clock(Region::kFirstStartId, 70809), Got(Schedule({0x24, 0x00, 0x01, 0x00, 1})),
          TimeIs(Region::kFirstStartId, 708), Sends(Schedule({0x24, 0x00, 0x01, 0x00, 1})),
          Got(Schedule({0x12, 0x5A, 0x13, 0x00, 1})), TimeIs(Region::kFirstStartId, 708),
          Sends(Schedule({0x12, 0x5A, 0x13, 0x00, 1}))}),
    Case(16, "a nibble 0x1A shows as 20 yet goes back as 1A",
         {Got(Schedule({0x1A, 0x00, 0x21, 0x00, 1})), TimeIs(Region::kFirstStartId, 2000),
          Sends(Schedule({0x1A, 0x00, 0x21, 0x00, 1}))}),
    Case(16, "a longer record keeps its tail, a short one reads zeros",
         {Got(Schedule({0x01, 0x00, 0x02, 0x00, 3}, 45)),
          Sends(Schedule({0x01, 0x00, 0x02, 0x00, 3}, 45)),
          Got(Schedule({0x08, 0x30, 0x09, 0x00, 5, 0x10}, 6)),
          Sends(Schedule({0x08, 0x30, 0x09, 0x00, 5, 0x10}))}),
    Case(16, "the operator's times and intervals; no number is 0",
         {Got(Schedule({0x24, 0x99, 0x1A, 0x00, 1})), Clock(Region::kFirstStartId, 83000),
          Clock(Region::kFirstEndId, 83000), Typed(Region::kFirstIntervalId, L"15"),
          Typed(Region::kFirstIntervalId + 7, L"abc"),
          Sends(Schedule({0x08, 0x30, 0x08, 0x30, 15}))}),
    Case(16, "a window may start at its end but not after it",
         {Got(Schedule({0x22, 0x00, 0x06, 0x00, 10})), Clock(Region::kFirstEndId + 2, 90000),
          Clock(Region::kFirstStartId + 2, 90100), Refused(L"时段的开始时间不能晚于结束时间"),
          Clock(Region::kFirstStartId + 2, 90000),
          Sends(Schedule({0x22, 0x00, 0x06, 0x00, 10, 0, 0, 0, 0, 0, 0x09, 0x00, 0x09, 0x00}))}),
    Case(17, "untouched: switches off and midnight",
         {Shows(Night::kPercentId, L""), Shows(Night::kLimitSwitchId, L"关闭"),
          Sends(NightList(Bytes(8, 0), Bytes(7, 0)))}),
    Case(17, "plain records",
         {Got(NightList({1, 80, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0x23, 0, 0, 0x05, 0, 0})),
          Shows(Night::kPercentId, L"80"),
          Sends(NightList({1, 80, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0x23, 0, 0, 0x05, 0, 0}))}),
    Case(17, "odd BCD goes back untouched; the pickers keep or read it",
         {Clock(Night::kLimitStartId, 210000), Got(kOddNight), TimeIs(Night::kLimitStartId, 2100),
          TimeIs(Night::kLimitEndId, 2000), Sends(kOddNight),
          Got(NightList({0, 50, 0x24, 0, 0, 0x1A, 0x5F, 0x99},
                        {0, 0x2B, 0x61, 0, 0x99, 0x99, 0x99})),
          Sends(NightList({0, 50, 0x24, 0, 0, 0x1A, 0x5F, 0x99},
                          {0, 0x2B, 0x61, 0, 0x99, 0x99, 0x99}))}),
    Case(17, "any switch byte but 0 is on",
         {Got(NightList({5, 10, 0, 0, 0, 0, 0, 0}, {0xFF, 0, 0, 0, 0, 0, 0})),
          Sends(NightList({1, 10, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0}))}),
    Case(17, "a percentage above 100 goes as 100; short records read zeros",
         {Got(NightList({0, 200, 0, 0, 0, 0, 0, 0}, Bytes(7, 0))), Shows(Night::kPercentId, L"100"),
          Sends(NightList({0, 100, 0, 0, 0, 0, 0, 0}, Bytes(7, 0))),
          Got(NightList({1, 0x50}, {1, 0x21})),
          Sends(NightList({1, 0x50, 0, 0, 0, 0, 0, 0}, {1, 0x21, 0, 0, 0, 0, 0}))}),
    Case(17, "the operator sets a night limit",
         {Choose(Night::kLimitSwitchId, 1), Typed(Night::kPercentId, L"80"),
          Clock(Night::kLimitStartId, 223000), Clock(Night::kLimitEndId, 60000),
          Choose(Night::kMoveSwitchId, 1), Clock(Night::kMoveEndId, 53015),
          Sends(NightList({1, 0x50, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0, 0, 0, 0x05, 0x30, 0x15}))}),
    Case(18, "seven bytes fill the ID: no terminator needed",
         {Got(kIdList), Shows(Id::kFirstMacId + 1, L"1E"), Shows(Id::kFirstMacId + 3, L"A1"),
          Shows(Id::kManufacturerId, L"4401031"), Shows(Id::kModelId, L"MDVR4C1078"),
          Sends(kIdList)}),
    Case(18, "a short MAC fills the last bytes, a long one gives its first six",
         {Only({0}), Got(List({Item(0xFF00, {0xAA, 0xBB, 0xCC, 0xDD})})),
          Shows(Id::kFirstMacId + 1, L"00"), Shows(Id::kFirstMacId + 2, L"AA"),
          Sends(List({Item(0xFF00, {0, 0, 0xAA, 0xBB, 0xCC, 0xDD})})),
          Got(List({Item(0xFF00, {1, 2, 3, 4, 5, 0xF6, 7, 8})})),
          Sends(List({Item(0xFF00, {1, 2, 3, 4, 5, 0xF6})})), Got(List({Item(0xFF00, {0x7F})})),
          Sends(List({Item(0xFF00, {0, 0, 0, 0, 0, 0x7F})}))}),
    Case(18, "an over-long ID is cut at seven bytes; a shorter one replaces the whole field",
         {Only({1}), Got(List({TextItem(0xFF01, "123456789")})),
          Shows(Id::kManufacturerId, L"1234567"), Sends(List({TextItem(0xFF01, "1234567")})),
          Got(List({TextItem(0xFF01, "88")})),
          Sends(List({Item(0xFF01, {'8', '8', 0, 0, 0, 0, 0})}))}),
    Case(18, "a zero ends the model; a GBK one shows, but only letters and digits go back",
         {Only({2}), Got(List({Item(0xFF02, {'A', 'B', 0, 'C', 'D'})})), Shows(Id::kModelId, L"AB"),
          Sends(List({Item(0xFF02, Padded({'A', 'B'}, 20))})),
          Got(List({Item(0xFF02, {0xB9, 0xFA, 0xB1, 0xEA, 'A', '1'})})),
          Shows(Id::kModelId, L"国标A1"), Refused(L"扩展终端型号：输入的值无效或超出范围")}),
    Case(19, "the phone goes back renamed",
         {Got(XjList(0x0085)), Shows(Xj::kPhoneId, L"13800001004"),
          Shows(Xj::kFixedIntervalId, L"3600"), Checked({Xj::kModeId + 1}), Sends(XjList(0xFF11))}),
    Case(19, "mode 3 and switch 2 show and save as what the buttons stand for",
         {Got(List({Item(0xF001, {3}), Item(0xF006, {2})})), Only({1, 6}),
          Checked({Xj::kModeId, -(Xj::kModeId + 1), Xj::kSimControlId, -(Xj::kSimControlId + 1)}),
          Sends(List({Item(0xF001, {1}), Item(0xF006, {0})}))}),
    Case(19, "a 32-bit standby interval past 16 bits is refused",
         {Got(List({U32(0xF003, 70000)})), Only({3}), Shows(Xj::kStandbyIntervalId, L"70000"),
          Refused(L"待机状态定时上报间隔的值无效!", Xj::kStandbyIntervalId)}),
    Case(19, "an interval above 2^31 keeps its value; a short phone number stays text",
         {Got(List({U32(0xF002, 0xFFFFFFFE), TextItem(0x0085, "1234")})), Only({0, 2}),
          Sends(List({TextItem(0xFF11, "1234"), U32(0xF002, 0xFFFFFFFE)}))}),
    Case(20, "capacity",
         {Got(List({U16(0xF700, 0xFFFF)})), Shows(CDlgNumPeople::kCapacityId, L"65535"),
          Sends(List({U16(0xF700, 0xFFFF)}))}),
};

TEST_F(PageCases, TerminalLists) {
    RunAll(kLoads);
}

// --- the operator's edits ---

// Only group checked and text written into edit; a save sends sent, or refuses with a tip and
// the focus on the edit.
PageCase Edit(int page, int group, int edit, const wchar_t* text, Bytes sent,
              const wchar_t* tip = nullptr, const DeviceProfile& device = {}) {
    return {page,
            "edit",
            {Only({group}), Put(edit, text), tip ? Refused(tip, edit) : Sends(std::move(sent))},
            device};
}
// Page 18 with the MAC good.
PageCase IdEdit(int group, int edit, const wchar_t* text, Bytes sent,
                const wchar_t* tip = nullptr) {
    PageCase c = Edit(18, group, edit, text, std::move(sent), tip);
    c.script.insert(c.script.begin(), Got(kGoodMac));
    return c;
}
// Page 8: an interval in a unit of the group's word.
PageCase PhotoEdit(int group, int unit, const wchar_t* text, Bytes sent) {
    const int edit = group == 0 ? Photo::kTimeIntervalId : Photo::kDistanceIntervalId;
    const wchar_t* tip = group == 0 ? L"定时时间间隔：输入的值无效或超出范围"
                                    : L"定距距离间隔：输入的值无效或超出范围";
    return {8,
            "interval",
            {Got(List({U32(0x64, 0), U32(0x65, 0)})), Only({group}),
             Pick(group == 0 ? Photo::kTimeUnitId : Photo::kDistanceUnitId, unit),
             Typed(edit, text), sent.empty() ? Refused(tip, edit) : Sends(sent)}};
}
// Page 9: the upload value 42 under a mode picked after it.
PageCase GnssMode(int mode, const wchar_t* unit, bool editable, Bytes sent) {
    return {9,
            "upload mode",
            {Only({0}), Pick(Gnss::kUploadModeId, 1), Typed(Gnss::kUploadValueId, L"42"),
             Pick(Gnss::kUploadModeId, mode), Shows(Gnss::kUploadUnitId, unit),
             Enabled({editable ? Gnss::kUploadValueId : -Gnss::kUploadValueId}),
             Sends(std::move(sent))}};
}
// Page 10: the rule interval 100 and one edit under box.
PageCase CanEdit(int box, int edit, const wchar_t* text, Bytes sent) {
    return {10,
            "CAN",
            {Only({box}), Typed(CDlgCanSetup::kRuleIntervalId, L"100"), Typed(edit, text),
             Sends(std::move(sent))}};
}
// Page 14: a wake-up record's periods, refused with tip.
PageCase Periods(std::initializer_list<uint8_t> wake, const wchar_t* tip) {
    const Bytes list = List({WakeItem(wake)});
    return {14, "periods", {Got(list), Only({2}), tip ? Refused(tip) : Sends(list)}};
}
// Page 6: an address in a terminal of that level.
PageCase Address(int level, const wchar_t* text, const char* sent) {
    return Edit(6, 3, Server2::kAddressId, text, List({TextItem(0x26, sent ? sent : "")}),
                sent ? nullptr : L"副服务器地址(IP或域名)：请输入正确的IP地址或域名",
                {.protocolLevel = level});
}

const std::wstring kBadMac = L"MAC地址：输入的值无效或超出范围";

const PageCase kEdits[] = {
    Edit(1, 0, 4360, L"", {0}),  // an empty word sends no item
    Edit(1, 1, 4361, L"-1", List({U32(0x51, 0xFFFFFFFF)})),
    Edit(1, 11, 4372, L"70000", List({U16(0x5B, 0x1170)})),
    Edit(1, 13, 4376, L"300", List({Item(0x5D, {0, 0x2C})})),  // the empty acceleration 0
    Edit(1, 13, 4378, L"79", List({Item(0x5D, {0x4F, 0})})),
    Edit(2, 0, Dev::kProvinceId, L"65536", {}, L"省域ID：输入的值无效或超出范围"),
    Edit(3, 7, 1104, L"128", {}, L"对比度"),
    Edit(3, 1, Monitor::kCallLimitId, L"4294967296", {}, L"每次最长通话时间"),
    Edit(3, 10, Monitor::kPlatformPhoneId, L"020-888", {}, L"监控平台电话号码"),
    Edit(3, 3, 1094, L"+86 10086", List({TextItem(0x49, "+86 10086")})),  // any text
    Edit(4, 0, Car::kMaxSpeedId, L"301", {}, L"最高速度：输入的值无效或超出范围"),
    Edit(4, 13, 4413, L"", List({})),  // an empty interval is left out, not refused
    Edit(4, 19, Car::kFatigueMarginId, L"70000", List({U16(0x5C, 70000 & 0xFFFF)})),
    Address(0, L"a..b", "a..b"),
    Address(0, L"my-host.com", nullptr),
    Address(1, L"my-host.com", "my-host.com"),
    Case(6, "a rejected character",
         {Paste(Server2::kUserId, L"ab中c"), Shows(Server2::kUserId, L"ab")}),
    Edit(7, 1, 1202, L"4294967297", List({U32(0x51, 1)}), nullptr, kLevel1),  // low bits kept
    Edit(7, 5, Alarm::kFenceRadiusId, L"65536", {}, L"电子围栏半径", kLevel1),
    Edit(7, 7, Alarm::kCollisionTimeId, L"300", List({Item(0x5D, {0, 44})}), nullptr, kLevel1),
    Edit(7, 7, Alarm::kCollisionAccelId, L"80", {}, L"碰撞加速度", kLevel1),
    Edit(7, 8, Alarm::kRolloverId, L"", List({U16(0x5E, 0)}), nullptr, kLevel1),
    Case(7, "an empty word is left out of the count",
         {Only({0, 1, 2}), Put(1200, L"3"), Put(1202, L""), Put(1206, L"5"),
          Sends(List({U32(0x50, 3), U32(0x52, 5)}))}),
    PhotoEdit(0, 0, L"4", {}),
    PhotoEdit(0, 1, L"4", List({Item(0x64, {0x00, 0x09, 0x00, 0x00})})),
    PhotoEdit(0, 1, L"32768", {}),
    PhotoEdit(1, 0, L"99", {}),
    PhotoEdit(1, 0, L"100", List({Item(0x65, {0x00, 0xC8, 0x00, 0x00})})),
    PhotoEdit(1, 1, L"1", List({Item(0x65, {0x00, 0x03, 0x00, 0x00})})),
    GnssMode(0, L"", false, List({Item(0x94, {0}), U32(0x95, 0)})),
    GnssMode(2, L"(米,m)", true, List({Item(0x94, {2}), U32(0x95, 42)})),
    GnssMode(13, L"(条)", true, List({Item(0x94, {13}), U32(0x95, 42)})),
    Case(9, "constellations",
         {Only({1}), Click(4504), Click(4507), Sends(List({Item(0x90, {0x09})}))}),
    CanEdit(4, CDlgCanSetup::kBusId, L"291", List({Item(0x110, {0, 0, 0, 0x64, 0, 0, 1, 0x23})})),
    CanEdit(4, CDlgCanSetup::kBusId, L"99999999",  // over 29 bits: the high bits go
            List({Item(0x110, {0, 0, 0, 0x64, 0x05, 0xF5, 0xE0, 0xFF})})),
    CanEdit(1, 4601, L"70000", List({U16(0x101, 0x1170)})),
    CanEdit(0, 4600, L"", List({U32(0x100, 0)})),
    Case(10, "the rule word from its lists",
         {Only({4}), Pick(CDlgCanSetup::kChannelId, 1), Pick(CDlgCanSetup::kMethodId, 1),
          Typed(CDlgCanSetup::kRuleIntervalId, L"100"), Typed(CDlgCanSetup::kBusId, L"291"),
          Sends(List({Item(0x110, {0, 0, 0, 0x64, 0xA0, 0, 0x01, 0x23})}))}),
    // An earlier period starting inside a later one; a later one inside an earlier one is not
    // tested; identical periods; a disabled period; only the last overlap is named.
    Periods({2, 0, 0, 3, 0x23, 0x00, 0x23, 0x30, 0x22, 0x00, 0x02, 0x00}, L"时间段1与时间段2重叠"),
    Periods({2, 0, 0, 3, 0x22, 0x00, 0x02, 0x00, 0x23, 0x00, 0x23, 0x30}, nullptr),
    Periods({2, 0, 0, 3, 0x08, 0x00, 0x09, 0x00, 0x08, 0x00, 0x09, 0x00}, nullptr),
    Periods({2, 0, 0, 1, 0x08, 0x00, 0x12, 0x00, 0x09, 0x00, 0x10, 0x00}, nullptr),
    Periods({2, 0, 0, 7, 0x08, 0x00, 0x10, 0x00, 0x07, 0x00, 0x09, 0x45, 0x09, 0x30, 0x11, 0x00},
            L"时间段2与时间段3重叠"),
    Case(14, "the operator's record",
         {Only({0, 1, 2}), Typed(Wake::kMaskId, L"4294967295"), Typed(Wake::kPassengersId, L"300"),
          Typed(Wake::kFatigueId, L""), Click(Wake::kTimedWakeId), Click(Wake::kFirstPeriodId),
          Clock(Wake::kFirstStartId, 70500), Clock(Wake::kFirstEndId, 184500),
          Sends(List({U32(0x7A, 0xFFFFFFFF), Item(0x7B, {44, 0}),
                      WakeItem({0x02, 0, 0, 0x01, 0x07, 0x05, 0x18, 0x45})}))}),
    Edit(15, 7, Ex::kSpeedLimitId, L"256", {}, L"车辆限速的值无效!"),
    Edit(15, 7, Ex::kSpeedLimitId, L"", List({Item(0xFF02, {0})})),  // no limit
    Edit(15, 0, Ex::kFirstMaskId, L"4294967295", List({U32(0xF800, 0xFFFFFFFF)})),
    Edit(15, 4, Ex::kFirstMaskId + 4, L"4294967296", {}, L"报警关键标志"),  // refused, not cut
    Edit(15, 3, Ex::kFirstMaskId + 3, L"", List({U32(0xF003, 0)})),
    IdEdit(0, Id::kFirstMacId, L"A", List({Item(0xFF00, {0x0A, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})})),
    IdEdit(0, Id::kFirstMacId + 3, L"ZZ", {}, kBadMac.c_str()),
    IdEdit(0, Id::kFirstMacId + 5, L"", {}, kBadMac.c_str()),
    IdEdit(1, Id::kManufacturerId, L"ABC", List({Item(0xFF01, {'A', 'B', 'C', 0, 0, 0, 0})})),
    IdEdit(1, Id::kManufacturerId, L"12-45", {}, L"扩展制造商ID：输入的值无效或超出范围"),
    IdEdit(2, Id::kModelId, L"", List({Item(0xFF02, Bytes(20, 0))})),
    IdEdit(2, Id::kModelId, L"ABCDEFGHIJ0123456789",  // no terminator
           List({TextItem(0xFF02, "ABCDEFGHIJ0123456789")})),
    IdEdit(2, Id::kModelId, L"MDVR 1078", {}, L"扩展终端型号：输入的值无效或超出范围"),
    Case(18, "the first failing field in box order names itself",
         {Got(kGoodMac), Only({0, 2}), Put(Id::kFirstMacId + 1, L"G1"), Put(Id::kModelId, L"国标"),
          Refused(kBadMac, Id::kFirstMacId + 1)}),
    Edit(19, 0, Xj::kPhoneId, L"", List({Item(0xFF11, {})})),
    Edit(19, 2, Xj::kFixedIntervalId, L"4294967296", {}, L"超长待机设备固定上报模式的值无效!"),
    Edit(19, 4, Xj::kVibrationIntervalId, L"", List({U16(0xF004, 0)})),
    Case(19, "switches start off and go in box order",
         {Only({8, 5, 1}), Click(Xj::kOverspeedControlId + 1),
          Sends(List({Item(0xF001, {1}), Item(0xF005, {0}), Item(0xF008, {1})}))}),
    Edit(20, -1, CDlgNumPeople::kCapacityId, L"45", List({U16(0xF700, 45)})),
    Edit(20, -1, CDlgNumPeople::kCapacityId, L"65536", {}, L""),
    Edit(20, -1, CDlgNumPeople::kCapacityId, L"", {}, L""),
};

TEST_F(PageCases, OperatorEdits) {
    RunAll(kEdits);
}

// --- boxes, buttons and clamps ---

// An edit's text from before after typing typed, or a spin step without.
PageCase Clamp(int page, int edit, int spin, const wchar_t* before, const wchar_t* typed, int step,
               const wchar_t* shown) {
    return {page,
            "clamp",
            {Put(edit, before), typed ? Typed(edit, typed) : Spin(spin, step), Shows(edit, shown)}};
}
constexpr int kInterval3 = Region::kFirstIntervalId + 3, kSpin3 = Region::kFirstSpinId + 3;

const PageCase kControls[] = {
    Case(1, "a word box off keeps its mask button; on again",
         {Click(kBox + 13), Click(kBox), Enabled({-4376, -4378, -4360, 4280, 4361}),
          Click(kBox + 13), Enabled({4376, 4378})}),
    Case(8, "fixed channels stay disabled",
         {Only({0, 1}), Enabled({-4005, -4013, -4021, -4031, 4004, 4012, 4020, 4028})}),
    Case(14, "wake-up modes, periods and days",
         {Got(List({WakeItem({0x00})})), Only({2}), Enabled({-4032, -4208}),
          Click(Wake::kConditionWakeId), Enabled({4032}), Click(Wake::kTimedWakeId),
          Enabled({4208, -Wake::kFirstStartId}), Click(Wake::kFirstPeriodId),
          Enabled({Wake::kFirstStartId}), Click(Wake::kEveryDayId), Click(Wake::kEveryDayId),
          Enabled({-4208}), Click(kBox + 2), Enabled({-4032, -Wake::kFirstStartId})}),
    Case(18, "boxes switch their own fields",
         {Click(kBox), Enabled({-Id::kFirstMacId, -(Id::kFirstMacId + 5), Id::kManufacturerId}),
          Click(kBox + 1), Enabled({-Id::kManufacturerId, Id::kModelId}), Click(kBox + 2),
          Enabled({-Id::kModelId})}),
    Clamp(16, kInterval3, kSpin3, L"", L"300", 0, L"255"),
    Clamp(16, kInterval3, kSpin3, L"", L"-5", 0, L"0"),
    Clamp(16, kInterval3, kSpin3, L"255", nullptr, 1, L"255"),
    Clamp(16, kInterval3, kSpin3, L"", nullptr, 1, L"1"),
    Clamp(16, kInterval3, kSpin3, L"abc", nullptr, 0, L"abc"),
    Clamp(17, Night::kPercentId, Night::kPercentSpinId, L"", L"150", 0, L"100"),
    Clamp(17, Night::kPercentId, Night::kPercentSpinId, L"100", nullptr, 1, L"100"),
    Clamp(17, Night::kPercentId, Night::kPercentSpinId, L"0", nullptr, -1, L"0"),
    Clamp(17, Night::kPercentId, Night::kPercentSpinId, L"42", nullptr, -1, L"41"),
};

TEST_F(PageCases, BoxesButtonsAndClamps) {
    RunAll(kControls);
}

// --- what no row holds ---

// Page 1: Escape leaves the alarm-mask popup open; its hidden Cancel writes nothing back.
TEST_F(PageCases, FirstPagePopupKeysAndItsHiddenCancel) {
    Make(1);
    m_driver.Type(4360, L"0");
    bool open = false;
    m_automation.OnNextModal([&open](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.PressKey(CDlgAlarmMask::kListId, ui::kKeyEscape);
        open = popup.IsValid() && !popup.View()->ModalResult();
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_TRUE(open);
    EXPECT_EQ(Text(4360), L"1");
    m_automation.OnNextModal([](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 1);
        popup.Click(CDlgAlarmMask::kCancelId);
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_EQ(Text(4360), L"1");
}

// Page 2: a multi-device save asks before sending the plate.
TEST_F(PageCases, DevSetupMultiSaveAsksForThePlate) {
    Make(2);
    Load(List({TextItem(0x83, "B1"), U32(0x01, 30)}));
    CheckOnly({2, 4});
    std::array<uint8_t, 2048> list{};
    uint32_t length = 0;
    struct Case {
        bool multi;
        int answer;
        Bytes built;
    } cases[] = {
        {true, 0, List({U32(0x01, 30)})},
        {false, 0, List({U32(0x01, 30)})},  // a declined plate stays out
        {true, 1, List({TextItem(0x83, "B1"), U32(0x01, 30)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        m_tips.Clear();
        m_tips.AnswerNext({c.answer});
        Made<Dev>().SetMultiSave(c.multi);
        ASSERT_TRUE(Made<Dev>().ValidateInput());
        EXPECT_EQ(m_tips.PendingAnswers(), c.multi ? 0u : 1u);
        ASSERT_TRUE(Made<Dev>().BuildParamList(list, &length));
        EXPECT_EQ(Bytes(list.begin(), list.begin() + length), c.built);
    }
}

// Page 14: the mask popup follows its group and writes back.
TEST_F(PageCases, VideoAlarmMaskPopup) {
    Make(14);
    CheckOnly({1});
    EXPECT_FALSE(m_driver.Click(Wake::kMaskButtonId));
    CheckOnly({0});
    Enter(Wake::kMaskId, L"2");
    m_automation.OnNextModal([](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(Wake::kMaskButtonId));
    EXPECT_EQ(Text(Wake::kMaskId), L"3");
}

// Page 15: bytes that are no date stay as they are until the operator picks one.
TEST_F(PageCases, DevParamExValidityBytes) {
    struct Case {
        Bytes value;
        bool isDate;
    } cases[] = {
        {{0x24, 0x02, 0x29}, true},  {{0, 0, 0}, false},          {{0x99, 0x13, 0x01}, false},
        {{0x23, 0x02, 0x29}, false}, {{0x2A, 0x01, 0x01}, false},
    };
    Make(15);
    CheckOnly({14});
    for (const Case& c : cases) {
        Load(List({Item(0xFF11, c.value)}));
        EXPECT_EQ(Text(Ex::kValidityNoteId).empty(), c.isDate) << Text(Ex::kValidityNoteId);
        EXPECT_EQ(Save(), List({Item(0xFF11, c.value)}));
    }
    Load(List({Item(0xFF11, {0x24, 0x12})}));  // a short item reads day 0
    EXPECT_NE(Text(Ex::kValidityNoteId).find(L"24 12 00"), std::wstring::npos);
    EXPECT_EQ(Save(), List({Item(0xFF11, {0x24, 0x12, 0x00})}));
    ASSERT_TRUE(m_driver.SetTime(Ex::kValidityId, {2027, 1, 15}));
    EXPECT_EQ(Text(Ex::kValidityNoteId), L"");
    EXPECT_EQ(Save(), List({Item(0xFF11, {0x27, 0x01, 0x15})}));
}

TEST_F(PageCases, DevParamExLogsTheSentListUnderItsCaption) {
    const std::filesystem::path log = Folder() / "devparamex.log";
    std::filesystem::remove(log);
    CLogFile2::Instance().SetFile(log);
    Make(15);
    CheckOnly({5});
    EXPECT_FALSE(Save().empty());
    CLogFile2::Instance().SetFile(Folder() / "other.log");  // closes the file
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("DevParamEx"), std::string::npos) << text.str();
}

// Page 16: an untouched page sends the time it was made in every window.
TEST_F(PageCases, RegionUntouchedSendsItsInitialisationTime) {
    Make(16);
    const ui::DateTime init = m_driver.Time(Region::kFirstStartId);
    const auto bcd = [](int v) { return static_cast<uint8_t>(v / 10 * 16 + v % 10); };
    const Bytes window{bcd(init.hour), bcd(init.minute), bcd(init.hour), bcd(init.minute), 0};
    Bytes value;
    for (int r = 0; r < 8; ++r) value.insert(value.end(), window.begin(), window.end());
    EXPECT_EQ(Save(), List({Item(0x1015, value)}));
}

// A host that writes an edit behind the page's back bypasses the clamp.
class UnclampedRegion : public CDlgRegion {
  protected:
    bool OnNotify(const ui::Notification& n) override {
        return n.event == ui::Event::TextChange || CDlgRegion::OnNotify(n);
    }
};

TEST_F(PageCases, RegionIntervalAbove255IsRefusedWithFocusOnIt) {
    UnclampedRegion page;
    Open(page);
    for (const wchar_t* text : {L"256", L"-1"}) {
        page.View().SetText(Region::kFirstIntervalId + 5, text);
        m_driver.Focus(Region::kFirstIntervalId);
        ExpectSave({}, L"输入的值无效或超出范围");
        EXPECT_TRUE(m_driver.Focused(Region::kFirstIntervalId + 5));
    }
    page.Destroy();
    m_base = nullptr;
}

// Page 18: keys go where the focus is, and a full byte moves on to the next.
TEST_F(PageCases, IdentityTypingTheAddress) {
    Make(18);
    const auto typeAtFocus = [&](std::wstring_view keys) {
        for (wchar_t key : keys) m_driver.Type(m_base->View().FocusedId(), {&key, 1});
    };
    m_driver.Focus(Id::kFirstMacId);
    typeAtFocus(L"00g1a-2B3C4d5e");  // g and - are not typed
    const wchar_t* const mac[] = {L"00", L"1A", L"2B", L"3C", L"4D", L"5E"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(Id::kFirstMacId + i), mac[i]);
    EXPECT_TRUE(m_driver.Focused(Id::kFirstMacId + 5));  // the last byte does not move on
    m_driver.Focus(Id::kFirstMacId);
    m_base->View().SelectText(Id::kFirstMacId, 0, -1);
    typeAtFocus(L"ff07");  // moving on selects the next byte, so typing replaces it
    EXPECT_EQ(Text(Id::kFirstMacId), L"FF");
    EXPECT_EQ(Text(Id::kFirstMacId + 1), L"07");
    EXPECT_TRUE(m_driver.Focused(Id::kFirstMacId + 2));
    m_driver.Focus(Id::kFirstMacId);
    Load(List({Item(0xFF00, {1, 2, 3, 4, 5, 6})}));
    EXPECT_TRUE(m_driver.Focused(Id::kFirstMacId));  // a load leaves the focus
}

}  // namespace
}  // namespace mdvr::test
