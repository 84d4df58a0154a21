#include "frame/CPageFactory.h"

#include "frame/CDlgFirstPage.h"

namespace mdvr {

CPageFactory::CPageFactory() {
    Register(1, [] { return std::make_unique<CDlgFirstPage>(); });
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
