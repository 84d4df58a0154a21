#pragma once
// One of the host's plain settings files (HostDevices.ini, HostSettings.ini, ...), read lazily
// from the host folder and kept until the folder changes or a reload is asked for.
#include <memory>
#include <string>
#include <string_view>

#include "text/CProfileFile.h"

namespace mdvr {

class CHostFile {
  public:
    explicit CHostFile(std::wstring_view fileName);

    // The folder of every host file, with or without a trailing separator. Empty (the default)
    // means the application path. Changing it makes every host file read again on next use.
    static void SetFolder(std::wstring_view folder);
    static std::wstring Folder();
    // Makes every host file read again on next use (after a host edited them).
    static void ReloadAll();

    std::wstring Path() const;
    std::wstring GetString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view fallback) const;
    int GetInt(std::wstring_view section, std::wstring_view key, int fallback) const;
    bool HasKey(std::wstring_view section, std::wstring_view key) const;

  private:
    const CProfileFile& Profile() const;

    std::wstring m_fileName;
    mutable std::shared_ptr<const CProfileFile> m_profile;
    mutable unsigned m_generation = 0;
};

}  // namespace mdvr
