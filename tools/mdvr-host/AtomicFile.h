#pragma once
// Replaces a file so that a crash at any moment leaves either the old or the new content:
// the new content goes to a temporary file beside it, reaches the disk, then is renamed over.
#include <filesystem>
#include <string_view>

namespace mdvr::refhost {

// Throws std::runtime_error naming the file when any step fails; the old file is then intact.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view content);

}  // namespace mdvr::refhost
