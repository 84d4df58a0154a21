#pragma once
// Display names of the JT/T 808 alarm bits and the JT/T 1078 video alarm bits. A host may
// rename any bit in HostAlarmNames.ini ([Alarm] and [VideoAlarm], keys are bit numbers); an
// empty value leaves that bit without a name, and Defaults=0 in a section drops the standard
// names of every bit the section does not name.
#include <string>

#include "host/CHostFile.h"

namespace mdvr {

class CMgrJTT {
  public:
    static CMgrJTT& Instance();
    CMgrJTT();

    // The name of bit 0..31 of the alarm word; empty for reserved bits and other numbers.
    std::wstring GetAlarmBitString(int bit) const;
    // The name of bit 0..31 of the video alarm word; empty for bits the standard does not use.
    std::wstring GetVideoAlarmBitString(int bit) const;

  private:
    CHostFile m_file;
};

}  // namespace mdvr
