#pragma once
// One of the host's plain settings files (HostDevices.ini, HostSettings.ini, ...) in the host
// folder. The host edits them while it runs, so every look-up asks the profile reader, which
// parses a file again only when its stamp or bytes changed.
#include <memory>
#include <string>
#include <string_view>

#include "text/CProfileFile.h"

namespace mdvr {

class CHostFile {
  public:
    explicit CHostFile(std::wstring_view fileName);

    // The folder of every host file, with or without a trailing separator. Empty (the default)
    // means the application path.
    static void SetFolder(std::wstring_view folder);
    static std::wstring Folder();
    // Reads every host file from disk on next use, even one whose stamp looks unchanged.
    static void ReloadAll();

    std::wstring Path() const;
    std::wstring GetString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view fallback) const;
    int GetInt(std::wstring_view section, std::wstring_view key, int fallback) const;
    bool HasKey(std::wstring_view section, std::wstring_view key) const;

  private:
    const CProfileFile& Profile() const;

    std::wstring m_fileName;
    mutable std::shared_ptr<const CProfileFile> m_profile;  // the one a returned reference uses
};

}  // namespace mdvr
