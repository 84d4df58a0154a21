#include "ui/win32/ActivationContext.h"

#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {
constexpr WORD kManifestResourceId = 2;  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID
}

ActivationContext::ActivationContext() {
    ACTCTXW context{};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = ThisModule();
    context.lpResourceName = MAKEINTRESOURCEW(kManifestResourceId);
    m_context = CreateActCtxW(&context);
}

ActivationContext::~ActivationContext() {
    if (m_context != INVALID_HANDLE_VALUE) ReleaseActCtx(m_context);
}

ActivationContext::Scope::Scope(const ActivationContext& context) {
    if (context.m_context != INVALID_HANDLE_VALUE) {
        m_active = ActivateActCtx(context.m_context, &m_cookie) != FALSE;
    }
}

ActivationContext::Scope::~Scope() {
    if (m_active) DeactivateActCtx(0, m_cookie);
}

}  // namespace mdvr::ui::win32
