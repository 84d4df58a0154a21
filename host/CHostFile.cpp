#include "host/CHostFile.h"

#include "text/AppPath.h"
#include "text/LocalFile.h"

namespace mdvr {

namespace {

constexpr size_t kMaxValueChars = 1024;
// Lines end at CR or LF, so no value read from a file can be a line feed.
constexpr std::wstring_view kAbsent = L"\n";

std::wstring& TheFolder() {
    static std::wstring folder;
    return folder;
}

std::wstring WithSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'/' && folder.back() != L'\\')
        folder += kPathSeparator;
    return folder;
}

}  // namespace

CHostFile::CHostFile(std::wstring_view fileName) : m_fileName(fileName) {}

void CHostFile::SetFolder(std::wstring_view folder) {
    TheFolder() = WithSeparator(std::wstring(folder));
}

std::wstring CHostFile::Folder() {
    const std::wstring& folder = TheFolder();
    return folder.empty() ? GetAppPath() : folder;
}

void CHostFile::ReloadAll() {
    CProfileFile::ForgetParsedFiles();
}

std::wstring CHostFile::Path() const {
    return Folder() + m_fileName;
}

std::wstring CHostFile::GetString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view fallback) const {
    return Profile().GetString(section, key, fallback, kMaxValueChars);
}

int CHostFile::GetInt(std::wstring_view section, std::wstring_view key, int fallback) const {
    return Profile().GetInt(section, key, fallback);
}

bool CHostFile::HasKey(std::wstring_view section, std::wstring_view key) const {
    return Profile().GetString(section, key, kAbsent, kAbsent.size()) != kAbsent;
}

const CProfileFile& CHostFile::Profile() const {
    m_profile = CProfileFile::Open(Path());
    return *m_profile;
}

}  // namespace mdvr
