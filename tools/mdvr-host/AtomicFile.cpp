#include "tools/mdvr-host/AtomicFile.h"

#include <stdexcept>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mdvr::refhost {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const char* what) {
    throw std::runtime_error(file.string() + ": " + what);
}

#ifdef _WIN32
void WriteDurably(const std::filesystem::path& file, std::string_view content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) Fail(file, "cannot write");
}

void SyncDirectory(const std::filesystem::path&) {}  // the rename is durable on NTFS
#else
void WriteDurably(const std::filesystem::path& file, std::string_view content) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail(file, "cannot create");
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    const bool ok = done == content.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) Fail(file, "cannot write");
}

// Makes the rename itself survive a power cut.
void SyncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

}  // namespace

void WriteFileAtomically(const std::filesystem::path& file, std::string_view content) {
    std::filesystem::path temp = file;
    temp += ".tmp";
    WriteDurably(temp, content);
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        Fail(file, "cannot replace");
    }
    SyncDirectory(file.parent_path());
}

}  // namespace mdvr::refhost
