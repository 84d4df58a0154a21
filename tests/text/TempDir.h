#pragma once
// A scratch directory with paths in the text layer's form: UTF-16, trailing separator.
#include <filesystem>
#include <string>
#include <string_view>

#include "support/ScratchDir.h"
#include "text/LocalFile.h"

namespace mdvr::test {

class TempDir {
  public:
    std::wstring Dir() const { return FromFsPath(m_scratch.Path()) + kPathSeparator; }
    std::wstring Write(const std::filesystem::path& relative, std::string_view bytes) const {
        return FromFsPath(m_scratch.Write(relative, bytes));
    }
    std::wstring Mkdir(const std::filesystem::path& relative) const {
        std::filesystem::create_directories(m_scratch.Path() / relative);
        return FromFsPath(m_scratch.Path() / relative) + kPathSeparator;
    }

  private:
    ScratchDir m_scratch{"mdvr_text"};
};

}  // namespace mdvr::test
