#pragma once
// The twenty pages of the main window in one table: number, title, the class that makes the
// page, and the rule that offers it for the current device and host settings.
#include <memory>
#include <span>
#include <string>

#include "pagebase/CDlgCfgBase.h"
#include "protocol/DeviceProfile.h"
#include "ui/Types.h"

namespace mdvr {

// The host settings that switch optional pages on.
struct HostSwitches {
    bool extParams = false;     // setting 1100: page 15 where the device has it
    bool regionParams = false;  // setting 1103: page 19
    bool passengers = false;    // setting 1108: page 20
};

struct PageInfo {
    int number = 0;
    ui::Caption title;
    std::unique_ptr<CDlgCfgBase> (*make)() = nullptr;  // null while the page is not built
    bool (*offered)(const DeviceProfile&, const HostSwitches&) = nullptr;
};

inline constexpr int kPageCount = 20;

// Pages 1 to 20 in number order.
std::span<const PageInfo> PageTable();
// The entry of a page number, or null.
const PageInfo* FindPage(int number);
// A page's title text; empty for a number that is no page.
std::wstring PageTitle(int number);

}  // namespace mdvr
