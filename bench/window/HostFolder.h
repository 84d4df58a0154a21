#pragma once
// The host folder a timing run uses: a device that offers every page but two, the host settings
// that switch the optional pages on, the language file and theme images for every skinned
// button. Files are dated an hour back, as a host's installed files are.
#include <string>

namespace mdvr::wintest {

// Device 1002 of the written registry.
constexpr int kTimingDevice = 1002;

// Writes the folder under parent; false when a file could not be written.
bool WriteHostFolder(const std::wstring& folder, const std::wstring& languageSource);

}  // namespace mdvr::wintest
