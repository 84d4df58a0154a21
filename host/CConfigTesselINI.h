#pragma once
// The host's numbered settings, backed by HostSettings.ini in the host folder:
// [Settings] with keys "<number>=<integer>" and CheckMode=.
#include "host/CHostFile.h"

namespace mdvr {

class CConfigTesselINI {
  public:
    static CConfigTesselINI& Instance();
    CConfigTesselINI();

    // The setting's integer (1100, 1103 and 1108 switch optional pages on); 0 when absent.
    int ReadIniInt(int number) const;
    int CheckMode() const;

  private:
    CHostFile m_file;
};

// Non-zero while the host runs in its check mode.
int IsCheckMode();

}  // namespace mdvr
