#include "text/CLanguage.h"

#include <memory>

#include "text/CProfileFile.h"
#include "text/LocalFile.h"

namespace mdvr {
namespace {

std::unique_ptr<CLanguage>& ModuleInstance() {
    static std::unique_ptr<CLanguage> instance;
    return instance;
}

}  // namespace

CLanguage& CLanguage::Instance() {
    std::unique_ptr<CLanguage>& instance = ModuleInstance();
    if (!instance) instance = std::make_unique<CLanguage>();
    return *instance;
}

void CLanguage::Release() {
    ModuleInstance().reset();
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
