#include "text/AppPath.h"

#include <cstdlib>
#include <vector>

#include "text/CProfileFile.h"
#include "text/LocalFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>

#include <filesystem>

#include "text/CodePage.h"
#endif

namespace mdvr {
namespace {

constexpr size_t kMaxAppendChars = 259;
const char kModuleAnchor = 0;  // an address inside this module

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Leading separators kept as the root; two of them open a UNC root on Windows.
std::wstring RootOf(std::wstring_view path, size_t& consumed) {
    consumed = 0;
    while (consumed < path.size() && IsSeparator(path[consumed])) ++consumed;
    if (consumed == 0) return {};
    bool unc = consumed >= 2 && kPathSeparator == L'\\';
    return std::wstring(unc ? 2 : 1, kPathSeparator);
}

std::vector<std::wstring_view> SplitParts(std::wstring_view path) {
    std::vector<std::wstring_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (i > start) parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// Parts that ".." may not remove: a drive ("C:") or a UNC server and share.
size_t LockedParts(const std::wstring& root, const std::vector<std::wstring_view>& parts) {
    if (root.size() == 2) return 2;
    bool drive =
        root.empty() && !parts.empty() && parts.front().size() == 2 && parts.front()[1] == L':';
    return drive ? 1 : 0;
}

std::wstring DirectoryOf(const std::wstring& file) {
    size_t last = file.find_last_of(L"\\/");
    return last == std::wstring::npos ? std::wstring() : file.substr(0, last + 1);
}

}  // namespace

std::wstring NormalizeDirectory(std::wstring_view path) {
    size_t consumed = 0;
    std::wstring root = RootOf(path, consumed);
    std::vector<std::wstring_view> parts = SplitParts(path.substr(consumed));
    size_t locked = LockedParts(root, parts);
    bool relative = root.empty() && locked == 0;
    std::vector<std::wstring_view> kept;
    for (std::wstring_view part : parts) {
        if (part == L".") continue;
        if (part != L"..") {
            kept.push_back(part);
        } else if (kept.size() > locked && kept.back() != L"..") {
            kept.pop_back();
        } else if (relative) {
            kept.push_back(part);  // a relative path may start above its own directory
        }
    }
    std::wstring out = root;
    for (std::wstring_view part : kept) out.append(part).push_back(kPathSeparator);
    return out;
}

std::wstring ResolveAppPath(const std::wstring& moduleDir, const std::wstring& exeDir) {
    std::wstring ini = moduleDir + L"AppPath.INI";
    auto file = CProfileFile::Open(ini);
    if (file->GetInt(L"APPPATH", L"SRC_TYPE", 0) != 0) {
        std::wstring append = file->GetString(L"APPPATH", L"APPEND", L"", kMaxAppendChars);
        std::wstring path = append.empty() ? moduleDir : NormalizeDirectory(moduleDir + append);
        if (!path.empty()) return path;
    }
    return exeDir;
}

#ifdef _WIN32

namespace {
std::wstring ModuleFileName(HMODULE module) {
    std::wstring name(32768, L'\0');
    DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    name.resize(length);
    return name;
}
}  // namespace

std::wstring ModuleDirectory() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&kModuleAnchor), &module);
    std::wstring name = ModuleFileName(module);
    std::wstring longName(32768, L'\0');
    DWORD length =
        GetLongPathNameW(name.c_str(), longName.data(), static_cast<DWORD>(longName.size()));
    if (length > 0 && length < longName.size()) name = longName.substr(0, length);
    return DirectoryOf(name);
}

std::wstring ExecutableDirectory() {
    return DirectoryOf(ModuleFileName(nullptr));
}

#else

std::wstring ModuleDirectory() {
    Dl_info info{};
    std::error_code error;
    if (dladdr(&kModuleAnchor, &info) != 0 && info.dli_fname != nullptr && *info.dli_fname != 0) {
        auto file = std::filesystem::canonical(info.dli_fname, error);
        if (!error) return DirectoryOf(FromFsPath(file));
    }
    return ExecutableDirectory();
}

std::wstring ExecutableDirectory() {
    std::error_code error;
    auto file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::wstring() : DirectoryOf(FromFsPath(file));
}

#endif

namespace {
std::wstring AppPathOverride() {
#ifdef _WIN32
    const wchar_t* value = _wgetenv(L"MDVR_APP_PATH");
    return value != nullptr ? std::wstring(value) : std::wstring();
#else
    const char* value = std::getenv("MDVR_APP_PATH");
    return value != nullptr ? Utf8ToWide(value) : std::wstring();
#endif
}
}  // namespace

const std::wstring& GetAppPath() {
    static const std::wstring path = [] {
        std::wstring chosen = AppPathOverride();
        if (!chosen.empty()) return NormalizeDirectory(chosen);
        return ResolveAppPath(ModuleDirectory(), ExecutableDirectory());
    }();
    return path;
}

}  // namespace mdvr
