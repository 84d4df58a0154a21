#include "frame/PageTable.h"

#include "pages/CDlgAVChannelList.h"
#include "pages/CDlgAlarmSetup.h"
#include "pages/CDlgCanSetup.h"
#include "pages/CDlgCarSetup.h"
#include "pages/CDlgDevParamEx.h"
#include "pages/CDlgDevParamXjSetup.h"
#include "pages/CDlgDevSetup.h"
#include "pages/CDlgFirstPage.h"
#include "pages/CDlgFromServerSetup.h"
#include "pages/CDlgGnssSetup.h"
#include "pages/CDlgMonitorSetup.h"
#include "pages/CDlgNightSetup.h"
#include "pages/CDlgNumPeople.h"
#include "pages/CDlgPhoto.h"
#include "pages/CDlgRegion.h"
#include "pages/CDlgSbChuan.h"
#include "pages/CDlgServerSetup.h"
#include "pages/CDlgVideoAlarmParam.h"
#include "pages/CDlgVideoParam.h"
#include "pages/CDlgVideoPararmAlone.h"

namespace mdvr {

namespace {

using Profile = DeviceProfile;
using Switches = HostSwitches;

template <typename Page>
std::unique_ptr<CDlgCfgBase> Make() {
    return std::make_unique<Page>();
}

bool Always(const Profile&, const Switches&) { return true; }
bool WithLevel(const Profile& p, const Switches&) { return p.protocolLevel >= 1; }
bool VideoVariant(const Profile& p, const Switches&) { return p.IsVideoVariant(); }
// The video pages of sub-type 23 devices, or of the JT/T 1078 variant.
bool VideoPages(const Profile& p, const Switches&) {
    return p.IsVideoVariant() || p.HasSubType(23);
}
bool ExtParams(const Profile& p, const Switches& s) { return s.extParams && p.HasSubType(23); }
bool Schedule(const Profile& p, const Switches&) {
    return !p.IsVideoVariant() && p.HasSubType(24);
}
bool NightDriving(const Profile& p, const Switches&) {
    return !p.IsVideoVariant() && p.HasSubType(23);
}
bool IdentityModel(const Profile& p, const Switches&) {
    return p.modelCode == 7 || p.modelCode == 10;
}
bool RegionParams(const Profile&, const Switches& s) { return s.regionParams; }
bool Passengers(const Profile&, const Switches& s) { return s.passengers; }

constexpr PageInfo kPages[kPageCount] = {
    {1, {11011}, &Make<CDlgFirstPage>, &Always},
    {2, {14001}, &Make<CDlgDevSetup>, &Always},
    {3, {14002}, &Make<CDlgMonitorSetup>, &Always},
    {4, {14005}, &Make<CDlgCarSetup>, &Always},
    {5, {14004}, &Make<CDlgServerSetup>, &Always},
    {6, {14009}, &Make<CDlgFromServerSetup>, &WithLevel},
    {7, {14000}, &Make<CDlgAlarmSetup>, &Always},
    {8, {17500}, &Make<CDlgPhoto>, &Always},
    {9, {14008}, &Make<CDlgGnssSetup>, &Always},
    {10, {14010}, &Make<CDlgCanSetup>, &WithLevel},
    {11, {18100}, &Make<CDlgVideoParam>, &VideoPages},
    {12, {18101}, &Make<CDlgAVChannelList>, &VideoPages},
    {13, {18102}, &Make<CDlgVideoPararmAlone>, &VideoPages},
    {14, {18300}, &Make<CDlgVideoAlarmParam>, &VideoVariant},
    {15, {0, L"参数扩展"}, &Make<CDlgDevParamEx>, &ExtParams},
    {16, {18000}, &Make<CDlgRegion>, &Schedule},
    {17, {18200}, &Make<CDlgNightSetup>, &NightDriving},
    {18, {18700}, &Make<CDlgSbChuan>, &IdentityModel},
    {19, {0, L"终端参数扩展"}, &Make<CDlgDevParamXjSetup>, &RegionParams},
    {20, {0, L"核载人数"}, &Make<CDlgNumPeople>, &Passengers},
};

}  // namespace

std::span<const PageInfo> PageTable() {
    return kPages;
}

const PageInfo* FindPage(int number) {
    if (number < 1 || number > kPageCount) return nullptr;
    return &kPages[number - 1];
}

std::wstring PageTitle(int number) {
    const PageInfo* page = FindPage(number);
    return page != nullptr ? ui::CaptionText(page->title) : std::wstring{};
}

}  // namespace mdvr
