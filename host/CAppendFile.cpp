#include "host/CAppendFile.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mdvr {

CAppendFile::~CAppendFile() {
    Close();
}

#ifdef _WIN32

bool CAppendFile::Open(const std::filesystem::path& path) {
    Close();
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    HANDLE h = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    m_handle = reinterpret_cast<intptr_t>(h);
    return true;
}

void CAppendFile::Close() {
    if (!IsOpen()) return;
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = kNoHandle;
}

bool CAppendFile::Write(const char* data, size_t size) {
    HANDLE h = reinterpret_cast<HANDLE>(m_handle);
    while (size > 0) {
        DWORD written = 0;
        DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!WriteFile(h, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

#else

bool CAppendFile::Open(const std::filesystem::path& path) {
    Close();
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    m_handle = fd;
    return true;
}

void CAppendFile::Close() {
    if (!IsOpen()) return;
    ::close(static_cast<int>(m_handle));
    m_handle = kNoHandle;
}

bool CAppendFile::Write(const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = ::write(static_cast<int>(m_handle), data, size);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

#endif

}  // namespace mdvr
