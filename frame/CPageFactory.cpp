#include "frame/CPageFactory.h"

#include "frame/PageTable.h"

namespace mdvr {

CPageFactory::CPageFactory() {
    for (const PageInfo& page : PageTable()) {
        if (page.make != nullptr) Register(page.number, page.make);
    }
}

CPageFactory& CPageFactory::Instance() {
    static CPageFactory factory;
    return factory;
}

void CPageFactory::Register(int page, Maker maker) {
    m_makers[page] = std::move(maker);
}

void CPageFactory::Unregister(int page) {
    m_makers.erase(page);
}

std::unique_ptr<CDlgCfgBase> CPageFactory::Make(int page) const {
    auto it = m_makers.find(page);
    return it != m_makers.end() ? it->second() : nullptr;
}

}  // namespace mdvr
