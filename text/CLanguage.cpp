#include "text/CLanguage.h"

#include "text/CProfileFile.h"
#include "text/LocalFile.h"

namespace mdvr {
namespace {

// A plain pointer, not a static object: the module object deletes the table when the module
// unloads, and no static destructor may run after that and delete it a second time.
CLanguage* g_instance = nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

CLanguage& CLanguage::Instance() {
    if (g_instance == nullptr)
        g_instance = new CLanguage();  // NOLINT(cppcoreguidelines-owning-memory)
    return *g_instance;
}

void CLanguage::Release() {
    delete g_instance;  // NOLINT(cppcoreguidelines-owning-memory)
    g_instance = nullptr;
}

int CLanguage::SetFile(const std::wstring& path) {
    std::lock_guard lock(m_mutex);
    if (path == m_filePath || !CanOpenForReading(path)) return 0;
    m_filePath = path;
    m_cache.clear();
    return 1;
}

int CLanguage::GetString(int32_t id, std::wstring& text) {
    std::lock_guard lock(m_mutex);
    auto cached = m_cache.find(id);
    if (cached != m_cache.end()) {
        text = cached->second;
        return 1;
    }
    if (m_filePath.empty()) return 0;
    std::wstring value =
        CProfileFile::ReadString(m_filePath, L"STRING", std::to_wstring(id), L"", kMaxTextChars);
    if (value.empty()) return 0;
    text = value;
    m_cache.emplace(id, std::move(value));
    return 1;
}

std::wstring CLanguage::GetText(int32_t id) {
    std::wstring text;
    GetString(id, text);
    return text;
}

}  // namespace mdvr
