#include "host/CConfigTesselINI.h"

#include <string>

namespace mdvr {

namespace {
constexpr wchar_t kSection[] = L"Settings";
}

CConfigTesselINI& CConfigTesselINI::Instance() {
    static CConfigTesselINI instance;
    return instance;
}

CConfigTesselINI::CConfigTesselINI() : m_file(L"HostSettings.ini") {}

int CConfigTesselINI::ReadIniInt(int number) const {
    return m_file.GetInt(kSection, std::to_wstring(number), 0);
}

int CConfigTesselINI::CheckMode() const {
    return m_file.GetInt(kSection, L"CheckMode", 0);
}

int IsCheckMode() {
    return CConfigTesselINI::Instance().CheckMode();
}

}  // namespace mdvr
