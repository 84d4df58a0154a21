#pragma once
// Makes the page object of a page number. Pages that are not built yet have no maker: the main
// window treats them as pages that failed to create.
#include <functional>
#include <map>
#include <memory>

#include "pagebase/CDlgCfgBase.h"

namespace mdvr {

class CPageFactory {
  public:
    using Maker = std::function<std::unique_ptr<CDlgCfgBase>()>;

    // Knows every page that exists.
    CPageFactory();
    static CPageFactory& Instance();

    // Replaces the maker of a page number (tests add pages of their own).
    void Register(int page, Maker maker);
    void Unregister(int page);
    // The new, not yet created page; null when the number has no page.
    std::unique_ptr<CDlgCfgBase> Make(int page) const;

  private:
    std::map<int, Maker> m_makers;
};

}  // namespace mdvr
